#include "base/texto_ruta.h"

#include "base/texto.h"
#include "base/windows1252.h"

namespace ttz {

std::filesystem::path rutaDeTexto(std::string_view texto) { return std::filesystem::path(texto); }

std::string textoDeRuta(const std::filesystem::path& ruta) { return ruta.native(); }

std::string rutaEnMensaje(const std::filesystem::path& ruta) { return windows1252DeUtf8(ruta.native()); }

std::filesystem::path rutaDeMensaje(std::string_view windows1252) { return std::filesystem::path(aUtf8(windows1252)); }

}  // namespace ttz
