// Field kinds as the conversions use them: what is written and what reads back.
#include <gtest/gtest.h>

#include "base/errores.h"
#include "comun/carpeta_temporal.h"
#include "comun/nombre_caso.h"
#include "tables/almacen_dbase.h"

namespace ttz::tablas {
namespace {

using pruebas::CarpetaTemporal;

// A table with one field of each kind, holding one record written by escribir.
class CamposDbf : public ::testing::Test {
protected:
    template <typename Escribir>
    std::unique_ptr<Tabla> tablaCon(Escribir escribir, char separador = ',') {
        AlmacenDBase almacen(carpeta.ruta(), separador);
        auto tabla = almacen.recrear("PRUEBA", {DefinicionCampo::texto("TEXTO", 5), DefinicionCampo::entero("ENTERO"),
                                                DefinicionCampo::flotante("FLOTANTE")});
        tabla->anadir();
        escribir(*tabla);
        tabla->grabar();
        tabla->cerrar();
        auto leida = almacen.abrir("PRUEBA", ModoApertura::SoloLecturaCompartida);
        leida->primero();
        return leida;
    }

    CarpetaTemporal carpeta;
};

struct CasoTexto {
    std::string escrito;
    std::string leido;
};

class TextoGuardado : public CamposDbf, public ::testing::WithParamInterface<CasoTexto> {};

TEST_P(TextoGuardado, SeCortaAlAnchoYPierdeLosBlancosFinales) {
    auto tabla = tablaCon([](Tabla& t) { t.ponerTexto("TEXTO", GetParam().escrito); });
    EXPECT_EQ(tabla->comoTexto("TEXTO"), GetParam().leido);
}

INSTANTIATE_TEST_SUITE_P(Casos, TextoGuardado,
                         ::testing::Values(CasoTexto{"ABCD", "ABCD"}, CasoTexto{"ABCDEFGH", "ABCDE"},
                                           CasoTexto{"AB   ", "AB"}, CasoTexto{"  AB", "  AB"},
                                           CasoTexto{"", ""}, CasoTexto{"1\xBD", "1\xBD"},
                                           CasoTexto{"A  B ", "A  B"}),
                         pruebas::NombrePor<&CasoTexto::escrito>());

struct CasoFlotante {
    double valor;
    std::string conComa;
    std::string conPunto;
};

class FlotanteGuardado : public CamposDbf, public ::testing::WithParamInterface<CasoFlotante> {};

TEST_P(FlotanteGuardado, SeLeeExactoYComoTextoMasCorto) {
    auto coma = tablaCon([](Tabla& t) { t.ponerFlotante("FLOTANTE", GetParam().valor); }, ',');
    EXPECT_EQ(coma->comoFlotante("FLOTANTE"), GetParam().valor);
    EXPECT_EQ(coma->comoTexto("FLOTANTE"), GetParam().conComa);
    coma.reset();
    auto punto = tablaCon([](Tabla& t) { t.ponerFlotante("FLOTANTE", GetParam().valor); }, '.');
    EXPECT_EQ(punto->comoTexto("FLOTANTE"), GetParam().conPunto);
}

INSTANTIATE_TEST_SUITE_P(HorasSemanales, FlotanteGuardado,
                         ::testing::Values(CasoFlotante{1, "1", "1"}, CasoFlotante{2.5, "2,5", "2.5"},
                                           CasoFlotante{3.25, "3,25", "3.25"}, CasoFlotante{13.5, "13,5", "13.5"},
                                           CasoFlotante{25.5, "25,5", "25.5"}, CasoFlotante{999999, "999999", "999999"},
                                           CasoFlotante{1.2345, "1,2345", "1.2345"},
                                           CasoFlotante{-7.75, "-7,75", "-7.75"}, CasoFlotante{0, "0", "0"},
                                           CasoFlotante{1e30, "1E30", "1E30"}),
                         pruebas::NombrePor<&CasoFlotante::conComa>());

TEST_F(CamposDbf, UnFlotanteMuyGrandeSeGuardaConExponente) {
    auto tabla = tablaCon([](Tabla& t) { t.ponerFlotante("FLOTANTE", 9.99e101); });
    EXPECT_DOUBLE_EQ(tabla->comoFlotante("FLOTANTE"), 9.99e101);
}

TEST_F(CamposDbf, UnFlotanteNoFinitoNoSeGuarda) {
    AlmacenDBase almacen(carpeta.ruta(), ',');
    auto tabla = almacen.recrear("PRUEBA", {DefinicionCampo::flotante("HORAS")});
    tabla->anadir();
    EXPECT_THROW(tabla->ponerFlotante("HORAS", 1.0 / 0.0), Error);
}

TEST_F(CamposDbf, LosCamposNoPuestosQuedanVacios) {
    auto tabla = tablaCon([](Tabla&) {});
    EXPECT_EQ(tabla->comoTexto("TEXTO"), "");
    EXPECT_EQ(tabla->comoTexto("ENTERO"), "");
    EXPECT_EQ(tabla->comoTexto("FLOTANTE"), "");
    EXPECT_EQ(tabla->comoEntero("ENTERO"), 0);
    EXPECT_EQ(tabla->comoFlotante("ENTERO"), 0);
    EXPECT_EQ(tabla->comoEntero("FLOTANTE"), 0);
    EXPECT_EQ(tabla->comoFlotante("FLOTANTE"), 0);
}

TEST_F(CamposDbf, UnTextoVacioNoEsEntero) {
    auto tabla = tablaCon([](Tabla&) {});
    try {
        tabla->comoEntero("TEXTO");
        FAIL();
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "'' no es un valor entero v\xE1lido");
    }
}

struct CasoEntero {
    std::string texto;
    std::int32_t valor;
};

class TextoComoEntero : public CamposDbf, public ::testing::WithParamInterface<CasoEntero> {};

TEST_P(TextoComoEntero, SeConvierteComoTextoEntero) {
    auto tabla = tablaCon([](Tabla& t) { t.ponerTexto("TEXTO", GetParam().texto); });
    EXPECT_EQ(tabla->comoEntero("TEXTO"), GetParam().valor);
}

INSTANTIATE_TEST_SUITE_P(Casos, TextoComoEntero,
                         ::testing::Values(CasoEntero{"7", 7}, CasoEntero{"  -12", -12}, CasoEntero{"$FF", 255},
                                           CasoEntero{"0800", 800}), pruebas::NombrePor<&CasoEntero::texto>());

TEST_F(CamposDbf, UnTextoQueNoEsEnteroFallaConSuTexto) {
    auto tabla = tablaCon([](Tabla& t) { t.ponerTexto("TEXTO", "  12a  "); });
    try {
        tabla->comoEntero("TEXTO");
        FAIL();
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "'  12a' no es un valor entero v\xE1lido");
    }
}

