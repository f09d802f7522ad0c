#pragma once
// Owns what the Win32 view paints: fonts, gradient panels, ui/dibujos.h's pictures, glyph buttons.
#include <windows.h>

#include "ui/dibujos.h"
#include "ui/disposicion.h"
#include "ui/win32/gdi.h"

namespace ttz::ui {

// The window's fonts at the screen's dots per inch, and the scale that the window font's text
// height gives every size at 96 dots per inch.
struct Fuentes {
    gdi::Fuente ventana, negrita, rotulo;
    Escala escala{96};

    // The font of a control of the control table.
    HFONT de(const Control& descripcion) const;
};
Fuentes crearFuentes();

// The panel's blend and its raised one-pixel bevel, painted off-screen and then copied.
void pintarPanel(HWND panel, const ColoresPanel& colores);

// A text control in its colour, over its own background or over the panel's blend: the brush
// for its background.
HBRUSH colorearTexto(HDC contexto, const Control& descripcion, gdi::Brochas& brochas);

// The picture at (x, y), its design size times factor.
void pintarDibujo(HDC destino, int x, int y, double factor, const Dibujo& dibujo);

// An owner-drawn push button: its glyph left of its text; a default button has a dark outer line.
void pintarBoton(const DRAWITEMSTRUCT& dibujo, const Control& descripcion, const Fuentes& fuentes);

}  // namespace ttz::ui
