// Label2's shortened path, measured with a fixed 7 pixels per character.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/acortar_ruta.h"
#include "comun/nombre_caso.h"

namespace ttz::ui {
namespace {

constexpr int kPixelesPorLetra = 7;

int medir(const std::string& texto) { return kPixelesPorLetra * static_cast<int>(texto.size()); }

std::string acortar(const std::string& ruta, int ancho, char separador) {
    return acortarRuta(ruta, ancho, medir, separador);
}

struct Pasos {
    std::string ruta;
    char separador;
    std::vector<std::string> pasos;  // from the whole path to the last name, one step each
};

void PrintTo(const Pasos& pasos, std::ostream* salida) { *salida << pasos.ruta; }

class PasosDeAcortado : public testing::TestWithParam<Pasos> {};

// Each step is shown when it is the first that fits; one pixel less gives the next step.
TEST_P(PasosDeAcortado, CadaPasoEsElPrimeroQueCabe) {
    const auto& caso = GetParam();
    for (std::size_t i = 0; i < caso.pasos.size(); ++i) {
        const auto& paso = caso.pasos[i];
        EXPECT_EQ(acortar(caso.ruta, medir(paso), caso.separador), paso) << "paso " << i;
        const auto& siguiente = caso.pasos[std::min(i + 1, caso.pasos.size() - 1)];
        EXPECT_EQ(acortar(caso.ruta, medir(paso) - 1, caso.separador), siguiente) << "paso " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rutas, PasosDeAcortado,
    testing::Values(
        Pasos{"C:\\Usuarios\\ana\\Documentos\\2024\\Centro", '\\',
              {"C:\\Usuarios\\ana\\Documentos\\2024\\Centro", "C:\\...\\ana\\Documentos\\2024\\Centro",
               "C:\\...\\Documentos\\2024\\Centro", "C:\\...\\2024\\Centro", "C:\\...\\Centro",
               "...\\Centro", "Centro"}},
        Pasos{"/home/ana/escuela/zeda/2024", '/',
              {"/home/ana/escuela/zeda/2024", "/.../ana/escuela/zeda/2024", "/.../escuela/zeda/2024",
               "/.../zeda/2024", "/.../2024", ".../2024", "2024"}},
        // A folder right under the root: its "\" goes, then the drive.
        Pasos{"C:\\Horarios", '\\', {"C:\\Horarios", "C:Horarios", "Horarios"}},
        Pasos{"/horarios", '/', {"/horarios", "horarios"}}),
    [](const auto& info) { return pruebas::nombreDeCaso(info.param.ruta); });

TEST(AcortarRuta, LaRutaQueCabeSeMuestraEntera) {
    const std::string ruta = "C:\\Datos\\Horarios";
    EXPECT_EQ(acortar(ruta, 287, '\\'), ruta);
    EXPECT_EQ(acortar(ruta, medir(ruta), '\\'), ruta);
}

TEST(AcortarRuta, SinSitioParaNadaQuedaElUltimoNombre) {
    EXPECT_EQ(acortar("C:\\Datos\\Horarios\\Centro", 0, '\\'), "Centro");
    EXPECT_EQ(acortar("/srv/escuela/Centro", 0, '/'), "Centro");
}

TEST(AcortarRuta, EnPosixNoHayUnidad) {
    // A ":" second is part of a name, not a drive.
    EXPECT_EQ(acortar("/:/ab/cd", medir("/.../cd"), '/'), "/.../cd");
}

TEST(AcortarRuta, UnaRaizCabeEntera) {
    EXPECT_EQ(acortar("C:\\", 287, '\\'), "C:\\");
    EXPECT_EQ(acortar("/", 287, '/'), "/");
}

TEST(AcortarRuta, LaAnchuraRealDe287PixelesALetra7) {
    // 287 pixels hold 41 letters of 7.
    const std::string larga = "/srv/centros/ies-ejemplo/secretaria/zeda/exportaciones/2024";
    EXPECT_EQ(acortar(larga, 287, '/'), "/.../secretaria/zeda/exportaciones/2024");
}

}  // namespace
}  // namespace ttz::ui
