#include "ui/qt/aplicacion.h"

#include <QLibraryInfo>

namespace ttz::ui {

// The window is Spanish whatever the user's language, so Qt's Spanish translation (Debian's
// qt6-translations-l10n) is loaded rather than the one of the user's locale. Without it the
// standard buttons keep Qt's English.
Aplicacion::Aplicacion(int& argc, char** argv, Dialogos& dialogos)
    : QApplication(argc, argv), dialogos_(dialogos) {
    if (traduccionQt_.load(QStringLiteral("qtbase_es"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(&traduccionQt_);
}

bool Aplicacion::notify(QObject* receptor, QEvent* evento) {
    bool atendido = false;
    ejecutarProtegido(dialogos_, [&] { atendido = QApplication::notify(receptor, evento); });
    return atendido;
}

}  // namespace ttz::ui
