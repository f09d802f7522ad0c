#include "ui/qt/glifos.h"

#include "ui/qt/pintura.h"

namespace ttz::ui {

QPixmap glifoAceptar() { return pintarDibujo(dibujoGlifo(Glifo::Aceptar)); }

QPixmap glifoSalir() { return pintarDibujo(dibujoGlifo(Glifo::Salir)); }

}  // namespace ttz::ui
