// The window's pictures as both views paint them.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "ui/dibujos.h"

namespace ttz::ui {
namespace {

// Just past the last pixel that a mark reaches.
PuntoDibujo extremo(const Trazo& trazo) {
    const auto& p = trazo.puntos;
    if (trazo.forma == Forma::Relleno) return {p[0].x + p[1].x, p[0].y + p[1].y};
    if (trazo.forma == Forma::Elipse) return {p[0].x + p[1].x + 1, p[0].y + p[1].y + 1};
    PuntoDibujo lejos{0, 0};
    for (const auto& punto : p) lejos = {std::max(lejos.x, punto.x + 1), std::max(lejos.y, punto.y + 1)};
    return lejos;
}

// Every mark inside its picture: one painter would cut what lies outside, the other might not.
TEST(Dibujos, CadaTrazoDentroDeSuDibujo) {
    std::vector<const Dibujo*> dibujos{&dibujoGlifo(Glifo::Aceptar), &dibujoGlifo(Glifo::Salir)};
    for (auto icono : {IconoCarpeta::Abierta, IconoCarpeta::Actual, IconoCarpeta::Cerrada})
        dibujos.push_back(&dibujoCarpeta(icono));
    for (auto tipo : {TipoUnidad::Extraible, TipoUnidad::Fija, TipoUnidad::Red, TipoUnidad::Optica, TipoUnidad::Ram})
        dibujos.push_back(&dibujoUnidad(tipo));
    for (std::size_t i = 0; i < dibujos.size(); ++i) {
        EXPECT_FALSE(dibujos[i]->trazos.empty()) << "dibujo " << i;
        for (const auto& trazo : dibujos[i]->trazos) {
            for (const auto& punto : trazo.puntos) EXPECT_TRUE(punto.x >= 0 && punto.y >= 0) << "dibujo " << i;
            EXPECT_LE(extremo(trazo).x, dibujos[i]->ancho) << "dibujo " << i;
            EXPECT_LE(extremo(trazo).y, dibujos[i]->alto) << "dibujo " << i;
        }
    }
}

// The current folder's row: the open folder again, with its back in grey.
TEST(Dibujos, CarpetaActualEsLaAbiertaConLaEspaldaGris) {
    auto abierta = dibujoCarpeta(IconoCarpeta::Abierta);
    const auto& actual = dibujoCarpeta(IconoCarpeta::Actual);
    EXPECT_EQ(actual.trazos.front().relleno, (ColorRGB{192, 192, 192}));
    abierta.trazos.front().relleno = actual.trazos.front().relleno;
    EXPECT_EQ(abierta, actual);
}

}  // namespace
}  // namespace ttz::ui
