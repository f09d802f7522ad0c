// Widget tests run on a Qt application object without a display unless one is chosen.
#include <gtest/gtest.h>

#include "ui/qt/aplicacion.h"
#include "apoyo_ventana.h"

namespace ttz::pruebas {

DialogosPrueba& dialogosAplicacion() {
    static DialogosPrueba dialogos;
    return dialogos;
}

}  // namespace ttz::pruebas

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    testing::InitGoogleTest(&argc, argv);
    ttz::ui::Aplicacion aplicacion(argc, argv, ttz::pruebas::dialogosAplicacion());
    QCoreApplication::setApplicationName(QString::fromLatin1(ttz::ui::kTituloAplicacion));
    return RUN_ALL_TESTS();
}
