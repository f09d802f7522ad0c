#pragma once
// What the folder chooser's tests share: a Qt application without a screen and the process's
// current folder put back after each test.
#include <QApplication>
#include <QString>
#include <filesystem>
#include <ostream>

// Readable QString values in failure messages.
inline void PrintTo(const QString& texto, std::ostream* salida) {
    *salida << '"' << texto.toStdString() << '"';
}

namespace ttz::pruebas {

inline QApplication& aplicacionSinPantalla() {
    static int argc = 1;
    static char nombre[] = "pruebas_selector";
    static char* argv[] = {nombre, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed: at exit the test library's pointing device would outlive it.
    static auto* aplicacion = new QApplication(argc, argv);
    return *aplicacion;
}

class CarpetaProcesoGuardada {
public:
    CarpetaProcesoGuardada() : guardada_(std::filesystem::current_path()) {}
    ~CarpetaProcesoGuardada() { std::filesystem::current_path(guardada_); }
    CarpetaProcesoGuardada(const CarpetaProcesoGuardada&) = delete;
    CarpetaProcesoGuardada& operator=(const CarpetaProcesoGuardada&) = delete;

private:
    std::filesystem::path guardada_;
};

}  // namespace ttz::pruebas
