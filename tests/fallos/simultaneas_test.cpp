// Two batch exports into the same data folder at once: a table is never left corrupt. Each
// run either completes or stops at a table that the other one holds; when one completes, every
// table is the complete export.
#include <gtest/gtest.h>
#include <unistd.h>

#include <iostream>
#include <random>

#include "fallos/escuelas.h"
#include "fallos/procesos.h"

namespace ttz::pruebas {
namespace {

constexpr int kRondas = 10;

pid_t lanzarExportacion(const fs::path& zeda, const fs::path& datos) {
    return lanzar({rutaLote(), "exportar", "--carpeta", zeda.string(), "--datos", datos.string()});
}

TEST(ExportacionesSimultaneas, NingunaTablaCorrupta) {
    const Escuelas& escuelas = Escuelas::comunes();
    const CarpetaTemporal datos;
    const long duracion = duracionDeUnaExportacion(escuelas, datos.ruta());
    const unsigned semilla = std::random_device()();
    SCOPED_TRACE("semilla " + std::to_string(semilla));
    std::mt19937 azar(semilla);
    // The second run starts while the first one is still at work.
    std::uniform_int_distribution<long> desfase(0, duracion / 2);

    int completas = 0, detenidas = 0, tablas = 0, mezcladas = 0;
    for (int ronda = 0; ronda < kRondas; ++ronda) {
        restaurar(datos.ruta(), escuelas.anterior);
        const pid_t primera = lanzarExportacion(escuelas.grande.ruta(), datos.ruta());
        ::usleep(static_cast<useconds_t>(desfase(azar)));
        const pid_t segunda = lanzarExportacion(escuelas.grande.ruta(), datos.ruta());
        ASSERT_GT(primera, 0);
        ASSERT_GT(segunda, 0);
        bool algunaCompleta = false;
        for (const FinHijo fin : {esperar(primera), esperar(segunda)}) {
            EXPECT_FALSE(fin.matado);
            EXPECT_TRUE(fin.estado == 0 || fin.estado == 2) << "estado " << fin.estado;  // 2: stopped by an error
            algunaCompleta = algunaCompleta || fin.estado == 0;
            ++(fin.estado == 0 ? completas : detenidas);
        }
        const Comparacion comparacion = comparar(datos.ruta(), escuelas.anterior, escuelas.referencia);
        tablas += comparacion.tablas;
        mezcladas += static_cast<int>(comparacion.mezcladas.size());
        EXPECT_TRUE(comparacion.mezcladas.empty()) << "ronda " << ronda << ": " << comparacion.mezcladas.front();
        if (algunaCompleta) {
            EXPECT_EQ(comparacion.completas, 6) << "ronda " << ronda;
        }
        EXPECT_EQ(provisionales(datos.ruta()), 0) << "ronda " << ronda;
    }
    std::cout << "rondas " << kRondas << ", exportaciones completas " << completas << ", detenidas " << detenidas
              << ", tablas comparadas " << tablas << ", mezcladas " << mezcladas << '\n';
}

}  // namespace
}  // namespace ttz::pruebas
