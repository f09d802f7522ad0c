// Changing the process's current folder and the input/output errors of a failed change.
#include <gtest/gtest.h>
#include <unistd.h>

#include "base/errores.h"
#include "comun/carpeta_temporal.h"
#include "comun/mensaje_error.h"
#include "ui/selector/carpeta_proceso.h"
#include "comun/sin_privilegios.h"

namespace ttz::ui {
namespace {

namespace fs = std::filesystem;

class CarpetaProceso : public testing::Test {
protected:
    pruebas::CarpetaProcesoGuardada guardada_;
    pruebas::CarpetaTemporal temporal_;
};

TEST_F(CarpetaProceso, CambiaYLeeLaCarpetaDelProceso) {
    fs::create_directories(temporal_ / "a b" / "c");
    cambiarCarpetaProceso((temporal_ / "a b" / "c").string());
    const auto esperada = fs::canonical(temporal_ / "a b" / "c").string();
    EXPECT_EQ(carpetaProceso(), esperada);
    EXPECT_EQ(fs::current_path().string(), esperada);
    cambiarCarpetaProceso("..");
    EXPECT_EQ(carpetaProceso(), fs::canonical(temporal_ / "a b").string());
}

// The error's text, and the current folder left where it was.
void esperarError(const std::string& destino, const std::string& texto) {
    const auto antes = carpetaProceso();
    try {
        cambiarCarpetaProceso(destino);
        FAIL() << "sin error para " << destino;
    } catch (const ErrorES& error) {
        EXPECT_EQ(std::string(error.what()), texto);
    }
    EXPECT_EQ(carpetaProceso(), antes);
}

TEST_F(CarpetaProceso, CarpetaQueNoExiste) {
    esperarError((temporal_ / "no-existe").string(), "No se encuentra el archivo");
}

TEST_F(CarpetaProceso, UnArchivoNoEsUnaCarpeta) {
    const auto archivo = temporal_.escribir("zeda_prof.txt", "x");
    esperarError(archivo.string(), "Nombre de archivo inv\xE1lido");
}

TEST_F(CarpetaProceso, CarpetaSinPermiso) {
    const auto cerrada = temporal_ / "cerrada";
    fs::create_directories(cerrada);
    fs::permissions(cerrada, fs::perms::none);
    // Root enters any folder, so the attempt runs as an ordinary user.
    const auto entrar = [&] { return pruebas::mensajeDeError([&] { cambiarCarpetaProceso(cerrada.string()); }); };
    EXPECT_EQ(pruebas::sinPrivilegios(entrar), "Acceso al archivo denegado");
    if (::geteuid() != 0) esperarError(cerrada.string(), "Acceso al archivo denegado");
}

}  // namespace
}  // namespace ttz::ui
