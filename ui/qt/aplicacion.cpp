#include "ui/qt/aplicacion.h"

namespace ttz::ui {

Aplicacion::Aplicacion(int& argc, char** argv, Dialogos& dialogos)
    : QApplication(argc, argv), dialogos_(dialogos) {}

bool Aplicacion::notify(QObject* receptor, QEvent* evento) {
    bool atendido = false;
    ejecutarProtegido(dialogos_, [&] { atendido = QApplication::notify(receptor, evento); });
    return atendido;
}

}  // namespace ttz::ui