struct CasoRedondeo {
    double valor;
    std::int32_t entero;
};

class FlotanteComoEntero : public CamposDbf, public ::testing::WithParamInterface<CasoRedondeo> {};

TEST_P(FlotanteComoEntero, SeRedondea) {
    auto tabla = tablaCon([](Tabla& t) {
        t.ponerFlotante("FLOTANTE", GetParam().valor);
        t.ponerFlotante("ENTERO", GetParam().valor);
    });
    EXPECT_EQ(tabla->comoEntero("FLOTANTE"), GetParam().entero);
    EXPECT_EQ(tabla->comoEntero("ENTERO"), GetParam().entero);
    EXPECT_EQ(tabla->comoTexto("ENTERO"), std::to_string(GetParam().entero));
}

INSTANTIATE_TEST_SUITE_P(Casos, FlotanteComoEntero,
                         ::testing::Values(CasoRedondeo{2.4, 2}, CasoRedondeo{2.5, 3}, CasoRedondeo{-2.5, -3},
                                           CasoRedondeo{13.75, 14}, CasoRedondeo{-2147483648.0, -2147483647 - 1}),
                         pruebas::NombrePor<&CasoRedondeo::valor>());

TEST_F(CamposDbf, UnFlotanteFueraDelRangoEnteroNoEsEntero) {
    auto tabla = tablaCon([](Tabla& t) { t.ponerFlotante("FLOTANTE", 3e9); });
    EXPECT_THROW(tabla->comoEntero("FLOTANTE"), Error);
}

TEST_F(CamposDbf, TextoPuestoEnCamposNumericosSeConvierte) {
    auto tabla = tablaCon([](Tabla& t) {
        t.ponerTexto("ENTERO", "-42");
        t.ponerTexto("FLOTANTE", "2,5");
    });
    EXPECT_EQ(tabla->comoEntero("ENTERO"), -42);
    EXPECT_EQ(tabla->comoTexto("ENTERO"), "-42");
    EXPECT_EQ(tabla->comoFlotante("FLOTANTE"), 2.5);
}

TEST_F(CamposDbf, TextoVacioEnUnCampoNumericoLoVacia) {
    auto tabla = tablaCon([](Tabla& t) {
        t.ponerTexto("ENTERO", "5");
        t.ponerTexto("ENTERO", "");
    });
    EXPECT_EQ(tabla->comoTexto("ENTERO"), "");
}

TEST_F(CamposDbf, TextoQueNoEsNumeroNoSePoneEnUnCampoNumerico) {
    AlmacenDBase almacen(carpeta.ruta(), ',');
    auto tabla = almacen.recrear("PRUEBA", {DefinicionCampo::entero("N")});
    tabla->anadir();
    try {
        tabla->ponerTexto("N", "1x");
        FAIL();
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "'1x' no es un valor entero v\xE1lido");
    }
}

TEST_F(CamposDbf, FlotantePuestoEnTextoUsaElSeparadorDelUsuario) {
    auto tabla = tablaCon([](Tabla& t) { t.ponerFlotante("TEXTO", 2.25); });
    EXPECT_EQ(tabla->comoTexto("TEXTO"), "2,25");
    EXPECT_EQ(tabla->comoFlotante("TEXTO"), 2.25);
}

TEST_F(CamposDbf, LosNombresDeCampoIgnoranMayusculas) {
    auto tabla = tablaCon([](Tabla& t) { t.ponerTexto("texto", "abc"); });
    EXPECT_EQ(tabla->campo("Texto"), 0);
    EXPECT_EQ(tabla->campo("flotante"), 2);
    EXPECT_EQ(tabla->comoTexto("tExTo"), "abc");
}

TEST_F(CamposDbf, UnCampoQueNoExisteFallaConSuNombre) {
    auto tabla = tablaCon([](Tabla&) {});
    try {
        tabla->campo("Horas");
        FAIL();
    } catch (const ErrorCampo& e) {
        EXPECT_STREQ(e.what(), "No se encuentra el campo 'Horas'");
    }
}

}  // namespace
}  // namespace ttz::tablas
