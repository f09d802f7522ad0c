// The store's files: their bytes, their names, staged recreation and records order.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <limits>

#include "base/errores.h"
#include "comun/carpeta_temporal.h"
#include "comun/dbf_a_mano.h"
#include "comun/mensaje_error.h"
#include "tables/almacen_dbase.h"

namespace ttz::tablas {
namespace {

namespace fs = std::filesystem;
using pruebas::CampoAMano;
using pruebas::CarpetaTemporal;
using pruebas::dbfAMano;
using pruebas::leerBytes;

using pruebas::mensajeDeError;
using pruebas::nombresEn;

class Almacen : public ::testing::Test {
protected:
    std::unique_ptr<Tabla> recrearCodigos() {
        return almacen.recrear("CODIGOS", {DefinicionCampo::texto("COD", 4), DefinicionCampo::entero("NUM")});
    }

    void escribirCodigos(const std::vector<std::string>& codigos) {
        auto tabla = recrearCodigos();
        for (const auto& codigo : codigos) {
            tabla->anadir();
            tabla->ponerTexto("COD", codigo);
            tabla->grabar();
        }
        tabla->cerrar();
    }

    std::vector<std::string> leerCodigos(const std::string& nombre = "CODIGOS") {
        auto tabla = almacen.abrir(nombre, ModoApertura::SoloLecturaCompartida);
        std::vector<std::string> codigos;
        for (tabla->primero(); !tabla->finDeTabla(); tabla->siguiente()) codigos.push_back(tabla->comoTexto("COD"));
        tabla->cerrar();
        return codigos;
    }

