// An export killed at a random moment (SIGKILL; TerminateProcess on Windows) leaves every table either exactly as it was
// before the run or complete and new, never half old and half new; and a table replaced has its
// earlier bytes in the run's copy, also when the kill came between the copy and the replacement.
#include <gtest/gtest.h>

#include <chrono>
#include <iostream>
#include <random>
#include <thread>

#include "fallos/escuelas.h"
#include "fallos/procesos.h"

namespace ttz::pruebas {
namespace {

constexpr int kVueltas = 50;

// A batch export killed after that many microseconds, unless it ended before.
FinHijo exportarYMatar(const Escuelas& escuelas, const fs::path& datos, long microsegundos) {
    const Proceso hijo =
        lanzar({rutaLote(), "exportar", "--carpeta", escuelas.grande.ruta().string(), "--datos", datos.string()});
    if (hijo <= 0) return {};
    std::this_thread::sleep_for(std::chrono::microseconds(microsegundos));
    matar(hijo);
    return esperar(hijo);
}

// The tables that were there before the run and that neither the data folder nor the run's copy
// holds as they were.
std::vector<std::string> perdidas(const fs::path& datos, const Instantanea& antes) {
    fs::path copia = datos / "sin copia";
    if (fs::exists(datos / "copias"))
        for (const auto& entrada : fs::directory_iterator(datos / "copias")) copia = entrada.path();
    const Instantanea ahora = tomarInstantanea(datos), copiadas = tomarInstantanea(copia);
    std::vector<std::string> tablas;
    for (const auto& [tabla, bytes] : antes)
        if (bytes && ahora.at(tabla) != bytes && copiadas.at(tabla) != bytes) tablas.push_back(tabla);
    return tablas;
}

Instantanea sinTablas() {
    Instantanea vacia;
    for (const auto& tabla : kTablasExportacion) vacia[tabla] = std::nullopt;
    return vacia;
}

TEST(ExportacionMatada, CadaTablaQuedaComoAntesOCompletaYNueva) {
    const Escuelas& escuelas = Escuelas::comunes();
    const CarpetaTemporal datos;
    const long duracion = duracionDeUnaExportacion(escuelas, datos.ruta());
    const unsigned semilla = std::random_device()();
    SCOPED_TRACE("semilla " + std::to_string(semilla) + ", exportaci\xF3n de " + std::to_string(duracion) + " us");
    std::mt19937 azar(semilla);
    std::uniform_int_distribution<long> espera(0, duracion);
    const Instantanea vacia = sinTablas();

    int muertes = 0, aMedias = 0, tablas = 0, mezcladas = 0, restos = 0;
    for (int vuelta = 0; vuelta < kVueltas; ++vuelta) {
        // Half the runs find the tables of an earlier export, half an empty data folder.
        const Instantanea& antes = vuelta % 2 == 0 ? escuelas.anterior : vacia;
        restaurar(datos.ruta(), antes);
        const long microsegundos = espera(azar);
        const FinHijo fin = exportarYMatar(escuelas, datos.ruta(), microsegundos);
        if (fin.matado) {
            ++muertes;
        } else {
            EXPECT_EQ(fin.estado, 0) << "vuelta " << vuelta;
        }
        const Comparacion comparacion = comparar(datos.ruta(), antes, escuelas.referencia);
        tablas += comparacion.tablas;
        mezcladas += static_cast<int>(comparacion.mezcladas.size());
        if (comparacion.completas > 0 && comparacion.comoAntes > 0) ++aMedias;
        EXPECT_TRUE(comparacion.mezcladas.empty())
            << "vuelta " << vuelta << ", muerte a los " << microsegundos << " us: " << comparacion.mezcladas.front();
        EXPECT_EQ(perdidas(datos.ruta(), antes), std::vector<std::string>{}) << "vuelta " << vuelta;
        restos += provisionales(datos.ruta());
    }
    std::cout << "vueltas " << kVueltas << ", muertes " << muertes << " (" << aMedias
              << " entre dos tablas), tablas comparadas " << tablas << ", mezcladas " << mezcladas
              << ", archivos provisionales abandonados " << restos << '\n';
    EXPECT_EQ(tablas, kVueltas * static_cast<int>(kTablasExportacion.size()));
    EXPECT_GE(muertes, kVueltas / 5);

    // What the killed runs left behind does not keep the next run from completing, and that run
    // clears the staging files of the killed ones.
    restaurar(datos.ruta(), escuelas.anterior);
    for (int muerta = 0; muerta < 3; ++muerta) exportarYMatar(escuelas, datos.ruta(), espera(azar));
    EXPECT_EQ(exportarConLote(escuelas.grande.ruta(), datos.ruta()), 0);
    EXPECT_EQ(tomarInstantanea(datos.ruta()), escuelas.referencia);
    EXPECT_EQ(provisionales(datos.ruta()), 0);
}

}  // namespace
}  // namespace ttz::pruebas
