#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "base/archivos.h"
#include "base/errores.h"
#include "tables/archivo_tabla.h"
#include "tables/mensajes_tabla.h"

namespace ttz::tablas {
namespace {

int descriptor(std::intptr_t manejador) { return static_cast<int>(manejador); }

// Takes the advisory lock without waiting; false when another holder is in the way.
bool bloquear(int fd, Retencion retencion) {
    const int operacion = (retencion == Retencion::Exclusiva ? LOCK_EX : LOCK_SH) | LOCK_NB;
    while (::flock(fd, operacion) != 0) {
        if (errno != EINTR) return false;
    }
    return true;
}

}  // namespace

ArchivoTabla ArchivoTabla::abrir(const std::filesystem::path& ruta, bool escritura, Retencion retencion) {
    const int fd = ::open(ruta.c_str(), (escritura ? O_RDWR : O_RDONLY) | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        if (error == ENOENT) throw Error(mensajes::inexistente(ruta));
        throw Error(mensajes::noSePuedeAbrir(ruta, textoErrorSistema(error)));
    }
    ArchivoTabla archivo(ruta, ruta, fd);
    struct stat datos {};
    if (::fstat(fd, &datos) == 0 && S_ISDIR(datos.st_mode))
        throw Error(mensajes::noSePuedeAbrir(ruta, textoErrorSistema(EISDIR)));
    if (!bloquear(fd, retencion)) throw Error(mensajes::abiertaEnOtroPrograma(ruta));
    return archivo;
}

ArchivoTabla ArchivoTabla::crearTemporal(const std::filesystem::path& carpeta, const std::string& base,
                                        const std::filesystem::path& mostrada) {
    const std::string prefijo = base + ".~" + std::to_string(::getpid()) + "-";
    for (int numero = 0;; ++numero) {
        auto ruta = carpeta / (prefijo + std::to_string(numero) + ".dbf");
        const int fd = ::open(ruta.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            bloquear(fd, Retencion::Exclusiva);  // tells a live staging file from one left by a crash
            return ArchivoTabla(std::move(ruta), mostrada, fd);
        }
        const int error = errno;
        if (error != EEXIST || numero == 999) throw Error(mensajes::noSePuedeCrear(mostrada, textoErrorSistema(error)));
    }
}

std::uint64_t ArchivoTabla::tamano() const {
    struct stat datos {};
    if (::fstat(descriptor(manejador_), &datos) != 0)
        throw Error(mensajes::errorDeLectura(mostrada_, textoErrorSistema(errno)));
    return static_cast<std::uint64_t>(datos.st_size);
}

void ArchivoTabla::leer(std::uint64_t posicion, char* destino, std::size_t bytes) const {
    while (bytes > 0) {
        const ssize_t leidos = ::pread(descriptor(manejador_), destino, bytes, static_cast<off_t>(posicion));
        if (leidos < 0 && errno == EINTR) continue;
        if (leidos < 0) throw Error(mensajes::errorDeLectura(mostrada_, textoErrorSistema(errno)));
        if (leidos == 0) throw Error(mensajes::danada(mostrada_));
        destino += leidos;
        bytes -= static_cast<std::size_t>(leidos);
        posicion += static_cast<std::uint64_t>(leidos);
    }
}

void ArchivoTabla::escribir(std::uint64_t posicion, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t escritos =
            ::pwrite(descriptor(manejador_), bytes.data(), bytes.size(), static_cast<off_t>(posicion));
        if (escritos < 0 && errno == EINTR) continue;
        if (escritos <= 0)
            throw Error(mensajes::errorDeEscritura(mostrada_, textoErrorSistema(escritos < 0 ? errno : ENOSPC)));
        bytes.remove_prefix(static_cast<std::size_t>(escritos));
        posicion += static_cast<std::uint64_t>(escritos);
    }
}

void ArchivoTabla::sincronizar() {
    if (::fsync(descriptor(manejador_)) != 0)
        throw Error(mensajes::errorDeEscritura(mostrada_, textoErrorSistema(errno)));
}

void ArchivoTabla::retenerExclusiva() {
    if (!bloquear(descriptor(manejador_), Retencion::Exclusiva))
        throw Error(mensajes::abiertaEnOtroPrograma(mostrada_));
}

void ArchivoTabla::reemplazarCon(const std::filesystem::path& temporal) {
    publicarArchivo(temporal, ruta_);
    cerrar();
}

void ArchivoTabla::cerrar() noexcept {
    if (manejador_ >= 0) ::close(descriptor(std::exchange(manejador_, -1)));
}

void publicarArchivo(const std::filesystem::path& temporal, const std::filesystem::path& destino) {
    if (::rename(temporal.c_str(), destino.c_str()) != 0)
        throw Error(mensajes::noSePuedeCrear(destino, textoErrorSistema(errno)));
}

void borrarArchivo(const std::filesystem::path& ruta) noexcept { ::unlink(ruta.c_str()); }

}  // namespace ttz::tablas
