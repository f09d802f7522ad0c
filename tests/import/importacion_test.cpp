// The import run end to end: tables written by the store, the whole output file compared.
#include "comun/nombre_caso.h"
#include "import/importacion.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

#include "base/archivos.h"
#include "base/errores.h"
#include "comun/dbf_a_mano.h"
#include "comun/mensaje_error.h"
#include "comun/plataforma.h"
#include "comun/escenario_importacion.h"

namespace ttz::pruebas {
namespace {

namespace fs = std::filesystem;
using tablas::DefinicionCampo;
using ::testing::ElementsAre;

const std::string kCodigo = "28001234";
const std::string kCabeceraAsignaturas = "0ZEDA_ASIGNAT.TXT" + std::string(34, ' ');

// A sessions line with the given day character in column 9.
std::string lineaSesion(const std::string& dia) { return "1   T01 " + dia + "08000900"; }

// The message of the error the import raises.
std::string errorDe(EscenarioImportacion& escenario) {
    return mensajeDeError([&] { escenario.importar(); });
}

class Importacion : public ::testing::Test {
protected:
    void SetUp() override { e.prepararBasico(); }

    EscenarioImportacion e;
};

TEST_F(Importacion, SolucVacioDaCabeceraYPieConElRelojLeidoDosVeces) {
    EXPECT_EQ(e.importar(), FinTransferencia::Finalizada);

    const std::string cabecera = cabeceraEsperada(kCodigo);
    ASSERT_EQ(cabecera.size(), 71u);
    EXPECT_EQ(e.horario(), conSaltos({cabecera, pieEsperado(kCodigo, "0")}));
    EXPECT_EQ(e.reloj.leidos(), 2u);
}

TEST_F(Importacion, TerminaConTransformadoUnoYProcesoFinalizadoTrasElCursorNormal) {
    e.estado.Transformado = -1;
    e.importar();
    EXPECT_EQ(e.estado.Transformado, 1);
    EXPECT_THAT(e.interlocutor.sucesos,
                ElementsAre("cursor:ocupado", "cursor:normal", "mensaje:Proceso finalizado"));
}

TEST_F(Importacion, LeccionesEnOrdenDeRegistroSinLasDeDiaCero) {
    e.crearTramos({{"1", "1", "T01"}, {"1", "2", "T02"}, {"3", "1", "T11"}});
    e.crearSoluc({{"1", "2", "P1", "1A", "MAT", "A1"},
                  {"0", "1", "P2", "1B", "LEN", "A2"},
                  {"", "1", "P2", "1B", "LEN", "A2"},
                  {"3", "1", "P3", "2A", "FIS", "LAB"}});
    e.importar();
    EXPECT_EQ(e.horario(), conSaltos({cabeceraEsperada(kCodigo),
                                      "1T02 1P1  1A  LEC MAT A1  ",
                                      "1T11 3P3  2A  LEC FIS LAB ",
                                      pieEsperado(kCodigo, "2")}));
}

TEST_F(Importacion, SoloDiasCeroDaUnArchivoSinLecciones) {
    e.crearTramos({{"1", "1", "T01"}});
    e.crearSoluc({{"0", "1", "P1", "1A", "MAT", "A1"}, {"", "", "", "", "", ""}});
    e.importar();
    EXPECT_EQ(e.horario(), conSaltos({cabeceraEsperada(kCodigo), pieEsperado(kCodigo, "0")}));
}

TEST_F(Importacion, SinTramoQuedanCuatroBlancosYGanaElPrimero) {
    e.crearTramos({{"2", "10", "X1"}, {" 2", "1", "NO"}, {"2", "01", "NO"}, {"2", "1", "PRIM"}, {"2", "1", "SEGU"}});
    e.crearSoluc({{"2", "1", "P1", "G1", "A1", "R1"}, {"2", "3", "P1", "G1", "A1", "R1"},
                  {"2", "10", "P1", "G1", "A1", "R1"}});
    e.importar();
    EXPECT_EQ(e.horario(), conSaltos({cabeceraEsperada(kCodigo),
                                      "1PRIM2P1  G1  LEC A1  R1  ",
                                      "1    2P1  G1  LEC A1  R1  ",
                                      "1X1  2P1  G1  LEC A1  R1  ",
                                      pieEsperado(kCodigo, "3")}));
}

TEST_F(Importacion, ElPieCuentaVariasCifrasPegadasALaFecha) {
    e.crearTramos({{"1", "1", "T01"}});
    e.crearSoluc(Registros(12, {"1", "1", "P1", "G1", "A1", "R1"}));
    e.importar();
    EXPECT_THAT(e.horario(), ::testing::EndsWith(pieEsperado(kCodigo, "12") + "\r\n"));
}

TEST_F(Importacion, UnValorLargoDesplazaLasColumnasSiguientes) {
    e.crearTabla("SOLUC", EscenarioImportacion::camposSoluc(6), {{"1", "1", "PROF5", "G1", "A1", "R1"}});
    e.crearTramos({{"1", "1", "CODIGO"}});
    e.importar();
    EXPECT_EQ(e.horario(), conSaltos({cabeceraEsperada(kCodigo),
                                      "1CODIGO1PROF5G1  LEC A1  R1  ",
                                      pieEsperado(kCodigo, "1")}));
}

struct CasoCentro {
    const char* nombre;
    std::string cabeceraAsignaturas;
    std::string codigoEnColumna;  // columns 52-59 of header and trailer
};

class CodigoDelCentro : public Importacion, public ::testing::WithParamInterface<CasoCentro> {};

TEST_P(CodigoDelCentro, RepetidoEnCabeceraYPie) {
    e.escribirAsignaturas(GetParam().cabeceraAsignaturas);
    e.importar();
    const std::string& codigo = GetParam().codigoEnColumna;
    EXPECT_EQ(e.horario(), conSaltos({cabeceraEsperada(codigo), pieEsperado(codigo, "0")}));
}

INSTANTIATE_TEST_SUITE_P(
    Casos, CodigoDelCentro,
    ::testing::Values(CasoCentro{"Completo", kCabeceraAsignaturas + "28001234", "28001234"},
                      CasoCentro{"LargoSeCorta", kCabeceraAsignaturas + "2800123499", "28001234"},
                      CasoCentro{"CortoSeRellena", kCabeceraAsignaturas + "2800", "2800    "},
                      CasoCentro{"BlancosSinRecortar", kCabeceraAsignaturas + " 28 01  ", " 28 01  "},
                      CasoCentro{"CabeceraSinCodigo", kCabeceraAsignaturas, "        "},
                      CasoCentro{"SinCabecera", "1SIN CABECERA", "        "}), pruebas::NombrePor<&CasoCentro::nombre>());

struct CasoDia {
    std::string diaSesiones;  // column 9 of the sessions file's second line; "" for a short line
    std::string diaSoluc;
    std::string diaTramos;    // DIA of the one time slot, T01
    std::string diaEscrito;
};

class NotacionDelDia : public Importacion, public ::testing::WithParamInterface<CasoDia> {};

TEST_P(NotacionDelDia, SeBuscaYSeEscribeIgual) {
    const auto& caso = GetParam();
    e.escribirSesiones(caso.diaSesiones.empty() ? "1   T01" : lineaSesion(caso.diaSesiones));
    e.crearTramos({{caso.diaTramos, "1", "T01"}});
    e.crearSoluc({{caso.diaSoluc, "1", "P1", "G1", "A1", "R1"}});
    e.importar();
    EXPECT_EQ(e.horario(), conSaltos({cabeceraEsperada(kCodigo),
                                      "1T01 " + caso.diaEscrito + "P1  G1  LEC A1  R1  ",
                                      pieEsperado(kCodigo, "1")}));
}

INSTANTIATE_TEST_SUITE_P(Casos, NotacionDelDia,
                         ::testing::Values(CasoDia{"7", "3", "X", "X"}, CasoDia{"L", "1", "L", "L"},
                                           CasoDia{"", "7", "D", "D"}, CasoDia{" ", "5", "V", "V"},
                                           CasoDia{"L", "8", "8", "8"}, CasoDia{"3", "3", "3", "3"},
                                           CasoDia{"1", "6", "6", "6"}, CasoDia{"6", "2", "2", "2"}),
                         (pruebas::NombrePor<&CasoDia::diaSesiones, &CasoDia::diaSoluc, &CasoDia::diaTramos>()));

TEST_F(Importacion, EnModoLetrasElDigitoYaNoEncuentraSuTramo) {
    e.escribirSesiones(lineaSesion("L"));
    e.crearTramos({{"3", "1", "T01"}});
    e.crearSoluc({{"3", "1", "P1", "G1", "A1", "R1"}});
    e.importar();
    EXPECT_THAT(e.horario(), ::testing::HasSubstr("\r\n1    XP1  G1  LEC A1  R1  \r\n"));
}

TEST_F(Importacion, ReemplazaElHorarioAnteriorAunqueSuNombreVengaEnMinusculas) {
    e.zeda.escribir("zeda_horario.txt", std::string(500, 'v'));
    e.importar();
    EXPECT_EQ(nombresEn(e.zeda.ruta()),
              (std::vector<std::string>{"zeda_asignat.txt", "zeda_horario.txt", "zeda_sesiones.txt"}));
    EXPECT_EQ(leerBytes(e.zeda / "zeda_horario.txt"),
              conSaltos({cabeceraEsperada(kCodigo), pieEsperado(kCodigo, "0")}));
}

// ---- Missing folder ----

TEST(ImportacionSinCarpeta, AlojadoDejaTransformadoEnCero) {
    EscenarioImportacion e;
    e.estado.NumParametros = 2;
    e.estado.Transformado = 1;
    EXPECT_EQ(importacion::ejecutarImportacion((e.zeda / "no-existe").string() + "/", e.entorno),
              FinTransferencia::SinCarpeta);
    EXPECT_EQ(e.estado.Transformado, 0);
    EXPECT_THAT(e.interlocutor.sucesos, ElementsAre("mensaje:No existe la carpeta"));
}

TEST(ImportacionSinCarpeta, SinAnfitrionNoTocaTransformado) {
    EscenarioImportacion e;
    e.estado.Transformado = -1;
    EXPECT_EQ(importacion::ejecutarImportacion((e.zeda / "no-existe").string() + "/", e.entorno),
              FinTransferencia::SinCarpeta);
    EXPECT_EQ(e.estado.Transformado, -1);
    EXPECT_THAT(e.interlocutor.mensajes, ElementsAre("No existe la carpeta"));
}

// ---- Failures: the message, Transformado -1, the earlier file untouched, all released ----

class ImportacionFallida : public Importacion {
protected:
    void SetUp() override {
        Importacion::SetUp();
        e.zeda.escribir("ZEDA_HORARIO.TXT", kAnterior);
        e.estado.Transformado = 1;
    }

