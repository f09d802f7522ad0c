#include "app/archivos.h"

#include <cerrno>
#include <cstring>

namespace ttz {

int codigoES(int errorSistema) {
    switch (errorSistema) {
    case ENOENT: return 2;
    case ENAMETOOLONG:
    case ENOTDIR: return 3;
    case EMFILE:
    case ENFILE: return 4;
    case EACCES:
    case EPERM:
    case EISDIR: return 5;
    case ENOSPC: return 101;
    default: return errorSistema;
    }
}

std::string textoErrorSistema(int errorSistema) { return std::strerror(errorSistema); }

}  // namespace ttz
