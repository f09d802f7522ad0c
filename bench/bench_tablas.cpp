// Measures the table store: writing and reading back tables of six text fields and one float
// through it, against a plain buffered write of the same bytes. Each run through the store
// happens in a child process of its own, so that its peak memory is its own.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "bench/medicion.h"
#include "comun/carpeta_temporal.h"
#include "tables/almacen_dbase.h"

namespace fs = std::filesystem;
using ttz::medicion::Reloj;
using ttz::medicion::segundosDesde;
using namespace ttz::tablas;

namespace {

const std::vector<DefinicionCampo> campos{
    DefinicionCampo::texto("CASIG", 4), DefinicionCampo::texto("CPROF", 4), DefinicionCampo::texto("CGRUP", 4),
    DefinicionCampo::texto("NIVEL", 5), DefinicionCampo::texto("NOMBRE", 40), DefinicionCampo::texto("SESIONES", 20),
    DefinicionCampo::flotante("HORAS")};

struct Registro {
    std::string textos[6];
    double horas;
};

Registro registro(long i) {
    return {{"A" + std::to_string(i % 1000), "P" + std::to_string(i % 500), "G" + std::to_string(i % 300),
             "ESO" + std::to_string(i % 4), "Asignatura n\xFAmero " + std::to_string(i), std::string(i % 13 + 1, '1')},
            1 + (i % 40) / 4.0};
}

// Values built beforehand, as the baseline's records are: a cycle of distinct records.
std::vector<Registro> valores() {
    std::vector<Registro> todos;
    for (long i = 0; i < 4096; ++i) todos.push_back(registro(i));
    return todos;
}

void escribirConAlmacen(const fs::path& carpeta, long cuantos, const std::vector<Registro>& todos) {
    AlmacenDBase almacen(carpeta, ',');
    auto tabla = almacen.recrear("ASIGT", campos);
    for (long i = 0; i < cuantos; ++i) {
        const Registro& r = todos[static_cast<std::size_t>(i) % todos.size()];
        tabla->anadir();
        for (int c = 0; c < 6; ++c) tabla->ponerTexto(campos[c].nombre, r.textos[c]);
        tabla->ponerFlotante("HORAS", r.horas);
        tabla->grabar();
    }
    tabla->cerrar();
}

long leerConAlmacen(const fs::path& carpeta) {
    AlmacenDBase almacen(carpeta, ',');
    auto tabla = almacen.abrir("ASIGT", ModoApertura::SoloLecturaCompartida);
    long cuantos = 0;
    std::size_t bytes = 0;
    for (tabla->primero(); !tabla->finDeTabla(); tabla->siguiente(), ++cuantos) {
        for (int c = 0; c < 6; ++c) bytes += tabla->comoTexto(campos[c].nombre).size();
        bytes += static_cast<std::size_t>(tabla->comoFlotante("HORAS"));
    }
    tabla->cerrar();
    return bytes > 0 ? cuantos : 0;
}

// The table's bytes, already built, written record by record with stdio's buffering.
double escribirConFwrite(const fs::path& carpeta, const std::string& imagen, std::size_t cabecera,
                         std::size_t longitud, bool sincronizar) {
    const auto inicio = Reloj::now();
    std::FILE* archivo = std::fopen((carpeta / "base.dbf").c_str(), "wb");
    std::fwrite(imagen.data(), 1, cabecera, archivo);
    for (std::size_t i = cabecera; i + longitud <= imagen.size(); i += longitud)
        std::fwrite(imagen.data() + i, 1, longitud, archivo);
    std::fwrite(imagen.data() + imagen.size() - 1, 1, 1, archivo);
    std::fflush(archivo);
    if (sincronizar) fsync(fileno(archivo));
    std::fclose(archivo);
    return segundosDesde(inicio);
}

// Child process: one measurement, printed as "<records> <seconds> <peak KiB>".
int medir(const std::string& que, const fs::path& carpeta, long cuantos) {
    const std::vector<Registro> todos = valores();
    const auto inicio = Reloj::now();
    if (que == "--almacen") escribirConAlmacen(carpeta, cuantos, todos);
    else cuantos = leerConAlmacen(carpeta);
    std::printf("%ld %.6f %ld\n", cuantos, segundosDesde(inicio), ttz::medicion::picoDeMemoriaKiB());
    return 0;
}

struct Medida {
    long registros = 0;
    double segundos = 0;
    long picoKiB = 0;
};

Medida enHijo(const char* programa, const char* que, const fs::path& carpeta, long cuantos) {
    const std::string salida =
        ttz::medicion::salidaDeHijo({programa, que, carpeta.string(), std::to_string(cuantos)});
    Medida m;
    std::sscanf(salida.c_str(), "%ld %lf %ld", &m.registros, &m.segundos, &m.picoKiB);
    return m;
}

void informar(const char* que, const Medida& m, double base) {
    std::printf("%-40s %8ld records %7.3f s %11.0f records/s  peak RSS %7ld KiB", que, m.registros, m.segundos,
                m.registros / m.segundos, m.picoKiB);
    if (base > 0) std::printf("  (x%.2f of baseline)", m.segundos / base);
    std::printf("\n");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4) return medir(argv[1], argv[2], std::atol(argv[3]));
    const long cuantos = argc > 1 ? std::atol(argv[1]) : 1000000;
    const ttz::pruebas::CarpetaTemporal temporal;
    const fs::path& carpeta = temporal.ruta();

    const Medida decima = enHijo(argv[0], "--almacen", carpeta, cuantos / 10);
    const Medida escritura = enHijo(argv[0], "--almacen", carpeta, cuantos);
    const Medida lectura = enHijo(argv[0], "--leer", carpeta, 0);

    std::string imagen(fs::file_size(carpeta / "ASIGT.DBF"), '\0');
    std::FILE* tabla = std::fopen((carpeta / "ASIGT.DBF").c_str(), "rb");
    const std::size_t leidos = std::fread(imagen.data(), 1, imagen.size(), tabla);
    std::fclose(tabla);
    const std::size_t cabecera = static_cast<unsigned char>(imagen[8]) | static_cast<unsigned char>(imagen[9]) << 8;
    const std::size_t longitud = static_cast<unsigned char>(imagen[10]) | static_cast<unsigned char>(imagen[11]) << 8;
    double base = 1e300;
    double baseSincronizada = 1e300;
    for (int vez = 0; vez < 3; ++vez) {
        base = std::min(base, escribirConFwrite(carpeta, imagen, cabecera, longitud, false));
        baseSincronizada = std::min(baseSincronizada, escribirConFwrite(carpeta, imagen, cabecera, longitud, true));
    }

    std::printf("table: %ld records of %zu bytes, %zu bytes in all\n", cuantos, longitud, leidos);
    std::printf("%-40s %8ld records %7.3f s %11.0f records/s\n", "baseline: fwrite of built records", cuantos, base,
                cuantos / base);
    std::printf("%-40s %8ld records %7.3f s %11.0f records/s\n", "baseline: fwrite + fsync", cuantos,
                baseSincronizada, cuantos / baseSincronizada);
    informar("store write, 1/10 of the records", decima, 0);
    informar("store write (staged, fsync, publish)", escritura, base);
    std::printf("%-40s store write / (fwrite + fsync) = x%.2f\n", "", escritura.segundos / baseSincronizada);
    informar("store read back (6 texts, 1 float)", lectura, 0);
    return 0;
}
