#pragma once
// The texts of the table store's errors. Each names the table file it is about.
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace ttz::tablas::mensajes {

std::string abiertaEnOtroPrograma(const std::filesystem::path& ruta);
std::string inexistente(const std::filesystem::path& ruta);
// The data folder itself, which the store never creates.
std::string sinCarpetaDatos(const std::filesystem::path& carpeta);
std::string danada(const std::filesystem::path& ruta);
// Internal guards: a use of the store that the tool never makes, named as an internal error.
std::string soloLectura(const std::filesystem::path& ruta);
std::string sinEdicion(const std::filesystem::path& ruta);
std::string sinRegistroActual(const std::filesystem::path& ruta);
std::string cerrada(const std::filesystem::path& ruta);
// A message about one of the table's fields, followed by " de la tabla "<file>"".
std::string deLaTabla(const std::string& mensaje, const std::filesystem::path& ruta);
std::string soloLegible(const std::filesystem::path& ruta);
// campo: the field's name as stored, shown by textoVisible.
std::string noEsNumero(const std::filesystem::path& ruta, std::string_view campo, const std::string& tipo);
std::string noEsTexto(const std::filesystem::path& ruta, std::string_view campo, const std::string& tipo);
// registro: counted from 1, deleted records included.
std::string sinEquivalente(const std::filesystem::path& ruta, std::string_view campo, std::uint32_t registro);
// "<what> "<file>"", followed by ". <reason>" when a reason is given.
std::string conRazon(std::string_view que, const std::filesystem::path& ruta, const std::string& razon);
std::string noSePuedeAbrir(const std::filesystem::path& ruta, const std::string& razon);
std::string noSePuedeCrear(const std::filesystem::path& ruta, const std::string& razon);
std::string errorDeLectura(const std::filesystem::path& ruta, const std::string& razon);
std::string errorDeEscritura(const std::filesystem::path& ruta, const std::string& razon);

}  // namespace ttz::tablas::mensajes
