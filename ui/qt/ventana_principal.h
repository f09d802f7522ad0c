#pragma once
// MForm, the tool's one window drawn by Qt: the export side, the import side and the bottom
// panel with the folder chooser, the close and help buttons. What it does is
// ComportamientoVentana's; the widgets draw and forward their events.
#include <QWidget>
#include <array>
#include <string>
#include <vector>

#include "ui/comportamiento_ventana.h"
#include "ui/qt/anfitrion.h"

class QLabel;

namespace ttz::ui {

class ListaDirectorios;

class TMForm : public QWidget, private VistaVentana {
    Q_OBJECT
public:
    // parametros: the command line's parameters after the program name. Raises ErrorAnfitrion
    // when a hosted start names no window.
    TMForm(const std::vector<std::string>& parametros, PuertosVentana puertos, Anfitrion& anfitrion);

    // The working folder of the last transfer, empty before the first.
    const std::string& Carpeta() const { return comportamiento_.Carpeta(); }

signals:
    // The window has closed for good: the tool's work is over and the process can end.
    void cerrada();

protected:
    void closeEvent(QCloseEvent* evento) override;
    void showEvent(QShowEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    static constexpr std::size_t kNumControles = static_cast<std::size_t>(IdControl::BClose) + 1;

    void crearControles();
    QWidget* crearControl(const Control& descripcion);
    void ordenarTabulacion();
    void disponer();
    void actualizarRuta();
    bool atenderTecla(QObject* objeto, const QKeyEvent& tecla);
    QWidget*& widget(IdControl id) { return widgets_[static_cast<std::size_t>(id)]; }

    // VistaVentana
    void entrarEnAnfitrion(std::uint32_t manejador) override;
    std::string carpetaActual() const override;
    void enfocar(IdControl control) override;
    void pulsar(IdControl boton) override;
    bool abierta() const override { return isVisible(); }
    void cerrar() override { close(); }
    void terminar() override { emit cerrada(); }

    ComportamientoVentana comportamiento_;
    Anfitrion& anfitrion_;
    Escala escala_;
    std::array<QWidget*, kNumControles> widgets_{};
    ListaDirectorios* Directorios = nullptr;
    QLabel* Label2 = nullptr;
};

}  // namespace ttz::ui
