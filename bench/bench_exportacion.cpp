// Measures the whole export run on synthetic schools of 1x, 10x, 100x and 1000x the sample school,
// written into temporary folders, with the dBase store in a temporary data folder.
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

Medida exportarUnaVez(const fs::path& escuela, const fs::path& datos) {
    ttz::Estado estado;
    InterlocutorMudo interlocutor;
    ttz::tablas::AlmacenDBase almacen(datos, '.');
    const ttz::Cotejo cotejo;
    const ttz::RelojLocal reloj;
    ttz::Entorno entorno{estado, interlocutor, almacen, cotejo, reloj};
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

// The child's work: every run of one size; prints medians, the best wall time and peak memory.
int medir(const Tamano& tamano, const fs::path& escuela, const fs::path& datos) {
    std::vector<double> reloj, cpu;
    for (int i = 0; i < tamano.repeticiones; ++i) {
        const Medida medida = exportarUnaVez(escuela, datos);
        reloj.push_back(medida.reloj);
        cpu.push_back(medida.cpu);
    }
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    std::printf("%5dx  %3d runs  wall median %8.2f ms  best %8.2f ms  cpu median %8.2f ms  peak RSS %7ld KiB\n",
                tamano.factor, tamano.repeticiones, mediana(reloj), *std::min_element(reloj.begin(), reloj.end()),
                mediana(cpu), uso.ru_maxrss);
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
