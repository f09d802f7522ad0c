#include <gtest/gtest.h>

#include "base/errores.h"
#include "app/perfil_privado.h"
#include "app/resultado_ini.h"
#include "comun/carpeta_temporal.h"
#include "comun/mensaje_error.h"
#include "comun/nombre_caso.h"
#include "comun/sin_privilegios.h"

namespace ttz {
namespace {

struct CasoPerfil {
    const char* nombre;
    const char* antes;
    const char* valor;
    const char* despues;
};

class PonerClave : public testing::TestWithParam<CasoPerfil> {};

TEST_P(PonerClave, ComoUnArchivoDePerfilPrivado) {
    EXPECT_EQ(ponerClavePerfil(GetParam().antes, "Transformadores", "Transformado", GetParam().valor),
              GetParam().despues);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, PonerClave,
    testing::Values(
        CasoPerfil{"ArchivoNuevo", "", "1", "[Transformadores]\r\nTransformado=1\r\n"},
        CasoPerfil{"ValorNegativo", "", "-1", "[Transformadores]\r\nTransformado=-1\r\n"},
        CasoPerfil{"OtraSeccionQuedaIntacta", "[Tempalix]\r\nRuta=C:\\TTEMP\r\n",  "0",
                   "[Tempalix]\r\nRuta=C:\\TTEMP\r\n[Transformadores]\r\nTransformado=0\r\n"},
        CasoPerfil{"ValorReemplazado", "[Transformadores]\r\nTransformado=0\r\n", "1",
                   "[Transformadores]\r\nTransformado=1\r\n"},
        CasoPerfil{"NombresSinMayusculas", "[a]\r\nx=1\r\n[TRANSFORMADORES]\r\n TRANSFORMADO = -1 \r\n[b]\r\ny=2\r\n", "1",
                   "[a]\r\nx=1\r\n[TRANSFORMADORES]\r\nTRANSFORMADO=1\r\n[b]\r\ny=2\r\n"},
        CasoPerfil{"ClaveNuevaAlFinalDeSuSeccion", "[Transformadores]\r\nOtra=5\r\n\r\n[b]\r\ny=2\r\n", "1",
                   "[Transformadores]\r\nOtra=5\r\nTransformado=1\r\n\r\n[b]\r\ny=2\r\n"},
        CasoPerfil{"MismaClaveEnOtraSeccionNoCuenta", "[b]\r\nTransformado=7\r\n", "1",
                   "[b]\r\nTransformado=7\r\n[Transformadores]\r\nTransformado=1\r\n"},
        CasoPerfil{"UltimaLineaSinFin", "[b]\r\ny=2", "0", "[b]\r\ny=2\r\n[Transformadores]\r\nTransformado=0\r\n"},
        CasoPerfil{"FinesDeLineaAjenosIntactos", "[b]\ny=2\n[Transformadores]\nTransformado=0\n", "1",
                   "[b]\ny=2\n[Transformadores]\nTransformado=1\n"}),
    pruebas::NombrePor<&CasoPerfil::nombre>());

TEST(RutaResultado, CarpetaDelEjecutableYTempalixIni) {
    EXPECT_EQ(rutaResultado("/opt/ttz/bin/transtempaloszeda"), std::filesystem::path("/opt/ttz/bin/Tempalix.ini"));
}

class EscribirResultado : public testing::Test {
protected:
    pruebas::CarpetaTemporal carpeta;
};

TEST_F(EscribirResultado, ArchivoNuevoDeDosLineas) {
    escribirResultado(carpeta / "Tempalix.ini", 0);
    EXPECT_EQ(pruebas::leerBytes(carpeta / "Tempalix.ini"), "[Transformadores]\r\nTransformado=0\r\n");
}

TEST_F(EscribirResultado, ConservaLasDemasSeccionesYReemplazaElValor) {
    carpeta.escribir("Tempalix.ini", "[Tempalix]\r\nIdioma=es\r\n[Transformadores]\r\nTransformado=0\r\n");
    escribirResultado(carpeta / "Tempalix.ini", -1);
    EXPECT_EQ(pruebas::leerBytes(carpeta / "Tempalix.ini"),
              "[Tempalix]\r\nIdioma=es\r\n[Transformadores]\r\nTransformado=-1\r\n");
}

TEST_F(EscribirResultado, UsaElArchivoExistenteEnOtrasMayusculas) {
    carpeta.escribir("TEMPALIX.INI", "[Tempalix]\r\nIdioma=es\r\n");
    escribirResultado(carpeta / "Tempalix.ini", 1);
    EXPECT_EQ(pruebas::leerBytes(carpeta / "TEMPALIX.INI"),
              "[Tempalix]\r\nIdioma=es\r\n[Transformadores]\r\nTransformado=1\r\n");
    std::vector<std::string> nombres;
    for (const auto& entrada : std::filesystem::directory_iterator(carpeta.ruta()))
        nombres.push_back(entrada.path().filename().string());
    EXPECT_EQ(nombres, std::vector<std::string>{"TEMPALIX.INI"});
}

TEST_F(EscribirResultado, CarpetaSinPermisoDeEscrituraFallaConSuMensaje) {
    if (!pruebas::hayPermisosPosix) GTEST_SKIP() << pruebas::kSinPermisosPosix;
    namespace fs = std::filesystem;
    fs::permissions(carpeta.ruta(), fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                        fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
    const auto archivo = carpeta / "Tempalix.ini";
    EXPECT_EQ(pruebas::sinPrivilegios([&] { return pruebas::mensajeDeError([&] { escribirResultado(archivo, 1); }); }),
              "Unable to write to " + archivo.string());
    EXPECT_FALSE(fs::exists(archivo));
}

TEST_F(EscribirResultado, CarpetaInexistenteFallaConSuMensaje) {
    const auto archivo = carpeta / "no-existe" / "Tempalix.ini";
    try {
        escribirResultado(archivo, 1);
        FAIL();
    } catch (const Error& error) {
        EXPECT_EQ(std::string(error.what()), "Unable to write to " + archivo.string());
    }
}

TEST_F(EscribirResultado, UnaCarpetaConElNombreDelArchivoFalla) {
    std::filesystem::create_directory(carpeta / "Tempalix.ini");
    EXPECT_THROW(escribirResultado(carpeta / "Tempalix.ini", 1), Error);
}

}  // namespace
}  // namespace ttz
