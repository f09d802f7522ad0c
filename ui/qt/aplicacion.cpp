#include "ui/qt/aplicacion.h"

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

Aplicacion::Aplicacion(int& argc, char** argv, Dialogos& dialogos)
    : QApplication(argc, argv), dialogos_(dialogos) {}

bool Aplicacion::notify(QObject* receptor, QEvent* evento) {
    bool atendido = false;
    ejecutarProtegido(dialogos_, [&] { atendido = QApplication::notify(receptor, evento); });
    return atendido;
}

}  // namespace ttz::ui
