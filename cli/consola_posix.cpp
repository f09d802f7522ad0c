#include "base/texto.h"
#include "cli/consola.h"

namespace ttz::lote {

// Terminals here expect UTF-8.
std::string textoConsola(std::string_view windows1252) { return aUtf8(windows1252); }

}  // namespace ttz::lote
