// Fuzz target: any bytes as a table file of the data folder. Opened read-only it is walked
// field by field; opened for writing, its first record is edited and a record is appended.
// A table that cannot be opened gives an error naming its file; one that was changed without
// an error opens again with one record more.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "base/errores.h"
#include "fuzz/comun/banco_fuzz.h"
#include "fuzz/comun/recorrido_tabla.h"
#include "tables/almacen_dbase.h"

namespace {

using namespace ttz;
using namespace ttz::fuzz;
using tablas::ModoApertura;

const std::string kTabla = "AJENA";

// Text that every kind of field takes, and text that the numeric ones refuse.
const char* const kValores[] = {"12", "abc"};

void cambiarCampos(tablas::Tabla& tabla, int campos, const char* valor) {
    for (int campo = 0; campo < campos; ++campo) {
        try {
            tabla.ponerTexto(campo, valor);
        } catch (const ErrorCampo&) {
            fallo("un campo contado no se encuentra al escribirlo");
        } catch (const Error&) {
        }
    }
}

// The number of records after the changes, or -1 when an error stopped them.
int cambiar(tablas::AlmacenDBase& almacen) {
    std::unique_ptr<tablas::Tabla> tabla;
    try {
        tabla = almacen.abrir(kTabla, ModoApertura::LecturaEscrituraExclusiva);
    } catch (const Error&) {
        return -1;
    }
    const int campos = contarCampos(*tabla);
    try {
        tabla->primero();
        if (!tabla->finDeTabla()) {
            tabla->editar();
            cambiarCampos(*tabla, campos, kValores[0]);
            tabla->grabar();
        }
        tabla->anadir();
        cambiarCampos(*tabla, campos, kValores[1]);
        cambiarCampos(*tabla, campos, kValores[0]);
        tabla->grabar();
        const int registros = recorrer(*tabla, campos);
        tabla->cerrar();
        return registros;
    } catch (const Error&) {
        return -1;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano) {
    const fs::path carpeta = carpetaVacia("datos");
    const fs::path ruta = carpeta / (kTabla + ".DBF");
    escribirBytes(ruta, comoTexto(datos, tamano));
    tablas::AlmacenDBase almacen(carpeta, ',');

    int antes = 0;
    try {
        auto tabla = almacen.abrir(kTabla, ModoApertura::SoloLecturaCompartida);
        antes = recorrer(*tabla, contarCampos(*tabla));
        tabla->cerrar();
    } catch (const Error& error) {
        exigir(std::string(error.what()).find("\"" + ruta.string() + "\"") != std::string::npos,
               std::string("el error no nombra la tabla: ") + error.what());
        return 0;
    }

    const int despues = cambiar(almacen);
    if (despues < 0) return 0;
    exigir(despues == antes + 1, "el registro nuevo no se cuenta");
    try {
        auto tabla = almacen.abrir(kTabla, ModoApertura::SoloLecturaCompartida);
        exigir(recorrer(*tabla, contarCampos(*tabla)) == despues, "la tabla reabierta pierde registros");
    } catch (const Error& error) {
        fallo(std::string("la tabla cambiada sin error ya no se abre: ") + error.what());
    }
    return 0;
}
