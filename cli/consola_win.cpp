#include "cli/consola.h"

namespace ttz::lote {

// The console shows the ANSI code page's bytes as they are.
std::string textoConsola(std::string_view windows1252) { return std::string(windows1252); }

}  // namespace ttz::lote
