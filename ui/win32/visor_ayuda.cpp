#include "ui/win32/visor_ayuda.h"

#include "base/texto_ruta.h"

namespace ttz::ui {

VisorHtmlHelp::VisorHtmlHelp() {
    if (HMODULE biblioteca = LoadLibraryA("HHCtrl.ocx"))
        // Through the generic function type, which the compiler accepts as a cast to any other.
        htmlHelp_ = reinterpret_cast<FuncionHtmlHelp>(
            reinterpret_cast<void (*)()>(GetProcAddress(biblioteca, "HtmlHelpA")));
}

void VisorHtmlHelp::mostrar(const std::filesystem::path& archivo, unsigned comando, std::uintptr_t dato) {
    if (htmlHelp_) htmlHelp_(GetDesktopWindow(), textoDeRuta(archivo).c_str(), comando, dato);
}

}  // namespace ttz::ui
