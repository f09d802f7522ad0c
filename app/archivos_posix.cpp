#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <random>

#include "app/archivos.h"
#include "app/errores.h"

namespace ttz {
namespace {

char minuscula(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c; }

bool igualesSinMayusculas(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (minuscula(a[i]) != minuscula(b[i])) return false;
    return true;
}

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

// A new temporary file beside the target, created with the usual permissions of new files.
int crearTemporal(const fs::path& destino, fs::path& temporal) {
    std::random_device azar;
    for (int intento = 0; intento < 100; ++intento) {
        std::string nombre(1, '.');
        nombre.append(destino.filename().string()).append(".").append(std::to_string(azar())).append(".tmp");
        temporal = carpetaDe(destino) / nombre;
        const int descriptor = ::open(temporal.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor >= 0 || errno != EEXIST) return descriptor;
    }
    return -1;
}

bool escribirTodo(int descriptor, std::string_view contenido) {
    while (!contenido.empty()) {
        const ssize_t escritos = ::write(descriptor, contenido.data(), contenido.size());
        if (escritos < 0 && errno == EINTR) continue;
        if (escritos <= 0) return false;
        contenido.remove_prefix(static_cast<std::size_t>(escritos));
    }
    return true;
}

void sincronizarCarpeta(const fs::path& carpeta) {
    const int descriptor = ::open(carpeta.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0) return;
    ::fsync(descriptor);
    ::close(descriptor);
}

// Writes and flushes the temporary file; on failure it is removed and the error raised.
void llenarTemporal(int descriptor, const fs::path& temporal, const fs::path& destino,
                    std::string_view contenido) {
    struct stat anterior {};
    if (existe(destino, anterior)) ::fchmod(descriptor, anterior.st_mode & 07777);
    const bool escrito = escribirTodo(descriptor, contenido) && ::fsync(descriptor) == 0;
    const bool cerrado = ::close(descriptor) == 0;
    if (escrito && cerrado) return;
    ::unlink(temporal.c_str());
    throw Error("Stream write error");
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

void reemplazarArchivo(const fs::path& ruta, std::string_view contenido) {
    const fs::path destino = resolverMayusculas(ruta);
    fs::path temporal;
    const int descriptor = crearTemporal(destino, temporal);
    if (descriptor < 0) throw Error(errorDeCreacion(ruta, errno));
    llenarTemporal(descriptor, temporal, destino, contenido);
    if (::rename(temporal.c_str(), destino.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporal.c_str());
        throw Error(errorDeCreacion(ruta, error));
    }
    sincronizarCarpeta(carpetaDe(destino));
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
