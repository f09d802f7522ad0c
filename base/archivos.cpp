#include "base/archivos.h"

#include <cerrno>
#include <cstring>

#include "base/errores.h"

namespace ttz {
namespace {

constexpr std::size_t kBloque = 64 * 1024;

}  // namespace

int codigoES(int errorSistema) {
    switch (errorSistema) {
    case ENOENT: return 2;
    case ENAMETOOLONG:
    case ENOTDIR: return 3;
    case EMFILE:
    case ENFILE: return 4;
    case EACCES:
    case EPERM:
    case EISDIR: return 5;
    case ENOSPC: return 101;
    default: return errorSistema;
    }
}

std::string textoErrorSistema(int errorSistema) { return std::strerror(errorSistema); }

ArchivoNuevo::ArchivoNuevo(const fs::path& ruta) : ruta_(ruta), destino_(resolverMayusculas(ruta)) {
    crearTemporal();
    bufer_.reserve(kBloque);
}

ArchivoNuevo::~ArchivoNuevo() {
    if (!temporal_.empty()) descartar();
}

void ArchivoNuevo::escribir(std::string_view bytes) {
    if (bufer_.size() + bytes.size() > kBloque) vaciarBufer();
    if (bytes.size() >= kBloque)
        volcar(bytes);
    else
        bufer_.append(bytes);
}

void ArchivoNuevo::vaciarBufer() {
    volcar(bufer_);
    bufer_.clear();
}

void ArchivoNuevo::volcar(std::string_view bloque) {
    if (escribirBloque(bloque)) return;
    descartar();
    throw Error("Stream write error");
}

void ArchivoNuevo::publicar() {
    vaciarBufer();
    if (!cerrarTemporal()) {
        descartar();
        throw Error("Stream write error");
    }
    renombrarSobreDestino();
}

void reemplazarArchivo(const fs::path& ruta, std::string_view contenido) {
    ArchivoNuevo archivo(ruta);
    archivo.escribir(contenido);
    archivo.publicar();
}

}  // namespace ttz
