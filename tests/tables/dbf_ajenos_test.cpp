// Tables that another program wrote: deleted records, its numeric kinds, damaged files.
#include <gtest/gtest.h>

#include "base/errores.h"
#include "comun/carpeta_temporal.h"
#include "comun/nombre_caso.h"
#include "tables/almacen_dbase.h"
#include "tables/dbf_a_mano.h"

namespace ttz::tablas {
namespace {

using pruebas::CampoAMano;
using pruebas::CarpetaTemporal;
using pruebas::dbfAMano;
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

struct CasoNumero {
    char tipo;
    int ancho;
    int decimales;
    std::string bytes;
    std::string texto;
    std::int32_t entero;
    double flotante;
};

class NumerosAjenos : public DbfAjenos, public ::testing::WithParamInterface<CasoNumero> {};

TEST_P(NumerosAjenos, SeLeenComoNumeros) {
    const auto& caso = GetParam();
    carpeta.escribir("AJENA.DBF", dbfAMano({{"V", caso.tipo, caso.ancho, caso.decimales}}, {" " + caso.bytes}));
    auto tabla = almacen.abrir("AJENA", ModoApertura::SoloLecturaCompartida);
    tabla->primero();
    EXPECT_EQ(tabla->comoTexto("V"), caso.texto);
    EXPECT_EQ(tabla->comoEntero("V"), caso.entero);
    EXPECT_EQ(tabla->comoFlotante("V"), caso.flotante);
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
                      CasoNumero{'F', 10, 0, "    1.5E+2", "150", 150, 150}),
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

}  // namespace
}  // namespace ttz::tablas
