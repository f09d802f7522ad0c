// What the runs keep besides their work: the newest copies and only the tool's own, and a record
// that moves aside past its size and that tells when it cannot be written.
#include <gtest/gtest.h>

#include <set>

#include "comun/carpeta_temporal.h"
#include "comun/nombre_caso.h"
#include "transfer/copias.h"
#include "transfer/registro.h"

namespace ttz {
namespace {

namespace fs = std::filesystem;

std::string copia(int segundo) {
    return "2026-12-10 13.45." + std::string(segundo < 10 ? "0" : "") + std::to_string(segundo) + " exportar";
}

class Recorte : public testing::TestWithParam<int> {};

TEST_P(Recorte, QuedanLasVeinteMasRecientesYLoQueNoEsUnaCopia) {
    const pruebas::CarpetaTemporal datos;
    std::set<std::string> quedan{"fotos", "2026-12-10 13.45.00 borrar", "2026-12-10 13.45.01.5 exportar"};
    for (const auto& ajena : quedan) fs::create_directories(datos / "copias" / ajena);
    datos.escribir("copias/2026-12-10 13.44.59 importar", "un archivo, no una carpeta");
    quedan.insert("2026-12-10 13.44.59 importar");
    for (int segundo = 0; segundo < GetParam(); ++segundo) {
        fs::create_directories(datos / "copias" / copia(segundo) / "PROFT.DBF");
        if (GetParam() - segundo <= static_cast<int>(kCopiasGuardadas)) quedan.insert(copia(segundo));
    }
    recortarCopias(datos.ruta());
    std::set<std::string> hay;
    for (const auto& entrada : fs::directory_iterator(datos / "copias")) hay.insert(entrada.path().filename().string());
    EXPECT_EQ(hay, quedan);
}

INSTANTIATE_TEST_SUITE_P(Copias, Recorte, testing::Values(0, 20, 21, 45), pruebas::NombreDelValor());

struct CasoRegistro {
    const char* nombre;
    std::uint64_t tamano;  // of the record before the run
    bool seAparta;
};

void PrintTo(const CasoRegistro& caso, std::ostream* salida) { *salida << caso.nombre; }

class Rotacion : public testing::TestWithParam<CasoRegistro> {};

TEST_P(Rotacion, PasadoUnMiBSeApartaYReemplazaAlAnterior) {
    const pruebas::CarpetaTemporal datos;
    const std::string previo(GetParam().tamano, 'x');
    if (GetParam().tamano > 0) datos.escribir(kArchivoRegistro, previo);
    datos.escribir("transtempaloszeda.log.1", "el registro apartado antes");
    Registro registro(datos.ruta());
    registro.anotar("ejecuci\xF3n");
    EXPECT_EQ(pruebas::leerBytes(datos / kArchivoRegistro), (GetParam().seAparta ? "" : previo) + "ejecuci\xF3n\r\n");
    EXPECT_EQ(pruebas::leerBytes(datos / "transtempaloszeda.log.1"),
              GetParam().seAparta ? previo : "el registro apartado antes");
    EXPECT_FALSE(registro.fallo());
}

INSTANTIATE_TEST_SUITE_P(Registro, Rotacion,
                         testing::Values(CasoRegistro{"Nuevo", 0, false},
                                         CasoRegistro{"DeUnMiB", kTamanoRegistro, false},
                                         CasoRegistro{"PasadoUnMiB", kTamanoRegistro + 1, true}),
                         pruebas::NombrePor<&CasoRegistro::nombre>());

TEST(Registro, QueNoSePuedeEscribirLoDice) {
    const pruebas::CarpetaTemporal datos;
    fs::create_directory(datos / kArchivoRegistro);
    Registro registro(datos.ruta());
    registro.anotar("ejecuci\xF3n");
    ASSERT_TRUE(registro.fallo());
    EXPECT_TRUE(registro.fallo()->starts_with("No se puede escribir el registro \"")) << *registro.fallo();
}

}  // namespace
}  // namespace ttz
