#pragma once
// The application object: one handler for every error that escapes an event handler, and Qt's
// own texts (the standard buttons) in Spanish like the rest of the window.
#include <QApplication>
#include <QTranslator>

#include "ui/dialogos.h"

namespace ttz::ui {

class Aplicacion : public QApplication {
public:
    Aplicacion(int& argc, char** argv, Dialogos& dialogos);
    bool notify(QObject* receptor, QEvent* evento) override;

private:
    Dialogos& dialogos_;
    QTranslator traduccionQt_;
};

}  // namespace ttz::ui
