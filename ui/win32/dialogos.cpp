#include "ui/win32/dialogos.h"

namespace ttz::ui {
namespace {

// The system's message box names its button in the language of Windows; ours reads "Aceptar"
// everywhere. A hook on this thread renames it when the box becomes active.
LRESULT CALLBACK renombrarBoton(int codigo, WPARAM parametro, LPARAM datos) {
    if (codigo == HCBT_ACTIVATE) {
        const auto caja = reinterpret_cast<HWND>(parametro);
        char clase[16] = "";
        GetClassNameA(caja, clase, sizeof clase);
        if (lstrcmpA(clase, "#32770") == 0) SetDlgItemTextA(caja, IDOK, "Aceptar");
    }
    return CallNextHookEx(nullptr, codigo, parametro, datos);
}

class GanchoAceptar {
public:
    GanchoAceptar() : gancho_(SetWindowsHookExA(WH_CBT, renombrarBoton, nullptr, GetCurrentThreadId())) {}
    ~GanchoAceptar() {
        if (gancho_) UnhookWindowsHookEx(gancho_);
    }
    GanchoAceptar(const GanchoAceptar&) = delete;
    GanchoAceptar& operator=(const GanchoAceptar&) = delete;

private:
    HHOOK gancho_;
};

// The window takes no input while a box is open, also when it is a child of the host's window.
class VentanaInhabilitada {
public:
    explicit VentanaInhabilitada(HWND ventana)
        : ventana_(ventana && IsWindowEnabled(ventana) ? ventana : nullptr) {
        if (ventana_) EnableWindow(ventana_, FALSE);
    }
    ~VentanaInhabilitada() {
        if (ventana_ && IsWindow(ventana_)) EnableWindow(ventana_, TRUE);
    }
    VentanaInhabilitada(const VentanaInhabilitada&) = delete;
    VentanaInhabilitada& operator=(const VentanaInhabilitada&) = delete;

private:
    HWND ventana_;
};

}  // namespace

int DialogosWin32::caja(const std::string& texto, UINT estilo) {
    const VentanaInhabilitada inhabilitada(ventana_);
    // Without an owner the box is centred on the screen.
    return MessageBoxA(nullptr, texto.c_str(), kTituloAplicacion, estilo | MB_TASKMODAL | MB_SETFOREGROUND);
}

void DialogosWin32::mostrarMensaje(const std::string& texto) {
    const GanchoAceptar gancho;
    caja(texto, MB_OK);
}

void DialogosWin32::mostrarCajaError(const std::string& texto) { caja(texto, MB_OK | MB_ICONERROR); }

void DialogosWin32::ponerCursorOcupado() {
    ++ocupado_;
    SetCursor(LoadCursor(nullptr, IDC_WAIT));
}

void DialogosWin32::ponerCursorNormal() {
    if (ocupado_ > 0) --ocupado_;
    if (!ocupado_) SetCursor(LoadCursor(nullptr, IDC_ARROW));
}

}  // namespace ttz::ui
