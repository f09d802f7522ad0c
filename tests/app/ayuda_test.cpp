#include <gtest/gtest.h>

#include "app/ayuda.h"
#include "base/archivos.h"
#include "comun/nombre_caso.h"

namespace ttz {
namespace {

struct CasoResolucion {
    const char* nombre;
    const char* esperado;  // nullptr: the request does nothing
};

class ResolverAyuda : public testing::TestWithParam<CasoResolucion> {};

TEST_P(ResolverAyuda, SoloChmYSinCarpetaLaDelEjecutable) {
    const auto archivo = resolverArchivoAyuda(GetParam().nombre, "/opt/ttz/bin");
    if (GetParam().esperado == nullptr)
        EXPECT_FALSE(archivo.has_value());
    else
        EXPECT_EQ(archivo, std::filesystem::path(GetParam().esperado));
}

INSTANTIATE_TEST_SUITE_P(Casos, ResolverAyuda,
                         testing::Values(CasoResolucion{"ZEDA.chm", "/opt/ttz/bin/ZEDA.chm"},
                                         CasoResolucion{"zeda.CHM", "/opt/ttz/bin/zeda.CHM"},
                                         CasoResolucion{"/ayuda/ZEDA.chm", "/ayuda/ZEDA.chm"},
                                         CasoResolucion{"ZEDA.hlp", nullptr}, CasoResolucion{"ZEDA", nullptr},
                                         CasoResolucion{"ZEDA.chm.txt", nullptr},
                                         CasoResolucion{"ZEDA.chmx", nullptr}, CasoResolucion{"", nullptr}),
                         pruebas::NombrePor<&CasoResolucion::nombre>());

class VisorPrueba : public VisorAyuda {
public:
    void mostrar(const std::filesystem::path& archivo, unsigned comando, std::uintptr_t dato) override {
        pedidos.push_back(archivo.string() + " " + std::to_string(comando) + " " + std::to_string(dato));
    }
    std::vector<std::string> pedidos;
};

// The help file beside the executable, joined with the platform's separator.
const std::string kChm = "/opt/ttz/bin" + std::string(1, separadorCarpetas()) + "ZEDA.chm";

TEST(AyudaHtml, IndiceYContextoSobreElArchivoJuntoAlEjecutable) {
    VisorPrueba visor;
    AyudaHtml ayuda("/opt/ttz/bin", visor);
    ayuda.contenido();
    ayuda.contexto(3);
    EXPECT_EQ(visor.pedidos, (std::vector<std::string>{kChm + " 1 0", kChm + " 15 3"}));
}

TEST(AyudaHtml, UnArchivoQueNoEsChmNoLlegaAlVisor) {
    VisorPrueba visor;
    AyudaHtml ayuda("/opt/ttz/bin", visor);
    ayuda.ponerArchivo("ZEDA.hlp");
    ayuda.contexto(3);
    EXPECT_TRUE(visor.pedidos.empty());
    // The contents request sets the help file again first.
    ayuda.contenido();
    EXPECT_EQ(visor.pedidos, (std::vector<std::string>{kChm + " 1 0"}));
}

}  // namespace
}  // namespace ttz
