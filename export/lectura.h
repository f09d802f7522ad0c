#pragma once
// The data lines of a ZEDA file, read line by line: headers, trailers and lines that carry
// the file's own name are skipped.
#include <string_view>

#include "zeda/archivo_zeda.h"
#include "zeda/linea_zeda.h"

namespace ttz::exportacion {

template <typename Conversion>
void recorrerDatos(zeda::LectorLineas& lector, std::string_view nombrePropio, Conversion&& convertir) {
    while (!lector.fin()) {
        const zeda::LineaZEDA linea(lector.siguiente());
        if (linea.esDatosDe(nombrePropio)) convertir(linea);
    }
}

}  // namespace ttz::exportacion
