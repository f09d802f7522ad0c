// Start-up of the window from each kind of command line: mode, visible sides, geometry.
#include <QLabel>
#include <QScreen>
#include <QPushButton>
#include <gtest/gtest.h>

#include "apoyo_ventana.h"
#include "comun/nombre_caso.h"

namespace ttz::pruebas {
namespace {

// What the command line decides is tested without a toolkit; here, that the Qt view follows it.
struct CasoArranque {
    const char* nombre;
    std::vector<std::string> parametros;
    bool alojado;
    const char* ladoOculto;  // none when both sides show
};

class Arranque : public testing::TestWithParam<CasoArranque> {
protected:
    BancoVentana banco;
};

TEST_P(Arranque, MarcoTamanoYLados) {
    const auto& caso = GetParam();
    auto ventana = banco.crear(caso.parametros);
    EXPECT_EQ(banco.anfitrion.manejadores.size(), caso.alojado ? 1u : 0u);
    EXPECT_EQ(ventana->windowFlags().testFlag(Qt::FramelessWindowHint), caso.alojado);
    EXPECT_EQ(ventana->size(), caso.alojado ? QSize(605, 295) : QSize(599, 270));
    EXPECT_EQ(ventana->pos() == QPoint(2, 2), caso.alojado);
    for (const char* lado : {"Draw3D2", "Draw3D3"})
        EXPECT_EQ(ventana->findChild<QWidget*>(lado)->isVisibleTo(ventana.get()),
                  caso.ladoOculto == nullptr || std::string(lado) != caso.ladoOculto)
            << lado;
}

INSTANTIATE_TEST_SUITE_P(Casos, Arranque,
                         testing::Values(CasoArranque{"SinParametros", {}, false, nullptr},
                                         CasoArranque{"Importar", {"importar", "1A2B"}, true, "Draw3D2"},
                                         CasoArranque{"Exportar", {"exportar", "1A2B"}, true, "Draw3D3"},
                                         CasoArranque{"ManejadorInvalido", {"exportar", "0x1A2B"}, false, nullptr}),
                         [](const auto& info) { return std::string(info.param.nombre); });

TEST(ArranqueSinVentanaAnfitriona, FallaSinEscribirNada) {
    BancoVentana banco;
    banco.anfitrion.hayVentana = false;
    EXPECT_THROW(banco.crear({"exportar", "1A2B"}), ui::ErrorAnfitrion);
    EXPECT_FALSE(std::filesystem::exists(banco.archivoResultado()));
    EXPECT_TRUE(banco.dialogos.errores.empty());
}

TEST(ArranqueSinVentanaAnfitriona, ElMensajeNombraElManejador) {
    EXPECT_EQ(std::string(ui::ErrorAnfitrion(0x1A2B).what()),
              "La ventana de Tempalix en la que se iba a abrir este programa ya no existe (identificador 1A2B). "
              "Vuelva a abrirlo desde Tempalix");
}

TEST(AnfitrionNativo, SinSistemaDeVentanasNingunManejadorEsUnaVentana) {
    if (QGuiApplication::platformName() == "xcb") GTEST_SKIP() << "con X11 la respuesta depende del servidor";
    EXPECT_FALSE(ui::existeVentanaNativa(0x1A2B));
    QWidget ventana;
    ui::AnfitrionNativo anfitrion;
    EXPECT_THROW(anfitrion.incrustar(ventana, 0x1A2B, [] {}), ui::ErrorAnfitrion);
    EXPECT_NO_THROW(anfitrion.incrustar(ventana, 0, [] {}));
}

TEST(Ventana, TituloYNombres) {
    BancoVentana banco;
    auto ventana = banco.crear({});
    EXPECT_EQ(ventana->objectName(), "MForm");
    EXPECT_STREQ(ventana->metaObject()->className(), "ttz::ui::TMForm");
    EXPECT_EQ(ventana->windowTitle(), "Exportar e importar datos entre Tempalix y ZEDA");
    const auto marcos = ventana->windowFlags();
    EXPECT_TRUE(marcos.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(marcos.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(marcos.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(ventana->minimumSize(), ventana->maximumSize());
}

struct CasoGeometria {
    const char* control;
    QRect area;  // relative to the control's panel
};

// The windows of the standalone look, in pixels at 96 dots per inch.
class GeometriaIndependiente : public testing::TestWithParam<CasoGeometria> {};

TEST_P(GeometriaIndependiente, PosicionYTamano) {
    if (QGuiApplication::primaryScreen()->logicalDotsPerInchY() != 96) GTEST_SKIP() << "pantalla escalada";
    BancoVentana banco;
    auto ventana = banco.crear({});
    auto* control = ventana->findChild<QWidget*>(GetParam().control);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->geometry(), GetParam().area);
}

INSTANTIATE_TEST_SUITE_P(
    Controles, GeometriaIndependiente,
    testing::Values(CasoGeometria{"Draw3D2", {0, 0, 289, 101}}, CasoGeometria{"Draw3D3", {289, 0, 310, 101}},
                    CasoGeometria{"Draw3D1", {0, 101, 599, 169}}, CasoGeometria{"Label3", {24, 24, 265, 57}},
                    CasoGeometria{"BExportar", {88, 72, 89, 25}}, CasoGeometria{"Label4", {8, 24, 305, 57}},
                    CasoGeometria{"BImportar", {96, 72, 89, 25}}, CasoGeometria{"Directorios", {8, 34, 287, 106}},
                    CasoGeometria{"Unidades", {8, 142, 137, 19}}, CasoGeometria{"Button1", {220, 142, 75, 21}},
                    CasoGeometria{"BClose", {385, 105, 89, 25}}),
    pruebas::NombrePor<&CasoGeometria::control>());

struct CasoAlojado {
    const char* direccion;
    const char* panelVisible;
    QRect area;
    const char* boton;
};

class GeometriaAlojada : public testing::TestWithParam<CasoAlojado> {};

TEST_P(GeometriaAlojada, ElLadoPedidoLlenaLaParteSuperior) {
    if (QGuiApplication::primaryScreen()->logicalDotsPerInchY() != 96) GTEST_SKIP() << "pantalla escalada";
    BancoVentana banco;
    auto ventana = banco.crear({GetParam().direccion, "1A2B"});
    EXPECT_EQ(ventana->findChild<QWidget*>(GetParam().panelVisible)->geometry(), GetParam().area);
    EXPECT_EQ(ventana->findChild<QWidget*>("Draw3D1")->geometry(), QRect(0, 126, 605, 169));
    EXPECT_EQ(ventana->findChild<QWidget*>("BClose")->geometry(), QRect(385, 105, 89, 25));
    const auto* boton = ventana->findChild<QWidget*>(GetParam().boton);
    EXPECT_EQ(boton->parentWidget()->objectName(), GetParam().panelVisible);
}

INSTANTIATE_TEST_SUITE_P(Lados, GeometriaAlojada,
                         testing::Values(CasoAlojado{"importar", "Draw3D3", {0, 0, 605, 126}, "BImportar"},
                                         CasoAlojado{"exportar", "Draw3D2", {0, 0, 605, 126}, "BExportar"}),
                         pruebas::NombrePor<&CasoAlojado::direccion>());

TEST(GeometriaAlojada, SinLadoPedidoLosDosLados) {
    BancoVentana banco;
    auto ventana = banco.crear({"otra", "1A2B"});
    EXPECT_EQ(ventana->findChild<QWidget*>("Draw3D2")->geometry(), QRect(0, 0, 289, 126));
    EXPECT_EQ(ventana->findChild<QWidget*>("Draw3D3")->geometry(), QRect(289, 0, 316, 126));
}

struct CasoAspecto {
    const char* control;
    const char* texto;
    QColor color;
    bool negrita;
};

class Aspecto : public testing::TestWithParam<CasoAspecto> {};

TEST_P(Aspecto, TextoColorYFuente) {
    BancoVentana banco;
    auto ventana = banco.crear({});
    auto* control = ventana->findChild<QWidget*>(GetParam().control);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->property("text").toString(), QString::fromUtf8(GetParam().texto));
    if (GetParam().color.isValid()) {
        EXPECT_EQ(control->palette().color(QPalette::WindowText), GetParam().color);
    }
    EXPECT_EQ(control->font().bold(), GetParam().negrita);
}

INSTANTIATE_TEST_SUITE_P(
    Controles, Aspecto,
    testing::Values(CasoAspecto{"Label3", "Transformar datos desde ZEDA hacia Tempalix ", {}, true},
                    CasoAspecto{"Label4", "Transformar datos desde Tempalix hacia ZEDA", {}, true},
                    CasoAspecto{"Label5", "Carpeta en la que se encuentran los Ficheros TXT de ZEDA", QColor(0, 0, 255), false},
                    CasoAspecto{"Label6", "Ruta Actual:", QColor(0, 0, 255), false},
                    CasoAspecto{"Label1", "TransTempalixZEDA para TM11 V-1.0", QColor(255, 0, 0), true},
                    CasoAspecto{"BExportar", "Aceptar", {}, false}, CasoAspecto{"BImportar", "Aceptar", {}, false},
                    CasoAspecto{"BClose", "&Salir", {}, false}, CasoAspecto{"Button1", "F1 AYUDA", {}, false}),
    pruebas::NombrePor<&CasoAspecto::control>());

TEST(Aspecto, AmbosAceptarSonBotonesPredeterminadosConGlifo) {
    BancoVentana banco;
    auto ventana = banco.crear({});
    for (const char* nombre : {"BExportar", "BImportar"}) {
        auto* boton = ventana->findChild<QPushButton*>(nombre);
        EXPECT_TRUE(boton->isDefault()) << nombre;
        EXPECT_EQ(boton->iconSize(), QSize(18, 18));
        EXPECT_FALSE(boton->icon().isNull());
    }
    EXPECT_FALSE(ventana->findChild<QPushButton*>("BClose")->icon().isNull());
}

TEST(Aspecto, Label2MuestraLaCarpetaActual) {
    BancoVentana banco;
    CarpetaActualPrestada prestada(banco.carpeta.ruta());
    auto ventana = banco.crear({});
    auto* label2 = ventana->findChild<QLabel*>("Label2");
    EXPECT_EQ(label2->text(), QString::fromStdString(std::filesystem::current_path().string()));
    EXPECT_EQ(label2->palette().color(QPalette::WindowText), QColor(255, 0, 0));
}

TEST(Aspecto, Label2AcortaUnaRutaQueNoCabeEnElAnchoDeLaLista) {
    BancoVentana banco;
    const auto larga = banco.carpeta / "una carpeta con un nombre bastante largo" /
                       "otra carpeta con un nombre todav\xC3\xAD" "a m\xC3\xA1s largo" / "Centro";
    std::filesystem::create_directories(larga);
    CarpetaActualPrestada prestada(larga);
    auto ventana = banco.crear({});
    auto* label2 = ventana->findChild<QLabel*>("Label2");
    EXPECT_LE(QFontMetrics(label2->font()).horizontalAdvance(label2->text()), 287);
    EXPECT_TRUE(label2->text().contains("...")) << label2->text().toStdString();
    EXPECT_TRUE(label2->text().endsWith("/Centro")) << label2->text().toStdString();
}

}  // namespace
}  // namespace ttz::pruebas
