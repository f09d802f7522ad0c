// The frame of both transfers: the folder test, the busy cursor around the work, the closing
// message and what Transformado records.
#include "transfer/transferencia.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "base/archivos.h"
#include "base/cotejo.h"
#include "comun/carpeta_temporal.h"
#include "comun/interlocutor_prueba.h"
#include "tables/almacen_dbase.h"

namespace ttz {
namespace {

TEST(ComponerCarpeta, AnadeElSeparador) {
    const std::string separador(1, separadorCarpetas());
    EXPECT_EQ(componerCarpeta("/home/ana/zeda"), "/home/ana/zeda" + separador);
    EXPECT_EQ(componerCarpeta("/"), "/" + separador);
}

struct CasoMarco {
    const char* nombre;
    bool hayCarpeta;
    bool alojado;
    ReglasResultado::Exito exito;
    std::int32_t fallaConEsto;  // the work sets Transformado to it; 0: it raises an error instead
    std::vector<std::string> sucesos;
    std::int32_t transformado;
};

void PrintTo(const CasoMarco& caso, std::ostream* salida) { *salida << caso.nombre; }

class Marco : public testing::TestWithParam<CasoMarco> {};

TEST_P(Marco, MensajesCursorYResultado) {
    const auto& caso = GetParam();
    pruebas::CarpetaTemporal carpeta;
    Estado estado{5, caso.alojado ? 2 : 0};
    pruebas::InterlocutorPrueba interlocutor;
    tablas::AlmacenDBase almacen(carpeta.ruta(), ',');
    const Cotejo cotejo;
    const pruebas::RelojFijo reloj({1, 1, 2024, 8, 0});
    Entorno entorno{estado, interlocutor, almacen, cotejo, reloj};
    const auto trabajo = [&](Entorno&) {
        interlocutor.mostrarMensaje("trabajo");
        if (!caso.fallaConEsto) throw std::runtime_error("fallo");
        estado.Transformado = caso.fallaConEsto;
    };
    const std::string Carpeta = componerCarpeta(caso.hayCarpeta ? carpeta.ruta().string() : "/no-existe");
    const ReglasResultado reglas{0, caso.exito};
    if (caso.fallaConEsto) EXPECT_NO_THROW(ejecutarTransferencia(Carpeta, entorno, reglas, trabajo));
    else EXPECT_THROW(ejecutarTransferencia(Carpeta, entorno, reglas, trabajo), std::runtime_error);
    EXPECT_EQ(interlocutor.sucesos, caso.sucesos);
    EXPECT_EQ(estado.Transformado, caso.transformado);
}

using enum ReglasResultado::Exito;
const std::vector<std::string> kTerminado{"cursor:ocupado", "mensaje:trabajo", "cursor:normal",
                                          "mensaje:Proceso finalizado"};
const std::vector<std::string> kCortado{"cursor:ocupado", "mensaje:trabajo", "cursor:normal"};
const std::vector<std::string> kSinCarpeta{"mensaje:No existe la carpeta"};

INSTANTIATE_TEST_SUITE_P(Transferencia, Marco, testing::Values(
    CasoMarco{"UnoAlEmpezarQueElTrabajoBaja", true, false, AlEmpezar, -1, kTerminado, -1},
    CasoMarco{"UnoAlTerminar", true, false, AlTerminar, 7, kTerminado, 1},
    CasoMarco{"UnErrorDejaMenosUno", true, false, AlEmpezar, 0, kCortado, -1},
    CasoMarco{"SinCarpetaIndependienteNoCambia", false, false, AlEmpezar, 1, kSinCarpeta, 5},
    CasoMarco{"SinCarpetaAlojadoLoDicenLasReglas", false, true, AlEmpezar, 1, kSinCarpeta, 0}),
    [](const auto& info) { return std::string(info.param.nombre); });

}  // namespace
}  // namespace ttz
