#include <windows.h>

#include "base/sistema.h"

namespace ttz {

std::tm horaLocal(std::time_t momento) {
    std::tm partes{};
    localtime_s(&partes, &momento);
    return partes;
}

char separadorDecimalDelSistema() {
    char separador[4] = {};
    if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separador, sizeof separador) < 2)
        return '.';
    return separador[0];
}

}  // namespace ttz
