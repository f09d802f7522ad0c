#include "ui/selector/unidades.h"

namespace ttz::ui {

namespace {

bool estaDentro(const std::string& carpeta, const std::string& raiz, char separador) {
    if (!carpeta.starts_with(raiz)) return false;
    return carpeta.size() == raiz.size() || raiz.back() == separador ||
           carpeta[raiz.size()] == separador;
}

}  // namespace

std::string textoUnidad(const std::string& nombre, TipoUnidad tipo, const std::string& detalle) {
    switch (tipo) {
    case TipoUnidad::Extraible: return nombre;
    case TipoUnidad::Red: return nombre + " " + detalle;
    default: return nombre + " [" + detalle + "]";
    }
}

int unidadDe(const std::vector<Unidad>& unidades, const std::string& carpeta, char separador) {
    int mejor = -1;
    for (int i = 0; i < static_cast<int>(unidades.size()); ++i) {
        const auto& raiz = unidades[i].raiz;
        if (!raiz.empty() && estaDentro(carpeta, raiz, separador) &&
            (mejor < 0 || raiz.size() > unidades[mejor].raiz.size()))
            mejor = i;
    }
    return mejor;
}

void CarpetasPorUnidad::visitar(const Unidad& unidad, const std::string& carpeta) {
    ultimas_[unidad.raiz] = carpeta;
}

std::string CarpetasPorUnidad::carpetaDe(const Unidad& unidad) const {
    const auto ultima = ultimas_.find(unidad.raiz);
    return ultima == ultimas_.end() ? unidad.raiz : ultima->second;
}

}  // namespace ttz::ui
