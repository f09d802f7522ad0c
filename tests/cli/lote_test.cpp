// The batch tool, run as a program on temporary folders: exit status, standard output and
// standard error.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "base/archivo.h"
#include "lote.h"
#include "comun/nombre_caso.h"
#include "zeda/archivo_zeda.h"

namespace ttz::pruebas {
namespace {

namespace fs = std::filesystem;

TEST_F(Lote, ExportaLaEscuelaDeEjemplo) {
    copiarEscuela();
    const auto r = ejecutar("exportar " + opciones());
    EXPECT_EQ(r.estado, 0);
    EXPECT_EQ(r.avisos(), "Proceso finalizado\n");
    EXPECT_EQ(r.errores, "");
    for (const char* tabla : {"ASIGNOMT", "PROFT", "AULAT", "GRUPOST", "ASIGT", "DIASHORAST"})
        EXPECT_TRUE(fs::exists(datos / (std::string(tabla) + ".DBF"))) << tabla;
}

TEST_F(Lote, CarpetaPorOmisionEsLaActual) {
    copiarEscuela();
    const auto r = ejecutar("exportar --datos=" + citar(datos.ruta()));
    EXPECT_EQ(r.estado, 0);
    EXPECT_EQ(r.avisos(), "Proceso finalizado\n");
}

TEST_F(Lote, CarpetaRelativaYConSeparadorFinal) {
    copiarEscuela();
    const std::string deVuelta = "../" + trabajo.ruta().filename().string() + "/";
    for (const std::string& carpeta : {std::string("."), std::string("./"), deVuelta}) {
        const auto r = ejecutar("exportar --carpeta " + citar(carpeta) + " --datos " + citar(datos.ruta()));
        EXPECT_EQ(r.estado, 0) << carpeta << r.errores;
        EXPECT_EQ(r.avisos(), "Proceso finalizado\n") << carpeta;
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
        const auto r = ejecutar(std::string(orden) + " --carpeta " + citar(trabajo / "no") + " --datos " +
                                citar(datos.ruta()));
        EXPECT_EQ(r.estado, 1) << orden;
        EXPECT_EQ(r.avisos(), "No existe la carpeta\n") << orden;
    }
}

// Tempalix makes its data folder: a missing one (a mistyped TTEMP) is named, in UTF-8 whatever the
// shell's encoding of the argument (cmd passes the ANSI code page), and not created.
TEST_F(Lote, CarpetaDeDatosQueNoExisteSeNombraYNoSeCrea) {
#ifdef _WIN32
    const std::string anioEnConsola = "A\xF1o";
#else
    const std::string anioEnConsola = "A\xC3\xB1o";
#endif
    copiarEscuela();
    for (const char* orden : {"exportar", "importar"}) {
        const auto r = ejecutar(std::string(orden) + " --datos " + anioEnConsola);
        EXPECT_EQ(r.estado, 2) << orden;
        EXPECT_EQ(r.avisos(), "") << orden;
        EXPECT_EQ(r.errores, "No existe la carpeta de datos de Tempalix \"A\xC3\xB1o\"\n") << orden;
        EXPECT_FALSE(fs::exists(trabajo.ruta() / fs::path(u8"A\u00F1o"))) << orden;
    }
}

// The message is printed as the error box shows it, in UTF-8, with the full stop added.
TEST_F(Lote, ErrorQueTerminaLaExportacion) {
    copiarEscuela();
    trabajo.escribir("zeda_sesiones.txt", "0\r\n1   0101L0800\r\n");
    const auto r = ejecutar("exportar " + opciones());
    EXPECT_EQ(r.estado, 2);
    EXPECT_EQ(r.avisos(), "");
    EXPECT_EQ(r.errores, "'' no es un valor entero v\xC3\xA1lido.\n");
}

// This process holds a table (through a share mode on Windows, a lock elsewhere): the tool's
// export ends with an error naming it, no table damaged and no staging file left; once the table
// is free, it runs.
TEST_F(Lote, TablaRetenidaPorOtroProceso) {
    copiarEscuela();
    ASSERT_EQ(ejecutar("exportar " + opciones()).estado, 0);
    const auto antes = tablas();
    {
        const Archivo retenida = Archivo::abrir(datos / "GRUPOST.DBF", Acceso::Lectura, Retencion::Exclusiva);
        const auto r = ejecutar("exportar " + opciones());
        EXPECT_EQ(r.estado, 2);
        EXPECT_EQ(r.avisos(), "");
        EXPECT_EQ(r.errores, "La tabla \"" + (datos / "GRUPOST.DBF").string() +
                                 "\" est\xC3\xA1 abierta en otro programa.\n");
    }
    EXPECT_TRUE(tablas() == antes) << "una tabla cambi\xC3\xB3 o qued\xC3\xB3 un archivo provisional";
    EXPECT_EQ(ejecutar("exportar " + opciones()).estado, 0);
}

// What an input that never ends or claims to be enormous is made of. Windows has no endless
// file: there it is a file of 4 GiB of zeros (sparse where the file system allows).
void entradaSinFin(const fs::path& archivo) {
    fs::remove(archivo);
#ifdef _WIN32
    std::ofstream(archivo, std::ios::binary).put('\0');
    fs::resize_file(archivo, std::uintmax_t{4} << 30);
#else
    fs::create_symlink("/dev/zero", archivo);
#endif
}

void escribirMasLineasQueZEDA(const fs::path& archivo) {
    std::ofstream(archivo, std::ios::binary) << std::string(zeda::kLineasMaximasZEDA + 1, '\n');
}

// A table, copied from one that the export wrote, whose header claims 2^31 records of 65,535 bytes.
void anunciarRegistrosEnormes(const fs::path& tabla) {
    std::string bytes = leerBytes(tabla.parent_path() / "ASIGNOMT.DBF");
    bytes.replace(4, 4, std::string("\0\0\0\x80", 4));
    bytes.replace(10, 2, "\xFF\xFF");
    std::ofstream(tabla, std::ios::binary) << bytes;
}

struct CasoEnorme {
    const char* nombre;
    const char* orden;
    const char* archivo;  // in the ZEDA folder; a table in the data folder when it ends in .DBF
    void (*preparar)(const fs::path& archivo);
    const char* que;      // the error on standard error: que "<the file's path>" por.
    const char* por;
};

void PrintTo(const CasoEnorme& caso, std::ostream* salida) { *salida << caso.nombre; }

class Enorme : public Lote, public ::testing::WithParamInterface<CasoEnorme> {
protected:
    fs::path archivo() const {
        const bool tabla = std::string_view(GetParam().archivo).ends_with(".DBF");
        return (tabla ? datos.ruta() : trabajo.ruta()) / GetParam().archivo;
    }

};

// Reading such an input whole would pass the memory limit; instead the run ends at once with an
// error that names the file, and the tables stay as they were.
TEST_P(Enorme, ErrorQueNombraElArchivoYLasTablasQuedan) {
    constexpr long kLimiteKiB = TTZ_CON_SANEADORES ? 0 : 256 * 1024;  // the sanitizers reserve far more
    copiarEscuela();
    ASSERT_EQ(ejecutar("exportar " + opciones()).estado, 0);
    GetParam().preparar(archivo());
    const auto antes = tablas();
    const auto r = ejecutar(std::string(GetParam().orden) + " " + opciones(), kLimiteKiB);
    EXPECT_EQ(r.estado, 2);
    EXPECT_EQ(r.avisos(), "");
    EXPECT_EQ(r.errores, std::string(GetParam().que) + " \"" + archivo().string() + "\" " + GetParam().por + ".\n");
    EXPECT_TRUE(tablas() == antes) << "una tabla cambi\xC3\xB3";
    EXPECT_FALSE(fs::exists(trabajo / "ZEDA_HORARIO.TXT"));
}

constexpr const char* kArchivo = "El archivo";
constexpr const char* kGrande = 
    "es demasiado grande para ser de ZEDA (m\xC3\xA1s de 32 MB). Compruebe que es el archivo que genera ZEDA";
constexpr const char* kLineas = 
    "tiene demasiadas l\xC3\xADneas para ser de ZEDA (m\xC3\xA1s de un mill\xC3\xB3n). Compruebe que es el archivo que genera ZEDA";

INSTANTIATE_TEST_SUITE_P(Lote, Enorme, ::testing::Values(
    CasoEnorme{"Asignaturas", "exportar", "zeda_asignat.txt", entradaSinFin, kArchivo, kGrande},
    CasoEnorme{"Profesores", "exportar", "zeda_prof.txt", entradaSinFin, kArchivo, kGrande},
    CasoEnorme{"Aulas", "exportar", "zeda_aulas.txt", entradaSinFin, kArchivo, kGrande},
    CasoEnorme{"Grupos", "exportar", "zeda_grupo.txt", entradaSinFin, kArchivo, kGrande},
    CasoEnorme{"AsignaturasGrupos", "exportar", "zeda_asignatgrupo.txt", entradaSinFin, kArchivo, kGrande},
    CasoEnorme{"AsignaturasCurso", "exportar", "zeda_asignatcurso.txt", escribirMasLineasQueZEDA, kArchivo, kLineas},
    CasoEnorme{"Sesiones", "exportar", "zeda_sesiones.txt", escribirMasLineasQueZEDA, kArchivo, kLineas},
    CasoEnorme{"ImportarSesiones", "importar", "zeda_sesiones.txt", escribirMasLineasQueZEDA, kArchivo, kLineas},
    CasoEnorme{"ImportarSolucEnorme", "importar", "SOLUC.DBF", anunciarRegistrosEnormes, "La tabla",
               "est\xC3\xA1 da\xC3\xB1" "ada"}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST_F(Lote, ImportarSinTablasEsUnError) {
    copiarEscuela();
    const auto r = ejecutar("importar " + opciones());
    EXPECT_EQ(r.estado, 2);
    EXPECT_EQ(r.avisos(), "");
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
    EXPECT_EQ(r.avisos(), "");
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
#ifdef _WIN32
    const char* const datosPorOmision = "%TTEMP% si est\xC3\xA1 definida; si no, C:\\TTEMP)\n";
#else
    const char* const datosPorOmision = "$TTEMP si est\xC3\xA1 definida; si no, $WINEPREFIX/drive_c/TTEMP";
#endif
    const auto ayuda = ejecutar("--help");
    EXPECT_EQ(ayuda.estado, 0);
    EXPECT_TRUE(ayuda.salida.starts_with("uso: transtempaloszeda-lote exportar|importar")) << ayuda.salida;
    EXPECT_NE(ayuda.salida.find(datosPorOmision), std::string::npos) << ayuda.salida;
    EXPECT_EQ(ayuda.errores, "");
#ifdef _WIN32
    const auto barra = ejecutar("/?");
    EXPECT_EQ(barra.estado, 0);
    EXPECT_EQ(barra.salida, ayuda.salida);
#endif
    const auto version = ejecutar("--version");
    EXPECT_EQ(version.estado, 0);
    EXPECT_EQ(version.salida, "transtempaloszeda-lote " TTZ_VERSION "\n");
}

}  // namespace
}  // namespace ttz::pruebas
