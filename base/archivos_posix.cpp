#include <dirent.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>

#include "base/archivos.h"
#include "base/texto.h"

namespace ttz {
namespace {

bool existe(const fs::path& ruta, struct stat& datos) { return ::stat(ruta.c_str(), &datos) == 0; }

fs::path carpetaDe(const fs::path& ruta) {
    return ruta.has_parent_path() ? ruta.parent_path() : fs::path(".");
}

// The first name of the folder, in byte order, that equals the one asked for but for letter case.
std::string primeraCoincidencia(const fs::path& carpeta, const std::string& nombre) {
    std::string mejor;
    DIR* listado = ::opendir(carpeta.c_str());
    if (listado == nullptr) return mejor;
    while (const dirent* entrada = ::readdir(listado)) {
        const std::string_view candidato(entrada->d_name);
        if (igualesSinMayusculas(candidato, nombre) && (mejor.empty() || candidato < mejor))
            mejor = candidato;
    }
    ::closedir(listado);
    return mejor;
}

}  // namespace

fs::path resolverMayusculas(const fs::path& ruta) {
    struct stat datos {};
    if (!ruta.has_filename() || existe(ruta, datos)) return ruta;
    const std::string nombre = primeraCoincidencia(carpetaDe(ruta), ruta.filename().string());
    return nombre.empty() ? ruta : ruta.parent_path() / nombre;
}

bool existeArchivo(const fs::path& ruta) {
    struct stat datos {};
    if (!existe(resolverMayusculas(ruta), datos)) return errno != ENOENT && errno != ENOTDIR;
    return !S_ISDIR(datos.st_mode);
}

bool existeCarpeta(const fs::path& ruta) {
    struct stat datos {};
    return existe(ruta, datos) && S_ISDIR(datos.st_mode);
}

char separadorCarpetas() { return '/'; }

fs::path carpetaDatosPredeterminada() {
    auto variable = [](const char* nombre) -> std::string {
        const char* valor = std::getenv(nombre);
        return valor != nullptr ? valor : "";
    };
    if (const auto ttemp = variable("TTEMP"); !ttemp.empty()) return ttemp;
    auto prefijo = variable("WINEPREFIX");
    if (prefijo.empty()) prefijo = (fs::path(variable("HOME")) / ".wine").string();
    return fs::path(prefijo) / "drive_c" / "TTEMP";
}

}  // namespace ttz
