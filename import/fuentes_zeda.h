#pragma once
// What the import takes from ZEDA's own files: the centre's code and the day notation.
#include <string>
#include <vector>

namespace ttz::importacion {

// How ZEDA writes the days of the week: digits ("N") or weekday initials ("L").
enum class ModoDia : char { N = 'N', L = 'L' };

// CodigoCentro: columns 52-59, untrimmed, of the first line of the subjects file that begins
// with "0"; empty when there is none.
std::string codigoCentro(const std::vector<std::string>& lineasAsignaturas);

// ModoDia from column 9 of the sessions file's second line: "N" for "1" to "6", else "L".
// Fewer than two lines: "List index out of bounds (1)".
ModoDia modoDia(const std::vector<std::string>& lineasSesiones);

}  // namespace ttz::importacion
