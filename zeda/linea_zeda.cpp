#include "zeda/linea_zeda.h"

#include <algorithm>

#include "base/texto.h"

namespace ttz::zeda {
namespace {

constexpr int kRellenoMaximo = 95;

bool esBlancoOControl(char c) { return static_cast<unsigned char>(c) <= 32; }

}  // namespace

std::string_view recortar(std::string_view texto) {
    while (!texto.empty() && esBlancoOControl(texto.front())) texto.remove_prefix(1);
    while (!texto.empty() && esBlancoOControl(texto.back())) texto.remove_suffix(1);
    return texto;
}

void RellenarCampo(std::string& linea, std::string_view valor, int ancho) {
    linea += valor;
    const auto falta = static_cast<long long>(ancho) - static_cast<long long>(valor.size());
    if (falta > 0) linea.append(static_cast<std::size_t>(std::min<long long>(falta, kRellenoMaximo)), ' ');
}

ClaseLinea LineaZEDA::clase() const {
    if (texto_.empty()) return ClaseLinea::Datos;
    switch (texto_.front()) {
    case '0': return ClaseLinea::Cabecera;
    case '9': return ClaseLinea::Pie;
    default: return ClaseLinea::Datos;
    }
}

std::string_view LineaZEDA::campo(int columna, int longitud) const {
    const std::size_t inicio = static_cast<std::size_t>(std::max(columna, 1) - 1);
    if (inicio >= texto_.size() || longitud <= 0) return {};
    return texto_.substr(inicio, static_cast<std::size_t>(longitud));
}

bool LineaZEDA::tieneNombrePropio(std::string_view nombre) const {
    return mayusculas(campoRecortado(2, 50)) == nombre;
}

}  // namespace ttz::zeda
