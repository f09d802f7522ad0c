// No content of a ZEDA file crashes the export: every file of the sample school in turn gets
// each kind of bad line, and the run either finishes or ends with an error that names the fault.
#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

#include "base/errores.h"
#include "escenario_exportacion.h"
#include "export/exportacion.h"
#include "export/pasos.h"

namespace ttz::pruebas {
namespace {

namespace fs = std::filesystem;

struct LineaMala {
    const char* nombre;
    std::string bytes;
};

const LineaMala kLineasMalas[] = {
    {"Larga", "1" + std::string(100000, 'x') + "\r\n"},
    {"LargaConBlancos", "1" + std::string(99999, ' ') + "z\r\n"},
    {"Vacia", "\r\n"},
    {"Corta", "1A\r\n"},
    {"ConNul", std::string("1AB\0CD\0\0 0800 0900", 19) + "\r\n"},
    {"BytesAltos", "1\xBD\xF1\xFF\x80\x81\x9F\xA0\xE1\xC1\xD1 \xFF\xFE\xFD\xFC\xFB\xFA\xF9\xF8\xF7\xF6\r\n"},
    {"ControlesYCtrlZ", "1\x01\x02\r\x1A\x1B\x7F\r\n"},
    {"SinSaltoFinal", "1MAT"},
};

const char* const kArchivos[] = {"zeda_asignat.txt",      "zeda_prof.txt",         "zeda_aulas.txt",
                                 "zeda_grupo.txt",        "zeda_asignatgrupo.txt", "zeda_asignatcurso.txt",
                                 "zeda_sesiones.txt"};

using Caso = std::tuple<const char*, LineaMala>;

class EntradaMala : public ::testing::TestWithParam<Caso> {};

TEST_P(EntradaMala, NuncaRompeLaExportacion) {
    const auto& [archivo, linea] = GetParam();
    EscenarioExportacion e;
    for (const char* nombre : kArchivos) {
        std::string bytes = leerBytes(fs::path(TTZ_FUENTES) / "examples/escuela" / nombre);
        if (std::string_view(nombre) == archivo) {
            // After the header and again at the end, where the trailer may be missing.
            const auto tras = bytes.find('\n') + 1;
            bytes = bytes.substr(0, tras) + linea.bytes + (linea.bytes.ends_with('\n') ? "" : "\r\n") +
                    bytes.substr(tras) + linea.bytes;
        }
        e.zeda.escribir(nombre, bytes);
    }
    try {
        EXPECT_EQ(e.exportar(), FinTransferencia::Finalizada);
        EXPECT_EQ(e.estado.Transformado, 1);
    } catch (const Error& error) {
        EXPECT_NE(std::string(error.what()), "");
        EXPECT_EQ(e.estado.Transformado, -1);
    }
    EXPECT_EQ(e.interlocutor.ocupado, 0);
}

INSTANTIATE_TEST_SUITE_P(Exportacion, EntradaMala,
                         ::testing::Combine(::testing::ValuesIn(kArchivos), ::testing::ValuesIn(kLineasMalas)),
                         [](const auto& info) {
                             std::string nombre = std::get<0>(info.param);
                             nombre = nombre.substr(5, nombre.size() - 9);
                             return nombre + "_" + std::get<1>(info.param).nombre;
                         });

// Only the sessions file turns a bad line into an error: its times must be integers.
TEST(EntradaMalaTramos, LineaCortaEsElErrorDeEnteroYLoAnteriorQueda) {
    EscenarioExportacion e;
    for (const char* nombre : kArchivos) fs::copy_file(fs::path(TTZ_FUENTES) / "examples/escuela" / nombre, e.zeda / nombre);
    e.zeda.escribir("zeda_sesiones.txt", "0\r\n1A\r\n");
    try {
        e.exportar();
        FAIL() << "sin error";
    } catch (const Error& error) {
        EXPECT_STREQ(error.what(), "'' no es un valor entero v\xE1lido");
    }
    EXPECT_EQ(e.registros("ASIGT", {"CASIG"}).size(), 150u);
    EXPECT_FALSE(e.existeTabla("DIASHORAST"));
}

TEST(EntradaMalaCatalogo, LineaDeCienMilCaracteresSeCortaAlAnchoDelCampo) {
    EscenarioExportacion e;
    e.zeda.escribir("zeda_asignat.txt", "1MAT " + std::string(20, 'L') + std::string(100000, 'n') + "\r\n");
    e.ejecutar(exportacion::ExportarAsignaturas);
    EXPECT_EQ(e.registros("ASIGNOMT", {"COD", "CODLARGO", "NOMBRE"}),
              (Registros{{"MAT", std::string(8, 'L'), std::string(40, 'n')}}));
}

TEST(EntradaMalaCatalogo, BytesAltosPasanSinConvertir) {
    EscenarioExportacion e;
    e.zeda.escribir("zeda_aulas.txt", lineaZeda({{1, "1"}, {12, "\xC1\xD1\xBD\xFF"}, {86, "Sal\xF3n \x80"}}) + "\r\n");
    e.ejecutar(exportacion::ExportarAulas);
    EXPECT_EQ(e.registros("AULAT", {"ABREV", "NOMBRE"}), (Registros{{"\xC1\xD1\xBD\xFF", "Sal\xF3n \x80"}}));
}

}  // namespace
}  // namespace ttz::pruebas
