#include "base/texto.h"

#include <gtest/gtest.h>
#include <locale.h>

#include <cerrno>
#include <cstdlib>
#include <limits>
#include <string>

#include "base/archivo.h"
#include "base/errores.h"
#include "base/sistema.h"
#include "base/windows1252.h"
#include "comun/carpeta_temporal.h"
#include "comun/entorno.h"
#include "comun/mensaje_error.h"
#include "comun/nombre_caso.h"

namespace ttz {
namespace {

struct CasoEntero {
    std::string texto;
    std::int32_t valor;
};

void PrintTo(const CasoEntero& caso, std::ostream* salida) {
    *salida << testing::PrintToString(caso.texto);
}

class EnteroValido : public testing::TestWithParam<CasoEntero> {};

TEST_P(EnteroValido, SeConvierte) { EXPECT_EQ(aEntero(GetParam().texto), GetParam().valor); }

INSTANTIATE_TEST_SUITE_P(Textos, EnteroValido, testing::Values(
    CasoEntero{"0", 0},
    CasoEntero{"12", 12},
    CasoEntero{"  12", 12},
    CasoEntero{"0800", 800},
    CasoEntero{"+7", 7},
    CasoEntero{"-7", -7},
    CasoEntero{"  -0", 0},
    CasoEntero{"2147483647", 2147483647},
    CasoEntero{"-2147483648", std::numeric_limits<std::int32_t>::min()},
    CasoEntero{"000000000002147483647", 2147483647},
    CasoEntero{"$00000000001A2B", 0x1A2B},
    CasoEntero{"$1a2b", 0x1A2B},
    CasoEntero{"x1f", 31},
    CasoEntero{"X1F", 31},
    CasoEntero{"0x1F", 31},
    CasoEntero{"0X1f", 31},
    CasoEntero{"-$10", -16},
    CasoEntero{" +x10", 16},
    CasoEntero{"$7FFFFFFF", 2147483647},
    CasoEntero{"$80000000", std::numeric_limits<std::int32_t>::min()},
    CasoEntero{"$FFFFFFFF", -1},
    CasoEntero{"-$FFFFFFFF", 1}), pruebas::NombrePor<&CasoEntero::texto>());

class EnteroInvalido : public testing::TestWithParam<std::string> {};

TEST_P(EnteroInvalido, FallaConElTextoEntero) {
    EXPECT_EQ(pruebas::mensajeDeError([] { aEntero(GetParam()); }),
              "'" + GetParam() + "' no es un valor entero v\xE1lido");
}

INSTANTIATE_TEST_SUITE_P(Textos, EnteroInvalido, testing::Values(
    "", " ", "+", "-", "$", "x", "0x", "0X", "$0x1A2B", "$-1A2B", "$1A2B ", "12 ", "1 2",
    "2147483648", "-2147483649", "99999999999999999999", "$100000000", "$G", "0x1G", "1.5", "1e3",
    "--1", "+-1", "0b1", "x 1", "\xA0" "1"), pruebas::NombreDelValor());

// A value read from a file reaches a message without its control bytes.
TEST(TextoConControles, SeMuestraConSusCodigos) {
    const std::string texto("\t1\0\x7F\x81\x8D\x8F\x90\x9D\x80\xD1<", 12);
    const std::string visible = "<09>1<00><7F><81><8D><8F><90><9D>\x80\xD1<";
    EXPECT_EQ(pruebas::mensajeDeError([&] { aEntero(texto); }), "'" + visible + "' no es un valor entero v\xE1lido");
    EXPECT_EQ(pruebas::mensajeDeError([&] { aFlotante(texto); }),
              "'" + visible + "' no es un valor punto flotante v\xE1lido");
}

struct CasoFlotante {
    std::string texto;
    double valor;
};

void PrintTo(const CasoFlotante& caso, std::ostream* salida) {
    *salida << testing::PrintToString(caso.texto);
}

class FlotanteValido : public testing::TestWithParam<CasoFlotante> {};

TEST_P(FlotanteValido, SeConvierte) { EXPECT_DOUBLE_EQ(aFlotante(GetParam().texto), GetParam().valor); }

INSTANTIATE_TEST_SUITE_P(Textos, FlotanteValido, testing::Values(
    CasoFlotante{"0", 0},
    CasoFlotante{"2", 2},
    CasoFlotante{"2.5", 2.5},
    CasoFlotante{"+2.5", 2.5},
    CasoFlotante{"-2.5", -2.5},
    CasoFlotante{".5", 0.5},
    CasoFlotante{"5.", 5},
    CasoFlotante{"1e3", 1000},
    CasoFlotante{"1.5E-2", 0.015},
    CasoFlotante{"-1e+2", -100},
    CasoFlotante{"0003.250", 3.25}), pruebas::NombrePor<&CasoFlotante::texto>());

class FlotanteInvalido : public testing::TestWithParam<std::string> {};

TEST_P(FlotanteInvalido, FallaConElTexto) {
    EXPECT_EQ(pruebas::mensajeDeError([] { aFlotante(GetParam()); }),
              "'" + GetParam() + "' no es un valor punto flotante v\xE1lido");
}

INSTANTIATE_TEST_SUITE_P(Textos, FlotanteInvalido, testing::Values(
    "", ".", "+", "-", "2.5x", "2,5", " 2.5", "2.5 ", "1e", "1e+", "e5", "1.2.3", "inf", "nan",
    "0x1A", "$1A", "1e999", "--1", "+-1"), pruebas::NombreDelValor());

struct CasoTexto {
    double valor;
    char separador;
    std::string texto;
};

void PrintTo(const CasoTexto& caso, std::ostream* salida) {
    *salida << testing::PrintToString(caso.valor) << ", " << testing::PrintToString(caso.separador);
}

class FlotanteATexto : public testing::TestWithParam<CasoTexto> {};

TEST_P(FlotanteATexto, FormaMasCorta) {
    EXPECT_EQ(flotanteATexto(GetParam().valor, GetParam().separador), GetParam().texto);
}

INSTANTIATE_TEST_SUITE_P(Valores, FlotanteATexto, testing::Values(
    CasoTexto{2.5, ',', "2,5"},
    CasoTexto{2.5, '.', "2.5"},
    CasoTexto{1, ',', "1"},
    CasoTexto{0, ',', "0"},
    CasoTexto{-0.0, ',', "0"},
    CasoTexto{-3, ',', "-3"},
    CasoTexto{0.1 + 0.2, ',', "0,3"},
    CasoTexto{1.0 / 3, ',', "0,333333333333333"},
    CasoTexto{2.0 / 3, '.', "0.666666666666667"},
    CasoTexto{123456789012345.0, ',', "123456789012345"},
    CasoTexto{0.0001, '.', "0.0001"},
    CasoTexto{0.00001, '.', "1E-5"},
    CasoTexto{1e15, '.', "1E15"},
    CasoTexto{-1.5e-7, ',', "-1,5E-7"},
    CasoTexto{0.5, ',', "0,5"},
    CasoTexto{37.25, ',', "37,25"}), (pruebas::NombrePor<&CasoTexto::valor, &CasoTexto::separador>()));

}  // namespace
}  // namespace ttz

