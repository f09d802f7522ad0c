// Measures writing and both ways of reading a large ZEDA file: lines per second and peak memory.
// Each reading runs in a child process of its own, so that its peak memory is its own.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "base/cotejo.h"
#include "comun/carpeta_temporal.h"
#include "zeda/archivo_zeda.h"
#include "zeda/linea_zeda.h"
#include "bench/medicion.h"

namespace fs = std::filesystem;
using Reloj = std::chrono::steady_clock;
using ttz::medicion::picoDeMemoriaKiB;

namespace {

double segundosDesde(Reloj::time_point inicio) {
    return std::chrono::duration<double>(Reloj::now() - inicio).count();
}

// The shortest of three runs: the machine is shared.
template <class Accion>
double mejorDeTres(Accion accion) {
    double mejor = 1e300;
    for (int vez = 0; vez < 3; ++vez) {
        const auto inicio = Reloj::now();
        accion();
        mejor = std::min(mejor, segundosDesde(inicio));
    }
    return mejor;
}

// A teachers-file line of about 150 characters.
std::string lineaDeProfesor(long numero) {
    std::string linea = "1";
    ttz::zeda::RellenarCampo(linea, "P" + std::to_string(numero), 10);
    ttz::zeda::RellenarCampo(linea, "Apellido" + std::to_string(numero % 977) + " Segundo", 40);
    ttz::zeda::RellenarCampo(linea, "Nombre" + std::to_string(numero % 113), 30);
    ttz::zeda::RellenarCampo(linea, "DEP" + std::to_string(numero % 17), 20);
    ttz::zeda::RellenarCampo(linea, "Espa\xF1ol y Matem\xE1ticas", 49);
    return linea;
}

std::vector<std::string> lineasDePrueba(long cuantas) {
    std::vector<std::string> lineas;
    lineas.reserve(static_cast<std::size_t>(cuantas) + 2);
    lineas.push_back("0" + std::string("ZEDA_PROF.TXT").append(37, ' '));
    for (long i = 0; i < cuantas; ++i) lineas.push_back(lineaDeProfesor(i));
    lineas.push_back("9" + std::string("ZEDA_PROF.TXT").append(37, ' '));
    return lineas;
}

void escribirConFwrite(const fs::path& ruta, const std::vector<std::string>& lineas, bool sincronizar) {
    std::FILE* archivo = std::fopen(ruta.c_str(), "wb");
    for (const auto& linea : lineas) {
        std::fwrite(linea.data(), 1, linea.size(), archivo);
        std::fwrite("\r\n", 1, 2, archivo);
    }
    std::fflush(archivo);
    if (sincronizar) fsync(fileno(archivo));
    std::fclose(archivo);
}

// Child process: reads the file one way and prints lines and seconds.
int leer(const char* modo, const char* ruta) {
    const auto inicio = Reloj::now();
    long lineas = 0;
    std::size_t bytes = 0;
    if (std::strcmp(modo, "--linea-a-linea") == 0) {
        ttz::zeda::LectorLineas lector(ruta);
        while (!lector.fin()) {
            bytes += lector.siguiente().size();
            ++lineas;
        }
        lector.cerrar();
    } else {
        for (const auto& linea : ttz::zeda::leerArchivoEntero(ruta)) {
            bytes += linea.size();
            ++lineas;
        }
    }
    const double segundos = segundosDesde(inicio);
    std::printf("%ld %zu %.6f %ld\n", lineas, bytes, segundos, picoDeMemoriaKiB());
    return 0;
}

struct Medida {
    long lineas = 0;
    double segundos = 0;
    long picoKiB = 0;
};

Medida medirEnHijo(const char* programa, const char* modo, const fs::path& ruta) {
    const std::string salida = ttz::medicion::salidaDeHijo({programa, modo, ruta.string()});
    Medida medida;
    std::size_t bytes = 0;
    std::sscanf(salida.c_str(), "%ld %zu %lf %ld", &medida.lineas, &bytes, &medida.segundos, &medida.picoKiB);
    return medida;
}

void informar(const char* que, const Medida& medida) {
    std::printf("%-34s %9ld lines %8.3f s %12.0f lines/s  peak RSS %7ld KiB\n", que, medida.lineas,
                medida.segundos, medida.lineas / medida.segundos, medida.picoKiB);
}

// Collation keys of the codes of every line, as the export builds them for its lookups.
void medirClaves(const std::vector<std::string>& lineas) {
    const ttz::Cotejo cotejo;
    std::size_t bytes = 0;
    const auto inicio = Reloj::now();
    for (const auto& linea : lineas) bytes += cotejo.clave(ttz::zeda::LineaZEDA(linea).campoRecortado(2, 10)).size();
    const double segundos = segundosDesde(inicio);
    std::printf("%-34s %9zu keys  %8.3f s %12.0f keys/s  (%zu key bytes)\n", "collation keys of the codes",
                lineas.size(), segundos, lineas.size() / segundos, bytes);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3) return leer(argv[1], argv[2]);
    // 200000 teachers' lines are about 30 MB, just under the most that a ZEDA file may hold.
    const long cuantas = argc > 1 ? std::atol(argv[1]) : 200000;
    const ttz::pruebas::CarpetaTemporal temporal;
    const fs::path& carpeta = temporal.ruta();

    const auto grandes = lineasDePrueba(cuantas);
    const double escritura = mejorDeTres([&] { ttz::zeda::escribirArchivo(carpeta / "ZEDA_PROF.TXT", grandes); });
    const double base = mejorDeTres([&] { escribirConFwrite(carpeta / "base.txt", grandes, false); });
    const double baseSincronizada =
        mejorDeTres([&] { escribirConFwrite(carpeta / "base_fsync.txt", grandes, true); });
    ttz::zeda::escribirArchivo(carpeta / "PEQUENO.TXT", lineasDePrueba(cuantas / 10));

    std::printf("file: %ld lines, %ju bytes\n", static_cast<long>(grandes.size()),
                static_cast<std::uintmax_t>(fs::file_size(carpeta / "ZEDA_PROF.TXT")));
    std::printf("%-34s %9zu lines %8.3f s %12.0f lines/s\n", "write (atomic replace), best of 3", grandes.size(),
                escritura, grandes.size() / escritura);
    std::printf("%-34s %9zu lines %8.3f s %12.0f lines/s  (write/baseline %.2f)\n", "baseline fwrite",
                grandes.size(), base, grandes.size() / base, escritura / base);
    std::printf("%-34s %9zu lines %8.3f s %12.0f lines/s  (write/baseline %.2f)\n", "baseline fwrite + fsync",
                grandes.size(), baseSincronizada, grandes.size() / baseSincronizada, escritura / baseSincronizada);
    informar("line by line, 1/10 of the file", medirEnHijo(argv[0], "--linea-a-linea", carpeta / "PEQUENO.TXT"));
    informar("line by line, whole file", medirEnHijo(argv[0], "--linea-a-linea", carpeta / "zeda_prof.txt"));
    informar("whole-file reading, 1/10", medirEnHijo(argv[0], "--entero", carpeta / "PEQUENO.TXT"));
    informar("whole-file reading", medirEnHijo(argv[0], "--entero", carpeta / "zeda_prof.txt"));
    medirClaves(grandes);
    return 0;
}
