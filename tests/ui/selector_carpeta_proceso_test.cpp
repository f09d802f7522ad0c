// Changing the process's current folder and the input/output errors of a failed change.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "app/errores.h"
#include "comun/carpeta_temporal.h"
#include "ui/carpeta_proceso.h"
#include "ui/apoyo_selector.h"

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

// The error's code and text, and the current folder left where it was.
void esperarError(const std::string& destino, int codigo, const std::string& texto) {
    const auto antes = carpetaProceso();
    try {
        cambiarCarpetaProceso(destino);
        FAIL() << "sin error para " << destino;
    } catch (const ErrorES& error) {
        EXPECT_EQ(error.codigo(), codigo);
        EXPECT_EQ(std::string(error.what()), texto);
    }
    EXPECT_EQ(carpetaProceso(), antes);
}

TEST_F(CarpetaProceso, CarpetaQueNoExiste) {
    esperarError((temporal_ / "no-existe").string(), 2, "No se encuentra el archivo");
}

TEST_F(CarpetaProceso, UnArchivoNoEsUnaCarpeta) {
    const auto archivo = temporal_.escribir("zeda_prof.txt", "x");
    esperarError(archivo.string(), 3, "Nombre de archivo inv\xE1lido");
}

// The code of the error that entering the folder raises, as an unprivileged user: root enters
// any folder, so it tries in a child process that has given up root.
int codigoSinPrivilegios(const std::string& carpeta) {
    const pid_t hijo = ::fork();
    if (hijo == 0) {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(99);
        try {
            cambiarCarpetaProceso(carpeta);
            ::_exit(0);
        } catch (const ErrorES& error) {
            ::_exit(error.codigo());
        }
    }
    int estado = 0;
    ::waitpid(hijo, &estado, 0);
    return WIFEXITED(estado) ? WEXITSTATUS(estado) : -1;
}

TEST_F(CarpetaProceso, CarpetaSinPermiso) {
    const auto cerrada = temporal_ / "cerrada";
    fs::create_directories(cerrada);
    fs::permissions(cerrada, fs::perms::none);
    if (::geteuid() == 0)
        EXPECT_EQ(codigoSinPrivilegios(cerrada.string()), 5);
    else
        esperarError(cerrada.string(), 5, "Acceso al archivo denegado");
}

}  // namespace
}  // namespace ttz::ui
