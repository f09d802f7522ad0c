#include "import/linea_horario.h"

#include <gtest/gtest.h>

#include "comun/nombre_caso.h"

namespace ttz::importacion {
namespace {

TEST(FechaHora, DiaMesAnioHoraMinutoConCeros) {
    EXPECT_EQ(textoFechaHora({1, 2, 2026, 0, 5}), "010220260005");
    EXPECT_EQ(textoFechaHora({31, 12, 1999, 23, 59}), "311219992359");
}

struct CasoDia {
    std::string soluc;
    ModoDia modo;
    std::string resultado;
};

class DiaSegunModo : public ::testing::TestWithParam<CasoDia> {};

TEST_P(DiaSegunModo, LetrasSoloParaLosDigitosUnoASiete) {
    EXPECT_EQ(diaSegunModo(GetParam().soluc, GetParam().modo), GetParam().resultado);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, DiaSegunModo,
    ::testing::Values(CasoDia{"1", ModoDia::L, "L"}, CasoDia{"2", ModoDia::L, "M"}, CasoDia{"3", ModoDia::L, "X"},
                      CasoDia{"4", ModoDia::L, "J"}, CasoDia{"5", ModoDia::L, "V"}, CasoDia{"6", ModoDia::L, "S"},
                      CasoDia{"7", ModoDia::L, "D"}, CasoDia{"8", ModoDia::L, "8"}, CasoDia{"0", ModoDia::L, "0"},
                      CasoDia{"-1", ModoDia::L, "-1"}, CasoDia{"13", ModoDia::L, "13"},
                      CasoDia{"", ModoDia::L, ""}, CasoDia{"3", ModoDia::N, "3"}, CasoDia{"7", ModoDia::N, "7"}),
    [](const auto& info) {
        return pruebas::nombreDeCaso(info.param.soluc) + (info.param.modo == ModoDia::L ? "_ModoL" : "_ModoN");
    });

TEST(LineaLeccion, VeintiseisColumnasCuandoTodoCabe) {
    EXPECT_EQ(lineaLeccion({"T01", "X", "P1", "1A", "MAT", "A1"}), "1T01 XP1  1A  LEC MAT A1  ");
    EXPECT_EQ(lineaLeccion({"", "3", "", "", "", ""}), "1    3        LEC         ");
}

TEST(LineaLeccion, UnValorLargoSeEscribeEnteroYEmpujaElResto) {
    EXPECT_EQ(lineaLeccion({"T0001", "L", "PROFE", "1A", "MATEM", "A1"}), "1T0001LPROFE1A  LEC MATEMA1  ");
    EXPECT_EQ(lineaLeccion({"T01", "13", "P1", "1A", "MAT", "A1"}), "1T01 13P1  1A  LEC MAT A1  ");
}

TEST(CabeceraYPie, FechaSinBlancosYCuentaPegada) {
    const std::string nombre = "ZEDA_HORARIO.TXT" + std::string(34, ' ');
    EXPECT_EQ(lineaCabecera("2800", {9, 12, 2026, 7, 5}), "0" + nombre + "2800    091220260705");
    EXPECT_EQ(lineaPie("2800", {9, 12, 2026, 7, 6}, 0), "9" + nombre + "2800    0912202607060");
    EXPECT_EQ(lineaPie("", {9, 12, 2026, 7, 6}, 1234), "9" + nombre + "        0912202607061234");
    EXPECT_EQ(lineaPie("123456789", {9, 12, 2026, 7, 6}, 7), "9" + nombre + "1234567890912202607067");
}

}  // namespace
}  // namespace ttz::importacion
