#include "ui/win32/sonda_arranque.h"

#include <cstdio>
#include <cstdlib>

namespace ttz::ui {
namespace {

// Posted at the first paint, so that it comes once the paint is done.
constexpr UINT kMedirArranque = WM_APP + 1;

}  // namespace

void SondaArranque::medirDesde(std::chrono::steady_clock::time_point inicio) {
    const char* medir = std::getenv("TTZ_MEDIR_ARRANQUE");
    if (medir && *medir) inicio_ = inicio;
}

bool SondaArranque::atender(HWND ventana, UINT mensaje) {
    if (!inicio_) return false;
    if (mensaje == WM_PAINT) PostMessageA(ventana, kMedirArranque, 0, 0);
    if (mensaje != kMedirArranque) return false;
    const auto transcurrido = std::chrono::steady_clock::now() - *inicio_;
    inicio_.reset();
    std::printf("%.1f\n", std::chrono::duration<double, std::milli>(transcurrido).count());
    std::fflush(stdout);
    return true;
}

}  // namespace ttz::ui
