#include "ui/dialogos.h"

#include <exception>

#include "base/errores.h"

namespace ttz::ui {

void informarExcepcionActual(Dialogos& dialogos) {
    try {
        throw;
    } catch (const std::exception& error) {
        dialogos.mostrarCajaError(textoCajaError(error.what()));
    }
}

}  // namespace ttz::ui
