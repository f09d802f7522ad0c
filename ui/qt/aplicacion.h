#pragma once
// The application object: one handler for every error that escapes an event handler.
#include <QApplication>

#include "ui/dialogos.h"

namespace ttz::ui {

constexpr const char* kTituloAplicacion = "transTempalosZeda";

// Shows the exception being handled in the error box; the message loop then goes on.
void informarExcepcionActual(Dialogos& dialogos);

// Runs a handler; an exception that leaves it is reported by informarExcepcionActual.
template <typename Manejador>
void ejecutarProtegido(Dialogos& dialogos, Manejador&& manejador) {
    try {
        manejador();
    } catch (...) {
        informarExcepcionActual(dialogos);
    }
}

class Aplicacion : public QApplication {
public:
    Aplicacion(int& argc, char** argv, Dialogos& dialogos);
    bool notify(QObject* receptor, QEvent* evento) override;

private:
    Dialogos& dialogos_;
};

}  // namespace ttz::ui
