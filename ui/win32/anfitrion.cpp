#include "ui/win32/anfitrion.h"

#include "ui/anfitrion.h"

namespace ttz::ui {
namespace {

constexpr UINT_PTR kVigilanciaAnfitrion = 1;  // the host watch's timer
constexpr UINT kPeriodoVigilancia = 500;      // milliseconds between its looks at the host window

HWND focoDelHilo(HWND ventana) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(GetWindowThreadProcessId(ventana, nullptr), &info) ? info.hwndFocus : nullptr;
}

}  // namespace

void AnfitrionWin32::entrar(std::uint32_t manejador) {
    const auto anfitrion = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(manejador));
    if (anfitrion && !IsWindow(anfitrion)) throw ErrorAnfitrion(manejador);
    alojada_ = true;
    anfitrion_ = anfitrion;
}

void AnfitrionWin32::vigilar(HWND ventana, HWND primerFoco, std::function<void()> alDesaparecer) {
    ventana_ = ventana;
    primerFoco_ = primerFoco;
    alDesaparecer_ = std::move(alDesaparecer);
    if (anfitrion_) SetTimer(ventana_, kVigilanciaAnfitrion, kPeriodoVigilancia, nullptr);
}

void AnfitrionWin32::tiempo(WPARAM temporizador) {
    if (temporizador != kVigilanciaAnfitrion) return;
    if (IsWindow(anfitrion_)) return seguirFoco();
    KillTimer(ventana_, kVigilanciaAnfitrion);
    alDesaparecer_();
}

void AnfitrionWin32::guardarFoco() {
    const HWND foco = GetFocus();
    if (foco && IsChild(ventana_, foco)) foco_ = foco;
}

void AnfitrionWin32::restaurarFoco() {
    SetFocus(foco_ && IsWindow(foco_) && IsWindowVisible(foco_) ? foco_ : primerFoco_);
}

// Hosted, the window is a child and is never activated itself: the focus that its controls take
// is kept; when the host's window is active again keeping the focus for itself, as a window
// without a dialog's manners does, the control that had it last has it again.
void AnfitrionWin32::seguirFoco() {
    const HWND raiz = GetAncestor(ventana_, GA_ROOT);
    const HWND foco = focoDelHilo(raiz);
    if (foco && IsChild(ventana_, foco)) foco_ = foco;
    else if (foco_ && foco == raiz && GetForegroundWindow() == raiz) restaurarFoco();
}

}  // namespace ttz::ui
