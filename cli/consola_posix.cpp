#include "cli/consola.h"

namespace ttz::lote {

// Terminals here expect UTF-8 and files take bytes as they are.
void prepararConsola() {}

}  // namespace ttz::lote
