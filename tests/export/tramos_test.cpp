// Time slots: slot numbers over the whole week and lengths.
#include <gtest/gtest.h>

#include "base/errores.h"
#include "comun/nombre_caso.h"
#include "escenario_exportacion.h"
#include "export/pasos.h"

namespace ttz::pruebas {
namespace {

using exportacion::ExportarTramos;

const std::vector<std::string> kCampos{"DIHO", "CODDIHO", "DIA", "TEXTODIA", "HORA", "HORADESDE", "HORAHASTA", "MINUTOS"};

std::string tramo(std::string_view codigo, std::string_view dia, std::string_view desde, std::string_view hasta) {
    return lineaZeda({{1, "1"}, {5, codigo}, {9, dia}, {10, desde}, {14, hasta}});
}

class Tramos : public ::testing::Test {
protected:
    Registros exportar(const std::vector<std::string>& tramos, const std::vector<std::string>& campos = kCampos) {
        e.escribirConMarcas("zeda_sesiones.txt", tramos);
        e.ejecutar(ExportarTramos);
        return e.registros("DIASHORAST", campos);
    }

    EscenarioExportacion e;
};

TEST_F(Tramos, RegistroCompleto) {
    EXPECT_EQ(exportar({tramo("0101", "L", "0800", "0855")}),
              (Registros{{"L1", "0101", "L", "", "1", "0800", "0855", "15"}}));
}

TEST_F(Tramos, NumerosPorHoraDeInicioEnTodaLaSemana) {
    EXPECT_EQ(exportar({tramo("A", "1", "0800", "0900"), tramo("B", "1", "0900", "1000"), tramo("C", "2", "0830", "0930")},
                       {"CODDIHO", "HORA", "DIHO"}),
              (Registros{{"A", "1", "11"}, {"B", "3", "13"}, {"C", "2", "22"}}));
}

TEST_F(Tramos, MismaHoraCincoDiasMismoNumero) {
    std::vector<std::string> tramos;
    for (char dia : std::string("LMXJV")) tramos.push_back(tramo("T", std::string(1, dia), "0955", "1050"));
    tramos.push_back(tramo("T", "L", "0800", "0855"));
    EXPECT_EQ(exportar(tramos, {"DIA", "HORA", "DIHO"}),
              (Registros{{"L", "2", "L2"}, {"M", "2", "M2"}, {"X", "2", "X2"}, {"J", "2", "J2"}, {"V", "2", "V2"},
                         {"L", "1", "L1"}}));
}

// Texts compare character by character: "800" sorts after "1000", and "0800" and "800" differ.
TEST_F(Tramos, HorasDeDistintaLongitudSeOrdenanComoTexto) {
    EXPECT_EQ(exportar({tramo("A", "1", "800", "855"), tramo("B", "1", "1000", "1055"), tramo("C", "1", "0800", "0855")},
                       {"CODDIHO", "HORA"}),
              (Registros{{"A", "3", }, {"B", "2"}, {"C", "1"}}));
}

TEST_F(Tramos, TresHorasDeInicioDanNumerosDeUnoATres) {
    std::vector<std::string> tramos;
    const char* inicios[] = {"1100", "0800", "0900"};
    for (int i = 0; i < 30; ++i) tramos.push_back(tramo("T", "L", inicios[i % 3], "1200"));
    Registros esperados;
    for (int i = 0; i < 30; ++i) esperados.push_back({std::to_string(i % 3 == 0 ? 3 : i % 3)});
    EXPECT_EQ(exportar(tramos, {"HORA"}), esperados);
}

struct CasoMinutos {
    const char* desde;
    const char* hasta;
    const char* minutos;
};

class Minutos : public Tramos, public ::testing::WithParamInterface<CasoMinutos> {};

TEST_P(Minutos, FinMenosInicioMenosCuarenta) {
    EXPECT_EQ(exportar({tramo("T", "L", GetParam().desde, GetParam().hasta)}, {"MINUTOS"}),
              Registros{{GetParam().minutos}});
}

INSTANTIATE_TEST_SUITE_P(Tramos, Minutos,
                         ::testing::Values(CasoMinutos{"0800", "0900", "60"}, CasoMinutos{"0830", "0925", "55"},
                                           CasoMinutos{"0800", "0855", "15"}, CasoMinutos{"0800", "1000", "160"},
                                           CasoMinutos{"1000", "1030", "-10"}, CasoMinutos{"$10", "x20", "-24"},
                                           CasoMinutos{"-999", "9999", "10958"}),
                         (pruebas::NombrePor<&CasoMinutos::desde, &CasoMinutos::hasta>()));

TEST_F(Tramos, DiaSeCopiaTalCualYEnBlancoDejaSoloElNumero) {
    EXPECT_EQ(exportar({tramo("A", "X", "0800", "0900"), tramo("B", "3", "0800", "0900"), tramo("C", "", "0900", "1000"),
                        tramo("D", "x", "0800", "0900")},
                       {"DIA", "DIHO"}),
              (Registros{{"X", "X1"}, {"3", "31"}, {"", "2"}, {"x", "x1"}}));
}

TEST_F(Tramos, LineasRepetidasDanRegistrosRepetidos) {
    EXPECT_EQ(exportar({tramo("A", "L", "0800", "0900"), tramo("A", "L", "0800", "0900"), tramo("B", "L", "0800", "0900")},
                       {"CODDIHO", "DIHO"}),
              (Registros{{"A", "L1"}, {"A", "L1"}, {"B", "L1"}}));
}

TEST_F(Tramos, SoloCabeceraYPieDanTablaVacia) { EXPECT_TRUE(exportar({}).empty()); }

TEST_F(Tramos, SaltoDeLineaFinalNoEsLineaEnBlanco) {
    e.zeda.escribir("zeda_sesiones.txt", "0ZEDA_SESIONES.TXT\r\n" + tramo("A", "L", "0800", "0900") + "\r\n9\r\n");
    e.ejecutar(ExportarTramos);
    EXPECT_EQ(e.registros("DIASHORAST", {"CODDIHO"}), Registros{{"A"}});
}

struct CasoErrorEntero {
    const char* nombre;
    std::vector<std::string> lineas;
    const char* mensaje;
};

class ErrorEntero : public ::testing::TestWithParam<CasoErrorEntero> {};

// The run ends with the error; DIASHORAST stays as an earlier export left it.
TEST_P(ErrorEntero, TerminaConElTextoQueFallaYLaTablaSigueComoEstaba) {
    EscenarioExportacion e;
    e.crearTablaAnterior("DIASHORAST");
    e.escribir("zeda_sesiones.txt", GetParam().lineas);
    try {
        e.ejecutar(ExportarTramos);
        FAIL() << "sin error";
    } catch (const Error& error) {
        EXPECT_STREQ(error.what(), GetParam().mensaje);
    }
    EXPECT_TRUE(e.tablaAnteriorIntacta("DIASHORAST"));
}

INSTANTIATE_TEST_SUITE_P(
    Tramos, ErrorEntero,
    ::testing::Values(
        CasoErrorEntero{"FinVacio", {tramo("A", "L", "0800", "")}, "'' no es un valor entero v\xE1lido"},
        CasoErrorEntero{"LineaVaciaTrasElPie", {"0", tramo("A", "L", "0800", "0900"), "9", ""},
                        "'' no es un valor entero v\xE1lido"},
        CasoErrorEntero{"LineaCorta", {"1   A   L0800"}, "'' no es un valor entero v\xE1lido"},
        CasoErrorEntero{"InicioNoNumerico", {tramo("A", "L", "08h0", "0900")}, "'08h0' no es un valor entero v\xE1lido"},
        CasoErrorEntero{"FinFallaAntesQueInicio", {tramo("A", "L", "ab", "cd")}, "'cd' no es un valor entero v\xE1lido"}),
    pruebas::NombrePor<&CasoErrorEntero::nombre>());

}  // namespace
}  // namespace ttz::pruebas
