// The folder list's rows: path rows, subfolders, indents and order.
#include <gtest/gtest.h>

#include "comun/nombre_caso.h"
#include "ui/selector/filas_carpetas.h"
#include "ui/selector/orden_nombres.h"

namespace ttz::ui {
namespace {

using enum IconoCarpeta;

TEST(FilasCarpetas, CarpetaPosixConSubcarpetas) {
    const std::vector<FilaCarpeta> esperadas{
        {"/", "/", Abierta, 2},
        {"home", "/home", Abierta, 6},
        {"ana", "/home/ana", Actual, 10},
        {"Alfa", "/home/ana/Alfa", Cerrada, 14},
        {"beta", "/home/ana/beta", Cerrada, 14},
        {"Beta2", "/home/ana/Beta2", Cerrada, 14},
        {"zeta", "/home/ana/zeta", Cerrada, 14},
    };
    EXPECT_EQ(filasCarpetas("/home/ana", {"zeta", "Beta2", "Alfa", "beta"}, '/'), esperadas);
}

TEST(FilasCarpetas, RaizPosixEsLaUnicaFilaDeRuta) {
    const std::vector<FilaCarpeta> esperadas{
        {"/", "/", Actual, 2},
        {"etc", "/etc", Cerrada, 10},
        {"home", "/home", Cerrada, 10},
    };
    EXPECT_EQ(filasCarpetas("/", {"home", "etc"}, '/'), esperadas);
}

TEST(FilasCarpetas, CarpetaDeUnidadWindows) {
    const std::vector<FilaCarpeta> esperadas{
        {"C:\\", "C:\\", Abierta, 2},
        {"Datos", "C:\\Datos", Abierta, 6},
        {"Horarios", "C:\\Datos\\Horarios", Actual, 10},
        {"2024", "C:\\Datos\\Horarios\\2024", Cerrada, 14},
    };
    EXPECT_EQ(filasCarpetas("C:\\Datos\\Horarios", {"2024"}, '\\'), esperadas);
}

TEST(FilasCarpetas, RaizDeUnidadWindows) {
    const std::vector<FilaCarpeta> esperadas{
        {"C:\\", "C:\\", Actual, 2},
        {"Datos", "C:\\Datos", Cerrada, 10},
    };
    EXPECT_EQ(filasCarpetas("C:\\", {"Datos"}, '\\'), esperadas);
}

TEST(FilasCarpetas, SinSubcarpetasSoloLasFilasDeRuta) {
    const auto filas = filasCarpetas("/a/b/c/d", {}, '/');
    ASSERT_EQ(filas.size(), 5u);
    EXPECT_EQ(filas.back(), (FilaCarpeta{"d", "/a/b/c/d", Actual, 18}));
}

struct CasoRuta {
    std::string carpeta, nombre;
    char separador;
    std::string raiz, hija;
};

class RaizYHija : public testing::TestWithParam<CasoRuta> {};

TEST_P(RaizYHija, SinSegundoSeparadorTrasLaRaiz) {
    const auto& caso = GetParam();
    EXPECT_EQ(raizDe(caso.carpeta, caso.separador), caso.raiz);
    EXPECT_EQ(rutaHija(caso.carpeta, caso.nombre, caso.separador), caso.hija);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, RaizYHija,
    testing::Values(CasoRuta{"/", "etc", '/', "/", "/etc"},
                    CasoRuta{"/home/ana", "x", '/', "/", "/home/ana/x"},
                    CasoRuta{"C:\\", "Datos", '\\', "C:\\", "C:\\Datos"},
                    CasoRuta{"D:\\Datos", "2024", '\\', "D:\\", "D:\\Datos\\2024"}),
    (pruebas::NombrePor<&CasoRuta::carpeta, &CasoRuta::nombre>()));

TEST(OrdenNombres, IgnoraMayusculasYDesempataPorBytes) {
    std::vector<std::string> nombres{"b", "B", "a", "A"};
    ordenarNombres(nombres);
    EXPECT_EQ(nombres, (std::vector<std::string>{"A", "a", "B", "b"}));
}

// Names in the file system's bytes: Windows-1252 on Windows, UTF-8 elsewhere.
#ifdef _WIN32
constexpr const char *kAbaco = "\xE1" "baco", *kNu = "\xD1u";
#else
constexpr const char *kAbaco = "\xC3\xA1" "baco", *kNu = "\xC3\x91u";
#endif

TEST(OrdenNombres, LetrasAcentuadasJuntoASuLetra) {
    std::vector<std::string> nombres{"Zeta", kNu, "Oso", "nada", kAbaco, "Casa"};
    ordenarNombres(nombres);
    EXPECT_EQ(nombres, (std::vector<std::string>{kAbaco, "Casa", "nada", kNu, "Oso", "Zeta"}));
}

TEST(OrdenNombres, NombresQueNoSonUtf8NoRompenElOrden) {
    std::vector<std::string> nombres{"b", "\xFF\xFE", "a"};
    ordenarNombres(nombres);
    ASSERT_EQ(nombres.size(), 3u);
    EXPECT_LT(std::find(nombres.begin(), nombres.end(), "a"),
              std::find(nombres.begin(), nombres.end(), "b"));
}

}  // namespace
}  // namespace ttz::ui
