#include "ui/selector/selector_carpetas.h"

#include <algorithm>

#include "base/archivos.h"
#include "base/errores.h"
#include "ui/selector/carpeta_proceso.h"
#include "ui/selector/nombres_volumen.h"
#include "ui/selector/subcarpetas.h"

namespace ttz::ui {

SelectorCarpetas::SelectorCarpetas(std::vector<Unidad> unidades, const std::function<void()>& avisar)
    : unidades_(std::move(unidades)) {
    try {
        leerCarpeta();
        return;
    } catch (const Error&) {
        avisar();
    }
    cambiarCarpeta(carpetaDeRespaldo());
}

std::size_t SelectorCarpetas::filaActual() const {
    const auto fila = std::ranges::find(filas_, IconoCarpeta::Actual, &FilaCarpeta::icono);
    return static_cast<std::size_t>(fila - filas_.begin());
}

bool SelectorCarpetas::abrirFila(std::size_t fila) {
    if (filas_.at(fila).icono == IconoCarpeta::Actual) return false;
    cambiarCarpeta(filas_[fila].ruta);
    return true;
}

bool SelectorCarpetas::elegirUnidad(std::size_t unidad) {
    // A drive list may tell one choice more than once (Win32 sends two notifications): the drive
    // it shows already is no new choice, also when it could not be entered.
    if (static_cast<int>(unidad) == unidadElegida_) return false;
    unidadElegida_ = static_cast<int>(unidad);
    const auto destino = carpetas_.carpetaDe(unidades_.at(unidad));
    if (destino == actual_) return false;
    cambiarCarpeta(destino);
    return true;
}

void SelectorCarpetas::cambiarCarpeta(const std::string& carpeta) {
    cambiarCarpetaProceso(carpeta);
    leerCarpeta();
}

void SelectorCarpetas::leerCarpeta() {
    auto actual = carpetaProceso();
    filas_ = filasCarpetas(actual, listarSubcarpetas(actual), separadorCarpetas());
    mostrarComoElVolumen(filas_, actual);
    actual_ = std::move(actual);
    unidadActual_ = unidadDe(unidades_, actual_, separadorCarpetas());
    unidadElegida_ = unidadActual_;
    if (unidadActual_ >= 0) carpetas_.visitar(unidades_[unidadActual_], actual_);
}

}  // namespace ttz::ui
