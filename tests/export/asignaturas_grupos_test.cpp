// Subject-group assignments with the attributes of their groups and their weekly hours.
#include <gtest/gtest.h>

#include "base/errores.h"
#include "comun/nombre_caso.h"
#include "escenario_exportacion.h"
#include "export/pasos.h"

namespace ttz::pruebas {
namespace {

using exportacion::ExportarAsignaturasGrupos;
using exportacion::ExportarGrupos;
using exportacion::PatronSesiones;

const std::string kMedio = "\xBD";

std::string grupo(std::string_view unidad, std::string_view codigo, std::string_view nivel, std::string_view curso,
                  std::string_view turno) {
    return lineaZeda({{1, "1"}, {2, unidad}, {12, codigo}, {16, nivel}, {22, curso}, {35, turno}});
}
std::string asignacion(std::string_view grupo, std::string_view asignatura) {
    return lineaZeda({{1, "1"}, {12, grupo}, {16, asignatura}});
}
std::string horas(std::string_view nivel, std::string_view curso, std::string_view asignatura, std::string_view horas) {
    return lineaZeda({{1, "1"}, {2, nivel}, {8, curso}, {24, asignatura}, {28, horas}});
}

struct CasoPatron {
    double horas;
    std::string patron;
};

class Patron : public ::testing::TestWithParam<CasoPatron> {};

TEST_P(Patron, SesionesDeLasHoras) { EXPECT_EQ(PatronSesiones(GetParam().horas), GetParam().patron); }

INSTANTIATE_TEST_SUITE_P(Asignaciones, Patron,
                         ::testing::Values(CasoPatron{1, "1"}, CasoPatron{4, "1111"}, CasoPatron{2.5, "11" + kMedio},
                                           CasoPatron{3.25, "111" + kMedio}, CasoPatron{1.0001, "1" + kMedio},
                                           CasoPatron{13, std::string(13, '1')},
                                           CasoPatron{13.5, std::string(13, '1') + kMedio},
                                           CasoPatron{14, std::string(14, '1')},
                                           CasoPatron{15, "2" + std::string(13, '1')},
                                           CasoPatron{23, "10" + std::string(13, '1')},
                                           CasoPatron{25.5, "12" + std::string(13, '1') + kMedio},
                                           CasoPatron{999999, "999986" + std::string(13, '1')},
                                           CasoPatron{1e20, "99999999999999999987" + std::string(13, '1')}),
                         pruebas::NombrePor<&CasoPatron::horas>());

class Asignaciones : public ::testing::Test {
protected:
    void SetUp() override {
        e.escribirConMarcas("zeda_grupo.txt",
                            {grupo("1ESOA", "1EA", "ESO", "1", "D"), grupo("PMAR-2", "PM2", "", "2", "M"),
                             grupo("OTRO", "1EA", "BAC", "2", "T")});
        e.ejecutar(ExportarGrupos);
    }

    Registros exportar(const std::vector<std::string>& asignaciones, const std::vector<std::string>& cursos) {
        e.escribirConMarcas("zeda_asignatgrupo.txt", asignaciones);
        e.escribirConMarcas("zeda_asignatcurso.txt", cursos);
        e.ejecutar(ExportarAsignaturasGrupos);
        return e.registros("ASIGT", {"CASIG", "CGRUP", "TURNO", "NIVEL", "CURSO", "GRUPO", "HORAS", "SESIONES"});
    }

