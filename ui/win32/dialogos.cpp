#include "ui/win32/dialogos.h"

namespace ttz::ui {
namespace {

// The box open on this thread, for the hook that follows it: a hook procedure has no data of
// its own.
struct CajaAbierta {
    HWND ventana;  // the window kept from input while the box is open; none before it exists
    bool aceptar;  // the button renamed "Aceptar"
    HWND caja = nullptr;
};
thread_local CajaAbierta* abierta = nullptr;

bool esCaja(HWND ventana) {
    char clase[16] = "";
    GetClassNameA(ventana, clase, sizeof clase);
    return lstrcmpA(clase, "#32770") == 0;
}

// The system's message box names its button in the language of Windows; ours reads "Aceptar"
// everywhere: renamed when the box becomes active. The window takes input again as the box
// goes, not after it has gone, or it could not take the activation back.
LRESULT CALLBACK seguirCaja(int codigo, WPARAM parametro, LPARAM datos) {
    const auto ventana = reinterpret_cast<HWND>(parametro);
    if (abierta && codigo == HCBT_ACTIVATE && esCaja(ventana)) {
        abierta->caja = ventana;
        if (abierta->aceptar) SetDlgItemTextA(ventana, IDOK, "Aceptar");
    }
    if (abierta && codigo == HCBT_DESTROYWND && ventana == abierta->caja && abierta->ventana)
        EnableWindow(abierta->ventana, TRUE);
    return CallNextHookEx(nullptr, codigo, parametro, datos);
}

// While a box is open the window takes no input, also when it is a child of the host's window;
// afterwards the control that had the focus has it again (hosted, the host's window would keep it).
class CajaModal {
public:
    CajaModal(HWND ventana, bool aceptar)
        : estado_{ventana && IsWindowEnabled(ventana) ? ventana : nullptr, aceptar},
          anterior_(abierta),
          foco_(GetFocus()),
          gancho_(SetWindowsHookExA(WH_CBT, seguirCaja, nullptr, GetCurrentThreadId())) {
        abierta = &estado_;
        if (estado_.ventana) EnableWindow(estado_.ventana, FALSE);
    }
    ~CajaModal() {
        abierta = anterior_;
        if (gancho_) UnhookWindowsHookEx(gancho_);
        if (!estado_.ventana || !IsWindow(estado_.ventana)) return;
        EnableWindow(estado_.ventana, TRUE);
        if (foco_ && IsChild(estado_.ventana, foco_) && IsWindowVisible(foco_)) SetFocus(foco_);
    }
    CajaModal(const CajaModal&) = delete;
    CajaModal& operator=(const CajaModal&) = delete;

private:
    CajaAbierta estado_;
    CajaAbierta* anterior_;
    HWND foco_;
    HHOOK gancho_;
};

}  // namespace

int DialogosWin32::caja(const std::string& texto, UINT estilo, bool aceptar) {
    const CajaModal modal(ventana_, aceptar);
    // Without an owner the box is centred on the screen.
    return MessageBoxA(nullptr, texto.c_str(), kTituloAplicacion, estilo | MB_TASKMODAL | MB_SETFOREGROUND);
}

void DialogosWin32::mostrarMensaje(const std::string& texto) { caja(texto, MB_OK, true); }

void DialogosWin32::mostrarCajaError(const std::string& texto) { caja(texto, MB_OK | MB_ICONERROR, false); }

void DialogosWin32::ponerCursorOcupado() {
    ++ocupado_;
    SetCursor(LoadCursor(nullptr, IDC_WAIT));
}

void DialogosWin32::ponerCursorNormal() {
    if (ocupado_ > 0) --ocupado_;
    if (!ocupado_) SetCursor(LoadCursor(nullptr, IDC_ARROW));
}

}  // namespace ttz::ui
