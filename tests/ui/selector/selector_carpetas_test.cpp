// The folder chooser without a toolkit: the rows and the drive follow every change, each made
// through the process's current folder; opening the current folder's row or the drive already
// chosen changes nothing, and so does a failure.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <optional>

#include "base/archivos.h"
#include "base/errores.h"
#include "comun/carpeta_temporal.h"
#include "ui/selector/carpeta_proceso.h"
#include "comun/puertos_ventana.h"
#include "ui/selector/selector_carpetas.h"

namespace ttz::ui {
namespace {

namespace fs = std::filesystem;

// escuela with two subfolders, usb with one; the drives: the system's root, usb and one gone.
class SelectorSinVentana : public testing::Test {
protected:
    SelectorSinVentana() {
        for (const char* nombre : {"beta", "2024"}) fs::create_directories(temporal_ / "escuela" / nombre);
        fs::create_directories(temporal_ / "usb" / "datos");
        usb_ = leida(temporal_ / "usb");
        escuela_ = leida(temporal_ / "escuela");
        selector_.emplace(std::vector<Unidad>{{raizDe(escuela_, separadorCarpetas()), "sistema", TipoUnidad::Fija},
                                              {usb_, "usb", TipoUnidad::Extraible},
                                              {hija(usb_, "cd"), "cd", TipoUnidad::Optica}},
                          [] { ADD_FAILURE() << "aviso de error al empezar"; });
    }

    // A folder as the process reads it back after a change into it.
    static std::string leida(const fs::path& carpeta) {
        cambiarCarpetaProceso(carpeta.string());
        return carpetaProceso();
    }
    static std::string hija(const std::string& carpeta, const std::string& nombre) {
        return rutaHija(carpeta, nombre, separadorCarpetas());
    }
    std::size_t fila(const std::string& nombre) const {
        const auto& filas = selector_->filas();
        const auto hallada = std::ranges::find(filas, nombre, &FilaCarpeta::nombre);
        EXPECT_NE(hallada, filas.end()) << nombre;
        return static_cast<std::size_t>(hallada - filas.begin());
    }
    // Where the chooser and the process stand.
    void esperarEn(const std::string& carpeta, int unidad) const {
        EXPECT_EQ(selector_->actual(), carpeta);
        EXPECT_EQ(carpetaProceso(), carpeta);
        EXPECT_EQ(selector_->filas()[selector_->filaActual()].ruta, carpeta);
        EXPECT_EQ(selector_->unidadActual(), unidad);
    }

    pruebas::CarpetaProcesoGuardada guardada_;
    pruebas::CarpetaTemporal temporal_;
    std::string usb_, escuela_;
    std::optional<SelectorCarpetas> selector_;
};

TEST_F(SelectorSinVentana, EmpiezaEnLaCarpetaDelProceso) {
    esperarEn(escuela_, 0);
    const auto& filas = selector_->filas();
    ASSERT_GE(filas.size(), 3u);
    EXPECT_EQ(filas[filas.size() - 2].ruta, hija(escuela_, "2024"));
    EXPECT_EQ(filas.back().ruta, hija(escuela_, "beta"));
    EXPECT_EQ(filas.back().icono, IconoCarpeta::Cerrada);
}

TEST_F(SelectorSinVentana, AbrirUnaFilaLaHaceActual) {
    EXPECT_TRUE(selector_->abrirFila(fila("2024")));
    esperarEn(hija(escuela_, "2024"), 0);
    const auto filas = selector_->filas();
    EXPECT_FALSE(selector_->abrirFila(selector_->filaActual()));
    EXPECT_EQ(selector_->filas(), filas);
    EXPECT_TRUE(selector_->abrirFila(fila("escuela")));
    esperarEn(escuela_, 0);
    EXPECT_TRUE(selector_->abrirFila(0));
    esperarEn(raizDe(escuela_, separadorCarpetas()), 0);
}

// Each drive keeps the folder last visited on it.
TEST_F(SelectorSinVentana, ElegirUnaUnidadVaASuUltimaCarpeta) {
    EXPECT_TRUE(selector_->elegirUnidad(1));
    esperarEn(usb_, 1);
    selector_->abrirFila(fila("datos"));
    EXPECT_TRUE(selector_->elegirUnidad(0));
    esperarEn(escuela_, 0);
    EXPECT_TRUE(selector_->elegirUnidad(1));
    esperarEn(hija(usb_, "datos"), 1);
    EXPECT_FALSE(selector_->elegirUnidad(1));
}

// A folder removed after the rows were built, a drive that cannot be entered, a file.
TEST_F(SelectorSinVentana, UnFalloNoCambiaNada) {
    fs::remove(temporal_ / "escuela" / "beta");
    const auto filas = selector_->filas();
    const std::function<void()> fallos[] = {
        [&] { selector_->abrirFila(fila("beta")); },
        [&] { selector_->elegirUnidad(2); },
        [&] { selector_->cambiarCarpeta(temporal_.escribir("usb/zeda_prof.txt", "x").string()); },
    };
    for (const auto& fallo : fallos) {
        EXPECT_THROW(fallo(), ErrorES);
        esperarEn(escuela_, 0);
        EXPECT_EQ(selector_->filas(), filas);
    }
}

// Win32's drive list tells each choice twice: one error box for a drive that cannot be entered,
// one folder change for a good one.
TEST_F(SelectorSinVentana, UnaEleccionDeUnidadAvisadaDosVecesReaccionaUnaVez) {
    pruebas::DialogosPrueba dialogos;
    int cambios = 0;
    const auto elegirDosVeces = [&](std::size_t unidad) {
        for (int aviso = 0; aviso < 2; ++aviso)
            ejecutarProtegido(dialogos, [&] { cambios += selector_->elegirUnidad(unidad); });
    };
    elegirDosVeces(2);
    EXPECT_EQ(dialogos.errores.size(), 1u);
    EXPECT_EQ(cambios, 0);
    esperarEn(escuela_, 0);
    elegirDosVeces(1);
    EXPECT_EQ(dialogos.errores.size(), 1u);
    EXPECT_EQ(cambios, 1);
    esperarEn(usb_, 1);
}

}  // namespace
}  // namespace ttz::ui
