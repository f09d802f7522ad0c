// The folder chooser in the window: the label follows the folder list, and a transfer takes
// its working folder from the folder the user moved to.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <memory>

#include "apoyo_ventana.h"
#include "comun/selector_qt.h"
#include "ui/qt/selector_carpetas.h"

namespace ttz::pruebas {
namespace {

namespace fs = std::filesystem;

// The window started in trabajo/inicio, with the subjects file in trabajo/escuela.
class SelectorEnVentana : public testing::Test {
protected:
    SelectorEnVentana() {
        fs::create_directories(trabajo / "inicio");
        fs::create_directories(trabajo / "escuela");
        fs::copy_file(fs::path(TTZ_FUENTES) / "examples" / "escuela" / "zeda_asignat.txt",
                      trabajo / "escuela" / "zeda_asignat.txt");
        prestada = std::make_unique<CarpetaActualPrestada>(trabajo / "inicio");
        ventana = banco.crear({});
        ventana->show();
        directorios = ventana->findChild<ui::ListaDirectorios*>("Directorios");
        Label2 = ventana->findChild<QLabel*>("Label2");
    }

    void dobleClic(const QString& texto) {
        auto* fila = filaConTexto(*directorios, texto);
        ASSERT_NE(fila, nullptr) << texto.toStdString();
        dobleClicEnFila(*directorios, *fila);
    }

    BancoVentana banco;
    CarpetaTemporal trabajo;
    std::unique_ptr<CarpetaActualPrestada> prestada;
    std::unique_ptr<ui::TMForm> ventana;
    ui::ListaDirectorios* directorios = nullptr;
    QLabel* Label2 = nullptr;
};

TEST_F(SelectorEnVentana, ExportarTrasMoverLaCarpetaLeeDeLaNueva) {
    const auto nombreTrabajo = QString::fromStdString(fs::canonical(trabajo.ruta()).filename().string());
    dobleClic(nombreTrabajo);
    dobleClic("escuela");
    const auto escuela = fs::canonical(trabajo / "escuela");
    EXPECT_EQ(fs::current_path(), escuela);
    EXPECT_TRUE(Label2->text().endsWith("/escuela")) << Label2->text().toStdString();

    ventana->findChild<QPushButton*>("BExportar")->click();
    EXPECT_EQ(ventana->Carpeta(), escuela.string() + "/");
    const auto& mensajes = banco.dialogos.registro.mensajes;
    EXPECT_EQ(std::count(mensajes.begin(), mensajes.end(),
                         "No existe archivo de asignaturas (ZEDA_ASIGNAT.TXT)"), 0);
    EXPECT_EQ(std::count(mensajes.begin(), mensajes.end(),
                         "No existe archivo de profesores (ZEDA_PROF.TXT)"), 1);
}

}  // namespace
}  // namespace ttz::pruebas
