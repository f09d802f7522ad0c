#pragma once
// Owns MForm on Win32: the window and its panels built from the control table, and its messages.
#include <windows.h>

#include <array>
#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "ui/comportamiento_ventana.h"
#include "ui/win32/anfitrion.h"
#include "ui/win32/dialogos.h"
#include "ui/win32/pintura.h"
#include "ui/win32/selector_carpetas.h"
#include "ui/win32/sonda_arranque.h"

namespace ttz::ui {

// The tool's one window drawn with Win32's standard controls: the export side, the import side
// and the bottom panel with the folder chooser, the close and help buttons. What it does is
// ComportamientoVentana's; the window draws and forwards its messages.
class TMForm : private VistaVentana {
public:
    // parametros: the command line's parameters after the program name. Raises ErrorAnfitrion
    // when a hosted start names no window.
    TMForm(const std::vector<std::string>& parametros, PuertosVentana puertos, DialogosWin32& dialogos);
    ~TMForm() override;
    TMForm(const TMForm&) = delete;
    TMForm& operator=(const TMForm&) = delete;

    void mostrar();
    // The window's own keys, before the message goes to its control; true when used.
    bool traducirTecla(const MSG& mensaje);
    // With TTZ_MEDIR_ARRANQUE set, the milliseconds from inicio to the first paint are printed
    // and the window then closes as the user would.
    void medirArranque(std::chrono::steady_clock::time_point inicio) { sonda_.medirDesde(inicio); }

private:
    static constexpr std::size_t kNumControles = static_cast<std::size_t>(IdControl::BClose) + 1;
    SIZE tamanoEnmarcado() const;
    void crearVentana();
    void crearControl(const Control& descripcion);
    void anfitrionDesaparecido();
    LRESULT atender(HWND ventana, UINT mensaje, WPARAM w, LPARAM l);
    LRESULT atenderPanel(HWND panel, UINT mensaje, WPARAM w, LPARAM l);
    // Messages that the controls send to their panel and the panel passes on.
    std::optional<LRESULT> atenderDeControl(UINT mensaje, WPARAM w, LPARAM l);
    void dibujar(const DRAWITEMSTRUCT& dibujo);
    std::optional<IdControl> idDe(HWND control) const;
    HWND& hwnd(IdControl id) { return controles_[static_cast<std::size_t>(id)]; }

    // VistaVentana
    void entrarEnAnfitrion(std::uint32_t manejador) override { anfitrion_.entrar(manejador); }
    std::string carpetaActual() const override { return selector_.actual(); }
    void enfocar(IdControl control) override;

    void pulsar(IdControl boton) override;
    bool abierta() const override { return ventana_ && !destruida_ && !terminada_; }
    void cerrar() override;
    void terminar() override;

    DialogosWin32& dialogos_;
    Fuentes fuentes_;
    gdi::Brochas brochas_;
    SelectorWin32 selector_;
    AnfitrionWin32 anfitrion_;
    SondaArranque sonda_;
    ComportamientoVentana comportamiento_;
    HWND ventana_ = nullptr;
    std::array<HWND, kNumControles> controles_{};
    bool cerrando_ = false, destruida_ = false, terminada_ = false;
};

// Runs the thread's message loop until the window has closed for good; the exit status.
int bucleMensajes(TMForm& ventana);

}  // namespace ttz::ui
