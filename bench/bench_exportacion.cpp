// Measures the whole export run on synthetic schools of 1x, 10x, 100x and 1000x the sample school,
// written into temporary folders, with the dBase store in a temporary data folder: followed as the
// front ends follow it (a copy of the tables it replaces, its record), and without that.
// Each size runs in a child process of its own, so that its peak memory is its own.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "base/cotejo.h"
#include "transfer/estado.h"
#include "transfer/interlocutor.h"
#include "base/reloj.h"
#include "base/texto.h"
#include "bench/escuela_sintetica.h"
#include "comun/carpeta_temporal.h"
#include "export/exportacion.h"
#include "tables/almacen_dbase.h"

namespace fs = std::filesystem;

namespace {

class InterlocutorMudo : public ttz::Interlocutor {
public:
    void mostrarMensaje(const std::string&) override {}
    void ponerCursorOcupado() override {}
    void ponerCursorNormal() override {}
};

struct Tamano {
    int factor;
    int repeticiones;
};

struct Medida {
    double reloj;  // wall-clock milliseconds, the tables' flush to disk included
    double cpu;    // user plus system milliseconds
};

double cpuMs() {
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    auto ms = [](const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
    return ms(uso.ru_utime) + ms(uso.ru_stime);
}

Medida exportarUnaVez(const fs::path& escuela, const fs::path& datos, ttz::Seguimiento* seguimiento) {
    ttz::Estado estado;
    InterlocutorMudo interlocutor;
    ttz::tablas::AlmacenDBase almacen(datos, '.');
    const ttz::Cotejo cotejo;
    const ttz::RelojLocal reloj;
    ttz::Entorno entorno{estado, interlocutor, almacen, cotejo, reloj, seguimiento};
    const double cpuInicio = cpuMs();
    const auto inicio = std::chrono::steady_clock::now();
    ttz::exportacion::ejecutarExportacion(escuela.string() + "/", entorno);
    const auto fin = std::chrono::steady_clock::now();
    if (estado.Transformado != 1) throw std::runtime_error("the export did not end with Transformado 1");
    return {std::chrono::duration<double, std::milli>(fin - inicio).count(), cpuMs() - cpuInicio};
}

double mediana(std::vector<double> valores) {
    std::sort(valores.begin(), valores.end());
    return valores[valores.size() / 2];
}

// The child's work: every run of one size, followed and not, in turns; prints medians, the best
// wall time and peak memory.
int medir(const Tamano& tamano, const fs::path& escuela, const fs::path& datos) {
    ttz::Seguimiento seguimiento{"bench_exportacion", "por lotes"};
    std::vector<double> reloj[2], cpu[2];
    for (int i = 0; i < 2 * tamano.repeticiones; ++i) {
        const Medida medida = exportarUnaVez(escuela, datos, i % 2 ? &seguimiento : nullptr);
        reloj[i % 2].push_back(medida.reloj);
        cpu[i % 2].push_back(medida.cpu);
    }
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    for (int seguida : {0, 1})
        std::printf("%5dx  %-11s %3d runs  wall median %8.2f ms  best %8.2f ms  cpu median %8.2f ms  "
                    "peak RSS %7ld KiB\n",
                    tamano.factor, seguida ? "with copies" : "without", tamano.repeticiones, mediana(reloj[seguida]),
                    *std::min_element(reloj[seguida].begin(), reloj[seguida].end()), mediana(cpu[seguida]),
                    uso.ru_maxrss);
    return 0;
}

}  // namespace

int main() {
    const Tamano tamanos[] = {{1, 50}, {10, 20}, {100, 7}, {1000, 3}};
    const ttz::pruebas::CarpetaTemporal temporal;
    const fs::path& base = temporal.ruta();
    std::printf("export run, whole (six steps), synthetic school at each size\n");
    int estado = 0;
    for (const auto& tamano : tamanos) {
        const fs::path escuela = base / ("escuela-" + std::to_string(tamano.factor));
        const fs::path datos = base / ("datos-" + std::to_string(tamano.factor));
        ttz::bancos::escribirEscuela(escuela, tamano.factor);
        fs::create_directories(datos);
        std::fflush(stdout);
        const pid_t hijo = fork();
        if (hijo == 0) {
            try {
                const int resultado = medir(tamano, escuela, datos);
                std::fflush(stdout);
                std::_Exit(resultado);
            } catch (const std::exception& error) {
                std::fprintf(stderr, "%s\n", error.what());
                std::_Exit(2);
            }
        }
        int salida = 0;
        waitpid(hijo, &salida, 0);
        if (!WIFEXITED(salida) || WEXITSTATUS(salida) != 0) estado = 1;
    }
    return estado;
}
