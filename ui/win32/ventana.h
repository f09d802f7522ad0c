#pragma once
// MForm, the tool's one window drawn with Win32's standard controls: the export side, the
// import side and the bottom panel with the folder chooser, the close and help buttons. What
// it does is ComportamientoVentana's; the window draws and forwards its messages.
#include <windows.h>

#include <array>
#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "ui/comportamiento_ventana.h"
#include "ui/selector/selector_carpetas.h"
#include "ui/win32/dialogos.h"
#include "ui/win32/gdi.h"

namespace ttz::ui {

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
    void medirArranque(std::chrono::steady_clock::time_point inicio);

private:
    static constexpr std::size_t kNumControles = static_cast<std::size_t>(IdControl::BClose) + 1;
    static LRESULT CALLBACK procVentana(HWND ventana, UINT mensaje, WPARAM w, LPARAM l);
    static LRESULT CALLBACK procPanel(HWND panel, UINT mensaje, WPARAM w, LPARAM l);

    SIZE tamanoEnmarcado() const;
    void crearVentana();
    void vigilarAnfitrion();
    void seguirFocoAlojada();
    void guardarFoco();
    void restaurarFoco();
    int finDeRotuloRuta();
    void crearControl(const Control& descripcion);
    void crearFuentes();
    LRESULT atender(HWND ventana, UINT mensaje, WPARAM w, LPARAM l);
    // Messages that the controls send to their panel and the panel passes on.
    std::optional<LRESULT> atenderDeControl(UINT mensaje, WPARAM w, LPARAM l);
    void ordenDeControl(IdControl id, int aviso);
    LRESULT colorearTexto(HDC contexto, HWND texto);
    void dibujar(const DRAWITEMSTRUCT& dibujo);
    void dibujarBoton(const DRAWITEMSTRUCT& dibujo, IdControl id);
    void dibujarTextoConGlifo(HDC contexto, RECT area, const char* texto, Glifo glifo);
    void dibujarFila(const DRAWITEMSTRUCT& dibujo, bool carpeta);
    void actualizarSelector();
    void actualizarRuta();
    std::optional<IdControl> idDe(HWND control) const;
    HWND& hwnd(IdControl id) { return controles_[static_cast<std::size_t>(id)]; }
    HFONT fuenteDe(const Control& descripcion) const;
    HBRUSH brocha(ColorRGB color);

    // VistaVentana
    void entrarEnAnfitrion(std::uint32_t manejador) override;
    std::string carpetaActual() const override { return selector_.actual(); }
    void enfocar(IdControl control) override;

    void pulsar(IdControl boton) override;
    bool abierta() const override { return ventana_ && !destruida_ && !terminada_; }
    void cerrar() override;
    void terminar() override;

    DialogosWin32& dialogos_;
    SelectorCarpetas selector_;
    ComportamientoVentana comportamiento_;
    bool alojada_ = false;
    HWND anfitrion_ = nullptr;
    HWND ventana_ = nullptr;
    std::array<HWND, kNumControles> controles_{};
    HWND foco_ = nullptr;  // the control that had the focus when the window was last deactivated

    gdi::Fuente fuenteVentana_, fuenteRotulo_, fuenteNegrita_;
    std::vector<std::pair<COLORREF, gdi::Brocha>> brochas_;
    Escala escala_{96};
    bool cerrando_ = false, destruida_ = false, terminada_ = false;
    std::optional<std::chrono::steady_clock::time_point> medirDesde_;
};

// Runs the thread's message loop until the window has closed for good; the exit status.
int bucleMensajes(TMForm& ventana);

}  // namespace ttz::ui
