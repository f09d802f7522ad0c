#include "ui/win32/gdi.h"

#include <algorithm>

namespace ttz::ui::gdi {

HBRUSH Brochas::de(ColorRGB color) {
    const COLORREF rgb = colorGdi(color);
    const auto hallada = std::ranges::find(brochas_, rgb, &std::pair<COLORREF, Brocha>::first);
    if (hallada != brochas_.end()) return hallada->second.get();
    return brochas_.emplace_back(rgb, CreateSolidBrush(rgb)).second.get();
}

SIZE medirTexto(HDC contexto, const std::string& texto) {
    SIZE tamano{};
    GetTextExtentPoint32A(contexto, texto.c_str(), static_cast<int>(texto.size()), &tamano);
    return tamano;
}

SIZE medirTexto(HWND ventana, HFONT fuente, const std::string& texto) {
    const ContextoVentana contexto(ventana);
    const Seleccion conFuente(contexto, fuente);
    return medirTexto(contexto, texto);
}

int alturaTexto(HFONT fuente) {
    const ContextoVentana contexto(nullptr);
    const Seleccion conFuente(contexto, fuente);
    TEXTMETRICA medidas{};
    GetTextMetricsA(contexto, &medidas);
    return medidas.tmHeight;
}

std::string caraDe(HFONT fuente) {
    const ContextoVentana contexto(nullptr);
    const Seleccion conFuente(contexto, fuente);
    char cara[LF_FACESIZE] = "";
    GetTextFaceA(contexto, sizeof cara, cara);
    return cara;
}

}  // namespace ttz::ui::gdi
