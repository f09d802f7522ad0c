#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <random>

#include "base/archivos.h"
#include "base/errores.h"
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

std::string errorDeCreacion(const fs::path& ruta, int error) {
    return "Cannot create file \"" + ruta.string() + "\". " + textoErrorSistema(error);
}

void sincronizarCarpeta(const fs::path& carpeta) {
    const int descriptor = ::open(carpeta.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0) return;
    ::fsync(descriptor);
    ::close(descriptor);
}

std::string nombreTemporal(const fs::path& destino, unsigned numero) {
    std::string nombre(1, '.');
    nombre.append(destino.filename().string()).append(".").append(std::to_string(numero)).append(".tmp");
    return nombre;
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
    return existe(resolverMayusculas(ruta), datos) && !S_ISDIR(datos.st_mode);
}

bool existeCarpeta(const fs::path& ruta) {
    struct stat datos {};
    return existe(ruta, datos) && S_ISDIR(datos.st_mode);
}

// Created with the permissions of a new file, or those of the file it replaces.
void ArchivoNuevo::crearTemporal() {
    std::random_device azar;
    int descriptor = -1;
    int error = EEXIST;
    for (int intento = 0; intento < 100 && descriptor < 0 && error == EEXIST; ++intento) {
        temporal_ = carpetaDe(destino_) / nombreTemporal(destino_, azar());
        descriptor = ::open(temporal_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        error = errno;
    }
    if (descriptor < 0) {
        temporal_.clear();
        throw Error(errorDeCreacion(ruta_, error));
    }
    manejador_ = descriptor;
    struct stat anterior {};
    if (existe(destino_, anterior)) ::fchmod(descriptor, anterior.st_mode & 07777);
}

bool ArchivoNuevo::escribirBloque(std::string_view bloque) {
    while (!bloque.empty()) {
        const ssize_t escritos = ::write(static_cast<int>(manejador_), bloque.data(), bloque.size());
        if (escritos < 0 && errno == EINTR) continue;
        if (escritos <= 0) return false;
        bloque.remove_prefix(static_cast<std::size_t>(escritos));
    }
    return true;
}

bool ArchivoNuevo::cerrarTemporal() {
    const bool sincronizado = ::fsync(static_cast<int>(manejador_)) == 0;
    const bool cerrado = ::close(static_cast<int>(manejador_)) == 0;
    manejador_ = -1;
    return sincronizado && cerrado;
}

void ArchivoNuevo::renombrarSobreDestino() {
    if (::rename(temporal_.c_str(), destino_.c_str()) != 0) {
        const int error = errno;
        descartar();
        throw Error(errorDeCreacion(ruta_, error));
    }
    temporal_.clear();
    sincronizarCarpeta(carpetaDe(destino_));
}

void ArchivoNuevo::descartar() {
    if (manejador_ >= 0) ::close(static_cast<int>(manejador_));
    manejador_ = -1;
    ::unlink(temporal_.c_str());
    temporal_.clear();
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
