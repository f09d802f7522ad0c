#include "ui/selector/filas_carpetas.h"

#include <algorithm>

#include "ui/selector/orden_nombres.h"

namespace ttz::ui {

namespace {

constexpr int kPasoSangria = 4;

// The folder names below the root, in order.
std::vector<std::string> nombresBajoRaiz(const std::string& ruta, std::size_t inicio,
                                         char separador) {
    std::vector<std::string> nombres;
    while (inicio < ruta.size()) {
        auto fin = ruta.find(separador, inicio);
        if (fin == std::string::npos) fin = ruta.size();
        if (fin > inicio) nombres.push_back(ruta.substr(inicio, fin - inicio));
        inicio = fin + 1;
    }
    return nombres;
}

}  // namespace

GeometriaFila geometriaFila(int sangria, int anchoTexto, const std::function<int(int)>& escalar) {
    const int icono = escalar(sangria), caja = icono + escalar(kAnchoIcono + kSeparacionTexto);
    return {icono, caja, anchoTexto + escalar(2), caja + 1};
}

std::string raizDe(const std::string& ruta, char separador) {
    auto primero = ruta.find(separador);
    return primero == std::string::npos ? ruta : ruta.substr(0, primero + 1);
}

std::string rutaHija(const std::string& carpeta, const std::string& nombre, char separador) {
    if (!carpeta.empty() && carpeta.back() == separador) return carpeta + nombre;
    return carpeta + separador + nombre;
}

std::vector<FilaCarpeta> filasCarpetas(const std::string& actual,
                                       std::vector<std::string> subcarpetas, char separador) {
    const auto raiz = raizDe(actual, separador);
    std::vector<FilaCarpeta> filas{{raiz, raiz, IconoCarpeta::Abierta, kSangriaRaiz}};
    auto ruta = raiz;
    for (const auto& nombre : nombresBajoRaiz(actual, raiz.size(), separador)) {
        ruta = rutaHija(ruta, nombre, separador);
        const int sangria = kSangriaRaiz + kPasoSangria * static_cast<int>(filas.size());
        filas.push_back({nombre, ruta, IconoCarpeta::Abierta, sangria});
    }
    filas.back().icono = IconoCarpeta::Actual;

    const auto separadores = std::count(actual.begin(), actual.end(), separador);
    const int sangriaHijas = 6 + kPasoSangria * static_cast<int>(separadores);
    ordenarNombres(subcarpetas);
    for (auto& nombre : subcarpetas) {
        auto hija = rutaHija(ruta, nombre, separador);
        filas.push_back({std::move(nombre), std::move(hija), IconoCarpeta::Cerrada, sangriaHijas});
    }
    return filas;
}

}  // namespace ttz::ui
