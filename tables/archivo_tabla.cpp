#include "tables/archivo_tabla.h"

#include <utility>

#include "tables/mensajes_tabla.h"

namespace ttz::tablas {

ArchivoTabla::ArchivoTabla(Archivo archivo, std::filesystem::path mostrada)
    : archivo_(std::move(archivo)), mostrada_(std::move(mostrada)) {}

ArchivoTabla ArchivoTabla::abrir(const std::filesystem::path& ruta, bool escritura, Retencion retencion) {
    try {
        return ArchivoTabla(Archivo::abrir(ruta, escritura ? Acceso::LecturaEscritura : Acceso::Lectura, retencion),
                            ruta);
    } catch (const FalloArchivo& fallo) {
        switch (fallo.causa()) {
        case FalloArchivo::Causa::Inexistente: throw Error(mensajes::inexistente(ruta));
        case FalloArchivo::Causa::Retenido: throw Error(mensajes::abiertaEnOtroPrograma(ruta));
        default: throw Error(mensajes::noSePuedeAbrir(ruta, fallo.what()));
        }
    }
}

ArchivoTabla ArchivoTabla::crearProvisional(const std::filesystem::path& destino) {
    try {
        return ArchivoTabla(Archivo::crearProvisional(destino), destino);
    } catch (const FalloArchivo& fallo) {
        throw Error(mensajes::noSePuedeCrear(destino, fallo.what()));
    }
}

std::uint64_t ArchivoTabla::tamano() const {
    return conMensaje(mensajes::errorDeLectura, [&] { return archivo_.tamano(); });
}

void ArchivoTabla::leer(std::uint64_t posicion, char* destino, std::size_t bytes) const {
    const std::size_t leidos =
        conMensaje(mensajes::errorDeLectura, [&] { return archivo_.leer(posicion, destino, bytes); });
    if (leidos != bytes) throw Error(mensajes::danada(mostrada_));
}

void ArchivoTabla::escribir(std::uint64_t posicion, std::string_view bytes) {
    conMensaje(mensajes::errorDeEscritura, [&] { archivo_.escribir(posicion, bytes); });
}

void ArchivoTabla::sincronizar() {
    conMensaje(mensajes::errorDeEscritura, [&] { archivo_.sincronizar(); });
}

void ArchivoTabla::publicar(ArchivoTabla* anterior) {
    archivo_.soltar();
    try {
        archivo_.publicar(mostrada_, anterior != nullptr ? &anterior->archivo_ : nullptr);
    } catch (const FalloArchivo& fallo) {
        if (fallo.causa() == FalloArchivo::Causa::Retenido) throw Error(mensajes::abiertaEnOtroPrograma(mostrada_));
        throw Error(mensajes::noSePuedeCrear(mostrada_, fallo.what()));
    }
}

void ArchivoTabla::cerrar() noexcept {
    archivo_.descartar();
    archivo_.soltar();
}

}  // namespace ttz::tablas
