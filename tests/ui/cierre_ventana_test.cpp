// Closing the window (the result file) and the transfers that its buttons start.
#include <QPushButton>
#include <QSignalSpy>
#include <gtest/gtest.h>

#include "apoyo_ventana.h"

namespace ttz::pruebas {
namespace {

const std::string kResultado0 = "[Transformadores]\r\nTransformado=0\r\n";

TEST(Cierre, AlojadoSinTransferenciaEscribeCero) {
    BancoVentana banco;
    auto ventana = banco.crear({"exportar", "1A2B"});
    ventana->show();
    ventana->findChild<QPushButton*>("BClose")->click();
    EXPECT_FALSE(ventana->isVisible());
    EXPECT_EQ(leerBytes(banco.archivoResultado()), kResultado0);
}

TEST(Cierre, AlojadoConservaLasOtrasSecciones) {
    BancoVentana banco;
    banco.carpeta.escribir("bin/Tempalix.ini", "[Tempalix]\r\nDatos=C:\\TTEMP\r\n[Transformadores]\r\nTransformado=1\r\n");
    auto ventana = banco.crear({"importar", "0"});
    ventana->show();
    ventana->close();
    EXPECT_EQ(leerBytes(banco.archivoResultado()),
              "[Tempalix]\r\nDatos=C:\\TTEMP\r\n[Transformadores]\r\nTransformado=0\r\n");
}

TEST(Cierre, IndependienteNoEscribeNada) {
    BancoVentana banco;
    auto ventana = banco.crear({});
    ventana->show();
    banco.estado.Transformado = 1;
    ventana->close();
    EXPECT_FALSE(ventana->isVisible());
    EXPECT_FALSE(std::filesystem::exists(banco.archivoResultado()));
}

TEST(Cierre, ManejadorInvalidoQuedaIndependienteYNoEscribe) {
    BancoVentana banco;
    auto ventana = banco.crear({"exportar", "0x1A2B"});
    ventana->show();
    ventana->close();
    EXPECT_FALSE(std::filesystem::exists(banco.archivoResultado()));
}

// A hosted window whose result file cannot be written: a folder in the place of the file
// cannot be written, not even by root.
class CierreSinEscribir : public testing::Test {
protected:
    CierreSinEscribir() {
        std::filesystem::create_directory(banco.archivoResultado());
        ventana->show();
    }
    std::vector<std::string> errorEsperado() const {
        return {"Unable to write to " + banco.archivoResultado().string() + "."};
    }

