#include "import/fuentes_zeda.h"

#include <gtest/gtest.h>

#include "base/errores.h"
#include "comun/nombre_caso.h"

namespace ttz::importacion {
namespace {

const std::string kInicio = "0ZEDA_ASIGNAT.TXT" + std::string(34, ' ');  // columns 1-51
const std::string kPie = "9ZEDA_ASIGNAT.TXT" + std::string(34, ' ');

struct CasoCodigo {
    const char* nombre;
    std::vector<std::string> lineas;
    std::string codigo;
};

class CodigoCentro : public ::testing::TestWithParam<CasoCodigo> {};

TEST_P(CodigoCentro, ColumnasCincuentaYDosACincuentaYNueveSinRecortar) {
    EXPECT_EQ(codigoCentro(GetParam().lineas), GetParam().codigo);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, CodigoCentro,
    ::testing::Values(CasoCodigo{"Completo", {kInicio + "28001234"}, "28001234"},
                      CasoCodigo{"LargoSeCorta", {kInicio + "28001234XYZ"}, "28001234"},
                      CasoCodigo{"Corto", {kInicio + "2800"}, "2800"},
                      CasoCodigo{"BlancosYTabulador", {kInicio + " 2 0\t  "}, " 2 0\t  "},
                      CasoCodigo{"CabeceraSinCodigo", {kInicio}, ""},
                      CasoCodigo{"CabeceraDeUnCaracter", {"0"}, ""},
                      CasoCodigo{"SinLineas", {}, ""},
                      CasoCodigo{"LaPrimeraCabeceraCuenta",
                                 {"1MAT", " " + kInicio + "NO", kInicio + "PRIMERO1", kInicio + "SEGUNDO2"},
                                 "PRIMERO1"},
                      CasoCodigo{"ElPieNoCuenta", {"1MAT", kPie + "PIE"}, ""}), pruebas::NombrePor<&CasoCodigo::nombre>());

struct CasoModo {
    std::string segundaLinea;
    ModoDia modo;
};

class ModoDelDia : public ::testing::TestWithParam<CasoModo> {};

TEST_P(ModoDelDia, DeLaColumnaNueveDeLaSegundaLinea) {
    EXPECT_EQ(modoDia({"0ZEDA_SESIONES.TXT", GetParam().segundaLinea, "1   T99 7"}), GetParam().modo);
}

INSTANTIATE_TEST_SUITE_P(Casos, ModoDelDia,
                         ::testing::Values(CasoModo{"1   T01 108000900", ModoDia::N},
                                           CasoModo{"1   T01 6", ModoDia::N},
                                           CasoModo{"0ZEDA_SE3", ModoDia::N},
                                           CasoModo{"1   T01 708000900", ModoDia::L},
                                           CasoModo{"1   T01 008000900", ModoDia::L},
                                           CasoModo{"1   T01 L08000900", ModoDia::L},
                                           CasoModo{"1   T01  08000900", ModoDia::L},
                                           CasoModo{"1   T01 ", ModoDia::L},
                                           CasoModo{"", ModoDia::L}),
                         pruebas::NombrePor<&CasoModo::segundaLinea>());

TEST(ModoDelDia, SinSegundaLineaEsUnIndiceFueraDeLimites) {
    for (const auto& lineas : {std::vector<std::string>{}, std::vector<std::string>{"1   T01 1"}}) {
        try {
            modoDia(lineas);
            ADD_FAILURE() << "no error for " << lineas.size() << " lines";
        } catch (const Error& error) {
            EXPECT_STREQ(error.what(), "List index out of bounds (1)");
        }
    }
}

}  // namespace
}  // namespace ttz::importacion
