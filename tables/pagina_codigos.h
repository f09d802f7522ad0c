#pragma once
// The code page of a table's text, as its language driver names it, and the text in the
// tool's Windows-1252.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace ttz::tablas {

enum class PaginaCodigos { Windows1252, Dos437, Dos850 };

// The page of the language driver id (header byte 29) or, when given, of a dBase 7 driver name
// ("DB437…", "DB850…", "DBWIN…"). Ids and names of other pages leave the text as stored.
PaginaCodigos paginaDelControlador(unsigned char id, std::string_view nombreControlador);

// Where the first byte that Windows-1252 lacks lies, if any.
struct TextoConvertido {
    std::string texto;
    std::optional<std::size_t> sinEquivalente;
};
TextoConvertido aWindows1252(std::string_view texto, PaginaCodigos pagina);

}  // namespace ttz::tablas
