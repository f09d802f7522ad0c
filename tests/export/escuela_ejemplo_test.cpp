// The sample school in examples/escuela: what the generator writes at size 1, converted by a
// whole export, and the tables as another dBase reader (Python's dbfread) sees them.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "bench/escuela_sintetica.h"
#include "base/errores.h"
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


// Another dBase reader sees the same tables: Python's dbfread, when it is installed.
TEST_F(EscuelaExportada, OtroLectorDBaseLeeLasTablas) {
    if (std::system("/usr/bin/python3 -c 'import dbfread' 2>/dev/null") != 0) GTEST_SKIP() << "sin python3-dbfread";
    const fs::path salida = e.zeda / "volcado.txt";
    const std::string orden = "/usr/bin/python3 '" TTZ_FUENTES "/tests/export/volcar_dbf.py' '" + e.datos.ruta().string() +
                              "' ASIGNOMT:0,6 PROFT:2 AULAT:20 GRUPOST:14 ASIGT:0,8 DIASHORAST:0,29 >'" +
                              salida.string() + "'";
    ASSERT_EQ(std::system(orden.c_str()), 0);
    EXPECT_EQ(leerBytes(salida),
              "ASIGNOMT 40 COD:C:4:0 CODLARGO:C:8:0 NOMBRE:C:40:0 MATERIA:C:8:0\n"
              " LCL|LENGUA_C|Lengua Castellana y Literatura|\n"
              " MUS|MUSICA|M\xC3\xBAsica|\n"
              "PROFT 30 ABREV:C:4:0 NOMBRE:C:40:0 DEPART:C:40:0 DNI:N:11:0 X_EMPLEADO:C:10:0 F_TOMAPOS:C:10:0\n"
              " FEVI|Fern\xC3\xA1ndez de la Fuente Villanueva, Mar\xC3\xAD" "a|Lengua Castellana y Literatura|||\n"
              "AULAT 21 ABREV:C:4:0 NOMBRE:C:40:0 EDIFICIO:C:1:0 MAXALUM:N:11:0 DEPCENTRO:C:10:0\n"
              " DES1|Aula de desdoble 1 (anexo)|||\n"
              "GRUPOST 15 ABREV:C:4:0 TURNO:C:1:0 NIVEL:C:5:0 CURSO:C:3:0 GRUPO:C:2:0 UNIDAD:C:10:0 DESCRIP:C:40:0\n"
              " PM2|D|NIV|2|2|PMAR-2|D NIV 2 2\n"
              "ASIGT 150 CASIG:C:4:0 CPROF:C:4:0 CGRUP:C:4:0 CAULA:C:4:0 TURNO:C:1:0 NIVEL:C:5:0 CURSO:C:3:0 "
              "GRUPO:C:2:0 HORAS:N:20:4 SESIONES:C:20:0\n"
              " LCL||1EA||D|ESO|1|A|4.0|1111\n"
              " REL||1EA||D|ESO|1|A|1.5|1\xC2\xBD\n"
              "DIASHORAST 30 DIHO:C:10:0 CODDIHO:C:10:0 DIA:C:20:0 TEXTODIA:C:20:0 HORA:C:8:0 HORADESDE:C:8:0 "
              "HORAHASTA:C:8:0 MINUTOS:C:8:0\n"
              " L1|0101|L||1|0800|0855|15\n"
              " V6|0506|V||6|1305|1400|55\n");
}

}  // namespace
}  // namespace ttz::pruebas
