// The sample school in examples/escuela: what the generator writes at size 1, converted by a
// whole export, and the tables as another dBase reader (Python's dbfread) sees them.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "bench/escuela_sintetica.h"
#include "app/errores.h"
#include "escenario_exportacion.h"

namespace ttz::pruebas {
namespace {

namespace fs = std::filesystem;

const fs::path kEscuela = fs::path(TTZ_FUENTES) / "examples/escuela";

TEST(EscuelaEjemplo, EsLaQueEscribeElGeneradorConTamanoUno) {
    const auto archivos = bancos::generarEscuela(1);
    ASSERT_EQ(archivos.size(), 7u);
    for (const auto& archivo : archivos) EXPECT_EQ(leerBytes(kEscuela / archivo.nombre), archivo.contenido) << archivo.nombre;
}

TEST(EscuelaEjemplo, CabeceraConCentroYLineasEnCRLF) {
    for (const auto& archivo : bancos::generarEscuela(1)) {
        const std::string& bytes = archivo.contenido;
        EXPECT_EQ(bytes.substr(51, 8), "41000001") << archivo.nombre;
        EXPECT_EQ(bytes.find('\n'), bytes.find("\r\n") + 1) << archivo.nombre;
    }
}

class EscuelaExportada : public ::testing::Test {
protected:
    void SetUp() override {
        for (const auto& entrada : fs::directory_iterator(kEscuela))
            if (entrada.path().extension() == ".txt") fs::copy_file(entrada.path(), e.zeda.ruta() / entrada.path().filename());
        ASSERT_EQ(e.exportar(), FinTransferencia::Finalizada);
        ASSERT_EQ(e.estado.Transformado, 1);
    }

    EscenarioExportacion e;
};

TEST_F(EscuelaExportada, IrregularidadesDeLaEscuela) {
    const auto asignaturas = e.registros("ASIGNOMT", {"COD", "CODLARGO"});
    EXPECT_EQ(asignaturas.size(), 40u);  // "mus" repeats "MUS" and is dropped
    EXPECT_EQ(asignaturas[6], (std::vector<std::string>{"MUS", "MUSICA"}));
    EXPECT_EQ(asignaturas[0], (std::vector<std::string>{"LCL", "LENGUA_C"}));
    const auto grupos = e.registros("GRUPOST", {"ABREV", "NIVEL", "GRUPO", "DESCRIP"});
    EXPECT_EQ(grupos.back(), (std::vector<std::string>{"PM2", "NIV", "2", "D NIV 2 2"}));
    const auto asignaciones = e.registros("ASIGT", {"CASIG", "CGRUP", "NIVEL", "HORAS", "SESIONES"});
    EXPECT_EQ(asignaciones[0], (std::vector<std::string>{"LCL", "1EA", "ESO", "4", "1111"}));     // second line ignored
    EXPECT_EQ(asignaciones[8], (std::vector<std::string>{"REL", "1EA", "ESO", "1,5", "1\xBD"}));  // comma
    EXPECT_EQ(asignaciones[9], (std::vector<std::string>{"TUT", "1EA", "ESO", "1", "1"}));        // blank hours
    EXPECT_EQ(asignaciones[38], (std::vector<std::string>{"VET", "2EA", "ESO", "1", "1"}));       // no line
    EXPECT_EQ(asignaciones[149], (std::vector<std::string>{"VET", "PM2", "NIV", "1", "1"}));
    const auto tramos = e.registros("DIASHORAST", {"DIHO", "CODDIHO", "HORA", "MINUTOS"});
    EXPECT_EQ(tramos[0], (std::vector<std::string>{"L1", "0101", "1", "15"}));
    EXPECT_EQ(tramos[29], (std::vector<std::string>{"V6", "0506", "6", "55"}));
}

}  // namespace
}  // namespace ttz::pruebas
