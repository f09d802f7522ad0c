#pragma once
// MForm, the tool's one window: the export side, the import side and the bottom panel with
// the folder chooser, the close and help buttons.
#include <QWidget>
#include <filesystem>
#include <string>
#include <vector>

#include "app/ayuda.h"
#include "base/cotejo.h"
#include "transfer/estado.h"
#include "app/linea_ordenes.h"
#include "base/reloj.h"
#include "transfer/transferencia.h"
#include "tables/tabla.h"
#include "ui/qt/anfitrion.h"
#include "ui/dialogos.h"

class QLabel;
class QPushButton;

namespace ttz::ui {

class ListaDirectorios;
class ListaUnidades;
class PanelDegradado;

// Everything the window reaches outside itself.
struct PuertosVentana {
    Estado& estado;
    Dialogos& dialogos;
    Ayuda& ayuda;
    Anfitrion& anfitrion;
    tablas::AlmacenTablas& almacen;
    const Cotejo& cotejo;
    const Reloj& reloj;
    std::filesystem::path archivoResultado;
};

class TMForm : public QWidget {
    Q_OBJECT
public:
    // parametros: the command line's parameters after the program name. Raises ErrorAnfitrion
    // when a hosted start names no window.
    TMForm(const std::vector<std::string>& parametros, PuertosVentana puertos);

    // The working folder of the last transfer, empty before the first.
    const std::string& Carpeta() const { return carpeta_; }

signals:
    // The window has closed for good: the tool's work is over and the process can end.
    void cerrada();

protected:
    void closeEvent(QCloseEvent* evento) override;
    void showEvent(QShowEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    using Ejecucion = FinTransferencia (*)(const std::string&, Entorno&);

    void crearControles();
    void crearLados();
    void crearPanelInferior();
    void conectar();
    QLabel* crearEtiqueta(QWidget* panel, const char* nombre, const QString& texto, QPoint posicion);
    QPushButton* crearBoton(QWidget* panel, const char* nombre, const QString& texto, QRect area);
    void ordenarTabulacion();
    void disponer();
    void FormCreate(const std::vector<std::string>& parametros);
    void entrarEnAnfitrion(std::uint32_t manejador);
    void BExportarClick();
    void BImportarClick();
    void Button1Click();
    void transferir(Ejecucion ejecucion);
    void anfitrionDesaparecido();
    void actualizarRuta(const QString& carpeta);
    bool atenderTecla(QObject* objeto, const QKeyEvent& tecla);
    QPushButton* botonPredeterminado() const;
    int escalar(int pixeles) const;
    QRect escalar(QRect area) const;

    PuertosVentana puertos_;
    std::string carpeta_;
    Lado lado_ = Lado::Ambos;
    double escala_ = 1.0;
    bool primeraVez_ = true;
    bool transfiriendo_ = false;
    bool sinAnfitrion_ = false;

    PanelDegradado* Draw3D1 = nullptr;
    PanelDegradado* Draw3D2 = nullptr;
    PanelDegradado* Draw3D3 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QPushButton* BExportar = nullptr;
    QPushButton* BImportar = nullptr;
    QPushButton* BClose = nullptr;
    QPushButton* Button1 = nullptr;
    ListaDirectorios* Directorios = nullptr;
    ListaUnidades* Unidades = nullptr;
};

}  // namespace ttz::ui