// glibc keeps the LOCPATH search list that newlocale() builds and never frees it; the leak
// checker of sanitized builds is told so.
extern "C" const char* __lsan_default_suppressions() { return "leak:__argz_add_sep\n"; }

namespace ttz {
namespace {

// A Spanish locale, with its decimal comma, built once into a private folder that LOCPATH
// points to, so that the tests need no locale installed on the machine.
class ConLocaleEspanol : public testing::Test {
protected:
    static void SetUpTestSuite() {
        carpeta_ = new pruebas::CarpetaTemporal;
        const std::string orden = "localedef -i es_ES -f UTF-8 '" + (*carpeta_ / "es_ES.UTF-8").string() +
                                  "' >/dev/null 2>&1";
        disponible_ = std::system(orden.c_str()) == 0;
    }
    static void TearDownTestSuite() { delete carpeta_; }

    void SetUp() override {
        if (!disponible_) GTEST_SKIP() << "localedef cannot build es_ES";
        entorno_.poner("LOCPATH", carpeta_->ruta().string().c_str());
        entorno_.poner("LC_ALL", "es_ES.UTF-8");
    }

    pruebas::Entorno entorno_;

private:
    static inline pruebas::CarpetaTemporal* carpeta_ = nullptr;
    static inline bool disponible_ = false;
};

TEST_F(ConLocaleEspanol, ElSeparadorSaleDelEntornoDelUsuario) {
    EXPECT_EQ(separadorDecimalDelSistema(), ',');
    entorno_.poner("LC_ALL", "C");
    EXPECT_EQ(separadorDecimalDelSistema(), '.');
}

TEST_F(ConLocaleEspanol, LasConversionesNoDependenDelLocaleGlobal) {
    const std::string anterior = setlocale(LC_ALL, nullptr);
    ASSERT_NE(setlocale(LC_ALL, ""), nullptr);
    EXPECT_DOUBLE_EQ(aFlotante("2.5"), 2.5);
    EXPECT_THROW(aFlotante("2,5"), Error);
    EXPECT_EQ(flotanteATexto(2.5, '.'), "2.5");
    setlocale(LC_ALL, anterior.c_str());
}

// The Qt window runs under the user's locale, the batch tool under C: either way a system
// error's reason is the same Spanish text in Windows-1252, like the rest of the message.
TEST_F(ConLocaleEspanol, LaRazonDelSistemaNoDependeDelLocale) {
    const std::string anterior = setlocale(LC_ALL, nullptr);
    for (const char* locale : {"", "C"}) {
        ASSERT_NE(setlocale(LC_ALL, locale), nullptr) << locale;
        EXPECT_EQ(textoErrorSistema(EACCES), "Permiso denegado: su usuario no puede usar ese archivo o carpeta");
        EXPECT_EQ(textoErrorSistema(EPERM), "Operaci\xF3n no permitida para su usuario");
    }
    setlocale(LC_ALL, anterior.c_str());
}

TEST(SeparadorDecimal, NoCambiaElLocaleGlobal) {
    const std::string antes = setlocale(LC_ALL, nullptr);
    separadorDecimalDelSistema();
    EXPECT_EQ(setlocale(LC_ALL, nullptr), antes);
}

TEST(Mayusculas, SoloLasLetrasAscii) {
    EXPECT_EQ(mayusculas("abc xyz ABC 019 \xF1\xE1\xFC{}`@"), "ABC XYZ ABC 019 \xF1\xE1\xFC{}`@");
    EXPECT_TRUE(igualesSinMayusculas("Zeda_Prof.TXT", "zeda_prof.txt"));
    EXPECT_FALSE(igualesSinMayusculas("\xF1", "\xD1"));
    EXPECT_FALSE(igualesSinMayusculas("[", "{"));
    EXPECT_FALSE(igualesSinMayusculas("abc", "ab"));
}

struct CasoUtf8 {
    std::string windows1252;
    std::string utf8;
};

void PrintTo(const CasoUtf8& caso, std::ostream* salida) {
    *salida << testing::PrintToString(caso.windows1252);
}

class Utf8 : public testing::TestWithParam<CasoUtf8> {};

TEST_P(Utf8, Conversion) { EXPECT_EQ(aUtf8(GetParam().windows1252), GetParam().utf8); }

TEST_P(Utf8, YDeVuelta) { EXPECT_EQ(windows1252DeUtf8(GetParam().utf8), GetParam().windows1252); }

// What Windows-1252 lacks is "?"; bytes that are not UTF-8 (a name stored in Windows-1252, a
// character cut short) stay as they are.
TEST(Utf8AWindows1252, LoQueFaltaEsInterrogacionYLoQueNoEsUtf8Queda) {
    EXPECT_EQ(windows1252DeUtf8("a\xE6\x97\xA5" "b"), "a?b");
    EXPECT_EQ(windows1252DeUtf8("A\xF1o"), "A\xF1o");
    EXPECT_EQ(windows1252DeUtf8("\xE2\x82" "A\xC3"), "\xE2\x82" "A\xC3");
    EXPECT_EQ(windows1252DeUtf8("\xC0\xAF\xED\xA0\x80"), "\xC0\xAF\xED\xA0\x80");
}

INSTANTIATE_TEST_SUITE_P(Textos, Utf8, testing::Values(
    CasoUtf8{"abc", "abc"},
    CasoUtf8{"", ""},
    CasoUtf8{"\xE1\xF1\xD1", "\xC3\xA1\xC3\xB1\xC3\x91"},
    CasoUtf8{"\xBD", "\xC2\xBD"},
    CasoUtf8{"\x80", "\xE2\x82\xAC"},
    CasoUtf8{"\x9F", "\xC5\xB8"},
    CasoUtf8{"\x81", "\xC2\x81"},
    CasoUtf8{"\xA0", "\xC2\xA0"}), pruebas::NombrePor<&CasoUtf8::windows1252>());

}  // namespace
}  // namespace ttz
