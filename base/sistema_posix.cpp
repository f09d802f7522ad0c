#include <langinfo.h>
#include <locale.h>

#include "base/sistema.h"

namespace ttz {

std::tm horaLocal(std::time_t momento) {
    std::tm partes{};
    localtime_r(&momento, &partes);
    return partes;
}

char separadorDecimalDelSistema() {
    locale_t entorno = newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(0));
    if (entorno == static_cast<locale_t>(0)) return '.';
    const char* radix = nl_langinfo_l(RADIXCHAR, entorno);
    const char separador = radix != nullptr && radix[0] != '\0' && radix[1] == '\0' ? radix[0] : '.';
    freelocale(entorno);
    return separador;
}

}  // namespace ttz
