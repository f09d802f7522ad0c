#pragma once
// Walks a table through the store: every record, every field read in each of the three ways.
// Conversion errors of single values are the tool's own and allowed; anything else that the
// walk raises stops the process.
#include <string>

#include "base/errores.h"
#include "fuzz/comun/banco_fuzz.h"
#include "tables/tabla.h"

namespace ttz::fuzz {

template <class Lectura>
void leerSiSePuede(Lectura lectura) {
    try {
        (void)lectura();
    } catch (const ErrorCampo& error) {
        fallo(std::string("un campo contado no se encuentra: ") + error.what());
    } catch (const Error&) {
    }
}

inline void leerCampo(const tablas::Tabla& tabla, int campo) {
    leerSiSePuede([&] { return tabla.comoTexto(campo); });
    leerSiSePuede([&] { return tabla.comoEntero(campo); });
    leerSiSePuede([&] { return tabla.comoFlotante(campo); });
}

// How many fields the table has: the first index that the table rejects as a field.
inline int contarCampos(const tablas::Tabla& tabla) {
    for (int campo = 0;; ++campo) {
        try {
            (void)tabla.comoTexto(campo);
        } catch (const ErrorCampo&) {
            return campo;
        } catch (const Error&) {
        }
    }
}

// The number of records walked.
inline int recorrer(tablas::Tabla& tabla, int campos) {
    int registros = 0;
    for (tabla.primero(); !tabla.finDeTabla(); tabla.siguiente()) {
        for (int campo = 0; campo < campos; ++campo) leerCampo(tabla, campo);
        ++registros;
    }
    return registros;
}

// A table that the tool itself wrote: it opens, and reads through without an error.
inline void recorrerTabla(tablas::AlmacenTablas& almacen, const std::string& nombre) {
    try {
        auto tabla = almacen.abrir(nombre, tablas::ModoApertura::SoloLecturaCompartida);
        for (tabla->primero(); !tabla->finDeTabla(); tabla->siguiente()) (void)tabla->comoTexto(0);
        tabla->cerrar();
    } catch (const Error& error) {
        fallo("la tabla " + nombre + " escrita por la herramienta no se lee: " + error.what());
    }
}

}  // namespace ttz::fuzz
