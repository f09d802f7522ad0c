// Subjects, teachers and rooms.
#include <gtest/gtest.h>

#include "base/errores.h"
#include "comun/nombre_caso.h"
#include "escenario_exportacion.h"
#include "export/pasos.h"

namespace ttz::pruebas {
namespace {

using exportacion::ExportarAsignaturas;
using exportacion::ExportarAulas;
using exportacion::ExportarProfesores;

std::string asignatura(std::string_view codigo, std::string_view largo, std::string_view nombre) {
    return lineaZeda({{1, "1"}, {2, codigo}, {6, largo}, {26, nombre}});
}
std::string profesor(std::string_view abrev, std::string_view nombre, std::string_view departamento) {
    return lineaZeda({{1, "1"}, {2, abrev}, {6, nombre}, {96, departamento}});
}
std::string aula(std::string_view abrev, std::string_view nombre) {
    return lineaZeda({{1, "1"}, {12, abrev}, {86, nombre}});
}

class Catalogos : public ::testing::Test {
protected:
    EscenarioExportacion e;
};

TEST_F(Catalogos, AsignaturasConSusColumnasYRecortadas) {
    e.escribirConMarcas("zeda_asignat.txt", {asignatura(" MAT", "MATEMATICAS", "  Matem\xE1ticas  "),
                                             asignatura("ING", "ING", "Ingl\xE9s")});
    e.ejecutar(ExportarAsignaturas);
    EXPECT_EQ(e.registros("ASIGNOMT", {"COD", "CODLARGO", "NOMBRE", "MATERIA"}),
              (Registros{{"MAT", "MATEMATI", "Matem\xE1ticas", ""}, {"ING", "ING", "Ingl\xE9s", ""}}));
    EXPECT_TRUE(e.interlocutor.mensajes.empty());
    EXPECT_EQ(e.estado.Transformado, 0);
}

TEST_F(Catalogos, NombreDeSesentaCaracteresQuedaEnCuarenta) {
    const std::string nombre = std::string(30, 'a') + std::string(30, 'b');
    e.escribirConMarcas("zeda_asignat.txt", {asignatura("MAT", "12345678901234567890", nombre)});
    e.ejecutar(ExportarAsignaturas);
    EXPECT_EQ(e.registros("ASIGNOMT", {"CODLARGO", "NOMBRE"}),
              (Registros{{"12345678", std::string(30, 'a') + std::string(10, 'b')}}));
}

TEST_F(Catalogos, LineaDeVeinticincoCaracteresDaNombreVacio) {
    e.escribirConMarcas("zeda_asignat.txt", {asignatura("MAT", "MATEMATICAS", "").substr(0, 25)});
    e.ejecutar(ExportarAsignaturas);
    EXPECT_EQ(e.registros("ASIGNOMT", {"COD", "NOMBRE"}), (Registros{{"MAT", ""}}));
}

struct CasoRepetidos {
    const char* nombre;
    std::vector<std::string> codigos;
    std::vector<std::string> guardados;
};

class Repetidos : public ::testing::TestWithParam<CasoRepetidos> {};

// The first line of a code wins; letter case is ignored, accents count.
TEST_P(Repetidos, AsignaturasYProfesoresDescartanElCodigoYaVisto) {
    const auto& caso = GetParam();
    EscenarioExportacion e;
    std::vector<std::string> asignaturas, profesores;
    for (std::size_t i = 0; i < caso.codigos.size(); ++i) {
        asignaturas.push_back(asignatura(caso.codigos[i], "", "n" + std::to_string(i)));
        profesores.push_back(profesor(caso.codigos[i], "n" + std::to_string(i), "d"));
    }
    e.escribirConMarcas("zeda_asignat.txt", asignaturas);
    e.escribirConMarcas("zeda_prof.txt", profesores);
    e.ejecutar(ExportarAsignaturas);
    e.ejecutar(ExportarProfesores);
    Registros esperados;
    for (const auto& codigo : caso.guardados) esperados.push_back({codigo});
    EXPECT_EQ(e.registros("ASIGNOMT", {"COD"}), esperados);
    EXPECT_EQ(e.registros("PROFT", {"ABREV"}), esperados);
}

INSTANTIATE_TEST_SUITE_P(
    Catalogos, Repetidos,
    ::testing::Values(CasoRepetidos{"MayusculasYMinusculas", {"MAT", "mat", "Mat", "ING"}, {"MAT", "ING"}},
                      CasoRepetidos{"AcentosCuentan", {"M\xDAS", "MUS", "m\xFAs"}, {"M\xDAS", "MUS"}},
                      CasoRepetidos{"EnieEnMinuscula", {"A\xD1O", "a\xF1o"}, {"A\xD1O"}},
                      CasoRepetidos{"CodigoVacioSoloUnaVez", {"", "MAT", "", " "}, {"", "MAT"}},
                      CasoRepetidos{"SinRepetidos", {"A", "B", "C"}, {"A", "B", "C"}}),
    pruebas::NombrePor<&CasoRepetidos::nombre>());

TEST_F(Catalogos, LineaVaciaCuentaComoCodigoVacio) {
    e.escribirConMarcas("zeda_prof.txt", {"", profesor("GALM", "Garc\xEDz", "Lengua"), ""});
    e.ejecutar(ExportarProfesores);
    EXPECT_EQ(e.registros("PROFT", {"ABREV", "NOMBRE", "DEPART", "DNI", "X_EMPLEADO", "F_TOMAPOS"}),
              (Registros{{"", "", "", "", "", ""}, {"GALM", "Garc\xEDz", "Lengua", "", "", ""}}));
}

TEST_F(Catalogos, NombreDeProfesorSinBlancosDelanteYCortado) {
    const std::string nombre = "   " + std::string(87, 'x');
    e.escribirConMarcas("zeda_prof.txt", {profesor("GALM", nombre, std::string(50, 'd'))});
    e.ejecutar(ExportarProfesores);
    EXPECT_EQ(e.registros("PROFT", {"NOMBRE", "DEPART"}), (Registros{{std::string(40, 'x'), std::string(40, 'd')}}));
}

TEST_F(Catalogos, AulasGuardanRepetidasYLineasVacias) {
    e.escribirConMarcas("zeda_aulas.txt", {aula("A101", "Aula 101"), aula("A101", "Otra"), "", "1corta", ""});
    e.ejecutar(ExportarAulas);
    EXPECT_EQ(e.registros("AULAT", {"ABREV", "NOMBRE", "EDIFICIO", "MAXALUM", "DEPCENTRO"}),
              (Registros{{"A101", "Aula 101", "", "", ""},
                         {"A101", "Otra", "", "", ""},
                         {"", "", "", "", ""},
                         {"", "", "", "", ""},
                         {"", "", "", "", ""}}));
}

TEST_F(Catalogos, SaltaCabeceraPieYLineaConSuNombre) {
    e.escribir("zeda_prof.txt", {"0", "9GALM", "  zeda_prof.txt   ", " 0ABC", lineaZeda({{1, "1"}, {3, "zeda_prof.txt"}})});
    e.ejecutar(ExportarProfesores);
    EXPECT_EQ(e.registros("PROFT", {"ABREV"}), (Registros{{"0ABC"}}));
}

TEST_F(Catalogos, SoloCabeceraYPieDanTablaVacia) {
    e.crearTablaAnterior("AULAT");
    e.escribirConMarcas("zeda_aulas.txt", {});
    e.ejecutar(ExportarAulas);
    EXPECT_TRUE(e.existeTabla("AULAT"));
    EXPECT_TRUE(e.registros("AULAT", {"ABREV"}).empty());
}

TEST_F(Catalogos, UnaCarpetaConElNombreDelArchivoEsUnArchivoQueFalta) {
    std::filesystem::create_directories(e.zeda / "zeda_asignat.txt");
    e.ejecutar(ExportarAsignaturas);
    EXPECT_EQ(e.interlocutor.mensajes, std::vector<std::string>{"No existe archivo de asignaturas (ZEDA_ASIGNAT.TXT)"});
    EXPECT_FALSE(e.existeTabla("ASIGNOMT"));
}

TEST_F(Catalogos, NombreDelArchivoEnOtrasMayusculas) {
    e.escribirConMarcas("ZEDA_PROF.TXT", {profesor("GALM", "G", "L")});
    e.ejecutar(ExportarProfesores);
    EXPECT_EQ(e.registros("PROFT", {"ABREV"}), (Registros{{"GALM"}}));
}

}  // namespace
}  // namespace ttz::pruebas
