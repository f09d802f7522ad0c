// The batch tool, run as a program on temporary folders: exit status, standard output and
// standard error.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "comun/carpeta_temporal.h"
#include "comun/nombre_caso.h"

namespace ttz::pruebas {
namespace {

namespace fs = std::filesystem;

const fs::path kLote = fs::path(TTZ_BIN) / "transtempaloszeda-lote";
const fs::path kEscuela = fs::path(TTZ_FUENTES) / "examples/escuela";

struct Salida {
    int estado;
    std::string salida;
    std::string errores;
};

class Lote : public ::testing::Test {
protected:
    // The arguments are passed as they are to the shell; folders hold no quote.
    Salida ejecutar(const std::string& argumentos) {
        const std::string orden = "cd '" + trabajo.ruta().string() + "' && '" + kLote.string() + "' " + argumentos +
                                  " >'" + (salidas / "out").string() + "' 2>'" + (salidas / "err").string() + "'";
        const int estado = std::system(orden.c_str());
        return {WIFEXITED(estado) ? WEXITSTATUS(estado) : -1, leerBytes(salidas / "out"), leerBytes(salidas / "err")};
    }

    std::string opciones() const { return "--carpeta '" + trabajo.ruta().string() + "' --datos '" + datos.ruta().string() + "'"; }

    void copiarEscuela() {
        for (const auto& entrada : fs::directory_iterator(kEscuela))
            if (entrada.path().extension() == ".txt") fs::copy_file(entrada.path(), trabajo.ruta() / entrada.path().filename());
    }

    CarpetaTemporal trabajo, datos, salidas;
};

TEST_F(Lote, ExportaLaEscuelaDeEjemplo) {
    copiarEscuela();
    const auto r = ejecutar("exportar " + opciones());
    EXPECT_EQ(r.estado, 0);
    EXPECT_EQ(r.salida, "Proceso finalizado\n");
    EXPECT_EQ(r.errores, "");
    for (const char* tabla : {"ASIGNOMT", "PROFT", "AULAT", "GRUPOST", "ASIGT", "DIASHORAST"})
        EXPECT_TRUE(fs::exists(datos / (std::string(tabla) + ".DBF"))) << tabla;
}

TEST_F(Lote, CarpetaPorOmisionEsLaActual) {
    copiarEscuela();
    const auto r = ejecutar("exportar --datos='" + datos.ruta().string() + "'");
    EXPECT_EQ(r.estado, 0);
    EXPECT_EQ(r.salida, "Proceso finalizado\n");
}

TEST_F(Lote, CarpetaRelativaYConSeparadorFinal) {
    copiarEscuela();
    const std::string deVuelta = "../" + trabajo.ruta().filename().string() + "/";
    for (const std::string& carpeta : {std::string("."), std::string("./"), deVuelta}) {
        const auto r = ejecutar("exportar --carpeta '" + carpeta + "' --datos '" + datos.ruta().string() + "'");
        EXPECT_EQ(r.estado, 0) << carpeta << r.errores;
        EXPECT_EQ(r.salida, "Proceso finalizado\n") << carpeta;
    }
}

TEST_F(Lote, CarpetaVaciaAvisaCadaArchivoYTerminaConUno) {
    const auto r = ejecutar("exportar " + opciones());
    EXPECT_EQ(r.estado, 1);
    EXPECT_EQ(r.salida,
              "No existe archivo de asignaturas (ZEDA_ASIGNAT.TXT)\n"
              "No existe archivo de profesores (ZEDA_PROF.TXT)\n"
              "No existe archivo de aulas (ZEDA_AULAS.TXT)\n"
              "No existe archivo de grupos (ZEDA_GRUPO.TXT)\n"
              "No existe archivo de grupos (ZEDA_ASIGNATGRUPO.TXT)\n"
              "No existe archivo de grupos (ZEDA_SESIONES.TXT)\n"
              "Proceso finalizado\n");
    EXPECT_EQ(r.errores, "");
}

TEST_F(Lote, CarpetaQueNoExiste) {
    for (const char* orden : {"exportar", "importar"}) {
        const auto r = ejecutar(std::string(orden) + " --carpeta '" + (trabajo / "no").string() + "' --datos '" +
                                datos.ruta().string() + "'");
        EXPECT_EQ(r.estado, 1) << orden;
        EXPECT_EQ(r.salida, "No existe la carpeta\n") << orden;
    }
}

// The message is printed as the error box shows it, in UTF-8, with the full stop added.
TEST_F(Lote, ErrorQueTerminaLaExportacion) {
    copiarEscuela();
    trabajo.escribir("zeda_sesiones.txt", "0\r\n1   0101L0800\r\n");
    const auto r = ejecutar("exportar " + opciones());
    EXPECT_EQ(r.estado, 2);
    EXPECT_EQ(r.salida, "");
    EXPECT_EQ(r.errores, "'' no es un valor entero v\xC3\xA1lido.\n");
}

TEST_F(Lote, ImportarSinTablasEsUnError) {
    copiarEscuela();
    const auto r = ejecutar("importar " + opciones());
    EXPECT_EQ(r.estado, 2);
    EXPECT_EQ(r.salida, "");
    EXPECT_NE(r.errores, "");
    EXPECT_FALSE(fs::exists(trabajo / "ZEDA_HORARIO.TXT"));
}

struct CasoUso {
    const char* argumentos;
    const char* error;
};

class UsoIncorrecto : public Lote, public ::testing::WithParamInterface<CasoUso> {};

TEST_P(UsoIncorrecto, SesentaYCuatroConElUsoEnErrores) {
    const auto r = ejecutar(GetParam().argumentos);
    EXPECT_EQ(r.estado, 64);
    EXPECT_EQ(r.salida, "");
    EXPECT_TRUE(r.errores.starts_with(std::string(GetParam().error) + "\nuso: transtempaloszeda-lote")) << r.errores;
}

INSTANTIATE_TEST_SUITE_P(
    Lote, UsoIncorrecto,
    ::testing::Values(CasoUso{"", "falta la orden (exportar o importar)"},
                      CasoUso{"--carpeta .", "falta la orden (exportar o importar)"},
                      CasoUso{"transformar", "orden desconocida: transformar"},
                      CasoUso{"exportar importar", "sobra el argumento: importar"},
                      CasoUso{"exportar --carpeta", "falta la carpeta tras --carpeta"},
                      CasoUso{"exportar --datos=", "falta la carpeta tras --datos"},
                      CasoUso{"exportar --carpeta a --carpeta b", "opci\xC3\xB3n repetida: --carpeta"},
                      CasoUso{"exportar -x", "opci\xC3\xB3n desconocida: -x"}),
    pruebas::NombrePor<&CasoUso::argumentos>());

TEST_F(Lote, AyudaYVersion) {
    const auto ayuda = ejecutar("--help");
    EXPECT_EQ(ayuda.estado, 0);
    EXPECT_TRUE(ayuda.salida.starts_with("uso: transtempaloszeda-lote exportar|importar")) << ayuda.salida;
    EXPECT_EQ(ayuda.errores, "");
    const auto version = ejecutar("--version");
    EXPECT_EQ(version.estado, 0);
    EXPECT_EQ(version.salida, "transtempaloszeda-lote " TTZ_VERSION "\n");
}

}  // namespace
}  // namespace ttz::pruebas
