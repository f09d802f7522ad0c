// The panels' blend: band colours, band layout and the rendered panel.
#include <QImage>
#include <gtest/gtest.h>

#include "apoyo_ventana.h"
#include "ui/degradado.h"
#include "ui/qt/glifos.h"

namespace ttz::ui {
namespace {

constexpr ColorRGB kArriba{255, 238, 221}, kBlanco{255, 255, 255}, kAbajo{249, 211, 125};

struct CasoBanda {
    ColorRGB inicio, fin;
    int i, n;
    ColorRGB esperado;
};

class ColorDeBanda : public testing::TestWithParam<CasoBanda> {};

TEST_P(ColorDeBanda, InicioMasDiferenciaPorIEntreNMenosUno) {
    const auto& caso = GetParam();
    EXPECT_EQ(colorBanda(caso.inicio, caso.fin, caso.i, caso.n), caso.esperado);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, ColorDeBanda,
    testing::Values(CasoBanda{kArriba, kBlanco, 0, 50, kArriba}, CasoBanda{kArriba, kBlanco, 49, 50, kBlanco},
                    CasoBanda{kArriba, kBlanco, 1, 50, {255, 238, 221}}, CasoBanda{kArriba, kBlanco, 25, 50, {255, 246, 238}},
                    // Decreasing components truncate towards the start colour.
                    CasoBanda{kBlanco, kAbajo, 49, 51, {250, 212, 128}}, CasoBanda{kBlanco, kAbajo, 50, 51, kAbajo},
                    CasoBanda{{0, 0, 0}, {255, 255, 255}, 128, 256, {128, 128, 128}},
                    CasoBanda{kArriba, kAbajo, 0, 1, kArriba}),
    [](const auto& info) { return "Banda" + std::to_string(info.param.i) + "De" + std::to_string(info.param.n); });

TEST(Bandas, UnaPorFilaHasta256) {
    const auto bandas = bandasMitad(10, 60, kArriba, kBlanco);
    ASSERT_EQ(bandas.size(), 50u);
    for (int i = 0; i < 50; ++i) {
        EXPECT_EQ(bandas[i].y, 10 + i);
        EXPECT_EQ(bandas[i].alto, 1);
    }
}

TEST(Bandas, MasDe256FilasDan256BandasParejasSinHuecos) {
    const auto bandas = bandasMitad(0, 600, kArriba, kBlanco);
    ASSERT_EQ(bandas.size(), 256u);
    int siguiente = 0;
    for (const auto& banda : bandas) {
        EXPECT_EQ(banda.y, siguiente);
        EXPECT_TRUE(banda.alto == 2 || banda.alto == 3) << banda.alto;
        siguiente = banda.y + banda.alto;
    }
    EXPECT_EQ(siguiente, 600);
    EXPECT_EQ(bandas.back().color, kBlanco);
}

TEST(Bandas, PanelDeDosMitadesPartidoEnLaFilaMedia) {
    const auto bandas = bandasPanel(101, kArriba, kBlanco, kAbajo);
    ASSERT_EQ(bandas.size(), 101u);
    EXPECT_EQ(bandas[0].color, kArriba);
    EXPECT_EQ(bandas[49].color, kBlanco);
    EXPECT_EQ(bandas[50].y, 50);
    EXPECT_EQ(bandas[50].color, kBlanco);
    EXPECT_EQ(bandas[100].color, kAbajo);
}

TEST(Bandas, PanelVacio) { EXPECT_TRUE(bandasPanel(0, kArriba, kBlanco, kAbajo).empty()); }

// Compared as 8-bit red, green and blue, as the screen shows them.
QColor pixel(const QImage& imagen, int x, int y) { return QColor(imagen.pixel(x, y)); }

TEST(PanelPintado, FilasArribaEnMedioYAbajoConBisel) {
    pruebas::BancoVentana banco;
    auto ventana = banco.crear({});
    auto* panel = ventana->findChild<QWidget*>("Draw3D2");
    const auto imagen = panel->grab().toImage();
    ASSERT_EQ(imagen.size(), QSize(289, 101));
    const QColor luz(panel->palette().color(QPalette::Light).rgb()), sombra(panel->palette().color(QPalette::Dark).rgb());
    EXPECT_EQ(pixel(imagen, 10, 0), luz);
    EXPECT_EQ(pixel(imagen, 0, 60), luz);
    EXPECT_EQ(pixel(imagen, 10, 1), QColor(255, 238, 221));
    EXPECT_EQ(pixel(imagen, 10, 25), QColor(255, 246, 238));
    EXPECT_EQ(pixel(imagen, 10, 50), QColor(255, 255, 255));
    EXPECT_EQ(pixel(imagen, 10, 99), QColor(250, 212, 128));
    EXPECT_EQ(pixel(imagen, 10, 100), sombra);
    EXPECT_EQ(pixel(imagen, 288, 60), sombra);
}

TEST(PanelPintado, PanelInferior) {
    pruebas::BancoVentana banco;
    auto ventana = banco.crear({});
    const auto imagen = ventana->findChild<QWidget*>("Draw3D1")->grab().toImage();
    ASSERT_EQ(imagen.size(), QSize(599, 169));
    // 169 rows: 84 from the top colour to the middle, 85 from the middle to the bottom.
    EXPECT_EQ(pixel(imagen, 300, 1), QColor(204, 216, 230));
    EXPECT_EQ(pixel(imagen, 300, 83), QColor(207, 242, 254));
    EXPECT_EQ(pixel(imagen, 300, 84), QColor(207, 242, 254));
    EXPECT_EQ(pixel(imagen, 300, 167), QColor(195, 206, 254));
}

TEST(Glifos, DieciochoPorDieciochoConDibujo) {
    for (const auto& glifo : {glifoAceptar(), glifoSalir()}) {
        EXPECT_EQ(glifo.size(), QSize(18, 18));
        const auto imagen = glifo.toImage();
        int opacos = 0;
        for (int y = 0; y < 18; ++y)
            for (int x = 0; x < 18; ++x) opacos += imagen.pixelColor(x, y).alpha() > 0;
        EXPECT_GT(opacos, 20);
        EXPECT_LT(opacos, 18 * 18);
    }
    const auto marca = glifoAceptar().toImage().pixelColor(7, 14);
    EXPECT_GT(marca.green(), marca.red());
}

}  // namespace
}  // namespace ttz::ui