    void esperarFallo(const std::string& mensaje) {
        const auto antes = nombresEn(e.zeda.ruta());
        EXPECT_EQ(errorDe(e), mensaje);
        EXPECT_EQ(e.estado.Transformado, -1);
        EXPECT_EQ(e.horario(), kAnterior);
        EXPECT_EQ(e.interlocutor.ocupado, 0);
        EXPECT_THAT(e.interlocutor.mensajes, ::testing::IsEmpty());
        EXPECT_EQ(nombresEn(e.zeda.ruta()), antes) << "no file left behind";
    }

    const std::string kAnterior = "0ANTERIOR\r\n9ANTERIOR 0\r\n";
};

TEST_F(ImportacionFallida, SinArchivoDeAsignaturas) {
    fs::remove(e.zeda / "zeda_asignat.txt");
    esperarFallo("Cannot open file \"" + e.zeda.conSeparador() + "zeda_asignat.txt\". " +
                 textoErrorSistema(ENOENT));
}

TEST_F(ImportacionFallida, ArchivoDeSesionesIlegible) {
    fs::remove(e.zeda / "zeda_sesiones.txt");
    fs::create_directory(e.zeda / "zeda_sesiones.txt");
    esperarFallo("Cannot open file \"" + e.zeda.conSeparador() + "zeda_sesiones.txt\". " +
                 pruebas::textoCarpetaEnVezDeArchivo());
}

TEST_F(ImportacionFallida, SesionesDeUnaLinea) {
    e.zeda.escribir("zeda_sesiones.txt", "0ZEDA_SESIONES.TXT\r\n");
    esperarFallo("List index out of bounds (1)");
}

TEST_F(ImportacionFallida, SesionesVacias) {
    e.zeda.escribir("zeda_sesiones.txt", "");
    esperarFallo("List index out of bounds (1)");
}

TEST_F(ImportacionFallida, CampoQueFaltaEnSoluc) {
    auto campos = EscenarioImportacion::camposSoluc();
    campos.pop_back();
    e.crearTabla("SOLUC", campos, {{"1", "1", "P1", "G1", "A1"}});
    esperarFallo("wwTableSoluc: No se encuentra el campo 'AULA'");
}

TEST_F(ImportacionFallida, CodigoQueFaltaEnLosTramosAlEncontrarUno) {
    e.crearTabla("DIASHORAST", {DefinicionCampo::texto("DIA", 20), DefinicionCampo::texto("HORA", 8)},
                 {{"3", "1"}});
    e.crearSoluc({{"3", "1", "P1", "G1", "A1", "R1"}});
    esperarFallo("wwTableTramos: No se encuentra el campo 'CODDIHO'");
}

TEST_F(ImportacionFallida, DiaDeTextoQueNoEsEntero) {
    auto campos = EscenarioImportacion::camposSoluc();
    campos[0] = DefinicionCampo::texto("DIA", 2);
    e.crearTabla("SOLUC", campos, {{"1", "1", "P1", "G1", "A1", "R1"}, {"x", "1", "P1", "G1", "A1", "R1"}});
    esperarFallo("'x' no es un valor entero v\xE1lido");
}

TEST_F(ImportacionFallida, DiaDeTextoVacio) {
    auto campos = EscenarioImportacion::camposSoluc();
    campos[0] = DefinicionCampo::texto("DIA", 2);
    e.crearTabla("SOLUC", campos, {{"", "1", "P1", "G1", "A1", "R1"}});
    esperarFallo("'' no es un valor entero v\xE1lido");
}

// The teacher code kept in a memo file, which the store does not read: never a blank code.
TEST_F(ImportacionFallida, ProfesorEnCampoMemo) {
    e.datos.escribir("SOLUC.DBF", dbfAMano({{"DIA", 'N', 1}, {"HORA", 'N', 2}, {"PROF", 'M', 10}, {"CODGRUPO", 'C', 4},
                                            {"ASIG", 'C', 4}, {"AULA", 'C', 4}},
                                           {" 1 1         1G1  A1  R1  "}, {'\x83'}));
    esperarFallo("El campo 'PROF' de la tabla \"" + (e.datos / "SOLUC.DBF").string() +
                 "\" es de tipo memo y no se puede leer como texto. Guarde la tabla con ese campo de texto");
}

TEST_F(ImportacionFallida, HorarioQueNoSePuedeCrear) {
    fs::remove(e.zeda / "ZEDA_HORARIO.TXT");
    fs::create_directory(e.zeda / "ZEDA_HORARIO.TXT");
    EXPECT_THAT(errorDe(e), ::testing::StartsWith("Cannot create file \"" + e.rutaHorario() + "\". "));
    EXPECT_EQ(e.estado.Transformado, -1);
    EXPECT_TRUE(fs::is_directory(e.zeda / "ZEDA_HORARIO.TXT"));
}

class TablaQueFalta : public ImportacionFallida, public ::testing::WithParamInterface<const char*> {};

TEST_P(TablaQueFalta, FallaSinEscribirYLasDemasQuedanLibres) {
    fs::remove(e.almacen.rutaTabla(GetParam()));
    EXPECT_NE(errorDe(e), "(sin error)");
    EXPECT_EQ(e.estado.Transformado, -1);
    EXPECT_EQ(e.horario(), kAnterior);
    EXPECT_EQ(e.interlocutor.ocupado, 0);
    for (const char* otra : {"SOLUC", "GRUPOST", "PROFT", "AULAT", "ASIGNOMT", "DIASHORAST"}) {
        if (std::string(otra) == GetParam()) continue;
        EXPECT_NO_THROW(e.almacen.abrir(otra, tablas::ModoApertura::LecturaEscrituraExclusiva)->cerrar()) << otra;
    }
}

INSTANTIATE_TEST_SUITE_P(Casos, TablaQueFalta,
                         ::testing::Values("SOLUC", "GRUPOST", "PROFT", "AULAT", "ASIGNOMT", "DIASHORAST"),
                         NombreDelValor());

TEST_F(Importacion, UnCampoQueNuncaSeLeeNoHaceFalta) {
    auto campos = EscenarioImportacion::camposSoluc();
    campos.pop_back();
    e.crearTabla("SOLUC", campos, {{"0", "1", "P1", "G1", "A1"}, {"2", "9", "P1", "G1", "A1"}});
    e.crearTabla("DIASHORAST", {DefinicionCampo::texto("DIA", 20), DefinicionCampo::texto("HORA", 8)},
                 {{"2", "1"}});
    EXPECT_EQ(errorDe(e), "wwTableSoluc: No se encuentra el campo 'AULA'");

    e.crearTabla("SOLUC", campos, {{"0", "1", "P1", "G1", "A1"}});
    e.importar();
    EXPECT_EQ(e.estado.Transformado, 1);
    e.crearTabla("SOLUC", EscenarioImportacion::camposSoluc(), {{"2", "9", "P1", "G1", "A1", "R1"}});
    e.importar();
    EXPECT_EQ(e.estado.Transformado, 1) << "no slot found, so CODDIHO is never read";
}

TEST_F(Importacion, TrasUnFalloUnaNuevaImportacionAbreLasTablas) {
    auto campos = EscenarioImportacion::camposSoluc();
    campos.pop_back();
    e.crearTabla("SOLUC", campos, {{"1", "1", "P1", "G1", "A1"}});
    EXPECT_THROW(e.importar(), Error);

    e.crearSoluc({});
    e.reloj = RelojSucesivo({kMomentoCabecera, kMomentoPie});
    EXPECT_EQ(e.importar(), FinTransferencia::Finalizada);
    EXPECT_EQ(e.horario(), conSaltos({cabeceraEsperada(kCodigo), pieEsperado(kCodigo, "0")}));
}

}  // namespace
}  // namespace ttz::pruebas
