#include "ui/dialogos.h"

#include "base/errores.h"

namespace ttz::ui {

void informarExcepcionActual(Dialogos& dialogos) {
    dialogos.mostrarCajaError(textoCajaError(mensajeExcepcionActual()));
}

}  // namespace ttz::ui
