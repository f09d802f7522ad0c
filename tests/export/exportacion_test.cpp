// The export run: message order, the result code, the busy cursor and what tables an error
// leaves behind.
#include <gtest/gtest.h>

#include <filesystem>

#include "base/errores.h"
#include "comun/nombre_caso.h"
#include "escenario_exportacion.h"
#include "export/exportacion.h"
#include "export/pasos.h"
#include "comun/sin_privilegios.h"

namespace ttz::pruebas {
namespace {

namespace fs = std::filesystem;

const std::vector<std::string> kTablas{"ASIGNOMT", "PROFT", "AULAT", "GRUPOST", "ASIGT", "DIASHORAST"};
const std::vector<std::string> kArchivos{"zeda_asignat.txt",      "zeda_prof.txt",         "zeda_aulas.txt",
                                         "zeda_grupo.txt",        "zeda_asignatgrupo.txt", "zeda_asignatcurso.txt",
                                         "zeda_sesiones.txt"};
const std::vector<std::string> kMensajesFalta{
    "No existe archivo de asignaturas (ZEDA_ASIGNAT.TXT)", "No existe archivo de profesores (ZEDA_PROF.TXT)",
    "No existe archivo de aulas (ZEDA_AULAS.TXT)",         "No existe archivo de grupos (ZEDA_GRUPO.TXT)",
    "No existe archivo de grupos (ZEDA_ASIGNATGRUPO.TXT)", "No existe archivo de grupos (ZEDA_SESIONES.TXT)"};

// The sample school shipped with the sources.
void copiarEscuela(EscenarioExportacion& e) {
    for (const auto& archivo : kArchivos) fs::copy_file(fs::path(TTZ_FUENTES) / "examples/escuela" / archivo, e.zeda / archivo);
}

void crearTablasAnteriores(EscenarioExportacion& e) {
    for (const auto& tabla : kTablas) e.crearTablaAnterior(tabla);
}

class Exportacion : public ::testing::Test {
protected:
    EscenarioExportacion e;
};

TEST_F(Exportacion, CarpetaVaciaSeisAvisosYFinalizado) {
    crearTablasAnteriores(e);
    EXPECT_EQ(e.exportar(), FinTransferencia::Finalizada);
    auto esperados = kMensajesFalta;
    esperados.push_back("Proceso finalizado");
    EXPECT_EQ(e.interlocutor.mensajes, esperados);
    EXPECT_EQ(e.estado.Transformado, -1);
    for (const auto& tabla : kTablas) EXPECT_TRUE(e.tablaAnteriorIntacta(tabla)) << tabla;
}

// Each step on its own: a missing file is reported, marks the run as failed and leaves the
// table of an earlier export.
class ArchivoQueFalta : public ::testing::TestWithParam<std::size_t> {};

TEST_P(ArchivoQueFalta, AvisaMarcaFalloYNoTocaLaTabla) {
    using namespace exportacion;
    constexpr void (*kPasos[])(const Contexto&) = {ExportarAsignaturas, ExportarProfesores,        ExportarAulas,
                                                   ExportarGrupos,      ExportarAsignaturasGrupos, ExportarTramos};
    const std::size_t paso = GetParam();
    EscenarioExportacion e;
    e.crearTablaAnterior(kTablas[paso]);
    e.estado.Transformado = 1;
    e.ejecutar(kPasos[paso]);
    EXPECT_EQ(e.interlocutor.mensajes, std::vector<std::string>{kMensajesFalta[paso]});
    EXPECT_EQ(e.estado.Transformado, -1);
    EXPECT_TRUE(e.tablaAnteriorIntacta(kTablas[paso]));
}

INSTANTIATE_TEST_SUITE_P(Exportacion, ArchivoQueFalta, ::testing::Range<std::size_t>(0, 6),
                         [](const auto& info) { return kTablas[info.param]; });

TEST_F(Exportacion, CursorOcupadoDuranteLosPasosYNormalAntesDeFinalizado) {
    e.exportar();
    ASSERT_GE(e.interlocutor.sucesos.size(), 3u);
    EXPECT_EQ(e.interlocutor.sucesos.front(), "cursor:ocupado");
    const std::vector<std::string> final(e.interlocutor.sucesos.end() - 2, e.interlocutor.sucesos.end());
    EXPECT_EQ(final, (std::vector<std::string>{"cursor:normal", "mensaje:Proceso finalizado"}));
    EXPECT_EQ(e.interlocutor.ocupado, 0);
}

struct CasoSinCarpeta {
    int numParametros;
    int transformadoAntes;
    int transformadoDespues;
};

class SinCarpeta : public ::testing::TestWithParam<CasoSinCarpeta> {};

TEST_P(SinCarpeta, SoloElAvisoYNingunaTablaCambia) {
    EscenarioExportacion e;
    e.estado.NumParametros = GetParam().numParametros;
    e.estado.Transformado = GetParam().transformadoAntes;
    const std::string carpeta = (e.zeda / "borrada").string() + "/";
    Entorno entorno = e.entorno;
    EXPECT_EQ(exportacion::ejecutarExportacion(carpeta, entorno), FinTransferencia::SinCarpeta);
    EXPECT_EQ(e.interlocutor.sucesos, std::vector<std::string>{"mensaje:No existe la carpeta"});
    EXPECT_EQ(e.estado.Transformado, GetParam().transformadoDespues);
    EXPECT_TRUE(fs::is_empty(e.datos.ruta()));
}

INSTANTIATE_TEST_SUITE_P(Exportacion, SinCarpeta,
                         ::testing::Values(CasoSinCarpeta{2, 1, -1}, CasoSinCarpeta{0, 1, 1}, CasoSinCarpeta{0, 0, 0}),
                         (pruebas::NombrePor<&CasoSinCarpeta::numParametros, &CasoSinCarpeta::transformadoAntes>()));

TEST_F(Exportacion, EscuelaDeEjemploCompleta) {
    copiarEscuela(e);
    e.estado.Transformado = -1;
    EXPECT_EQ(e.exportar(), FinTransferencia::Finalizada);
    EXPECT_EQ(e.interlocutor.mensajes, std::vector<std::string>{"Proceso finalizado"});
    EXPECT_EQ(e.estado.Transformado, 1);
    EXPECT_EQ(e.registros("ASIGNOMT", {"COD"}).size(), 40u);
    EXPECT_EQ(e.registros("PROFT", {"ABREV"}).size(), 30u);
    EXPECT_EQ(e.registros("AULAT", {"ABREV"}).size(), 21u);
    EXPECT_EQ(e.registros("GRUPOST", {"ABREV"}).size(), 15u);
    EXPECT_EQ(e.registros("ASIGT", {"CASIG"}).size(), 150u);
    EXPECT_EQ(e.registros("DIASHORAST", {"DIHO"}).size(), 30u);
}

TEST_F(Exportacion, SoloFaltaElArchivoDeGruposLasAsignacionesUsanLosGruposAnteriores) {
    copiarEscuela(e);
    fs::remove(e.zeda / "zeda_grupo.txt");
    e.crearTabla("GRUPOST", {{"ABREV", 4}, {"TURNO", 1}, {"NIVEL", 5}, {"CURSO", 3}, {"GRUPO", 2}},
                 {{"1EA", "V", "ANT", "9", "Z"}});
    e.exportar();
    EXPECT_EQ(e.interlocutor.mensajes,
              (std::vector<std::string>{"No existe archivo de grupos (ZEDA_GRUPO.TXT)", "Proceso finalizado"}));
    EXPECT_EQ(e.estado.Transformado, -1);
    EXPECT_EQ(e.registros("GRUPOST", {"ABREV"}), Registros{{"1EA"}});
    const auto asignaciones = e.registros("ASIGT", {"CGRUP", "TURNO", "NIVEL", "CURSO", "GRUPO", "HORAS"});
    EXPECT_EQ(asignaciones.front(), (std::vector<std::string>{"1EA", "V", "ANT", "9", "Z", "1"}));
    EXPECT_EQ(e.registros("DIASHORAST", {"DIHO"}).size(), 30u);
}

TEST_F(Exportacion, SegundaEjecucionCompletaVuelveAUno) {
    e.exportar();
    EXPECT_EQ(e.estado.Transformado, -1);
    copiarEscuela(e);
    e.exportar();
    EXPECT_EQ(e.estado.Transformado, 1);
}

// Steps before the failing one are published, the failing one and the later ones keep the
// tables of an earlier export; the run counts as failed and the cursor is restored.
TEST_F(Exportacion, ErrorEnUnPasoDejaLasTablasAnterioresYMarcaFallo) {
    copiarEscuela(e);
    crearTablasAnteriores(e);
    e.zeda.escribir("zeda_asignatcurso.txt", "0\r\n1ESO   1               LCL 4x\r\n");
    EXPECT_THROW(e.exportar(), Error);
    EXPECT_EQ(e.estado.Transformado, -1);
    EXPECT_EQ(e.interlocutor.ocupado, 0);
    EXPECT_TRUE(e.interlocutor.mensajes.empty());
    for (const auto& tabla : {"ASIGNOMT", "PROFT", "AULAT", "GRUPOST"}) EXPECT_FALSE(e.tablaAnteriorIntacta(tabla)) << tabla;
    EXPECT_EQ(e.registros("GRUPOST", {"ABREV"}).size(), 15u);
    for (const auto& tabla : {"ASIGT", "DIASHORAST"}) EXPECT_TRUE(e.tablaAnteriorIntacta(tabla)) << tabla;
}

TEST_F(Exportacion, ArchivoIlegibleTerminaConErrorDeAccesoAntesDeTocarLaTabla) {
    if (!hayPermisosPosix) GTEST_SKIP() << kSinPermisosPosix;
    e.crearTablaAnterior("ASIGNOMT");
    const auto ruta = e.zeda.escribir("zeda_asignat.txt", "0\r\n1MAT\r\n");
    fs::permissions(ruta, fs::perms::none);
    const std::string resultado = sinPrivilegios([&] {
        try {
            e.exportar();
            return std::string("sin error");
        } catch (const ErrorES& error) {
            return error.what() + std::string(" ") + std::to_string(e.estado.Transformado) +
                   " " + std::to_string(e.interlocutor.ocupado);
        }
    });
    EXPECT_EQ(resultado, "Acceso al archivo denegado -1 0");
    EXPECT_TRUE(e.tablaAnteriorIntacta("ASIGNOMT"));
}

}  // namespace
}  // namespace ttz::pruebas
