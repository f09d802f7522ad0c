#include <algorithm>

#include "base/cotejo.h"
#include "ui/selector/orden_nombres.h"

namespace ttz::ui {

void ordenarNombres(std::vector<std::string>& nombres) {
    const Cotejo cotejo;
    std::sort(nombres.begin(), nombres.end(), [&](const std::string& a, const std::string& b) {
        const int orden = cotejo.compararUtf8(a, b);
        return orden != 0 ? orden < 0 : a < b;
    });
}

}  // namespace ttz::ui
