#include <windows.h>

#include "base/texto_ruta.h"

namespace ttz {

std::filesystem::path rutaDeTexto(std::string_view texto) {
    if (texto.empty()) return {};
    const int origen = static_cast<int>(texto.size());
    std::wstring ancho(static_cast<std::size_t>(MultiByteToWideChar(CP_ACP, 0, texto.data(), origen, nullptr, 0)), L'\0');
    MultiByteToWideChar(CP_ACP, 0, texto.data(), origen, ancho.data(), static_cast<int>(ancho.size()));
    return std::filesystem::path(std::move(ancho));
}

std::string textoDeRuta(const std::filesystem::path& ruta) {
    const std::wstring& ancho = ruta.native();
    if (ancho.empty()) return {};
    const int origen = static_cast<int>(ancho.size());
    std::string texto(static_cast<std::size_t>(
                          WideCharToMultiByte(CP_ACP, 0, ancho.data(), origen, nullptr, 0, nullptr, nullptr)),
                      '\0');
    WideCharToMultiByte(CP_ACP, 0, ancho.data(), origen, texto.data(), static_cast<int>(texto.size()), nullptr,
                        nullptr);
    return texto;
}

std::string rutaEnMensaje(const std::filesystem::path& ruta) { return textoDeRuta(ruta); }

std::filesystem::path rutaDeMensaje(std::string_view windows1252) { return rutaDeTexto(windows1252); }

}  // namespace ttz
