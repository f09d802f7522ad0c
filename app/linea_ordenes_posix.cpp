#include "app/linea_ordenes.h"

namespace ttz {

// The system has split the line already; dropping empty arguments stands in for skipping
// an empty pair of quotes.
std::vector<std::string> parametrosDelProceso(int argc, char** argv) {
    std::vector<std::string> parametros;
    for (int i = 1; i < argc; ++i)
        if (argv[i][0] != '\0') parametros.emplace_back(argv[i]);
    return parametros;
}

}  // namespace ttz
