// The drive list's rows: their texts, the drive that holds a folder and each drive's current
// folder.
#include <gtest/gtest.h>

#include "comun/nombre_caso.h"
#include "ui/selector/unidades.h"

namespace ttz::ui {
namespace {

using enum TipoUnidad;

TEST(Unidades, TextosDeFilaAlModoDeWindows) {
    EXPECT_EQ(textoUnidad("a:", Extraible, ""), "a:");
    EXPECT_EQ(textoUnidad("c:", Fija, "sistema"), "c: [sistema]");
    EXPECT_EQ(textoUnidad("d:", Optica, ""), "d: []");
    EXPECT_EQ(textoUnidad("r:", Ram, "ram"), "r: [ram]");
    EXPECT_EQ(textoUnidad("z:", Red, "\\\\servidor\\datos"), "z: \\\\servidor\\datos");
}

const std::vector<Unidad> kUnidades{{"/", "/ []", Fija},
                                    {"/home", "/home []", Fija},
                                    {"/home/ana/remoto", "/home/ana/remoto srv:/x", Red}};

struct CasoUnidadDe {
    std::string carpeta;
    int unidad;
};

class UnidadQueContiene : public testing::TestWithParam<CasoUnidadDe> {};

TEST_P(UnidadQueContiene, ElPuntoDeMontajeMasLargo) {
    EXPECT_EQ(unidadDe(kUnidades, GetParam().carpeta, '/'), GetParam().unidad);
}

INSTANTIATE_TEST_SUITE_P(Casos, UnidadQueContiene,
                         testing::Values(CasoUnidadDe{"/", 0}, CasoUnidadDe{"/etc", 0},
                                         CasoUnidadDe{"/home", 1}, CasoUnidadDe{"/homeless", 0},
                                         CasoUnidadDe{"/home/ana", 1},
                                         CasoUnidadDe{"/home/ana/remoto/2024", 2}),
                         pruebas::NombrePor<&CasoUnidadDe::carpeta>());

TEST(Unidades, UnidadesWindowsPorLetra) {
    const std::vector<Unidad> unidades{{"C:\\", "c: []", Fija}, {"D:\\", "d: []", Optica}};
    EXPECT_EQ(unidadDe(unidades, "D:\\Datos", '\\'), 1);
    EXPECT_EQ(unidadDe(unidades, "C:\\", '\\'), 0);
    EXPECT_EQ(unidadDe(unidades, "E:\\", '\\'), -1);
}

TEST(Unidades, LaCarpetaDeUnaUnidadEsLaUltimaVisitada) {
    CarpetasPorUnidad carpetas;
    EXPECT_EQ(carpetas.carpetaDe(kUnidades[1]), "/home");
    carpetas.visitar(kUnidades[1], "/home/ana");
    carpetas.visitar(kUnidades[1], "/home/ana/zeda");
    EXPECT_EQ(carpetas.carpetaDe(kUnidades[1]), "/home/ana/zeda");
    EXPECT_EQ(carpetas.carpetaDe(kUnidades[0]), "/");
}

}  // namespace
}  // namespace ttz::ui
