#include "ui/teclado.h"

#include <algorithm>

namespace ttz::ui {
namespace {

bool esBoton(std::optional<IdControl> id) {
    return id && !esPanel(*id) && control(*id).clase == ClaseControl::Boton;
}

bool esLista(std::optional<IdControl> id) { return id == IdControl::Directorios || id == IdControl::Unidades; }

}  // namespace

Tecla teclaDe(int codigo, std::span<const CodigoTecla> codigos) {
    const auto hallado = std::ranges::find(codigos, codigo, &CodigoTecla::codigo);
    return hallado == codigos.end() ? Tecla::Otra : hallado->tecla;
}

AccionTecla accionDeTecla(Tecla tecla, Modificadores modificadores, std::optional<IdControl> enfocado) {
    switch (tecla) {
    case Tecla::F1:
        return AccionTecla::AyudaContexto;
    case Tecla::Escape:
        return AccionTecla::Ninguna;
    case Tecla::Intro:
        if (esBoton(enfocado)) return AccionTecla::PulsarEnfocado;
        return esLista(enfocado) ? AccionTecla::PulsarPredeterminado : AccionTecla::DelSistema;
    case Tecla::S: {
        // The mnemonic of "&Salir": Alt+S anywhere, S alone on a push button.
        const bool soloAlt = modificadores.alt && !modificadores.control && !modificadores.mayusculas;
        const bool ninguno = !modificadores.alt && !modificadores.control && !modificadores.mayusculas;
        return soloAlt || (ninguno && esBoton(enfocado)) ? AccionTecla::PulsarSalir : AccionTecla::DelSistema;
    }
    case Tecla::Otra:
        break;
    }
    return AccionTecla::DelSistema;
}

}  // namespace ttz::ui
