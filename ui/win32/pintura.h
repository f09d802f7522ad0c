#pragma once
// What the Win32 view paints with GDI: the gradient panels, the two button glyphs and the
// folder chooser's icons.
#include <windows.h>

#include "ui/disposicion.h"
#include "ui/selector/filas_carpetas.h"
#include "ui/selector/unidades.h"

namespace ttz::ui {

inline COLORREF colorGdi(ColorRGB color) { return RGB(color.rojo, color.verde, color.azul); }

// The panel's blend and its raised one-pixel bevel, painted off-screen and then copied.
void pintarPanel(HDC destino, SIZE tamano, const ColoresPanel& colores);

// Each picture is drawn at (x, y), its design size times factor.
void pintarGlifo(HDC destino, int x, int y, double factor, Glifo glifo);      // 18 x 18
void pintarIconoCarpeta(HDC destino, int x, int y, double factor, IconoCarpeta icono);  // 16 x 15
void pintarIconoUnidad(HDC destino, int x, int y, double factor, TipoUnidad tipo);      // 16 x 15

}  // namespace ttz::ui