    EscenarioExportacion e;
};

struct CasoHoras {
    const char* texto;
    const char* horas;  // as the table gives it back, with the decimal comma of the scenario
    std::string sesiones;
};

class HorasSemanales : public Asignaciones, public ::testing::WithParamInterface<CasoHoras> {};

TEST_P(HorasSemanales, DelTextoDeHorasAHorasYSesiones) {
    const auto registros = exportar({asignacion("1EA", "MAT")}, {horas("ESO", "1", "MAT", GetParam().texto)});
    ASSERT_EQ(registros.size(), 1u);
    EXPECT_EQ(registros[0][6], GetParam().horas);
    EXPECT_EQ(registros[0][7], GetParam().sesiones);
}

INSTANTIATE_TEST_SUITE_P(
    Asignaciones, HorasSemanales,
    ::testing::Values(CasoHoras{"", "1", "1"}, CasoHoras{"4", "4", "1111"}, CasoHoras{"2,5", "2,5", "11" + kMedio},
                      CasoHoras{"2.5", "2,5", "11" + kMedio}, CasoHoras{"3,25", "3,25", "111" + kMedio},
                      CasoHoras{"0", "1", "1"}, CasoHoras{"0,5", "1", "1"}, CasoHoras{"-2", "1", "1"},
                      CasoHoras{"13", "13", std::string(13, '1')},
                      CasoHoras{"13,5", "13,5", std::string(13, '1') + kMedio},
                      CasoHoras{"14", "14", std::string(14, '1')}, CasoHoras{"15", "15", "2" + std::string(13, '1')},
                      CasoHoras{"23", "23", "10" + std::string(13, '1')},
                      CasoHoras{"25,5", "25,5", "12" + std::string(13, '1') + kMedio},
                      CasoHoras{"+3", "3", "111"}, CasoHoras{"1e1", "10", std::string(10, '1')}),
    pruebas::NombrePor<&CasoHoras::texto>());

TEST_F(Asignaciones, AtributosDelPrimerGrupoConEseCodigo) {
    const auto registros = exportar({asignacion("1EA", "MAT"), asignacion("PM2", "MAT"), asignacion("1EA", "MAT")},
                                    {horas("ESO", "1", "MAT", "4"), horas("NIV", "2", "MAT", "7")});
    EXPECT_EQ(registros, (Registros{{"MAT", "1EA", "D", "ESO", "1", "A", "4", "1111"},
                                    {"MAT", "PM2", "M", "NIV", "2", "2", "7", "1111111"},
                                    {"MAT", "1EA", "D", "ESO", "1", "A", "4", "1111"}}));
}

TEST_F(Asignaciones, GrupoDesconocidoSoloCasaConNivelYCursoEnBlanco) {
    EXPECT_EQ(exportar({asignacion("XX", "MAT"), asignacion("YY", "ING")}, {horas("", "", "MAT", "3")}),
              (Registros{{"MAT", "XX", "", "", "", "", "3", "111"}, {"ING", "YY", "", "", "", "", "1", "1"}}));
}

TEST_F(Asignaciones, PrimeraLineaDeCursoDecideYComparaMayusculas) {
    const auto registros = exportar({asignacion("1EA", "MAT"), asignacion("1EA", "ING"), asignacion("1ea", "MAT")},
                                    {horas("ESO", "1", "MAT", "3"), horas("ESO", "1", "MAT", "5"),
                                     horas("ESO", "1", "ing", "4"), horas("eso", "1", "ING", "4")});
    EXPECT_EQ(registros, (Registros{{"MAT", "1EA", "D", "ESO", "1", "A", "3", "111"},
                                    {"ING", "1EA", "D", "ESO", "1", "A", "1", "1"},
                                    {"MAT", "1ea", "", "", "", "", "1", "1"}}));
}

TEST_F(Asignaciones, LineasConMarcaONombrePropioNoCasan) {
    const auto registros =
        exportar({asignacion("1EA", "MAT")},
                 {"0" + horas("ESO", "1", "MAT", "9").substr(1), lineaZeda({{1, "1"}, {2, "zeda_asignatcurso.txt"}}),
                  horas("ESO", "1", "MAT", "2")});
    EXPECT_EQ(registros[0][6], "2");
}

TEST_F(Asignaciones, SinArchivoDeCursosLasHorasQuedanVaciasYFalla) {
    e.escribirConMarcas("zeda_asignatgrupo.txt", {asignacion("1EA", "MAT")});
    e.estado.Transformado = 1;
    e.ejecutar(ExportarAsignaturasGrupos);
    EXPECT_EQ(e.interlocutor.mensajes, std::vector<std::string>{"No existe archivo de grupos (ZEDA_ASIGNATCURSO.TXT)"});
    EXPECT_EQ(e.estado.Transformado, -1);
    EXPECT_EQ(e.registros("ASIGT", {"CASIG", "CPROF", "CGRUP", "CAULA", "NIVEL", "HORAS", "SESIONES"}),
              (Registros{{"MAT", "", "1EA", "", "ESO", "", ""}}));
}

TEST_F(Asignaciones, HorasNoNumericasTerminanConErrorYLaTablaSigueComoEstaba) {
    e.crearTablaAnterior("ASIGT");
    e.escribirConMarcas("zeda_asignatgrupo.txt", {asignacion("1EA", "MAT"), asignacion("1EA", "ING")});
    e.escribirConMarcas("zeda_asignatcurso.txt", {horas("ESO", "1", "MAT", "3"), horas("ESO", "1", "ING", "2,5x")});
    try {
        e.ejecutar(ExportarAsignaturasGrupos);
        FAIL() << "sin error";
    } catch (const Error& error) {
        EXPECT_STREQ(error.what(), "'2.5x' no es un valor punto flotante v\xE1lido");
    }
    EXPECT_TRUE(e.tablaAnteriorIntacta("ASIGT"));
}

TEST_F(Asignaciones, HorasNoNumericasQueNadieUsaNoSonError) {
    EXPECT_EQ(exportar({asignacion("1EA", "MAT")}, {horas("ESO", "1", "MAT", "2"), horas("ESO", "1", "ING", "abc")})[0][6],
              "2");
}

TEST(AsignacionesSinGrupos, SinTablaDeGruposTerminaConErrorYLaTablaSigueComoEstaba) {
    EscenarioExportacion e;
    e.crearTablaAnterior("ASIGT");
    e.escribirConMarcas("zeda_asignatgrupo.txt", {asignacion("1EA", "MAT")});
    EXPECT_THROW(e.ejecutar(ExportarAsignaturasGrupos), Error);
    EXPECT_TRUE(e.tablaAnteriorIntacta("ASIGT"));
}


// A groups table written by another program, with wider fields: the attributes count as ASIGT
// keeps them, cut to its widths.
TEST(AsignacionesGruposAjenos, AtributosCortadosAlAnchoDeAsigt) {
    EscenarioExportacion e;
    e.crearTabla("GRUPOST", {{"ABREV", 4}, {"TURNO", 10}, {"NIVEL", 10}, {"CURSO", 10}, {"GRUPO", 10}},
                 {{"G1", "MA\xD1" "ANA", "ESO", "12 X", "ABC"}});
    e.escribirConMarcas("zeda_asignatgrupo.txt", {asignacion("G1", "MAT")});
    e.escribirConMarcas("zeda_asignatcurso.txt", {horas("ESO", "12", "MAT", "3")});
    e.ejecutar(ExportarAsignaturasGrupos);
    EXPECT_EQ(e.registros("ASIGT", {"TURNO", "NIVEL", "CURSO", "GRUPO", "HORAS"}),
              (Registros{{"M", "ESO", "12", "AB", "3"}}));
}

}  // namespace
}  // namespace ttz::pruebas
