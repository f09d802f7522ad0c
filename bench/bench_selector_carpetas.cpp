// The folder chooser with many subfolders: how long the folder list takes to be rebuilt when
// the current folder changes, and how long the drive list takes to read the system's drives.
// Prints one line per size: subfolders, median milliseconds of a change of folder, and of it
// the part spent listing the subfolders and building the sorted rows.
#include <QApplication>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "bench/medicion.h"
#include "comun/carpeta_temporal.h"
#include "ui/selector/filas_carpetas.h"
#include "ui/qt/selector_carpetas.h"
#include "ui/selector/subcarpetas.h"
#include "ui/selector/unidades.h"

namespace fs = std::filesystem;
using ttz::medicion::Reloj;
using ttz::medicion::segundosDesde;

namespace {

// A folder with that many subfolders of mixed case, in no particular order.
fs::path carpetaCon(const fs::path& base, int subcarpetas) {
    const auto carpeta = base / std::to_string(subcarpetas);
    std::mt19937 azar(subcarpetas);
    for (int i = 0; i < subcarpetas; ++i) {
        std::string nombre = (azar() % 2 ? "Grupo " : "grupo ") + std::to_string(azar() % 100000) +
                             "-" + std::to_string(i);
        fs::create_directories(carpeta / nombre);
    }
    return carpeta;
}

double medianaMs(std::vector<double> tiempos) {
    std::sort(tiempos.begin(), tiempos.end());
    return tiempos[tiempos.size() / 2] * 1000.0;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication aplicacion(argc, argv);
    const ttz::pruebas::CarpetaTemporal temporal;
    const fs::path& base = temporal.ruta();
    const auto inicial = fs::current_path();
    ttz::ui::ListaDirectorios lista;

    std::printf("subcarpetas  cambio_de_carpeta_ms  listado_ms  filas_ordenadas_ms\n");
    for (int subcarpetas : {10, 100, 1000, 10000}) {
        const auto carpeta = carpetaCon(base, subcarpetas);
        std::vector<double> cambios, listados, filas;
        for (int vez = 0; vez < 7; ++vez) {
            lista.cambiarRuta(base.string());
            auto inicio = Reloj::now();
            lista.cambiarRuta(carpeta.string());
            cambios.push_back(segundosDesde(inicio));
            inicio = Reloj::now();
            auto nombres = ttz::ui::listarSubcarpetas(carpeta.string());
            listados.push_back(segundosDesde(inicio));
            inicio = Reloj::now();
            ttz::ui::filasCarpetas(carpeta.string(), std::move(nombres), '/');
            filas.push_back(segundosDesde(inicio));
        }
        std::printf("%11d  %20.2f  %10.2f  %18.2f\n", subcarpetas, medianaMs(cambios),
                    medianaMs(listados), medianaMs(filas));
    }

    std::vector<double> tiempos;
    for (int vez = 0; vez < 7; ++vez) {
        const auto inicio = Reloj::now();
        const auto unidades = ttz::ui::unidadesDelSistema();
        tiempos.push_back(segundosDesde(inicio));
    }
    std::printf("unidades del sistema: %.3f ms\n", medianaMs(tiempos));

    fs::current_path(inicial);
}
