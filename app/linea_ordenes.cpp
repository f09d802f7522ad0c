#include "app/linea_ordenes.h"

#include "base/texto.h"

namespace ttz {
namespace {

bool esSeparador(char c) {
    const auto codigo = static_cast<unsigned char>(c);
    return codigo >= 1 && codigo <= 32;
}

// Reads one parameter from posicion onwards; returns the position after it.
std::size_t leerParametro(std::string_view linea, std::size_t posicion, std::string& parametro) {
    const auto fin = linea.size();
    auto hay = [&](std::size_t i) { return i < fin && linea[i] != '\0'; };
    for (;;) {
        while (hay(posicion) && esSeparador(linea[posicion])) ++posicion;
        if (hay(posicion + 1) && linea[posicion] == '"' && linea[posicion + 1] == '"')
            posicion += 2;
        else
            break;
    }
    parametro.clear();
    while (hay(posicion) && !esSeparador(linea[posicion])) {
        if (linea[posicion] == '"') {
            ++posicion;
            while (hay(posicion) && linea[posicion] != '"') parametro += linea[posicion++];
            if (hay(posicion)) ++posicion;
        } else {
            parametro += linea[posicion++];
        }
    }
    return posicion;
}

}  // namespace

std::vector<std::string> dividirLineaOrdenes(std::string_view linea) {
    std::vector<std::string> parametros;
    std::string parametro;
    std::size_t posicion = 0;
    for (;;) {
        posicion = leerParametro(linea, posicion, parametro);
        if (parametro.empty()) return parametros;
        parametros.push_back(parametro);
    }
}

Lado ladoPedido(std::string_view direccion) {
    if (igualesSinMayusculas(direccion, "importar")) return Lado::Importar;
    if (igualesSinMayusculas(direccion, "exportar")) return Lado::Exportar;
    return Lado::Ambos;
}

std::uint32_t leerManejadorAnfitrion(std::string_view parametro) {
    return static_cast<std::uint32_t>(aEntero("$" + std::string(parametro)));
}

}  // namespace ttz
