#pragma once
// Owns the GDI handles, given back on every path, the window's brushes and text measuring.
#include <windows.h>

#include <memory>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "ui/degradado.h"

namespace ttz::ui::gdi {

// Objects deleted, device contexts released or deleted, selections undone.
struct BorrarObjeto {
    void operator()(HGDIOBJ objeto) const { DeleteObject(objeto); }
};
// A font, brush, pen or bitmap, deleted with its owner.
template <typename Manejador>
using Objeto = std::unique_ptr<std::remove_pointer_t<Manejador>, BorrarObjeto>;
using Fuente = Objeto<HFONT>;
using Brocha = Objeto<HBRUSH>;
using Pluma = Objeto<HPEN>;
using Lamina = Objeto<HBITMAP>;

// A window's device context (the screen's for none), released with its owner.
class ContextoVentana {
public:
    explicit ContextoVentana(HWND ventana) : ventana_(ventana), contexto_(GetDC(ventana)) {}
    ~ContextoVentana() { ReleaseDC(ventana_, contexto_); }
    ContextoVentana(const ContextoVentana&) = delete;
    ContextoVentana& operator=(const ContextoVentana&) = delete;
    operator HDC() const { return contexto_; }

private:
    HWND ventana_;
    HDC contexto_;
};

// A memory device context like another one, deleted with its owner.
class ContextoMemoria {
public:
    explicit ContextoMemoria(HDC modelo) : contexto_(CreateCompatibleDC(modelo)) {}
    ~ContextoMemoria() { DeleteDC(contexto_); }
    ContextoMemoria(const ContextoMemoria&) = delete;
    ContextoMemoria& operator=(const ContextoMemoria&) = delete;
    operator HDC() const { return contexto_; }

private:
    HDC contexto_;
};

// An object selected into a device context for one scope; the one it replaced comes back. The
// object must outlive the selection: declare its owner first.
class Seleccion {
public:
    Seleccion(HDC contexto, HGDIOBJ objeto) : contexto_(contexto), anterior_(SelectObject(contexto, objeto)) {}
    ~Seleccion() { SelectObject(contexto_, anterior_); }
    Seleccion(const Seleccion&) = delete;
    Seleccion& operator=(const Seleccion&) = delete;

private:
    HDC contexto_;
    HGDIOBJ anterior_;
};

// One solid brush per colour, kept while the window lives: a control's colouring message
// returns a brush that must outlive it.
class Brochas {
public:
    HBRUSH de(ColorRGB color);

private:
    std::vector<std::pair<COLORREF, Brocha>> brochas_;
};

// The size of a single line of text in the context's font, or in the font on the window's context.
SIZE medirTexto(HDC contexto, const std::string& texto);
SIZE medirTexto(HWND ventana, HFONT fuente, const std::string& texto);
// The font's text height on the screen.
int alturaTexto(HFONT fuente);
// The face that the system gives the font: another one than asked for when that family is missing.
std::string caraDe(HFONT fuente);

}  // namespace ttz::ui::gdi

namespace ttz::ui {

inline COLORREF colorGdi(ColorRGB color) { return RGB(color.rojo, color.verde, color.azul); }

}  // namespace ttz::ui
