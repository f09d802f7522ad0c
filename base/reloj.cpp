#include "base/reloj.h"

#include <ctime>

#include "base/sistema.h"

namespace ttz {

FechaHora RelojLocal::ahora() const {
    const std::tm partes = horaLocal(std::time(nullptr));
    return {partes.tm_mday, partes.tm_mon + 1, partes.tm_year + 1900, partes.tm_hour, partes.tm_min,
            partes.tm_sec};
}

}  // namespace ttz
