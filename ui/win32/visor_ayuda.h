#pragma once
// Owns the Windows program's help viewer.
#include <windows.h>

#include "app/ayuda.h"

namespace ttz::ui {

// HTML Help through "HHCtrl.ocx", loaded once; a missing library or entry makes every request
// do nothing.
class VisorHtmlHelp : public VisorAyuda {
public:
    VisorHtmlHelp();
    void mostrar(const std::filesystem::path& archivo, unsigned comando, std::uintptr_t dato) override;

private:
    using FuncionHtmlHelp = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);
    FuncionHtmlHelp htmlHelp_ = nullptr;
};

}  // namespace ttz::ui