    BancoVentana banco;
    std::unique_ptr<ui::TMForm> ventana = banco.crear({"exportar", "1A2B"});
    QSignalSpy cerrada{ventana.get(), &ui::TMForm::cerrada};
};

TEST_F(CierreSinEscribir, MuestraElErrorYSigueAbiertaHastaQueOtroCierrePuedaEscribir) {
    ventana->close();
    EXPECT_TRUE(ventana->isVisible());
    EXPECT_EQ(cerrada.count(), 0);
    EXPECT_EQ(banco.dialogos.errores, errorEsperado());

    std::filesystem::remove(banco.archivoResultado());
    ventana->close();
    EXPECT_FALSE(ventana->isVisible());
    EXPECT_EQ(cerrada.count(), 1);
    EXPECT_EQ(leerBytes(banco.archivoResultado()), kResultado0);
}

// Without its host the window cannot stay open: the error is shown and the tool ends anyway.
TEST_F(CierreSinEscribir, SinAnfitrionTerminaIgualmente) {
    banco.anfitrion.desaparecer();
    EXPECT_FALSE(ventana->isVisible());
    EXPECT_EQ(cerrada.count(), 1);
    EXPECT_EQ(banco.dialogos.errores, errorEsperado());
}

// A transfer over an empty folder: the export reports each missing file.
class Transferencia : public testing::Test {
protected:
    BancoVentana banco;
    CarpetaTemporal trabajo;
    CarpetaActualPrestada prestada{trabajo.ruta()};
};

const std::vector<std::string> kFaltanTodos = {
    "cursor:ocupado",
    "mensaje:No existe archivo de asignaturas (ZEDA_ASIGNAT.TXT)",
    "mensaje:No existe archivo de profesores (ZEDA_PROF.TXT)",
    "mensaje:No existe archivo de aulas (ZEDA_AULAS.TXT)",
    "mensaje:No existe archivo de grupos (ZEDA_GRUPO.TXT)",
    "mensaje:No existe archivo de grupos (ZEDA_ASIGNATGRUPO.TXT)",
    "mensaje:No existe archivo de grupos (ZEDA_SESIONES.TXT)",
    "cursor:normal",
    "mensaje:Proceso finalizado"};

TEST_F(Transferencia, ExportarComponeCarpetaYMuestraLosMensajesEnOrden) {
    auto ventana = banco.crear({});
    ventana->show();
    EXPECT_TRUE(ventana->Carpeta().empty());
    ventana->findChild<QPushButton*>("BExportar")->click();
    EXPECT_EQ(ventana->Carpeta(), std::filesystem::current_path().string() + "/");
    EXPECT_EQ(banco.dialogos.sucesos(), kFaltanTodos);
    EXPECT_EQ(banco.estado.Transformado, -1);
    EXPECT_TRUE(ventana->isVisible());
}

TEST_F(Transferencia, AlojadoCierraAlTerminarYElHostLeeElResultado) {
    auto ventana = banco.crear({"exportar", "1A2B"});
    ventana->show();
    ventana->findChild<QPushButton*>("BExportar")->click();
    EXPECT_EQ(banco.dialogos.sucesos().back(), "mensaje:Proceso finalizado");
    EXPECT_FALSE(ventana->isVisible());
    EXPECT_EQ(leerBytes(banco.archivoResultado()), "[Transformadores]\r\nTransformado=-1\r\n");
}

TEST_F(Transferencia, AlojadoSinCarpetaTambienCierra) {
    auto ventana = banco.crear({"importar", "1A2B"});
    ventana->show();
    std::filesystem::remove(trabajo.ruta());
    ventana->findChild<QPushButton*>("BImportar")->click();
    EXPECT_EQ(banco.dialogos.registro.mensajes, std::vector<std::string>{"No existe la carpeta"});
    EXPECT_FALSE(ventana->isVisible());
    EXPECT_EQ(leerBytes(banco.archivoResultado()), kResultado0);
}

TEST_F(Transferencia, UnErrorSeMuestraYLaVentanaAlojadaSigueAbierta) {
    auto ventana = banco.crear({"importar", "1A2B"});
    ventana->show();
    ventana->findChild<QPushButton*>("BImportar")->click();  // no zeda_asignat.txt to read
    ASSERT_EQ(banco.dialogos.errores.size(), 1u);
    EXPECT_TRUE(ventana->isVisible());
    EXPECT_FALSE(std::filesystem::exists(banco.archivoResultado()));
    EXPECT_EQ(banco.dialogos.registro.ocupado, 0);
}

std::filesystem::path escuelaDeEjemplo() { return std::filesystem::path(TTZ_FUENTES) / "examples" / "escuela"; }

TEST_F(Transferencia, EscuelaDeEjemploAlojadaTerminaEnUno) {
    if (!std::filesystem::exists(escuelaDeEjemplo() / "zeda_asignat.txt")) GTEST_SKIP() << "sin escuela de ejemplo";
    std::filesystem::copy(escuelaDeEjemplo(), trabajo.ruta(), std::filesystem::copy_options::recursive);
    auto ventana = banco.crear({"exportar", "1A2B"});
    ventana->show();
    ventana->findChild<QPushButton*>("BExportar")->click();
    EXPECT_EQ(banco.dialogos.sucesos(), (std::vector<std::string>{"cursor:ocupado", "cursor:normal", "mensaje:Proceso finalizado"}));
    EXPECT_EQ(banco.estado.Transformado, 1);
    EXPECT_FALSE(ventana->isVisible());
    EXPECT_EQ(leerBytes(banco.archivoResultado()), "[Transformadores]\r\nTransformado=1\r\n");
}

}  // namespace
}  // namespace ttz::pruebas
