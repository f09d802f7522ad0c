#include <windows.h>

#include "app/ayuda.h"

#include "base/texto_ruta.h"

namespace ttz {
namespace {

using FuncionHtmlHelp = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);

// HTML Help through "HHCtrl.ocx", loaded once; a missing library or entry makes every
// request do nothing.
class VisorHtmlHelp : public VisorAyuda {
public:
    VisorHtmlHelp() {
        if (HMODULE biblioteca = LoadLibraryA("HHCtrl.ocx"))
            // Through the generic function type, which the compiler accepts as a cast to any other.
            htmlHelp_ = reinterpret_cast<FuncionHtmlHelp>(
                reinterpret_cast<void (*)()>(GetProcAddress(biblioteca, "HtmlHelpA")));
    }
    void mostrar(const std::filesystem::path& archivo, unsigned comando, std::uintptr_t dato) override {
        if (htmlHelp_) htmlHelp_(GetDesktopWindow(), textoDeRuta(archivo).c_str(), comando, dato);
    }

private:
    FuncionHtmlHelp htmlHelp_ = nullptr;
};

}  // namespace

std::unique_ptr<VisorAyuda> crearVisorAyuda() { return std::make_unique<VisorHtmlHelp>(); }

}  // namespace ttz
