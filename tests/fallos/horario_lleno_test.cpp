// An import whose working folder is full: the error says so and the earlier timetable file
// stays as it was, with no temporary file left beside it.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>

#include "comun/mensaje_error.h"
#include "examples/soluc_ejemplo.h"
#include "fallos/disco_lleno.h"
#include "fallos/escuelas.h"
#include "fallos/procesos.h"
#include "import/importacion.h"
#include "tables/almacen_dbase.h"

namespace ttz::pruebas {
namespace {

const std::string kHorarioAnterior = "0ZEDA_HORARIO.TXT anterior\r\n9ZEDA_HORARIO.TXT anterior 0\r\n";

// Per free space: the error, whether the earlier file is intact, and how many other files
// than the two ZEDA files and the timetable are left in the folder.
std::string importarEnDiscoLleno(const fs::path& montaje, const fs::path& datos, const std::vector<int>& kbLibres) {
    const DiscoLleno disco(montaje);
    if (!disco.montado()) return "omitida";
    const fs::path zeda = montaje / "zeda";
    fs::create_directories(zeda);
    for (const char* nombre : {"zeda_asignat.txt", "zeda_sesiones.txt"})
        fs::copy_file(Escuelas::comunes().pequena / nombre, zeda / nombre);
    std::ostringstream informe;
    for (int kb : kbLibres) {
        std::ofstream(zeda / "ZEDA_HORARIO.TXT", std::ios::binary) << kHorarioAnterior;
        disco.llenarHasta(kb);
        EntornoEnProceso en(datos);
        const std::string mensaje =
            mensajeDeError([&] { importacion::ejecutarImportacion(componerCarpeta(zeda.string()), en.entorno); });
        disco.vaciar();
        const auto restos = std::distance(fs::directory_iterator(zeda), fs::directory_iterator()) - 3;
        informe << mensaje << '|' << (leerBytes(zeda / "ZEDA_HORARIO.TXT") == kHorarioAnterior) << '|' << restos
                << '\n';
    }
    return informe.str();
}

TEST(HorarioEnDiscoLleno, ErrorDeEscrituraYElHorarioAnteriorIntacto) {
    const Escuelas& escuelas = Escuelas::comunes();
    const CarpetaTemporal datos;
    restaurar(datos.ruta(), escuelas.anterior);
    tablas::AlmacenDBase almacen(datos.ruta(), ',');
    ASSERT_GT(ejemplos::generarSoluc(almacen), 0u);
    const CarpetaTemporal montaje;
    const std::vector<int> kbLibres = {0, 4};
    auto importar = [&] { return importarEnDiscoLleno(montaje.ruta(), datos.ruta(), kbLibres); };
    const std::string informe = enHijo(importar);
    if (informe == "omitida") GTEST_SKIP() << "no se puede montar un sistema de archivos en memoria";

    std::istringstream lineas(informe);
    for (int kb : kbLibres) {
        std::string linea;
        ASSERT_TRUE(std::getline(lineas, linea)) << informe;
        EXPECT_EQ(linea, "Stream write error|1|0") << kb << " KiB libres";
    }
}

}  // namespace
}  // namespace ttz::pruebas
