#include "ui/win32/selector_carpetas.h"

#include <algorithm>

#include "base/archivos.h"
#include "ui/acortar_ruta.h"

namespace ttz::ui {

SelectorWin32::SelectorWin32(Dialogos& dialogos, const Fuentes& fuentes, gdi::Brochas& brochas)
    : dialogos_(dialogos),
      fuentes_(fuentes),
      brochas_(brochas),
      selector_(unidadesDelSistema(), [this] { informarExcepcionActual(dialogos_); }) {}

void SelectorWin32::enlazar(HWND directorios, HWND unidades, HWND ruta) {
    directorios_ = directorios;
    unidades_ = unidades;
    ruta_ = ruta;
    // The closed drop-down is as high as the control table says.
    RECT cerrada{};
    GetWindowRect(unidades_, &cerrada);
    const int extra = (cerrada.bottom - cerrada.top) - static_cast<int>(SendMessageA(unidades_, CB_GETITEMHEIGHT, -1, 0));
    SendMessageA(unidades_, CB_SETITEMHEIGHT, -1, fuentes_.escala(control(IdControl::Unidades).area.alto) - extra);
    for (const auto& unidad : selector_.unidades())
        SendMessageA(unidades_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(unidad.texto.c_str()));
    actualizar();
}

template <typename Cambio>
void SelectorWin32::cambiar(Cambio&& cambio) {
    ejecutarProtegido(dialogos_, [&] {
        if (cambio()) actualizar();
    });
}

void SelectorWin32::avisar(IdControl lista, int aviso) {
    if (lista == IdControl::Directorios && aviso == LBN_DBLCLK) {
        const auto fila = SendMessageA(directorios_, LB_GETCURSEL, 0, 0);
        if (fila != LB_ERR) cambiar([&] { return selector_.abrirFila(static_cast<std::size_t>(fila)); });
        return;
    }
    if (lista != IdControl::Unidades) return;
    // A choice: confirmed, or moved by the keys while the drop-down is closed.
    const bool elegida =
        aviso == CBN_SELENDOK || (aviso == CBN_SELCHANGE && !SendMessageA(unidades_, CB_GETDROPPEDSTATE, 0, 0));
    if (!elegida) return;
    const auto unidad = SendMessageA(unidades_, CB_GETCURSEL, 0, 0);
    // A drive that cannot be entered stays chosen while the folder list stays where it was.
    if (unidad != CB_ERR) cambiar([&] { return selector_.elegirUnidad(static_cast<std::size_t>(unidad)); });
}

void SelectorWin32::dibujarFila(const DRAWITEMSTRUCT& dibujo, IdControl lista) {
    const HDC contexto = dibujo.hDC;
    FillRect(contexto, &dibujo.rcItem, brochas_.de(*control(IdControl::Directorios).fondo));
    if (dibujo.itemID == static_cast<UINT>(-1)) return;
    const auto& escala = fuentes_.escala;
    const double factor = escala(kAltoFila) / double(kAltoFila);
    const int y = dibujo.rcItem.top;
    const bool carpeta = lista == IdControl::Directorios;
    if (carpeta ? dibujo.itemID >= selector_.filas().size() : dibujo.itemID >= selector_.unidades().size()) return;
    const auto& texto = carpeta ? selector_.filas()[dibujo.itemID].nombre : selector_.unidades()[dibujo.itemID].texto;
    const int sangria = carpeta ? selector_.filas()[dibujo.itemID].sangria : kSangriaRaiz;
    const gdi::Seleccion conFuente(contexto, fuentes_.ventana.get());
    const auto fila = geometriaFila(sangria, static_cast<int>(gdi::medirTexto(contexto, texto).cx), escala);
    const int x = dibujo.rcItem.left;
    if (carpeta) {
        pintarDibujo(contexto, x + fila.icono, y, factor, dibujoCarpeta(selector_.filas()[dibujo.itemID].icono));
    } else {
        const auto& icono = dibujoUnidad(selector_.unidades()[dibujo.itemID].tipo);
        pintarDibujo(contexto, x + fila.icono, y + (dibujo.rcItem.bottom - y - escala(icono.alto)) / 2, factor, icono);
    }
    RECT caja{x + fila.caja, y, std::min<LONG>(dibujo.rcItem.right, x + fila.caja + fila.anchoCaja), dibujo.rcItem.bottom};
    const bool elegida = dibujo.itemState & ODS_SELECTED;
    if (elegida) FillRect(contexto, &caja, GetSysColorBrush(COLOR_HIGHLIGHT));
    SetBkMode(contexto, TRANSPARENT);
    SetTextColor(contexto, GetSysColor(elegida ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    RECT interior{x + fila.texto, caja.top, caja.right, caja.bottom};
    DrawTextA(contexto, texto.c_str(), -1, &interior, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    if (dibujo.itemState & ODS_FOCUS) DrawFocusRect(contexto, &caja);
}

void SelectorWin32::actualizar() {
    SendMessageA(directorios_, WM_SETREDRAW, FALSE, 0);
    SendMessageA(directorios_, LB_RESETCONTENT, 0, 0);
    for (const auto& fila : selector_.filas())
        SendMessageA(directorios_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(fila.nombre.c_str()));
    const auto actual = static_cast<int>(selector_.filaActual());
    SendMessageA(directorios_, LB_SETCURSEL, static_cast<WPARAM>(actual), 0);
    // The current folder's row at the bottom, so that as many path rows above it as fit are seen.
    RECT area{};
    GetClientRect(directorios_, &area);
    const int visibles = std::max(1, static_cast<int>(area.bottom / fuentes_.escala(kAltoFila)));
    SendMessageA(directorios_, LB_SETTOPINDEX, static_cast<WPARAM>(std::max(0, actual - visibles + 1)), 0);
    SendMessageA(directorios_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(directorios_, nullptr, TRUE);
    SendMessageA(unidades_, CB_SETCURSEL, static_cast<WPARAM>(selector_.unidadActual()), 0);
    actualizarRuta();
}

// Label2: the current folder, shortened to the folder list's width; transparent, so the panel
// repaints beneath the old and the new text.
void SelectorWin32::actualizarRuta() {
    const HFONT fuente = fuentes_.negrita.get();
    const auto medir = [&](const std::string& texto) { return static_cast<int>(gdi::medirTexto(ruta_, fuente, texto).cx); };
    const auto texto = acortarRuta(selector_.actual(), fuentes_.escala(control(IdControl::Directorios).area.ancho), medir,
                                   separadorCarpetas());
    const HWND panel = GetParent(ruta_);
    RECT antes{};
    GetWindowRect(ruta_, &antes);
    MapWindowPoints(nullptr, panel, reinterpret_cast<POINT*>(&antes), 2);
    const auto tamano = gdi::medirTexto(ruta_, fuente, texto);
    SetWindowTextA(ruta_, texto.c_str());
    SetWindowPos(ruta_, nullptr, 0, 0, tamano.cx, tamano.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT despues{antes.left, antes.top, antes.left + tamano.cx, antes.top + tamano.cy};
    UnionRect(&antes, &antes, &despues);
    RedrawWindow(panel, &antes, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

}  // namespace ttz::ui
