#include "base/archivos.h"

#include "base/errores.h"
#include "base/texto_ruta.h"

namespace ttz {
namespace {

constexpr std::size_t kBloque = 64 * 1024;

Error errorDeCreacion(const fs::path& ruta, const FalloArchivo& fallo) {
    return Error("Cannot create file \"" + rutaEnMensaje(ruta) + "\". " + fallo.what());
}

Archivo crearProvisional(const fs::path& ruta, const fs::path& destino) {
    try {
        return Archivo::crearProvisional(destino);
    } catch (const FalloArchivo& fallo) {
        throw errorDeCreacion(ruta, fallo);
    }
}

}  // namespace

ArchivoNuevo::ArchivoNuevo(const fs::path& ruta)
    : ruta_(ruta), destino_(resolverMayusculas(ruta)), provisional_(crearProvisional(ruta_, destino_)) {
    bufer_.reserve(kBloque);
}

ArchivoNuevo::~ArchivoNuevo() = default;

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
    try {
        provisional_.escribir(escritos_, bloque);
        escritos_ += bloque.size();
    } catch (const FalloArchivo&) {
        provisional_.descartar();
        throw Error("Stream write error");
    }
}

void ArchivoNuevo::publicar() {
    vaciarBufer();
    try {
        provisional_.sincronizar();
        provisional_.cerrar();
    } catch (const FalloArchivo&) {
        provisional_.descartar();
        throw Error("Stream write error");
    }
    try {
        provisional_.publicar(destino_);
    } catch (const FalloArchivo& fallo) {
        throw errorDeCreacion(ruta_, fallo);
    }
}

void reemplazarArchivo(const fs::path& ruta, std::string_view contenido) {
    ArchivoNuevo archivo(ruta);
    archivo.escribir(contenido);
    archivo.publicar();
}

}  // namespace ttz
