// transtempaloszeda: moves a school's data between ZEDA's text files and Tempalix's tables.
#include <QFile>
#include <chrono>
#include <iostream>

#include "app/linea_ordenes.h"
#include "base/errores.h"
#include "base/texto.h"
#include "ui/puertos_programa.h"
#include "ui/qt/aplicacion.h"
#include "ui/qt/dialogos.h"
#include "ui/qt/sonda_arranque.h"
#include "ui/qt/ventana_principal.h"
#include "ui/qt/visor_ayuda.h"

int main(int argc, char** argv) {
    const auto inicio = std::chrono::steady_clock::now();
    // Read before Qt takes its own options out of argv.
    const auto parametros = ttz::parametrosDelProceso(argc, argv);

    ttz::ui::DialogosQt dialogos;
    ttz::ui::Aplicacion aplicacion(argc, argv, dialogos);
    const std::filesystem::path ejecutable(QFile::encodeName(QCoreApplication::applicationFilePath()).toStdString());
    ttz::ui::PuertosPrograma programa(ejecutable, std::make_unique<ttz::ui::VisorEscritorio>());
    QCoreApplication::setApplicationName(QString::fromLatin1(ttz::ui::kTituloAplicacion));

    ttz::ui::AnfitrionNativo anfitrion;
    try {
        ttz::ui::TMForm MForm(parametros, programa.puertos(dialogos), anfitrion);
        QObject::connect(&MForm, &ttz::ui::TMForm::cerrada, &aplicacion, &QCoreApplication::quit,
                         Qt::QueuedConnection);
        ttz::ui::instalarSondaArranque(MForm, inicio);
        MForm.show();
        return aplicacion.exec();
    } catch (const ttz::ui::ErrorAnfitrion& error) {
        std::cerr << "transtempaloszeda: " << ttz::aUtf8(ttz::textoCajaError(error.what())) << '\n';
        return 1;
    } catch (...) {
        // Without its window the tool cannot go on; the error still gets its box.
        ttz::ui::informarExcepcionActual(dialogos);
        return 1;
    }
}
