// transtempaloszeda: moves a school's data between ZEDA's text files and Tempalix's tables.
#include <QFile>
#include <chrono>
#include <iostream>
#include <optional>

#include "app/linea_ordenes.h"
#include "base/errores.h"
#include "base/texto.h"
#include "ui/puertos_programa.h"
#include "ui/qt/aplicacion.h"
#include "ui/qt/dialogos.h"
#include "ui/qt/sonda_arranque.h"
#include "ui/qt/ventana_principal.h"
#include "ui/qt/visor_ayuda.h"

namespace {

const char* const kUso =
    "uso: transtempaloszeda\n"
    "     transtempaloszeda exportar|importar VENTANA\n"
    "     transtempaloszeda --help | --version\n"
    "\n"
    "Sin argumentos abre la ventana que exporta e importa datos entre Tempalix y ZEDA. Con\n"
    "exportar o importar y el identificador VENTANA de una ventana de X11 en hexadecimal, se\n"
    "abre dentro de esa ventana, como lo abre Tempalix. Sin ventana, desde la l\xEDnea de\n"
    "comandos: transtempaloszeda-lote. La gu\xED" "a para el t\xE9" "cnico del centro explica cada\n"
    "mensaje y qu\xE9 hacer; el paquete de Debian la instala en\n"
    "/usr/share/doc/transtempaloszeda/guia-tecnico.md.gz\n";

// What a Debian user expects of --help and --version: the text, and the end, without a window.
std::optional<std::string> textoSinVentana(const std::vector<std::string>& parametros) {
    if (parametros.size() != 1) return std::nullopt;
    if (parametros[0] == "--help" || parametros[0] == "-h") return ttz::aUtf8(kUso);
    if (parametros[0] == "--version") return "transtempaloszeda " TTZ_VERSION "\n";
    return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
    const auto inicio = std::chrono::steady_clock::now();
    // Read before Qt takes its own options out of argv.
    const auto parametros = ttz::parametrosDelProceso(argc, argv);
    if (const auto texto = textoSinVentana(parametros)) {
        std::cout << *texto;
        return 0;
    }

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
