// transtempaloszeda: moves a school's data between ZEDA's text files and Tempalix's tables.
#include <QFile>
#include <chrono>
#include <iostream>

#include "ui/qt/aplicacion.h"
#include "ui/qt/dialogos.h"
#include "base/archivos.h"
#include "app/ayuda.h"
#include "base/cotejo.h"
#include "base/errores.h"
#include "app/linea_ordenes.h"
#include "base/reloj.h"
#include "app/resultado_ini.h"
#include "base/sistema.h"
#include "ui/qt/sonda_arranque.h"
#include "tables/almacen_dbase.h"
#include "ui/qt/ventana_principal.h"

int main(int argc, char** argv) {
    const auto inicio = std::chrono::steady_clock::now();
    // Read before Qt takes its own options out of argv.
    const auto parametros = ttz::parametrosDelProceso(argc, argv);

    ttz::ui::DialogosQt dialogos;
    ttz::ui::Aplicacion aplicacion(argc, argv, dialogos);
    const std::filesystem::path ejecutable(QFile::encodeName(QCoreApplication::applicationFilePath()).toStdString());
    const auto visor = ttz::crearVisorAyuda();
    ttz::AyudaHtml ayuda(ejecutable.parent_path(), *visor);
    ayuda.ponerArchivo(ttz::kArchivoAyuda);
    QCoreApplication::setApplicationName(QString::fromLatin1(ttz::ui::kTituloAplicacion));

    ttz::Estado estado;
    ttz::ui::AnfitrionNativo anfitrion;
    ttz::tablas::AlmacenDBase almacen(ttz::carpetaDatosPredeterminada(), ttz::separadorDecimalDelSistema());
    const ttz::Cotejo cotejo;
    const ttz::RelojLocal reloj;
    try {
        ttz::ui::TMForm MForm(parametros,
                              {estado, dialogos, ayuda, almacen, cotejo, reloj, ttz::rutaResultado(ejecutable)},
                              anfitrion);
        QObject::connect(&MForm, &ttz::ui::TMForm::cerrada, &aplicacion, &QCoreApplication::quit,
                         Qt::QueuedConnection);
        ttz::ui::instalarSondaArranque(MForm, inicio);
        MForm.show();
        return aplicacion.exec();
    } catch (const ttz::ui::ErrorAnfitrion& error) {
        std::cerr << error.what() << '\n';
        return 1;
    } catch (...) {
        // Without its window the tool cannot go on; the error still gets its box.
        ttz::ui::informarExcepcionActual(dialogos);
        return 1;
    }
}
