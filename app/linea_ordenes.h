#pragma once
// The command line: how it is split into parameters and how hosted mode reads them.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ttz {

// Splits a raw command line, program name included as the first element. Parameters are
// separated by characters 1 to 32; a double quote opens a stretch that ends at the next one
// or at the end, and touching stretches form one parameter; a pair of quotes where a
// parameter would start is skipped; an empty parameter ends the list.
std::vector<std::string> dividirLineaOrdenes(std::string_view linea);

// The parameters after the program name, as this process received them.
std::vector<std::string> parametrosDelProceso(int argc, char** argv);

// Which upper sides the window shows.
enum class Lado { Ambos, Exportar, Importar };

// The side a hosted direction asks for: "importar" or "exportar" after turning A to Z into
// a to z, anything else both.
Lado ladoPedido(std::string_view direccion);

// The host window's handle: "$" followed by the parameter read as an integer, so that only
// hexadecimal digits up to FFFFFFFF pass. Failure: "'$...' no es un valor entero válido".
std::uint32_t leerManejadorAnfitrion(std::string_view parametro);

}  // namespace ttz
