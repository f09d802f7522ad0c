// Tables that another program wrote: deleted records, its numeric kinds, damaged files.
#include <gtest/gtest.h>

#include "base/errores.h"
#include "comun/carpeta_temporal.h"
#include "comun/dbf_a_mano.h"
#include "comun/mensaje_error.h"
#include "comun/nombre_caso.h"
#include "tables/almacen_dbase.h"

namespace ttz::tablas {
namespace {

using pruebas::CampoAMano;
using pruebas::CarpetaTemporal;
using pruebas::dbfAMano;
using pruebas::FormatoAMano;
using pruebas::ponerEntero;

class DbfAjenos : public ::testing::Test {
protected:
    std::vector<std::string> recorrer(const std::string& campo) {
        auto tabla = almacen.abrir("AJENA", ModoApertura::SoloLecturaCompartida);
        std::vector<std::string> valores;
        for (tabla->primero(); !tabla->finDeTabla(); tabla->siguiente()) valores.push_back(tabla->comoTexto(campo));
        return valores;
    }

    CarpetaTemporal carpeta;
    AlmacenDBase almacen{carpeta.ruta(), ','};
};

TEST_F(DbfAjenos, LosRegistrosBorradosNoSeVen) {
    carpeta.escribir("AJENA.DBF", dbfAMano({{"COD", 'C', 2}}, {"*A1", " B2", "*C3", "*C4", " D5", "*E6"}));
    EXPECT_EQ(recorrer("COD"), (std::vector<std::string>{"B2", "D5"}));
}

TEST_F(DbfAjenos, UnaTablaDeSoloBorradosEstaVacia) {
    carpeta.escribir("AJENA.DBF", dbfAMano({{"COD", 'C', 2}}, {"*A1", "*B2"}));
    EXPECT_TRUE(recorrer("COD").empty());
}

TEST_F(DbfAjenos, EditarSaltaLosBorradosYLosConserva) {
    carpeta.escribir("AJENA.DBF", dbfAMano({{"COD", 'C', 2}}, {"*A1", " B2"}));
    {
        auto tabla = almacen.abrir("AJENA", ModoApertura::LecturaEscrituraExclusiva);
        tabla->primero();
        tabla->editar();
        tabla->ponerTexto("COD", "ZZ");
        tabla->cerrar();  // unposted: dropped
    }
    {
        auto tabla = almacen.abrir("AJENA", ModoApertura::LecturaEscrituraExclusiva);
        tabla->primero();
        tabla->editar();
        tabla->ponerTexto("COD", "XX");
        tabla->grabar();
        tabla->cerrar();
    }
    EXPECT_EQ(recorrer("COD"), std::vector<std::string>{"XX"});
    EXPECT_EQ(pruebas::leerBytes(carpeta / "AJENA.DBF"), dbfAMano({{"COD", 'C', 2}}, {"*A1", " XX"}));
}

// Other writers' formats, read by hand-made tables of their published layouts.
std::string hex(std::string_view digitos) {
    std::string bytes;
    for (std::size_t i = 0; i + 1 < digitos.size(); i += 2)
        bytes += static_cast<char>(std::stoi(std::string(digitos.substr(i, 2)), nullptr, 16));
    return bytes;
}

const FormatoAMano kDBase3Memo{'\x83', '\x57'}, kDBase4{'\x8B', '\x57'}, kDBase7{'\x04', '\x57', "DBWINUS0"},
    kFoxPro2{'\xF5', '\x03'}, kVisualFoxPro{'\x30', '\x03'};

struct CasoNumero {
    char tipo;
    int ancho;
    int decimales;
    std::string bytes;
    std::string texto;
    std::int32_t entero;
    double flotante;
    FormatoAMano formato = {};
};

class NumerosAjenos : public DbfAjenos, public ::testing::WithParamInterface<CasoNumero> {};

// A deleted record of other bytes comes first: it is never read.
TEST_P(NumerosAjenos, SeLeenComoNumeros) {
    const auto& caso = GetParam();
    const std::string borrado = "*" + std::string(caso.bytes.size(), 'X');
    carpeta.escribir("AJENA.DBF", dbfAMano({{"V", caso.tipo, caso.ancho, caso.decimales}}, {borrado, " " + caso.bytes},
                                           caso.formato));
    auto tabla = almacen.abrir("AJENA", ModoApertura::SoloLecturaCompartida);
    tabla->primero();
    EXPECT_EQ(tabla->comoTexto("V"), caso.texto);
    EXPECT_EQ(tabla->comoEntero("V"), caso.entero);
    EXPECT_EQ(tabla->comoFlotante("V"), caso.flotante);
    tabla->siguiente();
    EXPECT_TRUE(tabla->finDeTabla());
}

INSTANTIATE_TEST_SUITE_P(
    Casos, NumerosAjenos,
    ::testing::Values(CasoNumero{'N', 6, 2, "  2.50", "2,5", 3, 2.5},
                      CasoNumero{'F', 10, 3, "    -1.500", "-1,5", -2, -1.5},
                      CasoNumero{'N', 5, 0, "   42", "42", 42, 42},
                      CasoNumero{'N', 4, 0, "-007", "-7", -7, -7},
                      CasoNumero{'N', 5, 0, "     ", "", 0, 0},
                      CasoNumero{'F', 8, 2, "        ", "", 0, 0},
                      CasoNumero{'N', 3, 0, "1  ", "1", 1, 1},
                      CasoNumero{'F', 10, 0, "    1.5E+2", "150", 150, 150},
                      CasoNumero{'I', 4, 0, hex("80000001"), "1", 1, 1, kDBase7},
                      CasoNumero{'I', 4, 0, hex("7FFFFFFF"), "-1", -1, -1, kDBase7},
                      CasoNumero{'I', 4, 0, hex("00000000"), "", 0, 0, kDBase7},
                      CasoNumero{'+', 4, 0, hex("8000002A"), "42", 42, 42, kDBase7},
                      CasoNumero{'O', 8, 0, hex("C004000000000000"), "2,5", 3, 2.5, kDBase7},
                      CasoNumero{'O', 8, 0, hex("4007FFFFFFFFFFFF"), "-1,5", -2, -1.5, kDBase7},
                      CasoNumero{'F', 6, 2, "  2.50", "2,5", 3, 2.5, kDBase4},
                      CasoNumero{'I', 4, 0, hex("07000000"), "7", 7, 7, kFoxPro2},
                      CasoNumero{'N', 3, 0, " 12", "12", 12, 12, kFoxPro2},
                      CasoNumero{'I', 4, 0, hex("FEFFFFFF"), "-2", -2, -2, kVisualFoxPro},
                      CasoNumero{'B', 8, 0, hex("0000000000000440"), "2,5", 3, 2.5, kVisualFoxPro},
                      CasoNumero{'Y', 8, 0, hex("40E2010000000000"), "12,3456", 12, 12.3456, kVisualFoxPro},
                      CasoNumero{'Y', 8, 0, hex("589EFFFFFFFFFFFF"), "-2,5", -3, -2.5, kVisualFoxPro}),
    (pruebas::NombrePor<&CasoNumero::tipo, &CasoNumero::bytes>()));

TEST_F(DbfAjenos, UnNumeroIlegibleFalla) {
    carpeta.escribir("AJENA.DBF", dbfAMano({{"V", 'N', 3, 0}}, {" ***"}));
    auto tabla = almacen.abrir("AJENA", ModoApertura::SoloLecturaCompartida);
    tabla->primero();
    EXPECT_THROW(tabla->comoEntero("V"), Error);
}

TEST_F(DbfAjenos, OtrosTiposSeLeenComoTexto) {
    carpeta.escribir("AJENA.DBF", dbfAMano({{"F", 'D', 8}, {"L", 'L', 1}}, {" 20240131T"}));
    auto tabla = almacen.abrir("AJENA", ModoApertura::SoloLecturaCompartida);
    tabla->primero();
    EXPECT_EQ(tabla->comoTexto("F"), "20240131");
    EXPECT_EQ(tabla->comoEntero("F"), 20240131);
    EXPECT_EQ(tabla->comoTexto("L"), "T");
}

TEST_F(DbfAjenos, UnTextoLargoGuardaElByteAltoDeSuAnchoEnLosDecimales) {
    std::string bytes = dbfAMano({{"T", 'C', 44, 1}}, {" " + std::string(299, 'a') + "b"});
    carpeta.escribir("AJENA.DBF", bytes);
    auto tabla = almacen.abrir("AJENA", ModoApertura::SoloLecturaCompartida);
    tabla->primero();
    EXPECT_EQ(tabla->comoTexto("T"), std::string(299, 'a') + "b");
}

// A damaged file is reported, never read past its end.
struct CasoDanado {
    const char* nombre;
    void (*danar)(std::string& bytes);
};

class TablasDanadas : public DbfAjenos, public ::testing::WithParamInterface<CasoDanado> {};

TEST_P(TablasDanadas, SeDicenDanadas) {
    std::string bytes = dbfAMano({{"COD", 'C', 4}, {"NUM", 'N', 5}}, {" ABCD   12", " EFGH   34"});
    GetParam().danar(bytes);
    carpeta.escribir("AJENA.DBF", bytes);
    try {
        almacen.abrir("AJENA", ModoApertura::SoloLecturaCompartida);
        FAIL();
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()), "La tabla \"" + (carpeta / "AJENA.DBF").string() + "\" est\xE1 da\xF1" "ada");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Casos, TablasDanadas,
    ::testing::Values(
        CasoDanado{"Vacia", [](std::string& b) { b.clear(); }},
        CasoDanado{"SoloUnaParteDeLaCabecera", [](std::string& b) { b.resize(20); }},
        CasoDanado{"CabeceraCorta", [](std::string& b) { ponerEntero(b, 8, 32, 2); }},
        CasoDanado{"CabeceraMasLargaQueElArchivo", [](std::string& b) { ponerEntero(b, 8, 60000, 2); }},
        CasoDanado{"SinFinDeCampos", [](std::string& b) { b[96] = 'X'; }},
        CasoDanado{"CabeceraQueCortaUnCampo", [](std::string& b) { ponerEntero(b, 8, 80, 2); }},
        CasoDanado{"RegistroMasCortoQueLosCampos", [](std::string& b) { ponerEntero(b, 10, 9, 2); }},
        CasoDanado{"MasRegistrosQueBytes", [](std::string& b) { ponerEntero(b, 4, 3, 4); }},
        CasoDanado{"CuentaEnorme", [](std::string& b) { ponerEntero(b, 4, 0xFFFFFFFFu, 4); }},
        CasoDanado{"RegistroEnorme", [](std::string& b) { ponerEntero(b, 10, 0xFFFF, 2); }},
        CasoDanado{"CampoDeAnchoCero", [](std::string& b) { b[32 + 16] = 0; }},
        CasoDanado{"SinCampos", [](std::string& b) { b = b.substr(0, 32) + "\x0D"; ponerEntero(b, 8, 33, 2);
                                                       ponerEntero(b, 4, 0, 4); }},
        CasoDanado{"RegistrosCortados", [](std::string& b) { b.resize(b.size() - 5); }}),
    pruebas::NombrePor<&CasoDanado::nombre>());


struct CasoSoloTexto {
    const char* nombre;
    FormatoAMano formato;
    char tipo;
    int ancho;
    std::string bytes;
    std::string texto;  // empty: the field is not read as text either
    std::string palabras;
};

class SoloTextoDeOtrosFormatos : public DbfAjenos, public ::testing::WithParamInterface<CasoSoloTexto> {};

TEST_P(SoloTextoDeOtrosFormatos, SeLeenComoTextoYNoComoNumero) {
    const auto& caso = GetParam();
    carpeta.escribir("AJENA.DBF", dbfAMano({{"V", caso.tipo, caso.ancho}}, {" " + caso.bytes}, caso.formato));
    auto tabla = almacen.abrir("AJENA", ModoApertura::SoloLecturaCompartida);
    tabla->primero();
    const std::string tipo = "El campo 'V' de la tabla \"" + (carpeta / "AJENA.DBF").string() + "\" es de tipo " +
                             caso.palabras;
    EXPECT_EQ(pruebas::mensajeDeError([&] { EXPECT_EQ(tabla->comoTexto("V"), caso.texto); }),
              caso.texto.empty() ? tipo + " y no se puede leer como texto. Guarde la tabla con ese campo de texto"
                                 : "(sin error)");
    const std::string mensaje = tipo + " y no se puede leer como n\xFAmero. Guarde la tabla con ese campo "
                                "num\xE9rico o de texto";
    EXPECT_EQ(pruebas::mensajeDeError([&] { tabla->comoEntero("V"); }), mensaje);
    EXPECT_EQ(pruebas::mensajeDeError([&] { tabla->comoFlotante("V"); }), mensaje);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, SoloTextoDeOtrosFormatos,
    ::testing::Values(
        CasoSoloTexto{"VisualFoxProFechaHora", kVisualFoxPro, 'T', 8, hex("B58A250090C4F302"),
                      "20240131134530", "fecha y hora"},
        CasoSoloTexto{"DBase7FechaHora", kDBase7, '@', 8, hex("00258AB502F3C490"), "20240131134530",
                      "fecha y hora"},
        CasoSoloTexto{"DBase4Memo", kDBase4, 'M', 10, "         1", "", "memo"},
        CasoSoloTexto{"DBase7Binario", kDBase7, 'B', 10, "         2", "", "binario"},
        CasoSoloTexto{"FoxPro2General", kFoxPro2, 'G', 10, "         3", "", "objeto OLE"},
        CasoSoloTexto{"VisualFoxProImagen", kVisualFoxPro, 'P', 4, hex("04000000"), "", "imagen"},
        CasoSoloTexto{"VisualFoxProBlob", kVisualFoxPro, 'W', 4, hex("05000000"), "", "binario"},
        CasoSoloTexto{"EnteroDeOtroAncho", kVisualFoxPro, 'I', 2, hex("0100"), "", "binario"},
        CasoSoloTexto{"VarcharDeDBase", kDBase4, 'V', 4, std::string("ab\0\x02", 4), "", "texto variable"}),
    pruebas::NombrePor<&CasoSoloTexto::nombre>());

// COD and NUM may be null: bits 0 and 1 of the null flags; TXT and BIN, variable text shorter
// than their field when bits 2 and 3 are set, their length in their last byte.
TEST_F(DbfAjenos, LosNulosDeVisualFoxProSeLeenVaciosYSusMarcasNoSeEncuentran) {
    const std::vector<CampoAMano> campos{{"COD", 'C', 2, 0, 2}, {"NUM", 'I', 4, 0, 2}, {"TXT", 'V', 4},
                                         {"BIN", 'Q', 3}, {"_NullFlags", '0', 1, 0, 1}};
    const std::string valores = " AB" + hex("05000000");
    carpeta.escribir("AJENA.DBF", dbfAMano(campos, {valores + std::string("P1\0\x02P5\x01\x0D", 7) + '\x0C',
                                                    valores + "P123XYZ\x01", valores + "P12\x03P\x07\x02\x0E"},
                                           kVisualFoxPro));
    EXPECT_EQ(recorrer("COD"), (std::vector<std::string>{"AB", "", "AB"}));
    EXPECT_EQ(recorrer("NUM"), (std::vector<std::string>{"5", "5", ""}));
    EXPECT_EQ(recorrer("TXT"), (std::vector<std::string>{"P1", "P123", "P12"}));
    EXPECT_EQ(recorrer("BIN"), (std::vector<std::string>{"P", "XYZ", "P\x07"}));
    auto tabla = almacen.abrir("AJENA", ModoApertura::SoloLecturaCompartida);
    EXPECT_THROW(tabla->campo("_NullFlags"), ErrorCampo);
}

struct CasoPagina {
    const char* nombre;
    FormatoAMano formato;
    std::string guardado;
    std::string leido;
};

class PaginasDeCodigos : public DbfAjenos, public ::testing::WithParamInterface<CasoPagina> {};

TEST_P(PaginasDeCodigos, ElTextoSeLeeEnWindows1252) {
    const auto& caso = GetParam();
    const int ancho = static_cast<int>(caso.guardado.size());
    carpeta.escribir("AJENA.DBF", dbfAMano({{"COD", 'C', ancho}}, {" " + caso.guardado}, caso.formato));
    EXPECT_EQ(recorrer("COD"), std::vector<std::string>{caso.leido});
}

INSTANTIATE_TEST_SUITE_P(
    Casos, PaginasDeCodigos,
    ::testing::Values(CasoPagina{"Dos437", {'\x03', '\x01'}, "P\xA5" "3", "P\xD1" "3"},
                      CasoPagina{"Dos850Espanol", {'\x03', '\x14'}, "P\xA5" "3", "P\xD1" "3"},
                      CasoPagina{"FoxPro2Dos850", {'\xF5', '\x02'}, "\xA5", "\xD1"},
                      CasoPagina{"DBase7Dos437", {'\x04', '\x57', "DB437ES1"}, "\xA5", "\xD1"},
                      CasoPagina{"DBase7Windows", {'\x04', '\x01', "DBWINES0"}, "\xA5", "\xA5"},
                      CasoPagina{"WindowsEspanol", {'\x03', '\x59'}, "\xA5", "\xA5"}),
    pruebas::NombrePor<&CasoPagina::nombre>());

TEST_F(DbfAjenos, UnCaracterQueWindows1252NoTieneNombraTablaCampoYRegistro) {
    carpeta.escribir("AJENA.DBF", dbfAMano({{"COD", 'C', 2}}, {"*AB", " A\xB3"}, {'\x03', '\x01'}));
    auto tabla = almacen.abrir("AJENA", ModoApertura::SoloLecturaCompartida);
    tabla->primero();
    EXPECT_EQ(pruebas::mensajeDeError([&] { tabla->comoTexto("COD"); }),
              "El campo 'COD' del registro 2 de la tabla \"" + (carpeta / "AJENA.DBF").string() +
                  "\" tiene un car\xE1" "cter de MS-DOS que ZEDA no puede recibir, como los que dibujan recuadros. "
                  "Cambie ese car\xE1" "cter en la tabla y vuelva a intentarlo");
}

class OtrosFormatosSinCambios : public DbfAjenos, public ::testing::WithParamInterface<CasoPagina> {};

TEST_P(OtrosFormatosSinCambios, NoSeDejanCambiarYQuedanIguales) {
    const std::string bytes = dbfAMano({{"COD", 'C', 3}}, {" " + GetParam().guardado}, GetParam().formato);
    carpeta.escribir("AJENA.DBF", bytes);
    const std::string mensaje = "La tabla \"" + (carpeta / "AJENA.DBF").string() +
                                "\" est\xE1 en un formato de dBase que este programa solo lee, y no la cambia. "
                                "Para cambiarla aqu\xED, gu\xE1rdela antes como dBase III";
    {
        auto tabla = almacen.abrir("AJENA", ModoApertura::LecturaEscrituraExclusiva);
        tabla->primero();
        EXPECT_EQ(pruebas::mensajeDeError([&] { tabla->editar(); }), mensaje);
        EXPECT_EQ(pruebas::mensajeDeError([&] { tabla->anadir(); }), mensaje);
        tabla->cerrar();
    }
    EXPECT_EQ(pruebas::leerBytes(carpeta / "AJENA.DBF"), bytes);
}

INSTANTIATE_TEST_SUITE_P(Casos, OtrosFormatosSinCambios,
                         ::testing::Values(CasoPagina{"DBase3ConMemo", kDBase3Memo, "abc", ""},
                                           CasoPagina{"DBase7", kDBase7, "abc", ""},
                                           CasoPagina{"FoxPro2", kFoxPro2, "abc", ""},
                                           CasoPagina{"VisualFoxPro", kVisualFoxPro, "abc", ""}),
                         pruebas::NombrePor<&CasoPagina::nombre>());

}  // namespace
}  // namespace ttz::tablas
