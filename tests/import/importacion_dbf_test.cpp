// SOLUC as another dBase writer leaves it (Debian's python3-dbf, or Visual FoxPro by hand):
// numeric or text day and slot, variable text codes, an extra field, deleted records and an index
// file beside the table.
#include "comun/nombre_caso.h"
#include "import/importacion.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "comun/dbf_a_mano.h"
#include "comun/escenario_importacion.h"

namespace ttz::pruebas {
namespace {

namespace fs = std::filesystem;

constexpr const char* kPython = "/usr/bin/python3";

// argv: folder, "N" for numeric DIA/HORA or "C" for text ones. The second record is deleted.
constexpr const char* kGuion = R"(import sys, dbf
carpeta, clase = sys.argv[1], sys.argv[2]
dia_hora = 'DIA N(1,0); HORA N(2,0)' if clase == 'N' else 'DIA C(2); HORA C(3)'
tabla = dbf.Table(carpeta + '/SOLUC.DBF', 'NUMSOL N(5,0); ' + dia_hora +
                  '; PROF C(4); CODGRUPO C(4); ASIG C(4); AULA C(4); FIJA L',
                  dbf_type='db3', codepage='cp1252')
tabla.open(dbf.READ_WRITE)
registros = [(1, 1, 2, 'P1', '1A', 'MAT', 'BA\u00d1O', False),
             (2, 2, 1, 'BORR', '1A', 'MAT', 'A1', False),
             (3, 0, 1, 'P0', '1A', 'MAT', 'A1', True),
             (4, 3, 1, 'P3', '2A', 'FIS', 'LAB', False),
             (5, 5, 10, 'P5', '2B', 'ING', '', False)]
for r in registros:
    if clase == 'C':
        r = (r[0], str(r[1]), str(r[2])) + r[3:]
    tabla.append(r)
dbf.delete(tabla[1])
tabla.close()
)";

// kGuion's records with PROF and AULA as Visual FoxPro variable text: a shorter value keeps its
// length in the field's last byte and sets its bit in the null flags (PROF 1, AULA 2).
std::string solucVisualFoxPro() {
    using namespace std::string_literals;
    return dbfAMano({{"NUMSOL", 'N', 5}, {"DIA", 'N', 1}, {"HORA", 'N', 2}, {"PROF", 'V', 4}, {"CODGRUPO", 'C', 4},
                     {"ASIG", 'C', 4}, {"AULA", 'V', 4}, {"FIJA", 'L', 1}, {"_NullFlags", '0', 1, 0, 5}},
                    {"     11 2P1 \x02" "1A  MAT BA\xD1O" "F\x01"s, "*    22 1BORR1A  MAT A1 \x02" "F\x02"s,
                     "     30 1P0 \x02" "1A  MAT A1 \x02" "T\x03"s, "     43 1P3 \x02" "2A  FIS LAB\x03" "F\x03"s,
                     "     5510P5 \x02" "2B  ING    \0" "F\x03"s},
                    {'\x30'});
}

// Any bytes: the walk of SOLUC must neither read nor need its index file.
constexpr char kIndice[] = "\x00\x01\xFF" "MDX index\x1A";

bool hayPythonDbf() {
    return fs::exists(kPython) &&
           std::system((std::string(kPython) + " -c 'import dbf' >/dev/null 2>&1").c_str()) == 0;
}

class SolucDeOtroEscritor : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        e.prepararBasico();
        e.datos.escribir("SOLUC.MDX", std::string(kIndice, sizeof kIndice - 1));
        if (GetParam() == std::string("V")) {
            e.datos.escribir("SOLUC.DBF", solucVisualFoxPro());
            return;
        }
        if (!hayPythonDbf()) GTEST_SKIP() << "python3-dbf is not installed";
        const auto guion = e.zeda.escribir("soluc.py", kGuion);
        const std::string orden = std::string(kPython) + " '" + guion.string() + "' '" + e.datos.ruta().string() +
                                  "' " + GetParam();
        ASSERT_EQ(std::system(orden.c_str()), 0) << orden;
        fs::remove(guion);
    }

    EscenarioImportacion e;
};

TEST_P(SolucDeOtroEscritor, DaLasLeccionesVivasEnSuOrden) {
    e.crearTramos({{"1", "2", "T02"}, {"2", "1", "T11"}, {"3", "1", "T21"}, {"5", "10", "T50"}});
    e.importar();
    EXPECT_EQ(e.horario(), conSaltos({cabeceraEsperada("28001234"),
                                      "1T02 1P1  1A  LEC MAT BA\xD1O",
                                      "1T21 3P3  2A  LEC FIS LAB ",
                                      "1T50 5P5  2B  LEC ING     ",
                                      pieEsperado("28001234", "3")}));
    EXPECT_EQ(leerBytes(e.datos / "SOLUC.MDX"), std::string(kIndice, sizeof kIndice - 1));
}

INSTANTIATE_TEST_SUITE_P(DiaYHora, SolucDeOtroEscritor, ::testing::Values("N", "C", "V"), NombreDelValor());

}  // namespace
}  // namespace ttz::pruebas
