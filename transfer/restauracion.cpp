#include "transfer/restauracion.h"

#include <algorithm>
#include <system_error>

#include "base/archivo.h"
#include "base/archivos.h"
#include "base/errores.h"
#include "base/texto.h"
#include "base/texto_ruta.h"
#include "tables/archivo_tabla.h"
#include "tables/mensajes_tabla.h"

namespace ttz {
namespace {

namespace fs = std::filesystem;

std::string entreComillas(const fs::path& ruta) { return "\"" + rutaEnMensaje(ruta) + "\""; }

bool conExtension(const fs::path& archivo, std::string_view extension) {
    return igualesSinMayusculas(textoDeRuta(archivo.extension()), extension);
}

fs::path carpetaDeLaCopia(const fs::path& datos, const std::string& nombre) {
    const auto nombres = nombresDeCopias(datos);
    if (nombre.empty() && nombres.empty())
        throw Error("No hay copias en " + entreComillas(datos / kCarpetaCopias) + ": no hay nada que restaurar");
    if (nombre.empty()) return datos / kCarpetaCopias / rutaDeTexto(nombres.front());
    if (std::find(nombres.begin(), nombres.end(), nombre) == nombres.end())
        throw Error("No existe la copia \"" + nombre + "\" en " + entreComillas(datos / kCarpetaCopias) +
                    ". Vea las que hay con la orden copias");
    return datos / kCarpetaCopias / rutaDeTexto(nombre);
}

Error copiaDanada(const fs::path& carpeta, const std::string& porque) {
    return Error("La copia " + entreComillas(carpeta) + " est\xE1 da\xF1" "ada: " + porque +
                 ". No se ha cambiado nada; elija otra copia");
}

// Every file the description promises, of its size, and the folder it goes back to.
void comprobarCopia(const fs::path& carpeta, const DescripcionCopia& descripcion) {
    if (descripcion.archivos.empty()) throw copiaDanada(carpeta, "su descripci\xF3n no nombra ning\xFAn archivo");
    for (const auto& archivo : descripcion.archivos) {
        std::error_code error;
        const auto tamano = fs::file_size(carpeta / rutaDeTexto(archivo.nombre), error);
        if (error) throw copiaDanada(carpeta, "falta el archivo \"" + archivo.nombre + "\"");
        if (tamano != archivo.tamano)
            throw copiaDanada(carpeta, "el archivo \"" + archivo.nombre + "\" tiene " + std::to_string(tamano) +
                                           " bytes y no " + std::to_string(archivo.tamano));
        if (!existeCarpeta(archivo.origen.parent_path()))
            throw Error("No existe la carpeta " + entreComillas(archivo.origen.parent_path()) + " a la que vuelve \"" +
                        archivo.nombre + "\". No se ha cambiado nada");
    }
}

// The same test that the import's exclusive open makes: a table that another program holds
// cannot be put back.
void comprobarTablasLibres(const DescripcionCopia& descripcion) {
    for (const auto& archivo : descripcion.archivos) {
        const fs::path tabla = resolverMayusculas(archivo.origen);
        if (conExtension(tabla, ".DBF") && existeArchivo(tabla))
            tablas::ArchivoTabla::abrir(tabla, false, Retencion::Exclusiva).cerrar();
    }
}

// The index beside each table put back that the copy does not bring back: it belongs to the table
// being replaced.
std::vector<fs::path> indicesSobrantes(const DescripcionCopia& descripcion) {
    std::vector<fs::path> indices;
    for (const auto& archivo : descripcion.archivos) {
        if (!conExtension(archivo.origen, ".DBF")) continue;
        fs::path indice = archivo.origen;
        indice = resolverMayusculas(indice.replace_extension(".MDX"));
        const bool enLaCopia =
            std::any_of(descripcion.archivos.begin(), descripcion.archivos.end(), [&](const auto& a) {
                return igualesSinMayusculas(textoDeRuta(a.origen), textoDeRuta(indice));
            });
        if (!enLaCopia && existeArchivo(indice)) indices.push_back(indice);
    }
    return indices;
}

void devolver(const fs::path& carpeta, const ArchivoCopiado& archivo, EjecucionSeguida& seguida) {
    const fs::path destino = resolverMayusculas(archivo.origen);
    if (existeArchivo(destino)) seguida.copia().conservar(destino);
    try {
        copiarArchivo(carpeta / rutaDeTexto(archivo.nombre), destino);
    } catch (const FalloArchivo& fallo) {
        throw Error("No se puede devolver " + entreComillas(destino) + ". " + fallo.what());
    }
    seguida.mostrarMensaje("Devuelto " + entreComillas(destino) + " (" + std::to_string(archivo.tamano) + " bytes)");
}

}  // namespace

std::vector<std::string> lineasDeCopias(const fs::path& carpetaDatos) {
    std::vector<std::string> lineas;
    for (const auto& nombre : nombresDeCopias(carpetaDatos)) {
        DescripcionCopia d;
        try {
            d = leerDescripcion(carpetaDatos / kCarpetaCopias / rutaDeTexto(nombre));
        } catch (const Error& error) {
            lineas.push_back(nombre + ": " + error.what());
            continue;
        }
        std::string archivos;
        for (const auto& archivo : d.archivos) archivos += (archivos.empty() ? "" : ", ") + archivo.nombre;
        lineas.push_back(nombre + ": " + d.fecha + ", " + d.direccion + ", " + d.resultado + ", " +
                         std::to_string(d.archivos.size()) + " archivos (" + archivos + ")");
    }
    return lineas;
}

void ejecutarRestauracion(const std::string& copia, Entorno& entorno) {
    const fs::path datos = entorno.almacen.carpeta();
    if (!existeCarpeta(datos)) throw Error(tablas::mensajes::sinCarpetaDatos(datos));
    const fs::path carpeta = carpetaDeLaCopia(datos, copia);
    ejecutarSeguida(entorno, "restaurar", rutaEnMensaje(carpeta), [&](EjecucionSeguida& seguida) {
        const DescripcionCopia descripcion = leerDescripcion(carpeta);
        comprobarCopia(carpeta, descripcion);
        comprobarTablasLibres(descripcion);
        const auto indices = indicesSobrantes(descripcion);
        for (const auto& archivo : descripcion.archivos) devolver(carpeta, archivo, seguida);
        for (const auto& indice : indices) {
            seguida.copia().conservar(indice);
            borrarArchivo(indice);
            seguida.mostrarMensaje("Quitado " + entreComillas(indice) + ", el \xEDndice de la tabla reemplazada");
        }
    });
}

}  // namespace ttz