    CarpetaTemporal carpeta;
    AlmacenDBase almacen{carpeta.ruta(), ','};
};

// Today's date as a dBase header holds it: years since 1900, month, day.
std::string hoyEnCabecera() {
    const std::chrono::year_month_day hoy{std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now())};
    return {static_cast<char>(static_cast<int>(hoy.year()) - 1900), static_cast<char>(unsigned(hoy.month())),
            static_cast<char>(unsigned(hoy.day()))};
}

TEST_F(Almacen, EscribeUnaTablaDBaseIIIConLaPaginaDeCodigosDeWindows) {
    const std::string hoy = hoyEnCabecera();
    auto tabla = almacen.recrear("ASIGT", {DefinicionCampo::texto("CASIG", 4), DefinicionCampo::entero("DNI"),
                                           DefinicionCampo::flotante("HORAS")});
    tabla->anadir();
    tabla->ponerTexto("CASIG", "MAT");
    tabla->ponerFlotante("HORAS", 2.5);
    tabla->grabar();
    tabla->anadir();
    tabla->ponerFlotante("DNI", -12);
    tabla->grabar();
    tabla->cerrar();

    std::string esperado = dbfAMano({{"CASIG", 'C', 4}, {"DNI", 'N', 11}, {"HORAS", 'N', 20, 4}},
                                    {" MAT " + std::string(11, ' ') + std::string(14, ' ') + "2.5000",
                                     " " + std::string(4, ' ') + std::string(8, ' ') + "-12" + std::string(20, ' ')});
    esperado[29] = '\x57';
    std::string escrito = leerBytes(carpeta / "ASIGT.DBF");
    ASSERT_EQ(escrito.size(), esperado.size());
    const std::string fecha = escrito.substr(1, 3);  // of the creation, around midnight either day
    EXPECT_TRUE(fecha == hoy || fecha == hoyEnCabecera());
    escrito.replace(1, 3, esperado.substr(1, 3));
    EXPECT_EQ(escrito, esperado);
    EXPECT_EQ(nombresEn(carpeta.ruta()), std::vector<std::string>{"ASIGT.DBF"});
}

TEST_F(Almacen, UnaTablaSinRegistrosEsSuCabeceraConLosNombresEnMayusculas) {
    almacen.recrear("vacia", {DefinicionCampo::texto("cod", 254), DefinicionCampo::flotante("Horas")})->cerrar();
    std::string esperado = dbfAMano({{"COD", 'C', 254}, {"HORAS", 'N', 20, 4}}, {});
    esperado[29] = '\x57';
    std::string escrito = leerBytes(carpeta / "VACIA.DBF");
    ASSERT_EQ(escrito.size(), esperado.size());
    escrito.replace(1, 3, esperado.substr(1, 3));
    EXPECT_EQ(escrito, esperado);
}

TEST_F(Almacen, LosRegistrosSiguenEnElOrdenDeAltaTrasEditarlos) {
    escribirCodigos({"A", "B", "C"});
    {
        auto tabla = almacen.abrir("CODIGOS", ModoApertura::LecturaEscrituraExclusiva);
        tabla->primero();
        tabla->siguiente();
        tabla->editar();
        tabla->ponerTexto("COD", "BB");
        tabla->grabar();
        tabla->anadir();
        tabla->ponerTexto("COD", "D");
        tabla->grabar();
        tabla->cerrar();
    }
    EXPECT_EQ(leerCodigos(), (std::vector<std::string>{"A", "BB", "C", "D"}));
}

TEST_F(Almacen, MoverseOAnadirGrabaElRegistroEnCambio) {
    auto tabla = recrearCodigos();
    tabla->anadir();
    tabla->ponerTexto("COD", "A");
    tabla->anadir();  // posts "A"
    tabla->ponerTexto("COD", "B");
    tabla->primero();  // posts "B"
    tabla->editar();
    tabla->ponerTexto("COD", "A2");
    tabla->siguiente();  // posts "A2"
    EXPECT_EQ(tabla->comoTexto("COD"), "B");
    tabla->cerrar();
    EXPECT_EQ(leerCodigos(), (std::vector<std::string>{"A2", "B"}));
}

TEST_F(Almacen, CerrarDescartaElRegistroEnCambio) {
    auto tabla = recrearCodigos();
    tabla->anadir();
    tabla->ponerTexto("COD", "A");
    tabla->grabar();
    tabla->anadir();
    tabla->ponerTexto("COD", "B");
    tabla->cerrar();
    EXPECT_EQ(leerCodigos(), std::vector<std::string>{"A"});
}

TEST_F(Almacen, LeerDuranteUnCambioDaLosValoresNuevos) {
    escribirCodigos({"A"});
    auto tabla = almacen.abrir("CODIGOS", ModoApertura::LecturaEscrituraExclusiva);
    tabla->primero();
    tabla->editar();
    tabla->ponerTexto("COD", "Z");
    EXPECT_EQ(tabla->comoTexto("COD"), "Z");
    EXPECT_FALSE(tabla->finDeTabla());
}

// Enough records to pass through the append buffer and the read window several times.
TEST_F(Almacen, MuchosRegistrosSeEditanEnSuSitio) {
    const int cuantos = 150000;
    auto tabla = recrearCodigos();
    for (int i = 0; i < cuantos; ++i) {
        tabla->anadir();
        tabla->ponerTexto("NUM", std::to_string(i));
        tabla->grabar();
    }
    int i = 0;
    for (tabla->primero(); !tabla->finDeTabla(); tabla->siguiente(), ++i) {
        ASSERT_EQ(tabla->comoEntero("NUM"), i);
        if (i % 3 == 0) {
            tabla->editar();
            tabla->ponerFlotante("NUM", -i);
            tabla->grabar();
        }
    }
    EXPECT_EQ(i, cuantos);
    tabla->cerrar();
    auto leida = almacen.abrir("CODIGOS", ModoApertura::SoloLecturaCompartida);
    i = 0;
    for (leida->primero(); !leida->finDeTabla(); leida->siguiente(), ++i)
        ASSERT_EQ(leida->comoEntero("NUM"), i % 3 == 0 ? -i : i);
    EXPECT_EQ(i, cuantos);
}

TEST_F(Almacen, UnaTablaVaciaEstaAlFinal) {
    recrearCodigos()->cerrar();
    auto tabla = almacen.abrir("CODIGOS", ModoApertura::SoloLecturaCompartida);
    tabla->primero();
    EXPECT_TRUE(tabla->finDeTabla());
    EXPECT_EQ(tabla->comoTexto("COD"), "");
}

TEST_F(Almacen, UnaTablaAbandonadaDejaLaAnteriorIntacta) {
    escribirCodigos({"A", "B"});
    const std::string antes = leerBytes(carpeta / "CODIGOS.DBF");
    {
        auto tabla = recrearCodigos();
        tabla->anadir();
        tabla->ponerTexto("COD", "X");
        tabla->grabar();
    }
    EXPECT_EQ(leerBytes(carpeta / "CODIGOS.DBF"), antes);
    EXPECT_EQ(nombresEn(carpeta.ruta()), std::vector<std::string>{"CODIGOS.DBF"});
}

TEST_F(Almacen, UnaTablaAbandonadaTrasMuchasAltasNoDejaNada) {
    {
        auto tabla = recrearCodigos();
        for (int i = 0; i < 100000; ++i) {
            tabla->anadir();
            tabla->grabar();
        }
    }
    EXPECT_TRUE(nombresEn(carpeta.ruta()).empty());
}

TEST_F(Almacen, RecrearBorraLoQueDejoUnaRecreacionInterrumpida) {
    carpeta.escribir("CODIGOS.~99999-0.dbf", "restos");
    carpeta.escribir("OTRA.~99999-0.dbf", "de otra tabla");
    escribirCodigos({"A"});
    EXPECT_EQ(nombresEn(carpeta.ruta()), (std::vector<std::string>{"CODIGOS.DBF", "OTRA.~99999-0.dbf"}));
}

TEST_F(Almacen, DosRecreacionesDeLaMismaTablaConviven) {
    auto primera = recrearCodigos();
    auto segunda = recrearCodigos();
    primera->anadir();
    primera->ponerTexto("COD", "1");
    primera->grabar();
    segunda->anadir();
    segunda->ponerTexto("COD", "2");
    segunda->grabar();
    primera->cerrar();
    EXPECT_EQ(leerCodigos(), std::vector<std::string>{"1"});
    segunda->cerrar();
    EXPECT_EQ(leerCodigos(), std::vector<std::string>{"2"});
    EXPECT_EQ(nombresEn(carpeta.ruta()), std::vector<std::string>{"CODIGOS.DBF"});
}

TEST_F(Almacen, RecrearSustituyeLaTablaYBorraSuIndice) {
    escribirCodigos({"A"});
    carpeta.escribir("CODIGOS.MDX", "indice");
    escribirCodigos({"B", "C"});
    EXPECT_EQ(leerCodigos(), (std::vector<std::string>{"B", "C"}));
    EXPECT_EQ(nombresEn(carpeta.ruta()), std::vector<std::string>{"CODIGOS.DBF"});
}

TEST_F(Almacen, RecrearSustituyeLaTablaGuardadaEnMinusculas) {
    carpeta.escribir("codigos.dbf", dbfAMano({{"COD", 'C', 4}}, {" OLD"}));
    carpeta.escribir("codigos.mdx", "indice");
    escribirCodigos({"NEW"});
    EXPECT_EQ(nombresEn(carpeta.ruta()), std::vector<std::string>{"codigos.dbf"});
    EXPECT_EQ(leerCodigos("Codigos"), std::vector<std::string>{"NEW"});
}

TEST_F(Almacen, LasTablasSeEncuentranSinImportarMayusculas) {
    carpeta.escribir("soluc.dbf", dbfAMano({{"cod", 'C', 4}}, {" X1  "}));
    EXPECT_EQ(leerCodigos("SOLUC"), std::vector<std::string>{"X1"});
    EXPECT_EQ(leerCodigos("SOLUC.DBF"), std::vector<std::string>{"X1"});
    EXPECT_EQ(almacen.rutaTabla("SOLUC"), carpeta / "soluc.dbf");
    EXPECT_EQ(almacen.rutaTabla("nueva"), carpeta / "NUEVA.DBF");
}

TEST_F(Almacen, UnaCarpetaDeDatosQueFaltaSeNombraYNoSeCrea) {
    AlmacenDBase enOtra(carpeta / "TTEMP", ',');
    const std::string mensaje = "No existe la carpeta de datos de Tempalix \"" + (carpeta / "TTEMP").string() + "\"";
    EXPECT_EQ(mensajeDeError([&] { enOtra.recrear("PROFT", {DefinicionCampo::texto("ABREV", 4)}); }), mensaje);
    EXPECT_EQ(mensajeDeError([&] { enOtra.abrir("SOLUC", ModoApertura::SoloLecturaCompartida); }), mensaje);
    EXPECT_FALSE(fs::exists(carpeta / "TTEMP"));
}

TEST_F(Almacen, UnaTablaQueFaltaSeNombra) {
    EXPECT_EQ(mensajeDeError([&] { almacen.abrir("SOLUC", ModoApertura::SoloLecturaCompartida); }),
              "No existe la tabla \"" + (carpeta / "SOLUC.DBF").string() + "\"");
    EXPECT_EQ(mensajeDeError([&] { almacen.abrir("SOLUC", ModoApertura::LecturaEscrituraExclusiva); }),
              "No existe la tabla \"" + (carpeta / "SOLUC.DBF").string() + "\"");
}

TEST_F(Almacen, UnaTablaDeSoloLecturaNoSeCambia) {
    escribirCodigos({"A"});
    auto tabla = almacen.abrir("CODIGOS", ModoApertura::SoloLecturaCompartida);
    const std::string mensaje =
        "Error interno: la tabla \"" + (carpeta / "CODIGOS.DBF").string() + "\" est\xE1 abierta solo para lectura";
    EXPECT_EQ(mensajeDeError([&] { tabla->anadir(); }), mensaje);
    EXPECT_EQ(mensajeDeError([&] { tabla->editar(); }), mensaje);
}

TEST_F(Almacen, PonerFueraDeUnCambioFalla) {
    auto tabla = recrearCodigos();
    EXPECT_EQ(mensajeDeError([&] { tabla->ponerTexto("COD", "A"); }),
              "Error interno: la tabla \"" + (carpeta / "CODIGOS.DBF").string() + "\" no est\xE1 en edici\xF3n");
    EXPECT_EQ(mensajeDeError([&] { tabla->editar(); }),
              "Error interno: la tabla \"" + (carpeta / "CODIGOS.DBF").string() + "\" no tiene registro actual");
}

TEST_F(Almacen, UnValorQueNoCabeNombraCampoYTabla) {
    auto tabla = recrearCodigos();
    tabla->anadir();
    const auto mensaje = mensajeDeError([&] { tabla->ponerFlotante("NUM", std::numeric_limits<double>::infinity()); });
    EXPECT_TRUE(mensaje.starts_with("El valor ")) << mensaje;
    EXPECT_TRUE(mensaje.ends_with(" no cabe en el campo 'NUM' de la tabla \"" + (carpeta / "CODIGOS.DBF").string() + "\""))
        << mensaje;
}

TEST_F(Almacen, UnaTablaCerradaNoSeUsa) {
    auto tabla = recrearCodigos();
    tabla->cerrar();
    tabla->cerrar();
    EXPECT_EQ(mensajeDeError([&] { tabla->primero(); }),
              "Error interno: la tabla \"" + (carpeta / "CODIGOS.DBF").string() + "\" est\xE1 cerrada");
}

TEST_F(Almacen, LoGrabadoEnUnaTablaAbandonadaQueda) {
    escribirCodigos({"A"});
    {
        auto tabla = almacen.abrir("CODIGOS", ModoApertura::LecturaEscrituraExclusiva);
        tabla->anadir();
        tabla->ponerTexto("COD", "B");
        tabla->grabar();
    }
    EXPECT_EQ(leerCodigos(), (std::vector<std::string>{"A", "B"}));
}

TEST_F(Almacen, CamposInvalidosNoCreanNada) {
    escribirCodigos({"A"});
    const std::string antes = leerBytes(carpeta / "CODIGOS.DBF");
    std::vector<DefinicionCampo> registroDeMasDe64KiB;
    for (int i = 0; i < 259; ++i) registroDeMasDe64KiB.push_back(DefinicionCampo::texto("C" + std::to_string(i), 254));
    for (const auto& campos : std::vector<std::vector<DefinicionCampo>>{
             {DefinicionCampo::texto("NOMBRE_LARGO", 4)},
             {DefinicionCampo::texto("", 4)},
             {DefinicionCampo::texto("A", 0)},
             {DefinicionCampo::texto("A", 255)},
             {DefinicionCampo::texto("A", 1), DefinicionCampo::entero("a")},
             registroDeMasDe64KiB,
             {}}) {
        EXPECT_THROW(almacen.recrear("CODIGOS", campos), Error);
    }
    EXPECT_EQ(leerBytes(carpeta / "CODIGOS.DBF"), antes);
    EXPECT_EQ(nombresEn(carpeta.ruta()), std::vector<std::string>{"CODIGOS.DBF"});
}

}  // namespace
}  // namespace ttz::tablas
