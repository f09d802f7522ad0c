#pragma once
// The application object: one handler for every error that escapes an event handler.
#include <QApplication>

#include "ui/dialogos.h"

namespace ttz::ui {

class Aplicacion : public QApplication {
public:
    Aplicacion(int& argc, char** argv, Dialogos& dialogos);
    bool notify(QObject* receptor, QEvent* evento) override;

private:
    Dialogos& dialogos_;
};

}  // namespace ttz::ui
