// Groups.
#include <gtest/gtest.h>

#include "base/errores.h"
#include "comun/nombre_caso.h"
#include "escenario_exportacion.h"
#include "export/pasos.h"

namespace ttz::pruebas {
namespace {

using exportacion::ExportarGrupos;

const std::vector<std::string> kCampos{"ABREV", "TURNO", "NIVEL", "CURSO", "GRUPO", "UNIDAD", "DESCRIP"};

std::string grupo(std::string_view unidad, std::string_view codigo, std::string_view nivel, std::string_view curso,
                  std::string_view turno) {
    return lineaZeda({{1, "1"}, {2, unidad}, {12, codigo}, {16, nivel}, {22, curso}, {35, turno}});
}

struct CasoGrupo {
    const char* nombre;
    std::string linea;
    std::vector<std::string> registro;
};

class Grupos : public ::testing::TestWithParam<CasoGrupo> {};

TEST_P(Grupos, UnaLineaDaUnRegistro) {
    EscenarioExportacion e;
    e.escribirConMarcas("zeda_grupo.txt", {GetParam().linea});
    e.ejecutar(ExportarGrupos);
    EXPECT_EQ(e.registros("GRUPOST", kCampos), Registros{GetParam().registro});
}

INSTANTIATE_TEST_SUITE_P(
    Grupos, Grupos,
    ::testing::Values(
        CasoGrupo{"Completo", grupo("1ESOA", "1EA", "ESO", "1", "D"), {"1EA", "D", "ESO", "1", "A", "1ESOA", "D ESO 1 A"}},
        CasoGrupo{"NivelEnBlancoEsNIV", grupo("PMAR-2", "PM2", "", "2", "D"),
                  {"PM2", "D", "NIV", "2", "2", "PMAR-2", "D NIV 2 2"}},
        CasoGrupo{"TurnoDeTresCaracteres", grupo(" 2BACHB ", "2BB", "BAC", "2", "TAR"),
                  {"2BB", "T", "BAC", "2", "B", "2BACHB", "TAR BAC 2 B"}},
        CasoGrupo{"LineaMasCortaQueElTurno", grupo("3ESOC", "3EC", "ESO", "3", "").substr(0, 30),
                  {"3EC", "", "ESO", "3", "C", "3ESOC", " ESO 3 C"}},
        CasoGrupo{"LineaVacia", "", {"", "", "NIV", "", "", "", " NIV"}},
        CasoGrupo{"UnidadDeUnCaracter", grupo("X", "G1", "ESO", "1", "M"), {"G1", "M", "ESO", "1", "X", "X", "M ESO 1 X"}},
        CasoGrupo{"UnidadQueAcabaEnSigno", grupo("1ESO-#", "G1", "ESO", "1", "M"),
                  {"G1", "M", "ESO", "1", "#", "1ESO-#", "M ESO 1 #"}},
        CasoGrupo{"NombreEnSingularNoSeSalta", lineaZeda({{1, "1"}, {2, "ZEDA_GRUPO.TXT"}}),
                  {".TXT", "", "NIV", "", "O", "ZEDA_GRUPO", " NIV  O"}}),
    pruebas::NombrePor<&CasoGrupo::nombre>());

TEST(GruposArchivo, NombreEnPluralSeSaltaYCodigosRepetidosSeGuardan) {
    EscenarioExportacion e;
    e.escribirConMarcas("zeda_grupo.txt", {lineaZeda({{1, "1"}, {4, "zeda_grupos.txt"}}), grupo("1ESOA", "G", "ESO", "1", "D"),
                                           grupo("1ESOB", "G", "ESO", "1", "D")});
    e.ejecutar(ExportarGrupos);
    EXPECT_EQ(e.registros("GRUPOST", {"ABREV", "UNIDAD"}), (Registros{{"G", "1ESOA"}, {"G", "1ESOB"}}));
}

}  // namespace
}  // namespace ttz::pruebas
