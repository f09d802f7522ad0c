#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "base/archivo.h"

namespace ttz {
namespace {

namespace fs = std::filesystem;

[[noreturn]] void fallar(int numero) { throw FalloArchivo(numero); }

int descriptor(std::intptr_t manejador) { return static_cast<int>(manejador); }

// Takes the advisory lock without waiting.
void bloquear(int fd, Retencion retencion) {
    if (retencion == Retencion::Ninguna) return;
    const int operacion = (retencion == Retencion::Exclusiva ? LOCK_EX : LOCK_SH) | LOCK_NB;
    while (::flock(fd, operacion) != 0)
        if (errno != EINTR) fallar(errno);
}

void sincronizarCarpeta(const fs::path& carpeta) {
    const int fd = ::open(carpeta.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

int codigoES(int numero) {
    switch (numero) {
    case ENOENT: return 2;
    case ENAMETOOLONG:
    case ENOTDIR: return 3;
    case EMFILE:
    case ENFILE: return 4;
    case EACCES:
    case EPERM:
    case EISDIR: return 5;
    case ENOSPC: return 101;
    // The numbers of the same failures on Windows, so that one list explains them. An errno
    // number is no Windows number: EIO is 5 like a denied access, ENETDOWN 100 like the end of
    // a file; one without an equivalent is Windows' general failure.
    case EBADF: return 6;
    case ENOMEM: return 8;
    case EXDEV: return 17;
    case EROFS: return 19;
#ifdef ENOMEDIUM
    case ENOMEDIUM: return 21;
#endif
    case EBUSY:
    case ETXTBSY: return 32;
    case EWOULDBLOCK: return 33;
    case EOPNOTSUPP:
    case ENOSYS: return 50;
    case ESTALE:
    case ENOTCONN:
    case EHOSTDOWN:
    case EHOSTUNREACH:
    case ENETDOWN:
    case ENETUNREACH:
    case ENETRESET:
    case ECONNRESET:
    case ECONNABORTED:
    case ETIMEDOUT: return 53;
    case ENXIO:
    case ENODEV: return 55;
    case EEXIST: return 80;
    case EINVAL: return 87;
    case EPIPE: return 109;
    case ENOTEMPTY: return 145;
    case EFBIG: return 223;
    case EIO: return 1117;
    case EDQUOT: return 1295;
    case ELOOP: return 1921;
    default: return 31;
    }
}

FalloArchivo::Causa FalloArchivo::causa() const {
    switch (numero_) {
    case ENOENT: return Causa::Inexistente;
    case EEXIST: return Causa::YaExiste;
    case EWOULDBLOCK: return Causa::Retenido;
    default: return Causa::Otra;
    }
}

Archivo Archivo::abrir(const fs::path& ruta, Acceso acceso, Retencion retencion) {
    const int fd = ::open(ruta.c_str(), (acceso == Acceso::Lectura ? O_RDONLY : O_RDWR) | O_CLOEXEC);
    if (fd < 0) fallar(errno);
    Archivo archivo(ruta, fd, false);
    struct stat datos {};
    if (::fstat(fd, &datos) == 0 && S_ISDIR(datos.st_mode)) fallar(EISDIR);
    bloquear(fd, retencion);
    return archivo;
}

Archivo Archivo::crearNuevo(const fs::path& ruta, const fs::path& modelo) {
    const int fd = ::open(ruta.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) fallar(errno);
    Archivo archivo(ruta, fd, true);
    ::flock(fd, LOCK_EX | LOCK_NB);  // tells a live staging file from one left by a crash
    struct stat anterior {};
    if (::stat(modelo.c_str(), &anterior) == 0) ::fchmod(fd, anterior.st_mode & 07777);
    return archivo;
}

Archivo Archivo::abrirParaAnadir(const fs::path& ruta) {
    const int fd = ::open(ruta.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0666);
    if (fd < 0) fallar(errno);
    return Archivo(ruta, fd, false);
}

std::string Archivo::identificadorProceso() { return std::to_string(::getpid()); }

std::uint64_t Archivo::tamano() const {
    struct stat datos {};
    if (::fstat(descriptor(manejador_), &datos) != 0) fallar(errno);
    return static_cast<std::uint64_t>(datos.st_size);
}

std::size_t Archivo::leer(std::uint64_t posicion, char* destino, std::size_t bytes) const {
    std::size_t total = 0;
    while (total < bytes) {
        const ssize_t leidos =
            ::pread(descriptor(manejador_), destino + total, bytes - total, static_cast<off_t>(posicion + total));
        if (leidos < 0 && errno == EINTR) continue;
        if (leidos < 0) fallar(errno);
        if (leidos == 0) break;
        total += static_cast<std::size_t>(leidos);
    }
    return total;
}

void Archivo::escribir(std::uint64_t posicion, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t escritos =
            ::pwrite(descriptor(manejador_), bytes.data(), bytes.size(), static_cast<off_t>(posicion));
        if (escritos < 0 && errno == EINTR) continue;
        if (escritos <= 0) fallar(escritos < 0 ? errno : ENOSPC);
        bytes.remove_prefix(static_cast<std::size_t>(escritos));
        posicion += static_cast<std::uint64_t>(escritos);
    }
}

void Archivo::sincronizar() {
    if (::fsync(descriptor(manejador_)) != 0) fallar(errno);
}

void Archivo::retenerExclusiva() { bloquear(descriptor(manejador_), Retencion::Exclusiva); }

void Archivo::cerrar() {
    if (manejador_ < 0) return;
    if (::close(descriptor(std::exchange(manejador_, -1))) != 0) fallar(errno);
}

void Archivo::soltar() noexcept {
    if (manejador_ >= 0) ::close(descriptor(std::exchange(manejador_, -1)));
}

// The earlier file stays held until the new one has its name, so no other holder slips in between.
void Archivo::renombrarSobre(const fs::path& destino, Archivo* anterior) {
    if (::rename(ruta_.c_str(), destino.c_str()) != 0) fallar(errno);
    if (anterior != nullptr) anterior->soltar();
    sincronizarCarpeta(destino.has_parent_path() ? destino.parent_path() : fs::path("."));
}

void borrarArchivo(const fs::path& ruta) noexcept { ::unlink(ruta.c_str()); }

bool enlazarDuro(const fs::path& origen, const fs::path& copia) noexcept {
    return ::link(origen.c_str(), copia.c_str()) == 0;
}

}  // namespace ttz
