#include <gtest/gtest.h>

#include "base/errores.h"
#include "app/linea_ordenes.h"
#include "comun/mensaje_error.h"
#include "comun/nombre_caso.h"

namespace ttz {
namespace {

using Parametros = std::vector<std::string>;

struct CasoDivision {
    const char* linea;
    Parametros esperados;
};

class DivisionLinea : public testing::TestWithParam<CasoDivision> {};

TEST_P(DivisionLinea, SeparaComoElSistema) {
    EXPECT_EQ(dividirLineaOrdenes(GetParam().linea), GetParam().esperados);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, DivisionLinea,
    testing::Values(
        CasoDivision{"prog", {"prog"}},
        CasoDivision{"", {}},
        CasoDivision{"   \t  ", {}},
        CasoDivision{"prog exportar 1A2B", {"prog", "exportar", "1A2B"}},
        CasoDivision{"prog\texportar\x01\x1F" "1A2B", {"prog", "exportar", "1A2B"}},
        CasoDivision{"\"C:\\Archivos de programa\\t.exe\" importar 0",
                     {"C:\\Archivos de programa\\t.exe", "importar", "0"}},
        CasoDivision{"prog \" importar \" 1A2B", {"prog", " importar ", "1A2B"}},
        CasoDivision{"prog ab\"c d\"ef", {"prog", "abc def"}},
        CasoDivision{"prog \"abierto hasta el final", {"prog", "abierto hasta el final"}},
        CasoDivision{"prog \"\" exportar \"\" 1A2B", {"prog", "exportar", "1A2B"}},
        CasoDivision{"prog \"\"\"\" x", {"prog", "x"}},
        CasoDivision{"prog \"\"x", {"prog", "x"}},
        CasoDivision{"prog ab\"\"cd", {"prog", "abcd"}},
        CasoDivision{"prog a\\\"b c\"", {"prog", "a\\b c"}},
        CasoDivision{"prog \"1A2B \"", {"prog", "1A2B "}},
        CasoDivision{"prog uno \"", {"prog", "uno"}},
        CasoDivision{"prog uno \" \" dos", {"prog", "uno", " ", "dos"}},
        CasoDivision{"prog \xE1rbol", {"prog", "\xE1rbol"}}), pruebas::NombrePor<&CasoDivision::linea>());

TEST(ParametrosDelProceso, QuitanElProgramaYLosVacios) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows reads the parameters from GetCommandLineA, not from argv";
#endif
    char programa[] = "/opt/ttz/transtempaloszeda";
    char vacio[] = "";
    char direccion[] = "exportar";
    char manejador[] = "1A2B";
    char* argv[] = {programa, vacio, direccion, vacio, manejador, nullptr};
    EXPECT_EQ(parametrosDelProceso(5, argv), (Parametros{"exportar", "1A2B"}));
}

struct CasoLado {
    const char* direccion;
    Lado lado;
};

class LadoPedido : public testing::TestWithParam<CasoLado> {};

TEST_P(LadoPedido, SoloLasLetrasAaZPasanAMinusculas) {
    EXPECT_EQ(ladoPedido(GetParam().direccion), GetParam().lado);
}

INSTANTIATE_TEST_SUITE_P(Casos, LadoPedido,
                         testing::Values(CasoLado{"importar", Lado::Importar}, CasoLado{"IMPORTAR", Lado::Importar},
                                         CasoLado{"Importar", Lado::Importar}, CasoLado{"exportar", Lado::Exportar},
                                         CasoLado{"ExPoRtAr", Lado::Exportar}, CasoLado{" importar ", Lado::Ambos},
                                         CasoLado{"importa", Lado::Ambos}, CasoLado{"", Lado::Ambos},
                                         CasoLado{"\xC9XPORTAR", Lado::Ambos}),
                         pruebas::NombrePor<&CasoLado::direccion>());

struct CasoManejador {
    const char* parametro;
    std::uint32_t valor;
};

class ManejadorValido : public testing::TestWithParam<CasoManejador> {};

TEST_P(ManejadorValido, SeLeeEnHexadecimal) {
    EXPECT_EQ(leerManejadorAnfitrion(GetParam().parametro), GetParam().valor);
}

INSTANTIATE_TEST_SUITE_P(Casos, ManejadorValido,
                         testing::Values(CasoManejador{"1A2B", 0x1A2Bu}, CasoManejador{"00000000001A2B", 0x1A2Bu},
                                         CasoManejador{"1a2b", 0x1A2Bu}, CasoManejador{"0", 0u},
                                         CasoManejador{"FFFFFFFF", 0xFFFFFFFFu},
                                         CasoManejador{"80000000", 0x80000000u}),
                         pruebas::NombrePor<&CasoManejador::parametro>());

class ManejadorInvalido : public testing::TestWithParam<const char*> {};

TEST_P(ManejadorInvalido, FallaConElTextoPrecedidoDeDolar) {
    const std::string parametro = GetParam();
    try {
        leerManejadorAnfitrion(parametro);
        FAIL() << "aceptado: " << parametro;
    } catch (const Error& error) {
        EXPECT_EQ(error.what(), "'$" + parametro + "' no es un valor entero v\xE1lido");
    }
}

INSTANTIATE_TEST_SUITE_P(Casos, ManejadorInvalido,
                         testing::Values("0x1A2B", "-1A2B", "+1A2B", "1A2B ", " 1A2B", "$1A2B", "x1A2B", "1G",
                                         "100000000"), pruebas::NombreDelValor());

TEST(ManejadorInvalido, SusControlesSeMuestranConSuCodigo) {
    EXPECT_EQ(pruebas::mensajeDeError([] { leerManejadorAnfitrion("1A2B\t"); }),
              "'$1A2B<09>' no es un valor entero v\xE1lido");
}

}  // namespace
}  // namespace ttz
