#include "ui/degradado.h"

#include <algorithm>

namespace ttz::ui {
namespace {

constexpr int kMaximoBandas = 256;

int componente(int inicio, int fin, int i, int n) { return n < 2 ? inicio : inicio + (fin - inicio) * i / (n - 1); }

}  // namespace

ColorRGB colorBanda(ColorRGB inicio, ColorRGB fin, int i, int n) {
    return {componente(inicio.rojo, fin.rojo, i, n), componente(inicio.verde, fin.verde, i, n),
            componente(inicio.azul, fin.azul, i, n)};
}

std::vector<Banda> bandasMitad(int desde, int hasta, ColorRGB inicio, ColorRGB fin) {
    const int filas = hasta - desde;
    const int n = std::min(filas, kMaximoBandas);
    std::vector<Banda> bandas;
    bandas.reserve(static_cast<std::size_t>(std::max(n, 0)));
    for (int i = 0; i < n; ++i) {
        const int arriba = desde + filas * i / n;
        const int abajo = desde + filas * (i + 1) / n;
        bandas.push_back({arriba, abajo - arriba, colorBanda(inicio, fin, i, n)});
    }
    return bandas;
}

std::vector<Banda> bandasPanel(int alto, ColorRGB arriba, ColorRGB medio, ColorRGB abajo) {
    const int mitad = alto / 2;
    auto bandas = bandasMitad(0, mitad, arriba, medio);
    const auto segunda = bandasMitad(mitad, alto, medio, abajo);
    bandas.insert(bandas.end(), segunda.begin(), segunda.end());
    return bandas;
}

}  // namespace ttz::ui
