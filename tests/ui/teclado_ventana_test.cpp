// Keyboard routing of the window: Enter, Escape, Alt+S and S, F1 and the tab order.
#include <QComboBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include "apoyo_ventana.h"
#include "comun/nombre_caso.h"

namespace ttz::pruebas {
namespace {

// A shown, active window over an empty current folder, with a spy on each button.
class Teclado : public testing::Test {
protected:
    void abrir(const std::vector<std::string>& parametros) {
        ventana = banco.crear(parametros);
        ventana->show();
        ventana->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(ventana.get()));
        for (const char* nombre : {"BExportar", "BImportar", "BClose", "Button1"})
            espias.emplace(nombre, std::make_unique<QSignalSpy>(boton(nombre), &QPushButton::clicked));
    }
    QPushButton* boton(const char* nombre) const { return ventana->findChild<QPushButton*>(nombre); }
    QWidget* control(const char* nombre) const { return ventana->findChild<QWidget*>(nombre); }
    int pulsaciones(const char* nombre) const { return static_cast<int>(espias.at(nombre)->count()); }
    QString foco() const { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(); }

    BancoVentana banco;
    CarpetaTemporal vacia;
    CarpetaActualPrestada prestada{vacia.ruta()};
    std::unique_ptr<ui::TMForm> ventana;
    std::map<std::string, std::unique_ptr<QSignalSpy>> espias;
};

struct CasoIntro {
    const char* nombre;
    std::vector<std::string> parametros;
    const char* enfocado;
    const char* pulsado;
};

class Intro : public Teclado, public testing::WithParamInterface<CasoIntro> {};

TEST_P(Intro, PulsaElBotonQueCorresponde) {
    abrir(GetParam().parametros);
    QTest::keyClick(control(GetParam().enfocado), Qt::Key_Return);
    for (const char* nombre : {"BExportar", "BImportar", "BClose", "Button1"})
        EXPECT_EQ(pulsaciones(nombre), std::string(nombre) == GetParam().pulsado ? 1 : 0) << nombre;
}

INSTANTIATE_TEST_SUITE_P(
    Casos, Intro,
    testing::Values(CasoIntro{"CarpetasExporta", {}, "Directorios", "BExportar"},
                    CasoIntro{"UnidadesExporta", {}, "Unidades", "BExportar"},
                    CasoIntro{"CarpetasImportaSinLadoDeExportar", {"importar", "1A2B"}, "Directorios", "BImportar"},
                    CasoIntro{"UnidadesImportaSinLadoDeExportar", {"importar", "1A2B"}, "Unidades", "BImportar"},
                    CasoIntro{"CarpetasAlojadoConDosLados", {"otra", "1A2B"}, "Directorios", "BExportar"},
                    CasoIntro{"BotonEnfocadoImportar", {}, "BImportar", "BImportar"},
                    CasoIntro{"BotonEnfocadoAyuda", {}, "Button1", "Button1"},
                    CasoIntro{"BotonEnfocadoSalir", {}, "BClose", "BClose"}),
    pruebas::NombrePor<&CasoIntro::nombre>());

TEST_F(Teclado, IntroEnSalirCierraYEnAyudaPideElIndice) {
    abrir({});
    QTest::keyClick(control("Button1"), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(banco.ayuda.pedidos, std::vector<std::string>{"contenido"});
    EXPECT_TRUE(ventana->isVisible());
    QTest::keyClick(control("BClose"), Qt::Key_Return);
    EXPECT_FALSE(ventana->isVisible());
}

TEST_F(Teclado, EscapeNoHaceNada) {
    abrir({});
    for (const char* nombre : {"BExportar", "Directorios", "Unidades", "Button1", "BClose"})
        QTest::keyClick(control(nombre), Qt::Key_Escape);
    QTest::keyClick(ventana.get(), Qt::Key_Escape);
    EXPECT_TRUE(ventana->isVisible());
    for (const char* nombre : {"BExportar", "BImportar", "BClose", "Button1"}) EXPECT_EQ(pulsaciones(nombre), 0);
    EXPECT_TRUE(banco.dialogos.sucesos().empty());
}

TEST_F(Teclado, AltSDesdeLaListaDeCarpetasCierra) {
    abrir({});
    control("Directorios")->setFocus();
    QTest::keyClick(control("Directorios"), Qt::Key_S, Qt::AltModifier);
    // A mnemonic presses its button visibly, a moment later.
    EXPECT_TRUE(QTest::qWaitFor([this] { return pulsaciones("BClose") == 1; }));
    EXPECT_FALSE(ventana->isVisible());
}

TEST_F(Teclado, SSolaConFocoEnUnBotonCierra) {
    abrir({});
    QTest::keyClick(control("Button1"), Qt::Key_S);
    EXPECT_EQ(pulsaciones("BClose"), 1);
}

TEST_F(Teclado, SSolaEnLaListaDeCarpetasNoCierra) {
    abrir({});
    QTest::keyClick(control("Directorios"), Qt::Key_S);
    EXPECT_EQ(pulsaciones("BClose"), 0);
    EXPECT_TRUE(ventana->isVisible());
}

TEST_F(Teclado, F1PideElContexto3DesdeCualquierControl) {
    abrir({});
    for (const char* nombre : {"BExportar", "Directorios", "Unidades", "Button1"})
        QTest::keyClick(control(nombre), Qt::Key_F1);
    QTest::keyClick(ventana.get(), Qt::Key_F1);
    EXPECT_EQ(banco.ayuda.pedidos, std::vector<std::string>(5, "contexto 3"));
}

TEST_F(Teclado, OrdenDeTabulacion) {
    abrir({});
    EXPECT_EQ(foco(), "BExportar");
    QStringList recorrido;
    for (int i = 0; i < 6; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        recorrido << foco();
    }
    EXPECT_EQ(recorrido, (QStringList{"BImportar", "BClose", "Directorios", "Unidades", "Button1", "BExportar"}));
}

TEST_F(Teclado, TabulacionSaltaElLadoOculto) {
    abrir({"importar", "1A2B"});
    EXPECT_EQ(foco(), "BImportar");
    QStringList recorrido;
    for (int i = 0; i < 5; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        recorrido << foco();
    }
    EXPECT_EQ(recorrido, (QStringList{"BClose", "Directorios", "Unidades", "Button1", "BImportar"}));
}

}  // namespace
}  // namespace ttz::pruebas
