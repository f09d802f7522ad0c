#include <windows.h>

#include <algorithm>

#include "ui/selector/orden_nombres.h"

namespace ttz::ui {

void ordenarNombres(std::vector<std::string>& nombres) {
    std::sort(nombres.begin(), nombres.end(), [](const std::string& a, const std::string& b) {
        const int orden = CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(),
                                         static_cast<int>(a.size()), b.data(),
                                         static_cast<int>(b.size()));
        return orden != CSTR_EQUAL ? orden == CSTR_LESS_THAN : a < b;
    });
}

}  // namespace ttz::ui
