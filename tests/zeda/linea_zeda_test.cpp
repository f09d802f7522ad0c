#include "zeda/linea_zeda.h"

#include <gtest/gtest.h>

#include <string>

#include "comun/nombre_caso.h"

namespace ttz::zeda {
namespace {

struct CasoClase {
    std::string linea;
    ClaseLinea clase;
};

void PrintTo(const CasoClase& caso, std::ostream* salida) {
    *salida << testing::PrintToString(caso.linea);
}

class ClaseDeLinea : public testing::TestWithParam<CasoClase> {};

TEST_P(ClaseDeLinea, SeDecidePorElPrimerCaracter) {
    EXPECT_EQ(LineaZEDA(GetParam().linea).clase(), GetParam().clase);
}

INSTANTIATE_TEST_SUITE_P(Lineas, ClaseDeLinea, testing::Values(
    CasoClase{"0", ClaseLinea::Cabecera},
    CasoClase{"0ZEDA_PROF.TXT", ClaseLinea::Cabecera},
    CasoClase{"9", ClaseLinea::Pie},
    CasoClase{" 0", ClaseLinea::Datos},
    CasoClase{"", ClaseLinea::Datos},
    CasoClase{"1abc", ClaseLinea::Datos},
    CasoClase{"\xD8", ClaseLinea::Datos}), pruebas::NombrePor<&CasoClase::linea>());

TEST(LineaZEDA, CabeceraYPieNoSonDatos) {
    EXPECT_TRUE(LineaZEDA("0").esCabeceraOPie());
    EXPECT_TRUE(LineaZEDA("9x").esCabeceraOPie());
    EXPECT_FALSE(LineaZEDA("").esCabeceraOPie());
}

struct CasoCampo {
    int columna;
    int longitud;
    std::string esperado;
};

void PrintTo(const CasoCampo& caso, std::ostream* salida) {
    *salida << testing::PrintToString(caso.columna) << ", " << testing::PrintToString(caso.longitud);
}

class CampoDeLinea : public testing::TestWithParam<CasoCampo> {};

// A line of 30 characters: "abcdefghijklmnopqrstuvwxyz0123".
TEST_P(CampoDeLinea, CortaSinFallarNiRellenar) {
    const LineaZEDA linea("abcdefghijklmnopqrstuvwxyz0123");
    EXPECT_EQ(linea.campo(GetParam().columna, GetParam().longitud), GetParam().esperado);
}

INSTANTIATE_TEST_SUITE_P(Campos, CampoDeLinea, testing::Values(
    CasoCampo{26, 150, "z0123"},
    CasoCampo{96, 50, ""},
    CasoCampo{31, 1, ""},
    CasoCampo{30, 5, "3"},
    CasoCampo{1, 3, "abc"},
    CasoCampo{2, 2, "bc"},
    CasoCampo{0, 2, "ab"},
    CasoCampo{-7, 2, "ab"},
    CasoCampo{5, 0, ""},
    CasoCampo{5, -3, ""}), (pruebas::NombrePor<&CasoCampo::columna, &CasoCampo::longitud>()));

TEST(LineaZEDA, LineaVaciaDaCamposVacios) {
    const LineaZEDA linea("");
    EXPECT_EQ(linea.campo(1, 10), "");
    EXPECT_EQ(linea.campoRecortado(2, 50), "");
}

TEST(LineaZEDA, CampoRecortado) {
    EXPECT_EQ(LineaZEDA("x  ab c \t\x01").campoRecortado(2, 20), "ab c");
}

struct CasoRecorte {
    std::string texto;
    std::string esperado;
};

void PrintTo(const CasoRecorte& caso, std::ostream* salida) {
    *salida << testing::PrintToString(caso.texto);
}

class Recorte : public testing::TestWithParam<CasoRecorte> {};

TEST_P(Recorte, QuitaSoloCodigosHasta32) {
    EXPECT_EQ(recortar(GetParam().texto), GetParam().esperado);
}

INSTANTIATE_TEST_SUITE_P(Textos, Recorte, testing::Values(
    CasoRecorte{"  abc  ", "abc"},
    CasoRecorte{std::string("\0\x01\x1F a b\t\r\n ", 11), "a b"},
    CasoRecorte{"\xA0" "abc\xA0", "\xA0" "abc\xA0"},
    CasoRecorte{"\x7F" "a\x7F", "\x7F" "a\x7F"},
    CasoRecorte{"\x80x\xFF", "\x80x\xFF"},
    CasoRecorte{"   ", ""},
    CasoRecorte{"", ""}), pruebas::NombrePor<&CasoRecorte::texto>());

TEST(NombrePropio, CampoRecortadoYEnMayusculas) {
    const std::string columnas2a51 = "  zeda_prof.txt" + std::string(35, ' ');
    EXPECT_TRUE(LineaZEDA("1" + columnas2a51 + "resto").tieneNombrePropio("ZEDA_PROF.TXT"));
    EXPECT_FALSE(LineaZEDA("1" + columnas2a51.substr(1) + "resto").tieneNombrePropio("ZEDA_PROF.TXT"));
    EXPECT_TRUE(LineaZEDA("1ZEDA_PROF.TXT").tieneNombrePropio("ZEDA_PROF.TXT"));
    EXPECT_FALSE(LineaZEDA("1ZEDA_PROF.TXTX").tieneNombrePropio("ZEDA_PROF.TXT"));
    EXPECT_FALSE(LineaZEDA("ZEDA_PROF.TXT").tieneNombrePropio("ZEDA_PROF.TXT"));
    EXPECT_FALSE(LineaZEDA("").tieneNombrePropio("ZEDA_PROF.TXT"));
}

TEST(NombrePropio, MiraSoloLasColumnas2a51) {
    const std::string antes = "1" + std::string(45, ' ') + "ZEDA_";
    EXPECT_FALSE(LineaZEDA(antes + "PROF.TXT").tieneNombrePropio("ZEDA_PROF.TXT"));
    EXPECT_TRUE(LineaZEDA("1" + std::string(50, ' ') + "ZEDA_PROF.TXT").tieneNombrePropio(""));
}

TEST(NombrePropio, LasLineasDeDatosDelLectorNoLoLlevan) {
    EXPECT_FALSE(LineaZEDA("1  zeda_prof.txt  ").esDatosDe("ZEDA_PROF.TXT"));
    EXPECT_FALSE(LineaZEDA("0ZEDA_PROF.TXT").esDatosDe("OTRO"));
    EXPECT_TRUE(LineaZEDA("1 zeda_grupo.txt").esDatosDe("ZEDA_GRUPOS.TXT"));
    EXPECT_TRUE(LineaZEDA("").esDatosDe("ZEDA_PROF.TXT"));
}

struct CasoRelleno {
    std::string valor;
    int ancho;
    std::string anadido;
};

void PrintTo(const CasoRelleno& caso, std::ostream* salida) {
    *salida << testing::PrintToString(caso.valor) << ", " << testing::PrintToString(caso.ancho);
}

class Relleno : public testing::TestWithParam<CasoRelleno> {};

TEST_P(Relleno, AnadeElValorEnteroYBlancos) {
    std::string linea = "pre";
    RellenarCampo(linea, GetParam().valor, GetParam().ancho);
    EXPECT_EQ(linea, "pre" + GetParam().anadido);
}

INSTANTIATE_TEST_SUITE_P(Valores, Relleno, testing::Values(
    CasoRelleno{"abc", 8, "abc     "},
    CasoRelleno{"abcdefghijkl", 8, "abcdefghijkl"},
    CasoRelleno{"abcdefgh", 8, "abcdefgh"},
    CasoRelleno{"", 200, std::string(95, ' ')},
    CasoRelleno{"", 95, std::string(95, ' ')},
    CasoRelleno{"a", 97, std::string("a").append(95, ' ')},
    CasoRelleno{"", 0, ""},
    CasoRelleno{"ab", -5, "ab"}), (pruebas::NombrePor<&CasoRelleno::valor, &CasoRelleno::ancho>()));

}  // namespace
}  // namespace ttz::zeda
