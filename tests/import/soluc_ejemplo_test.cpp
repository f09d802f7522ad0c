// The sample school's SOLUC generator: a repeatable placement that the import can read back.
#include "examples/soluc_ejemplo.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "comun/escenario_importacion.h"

namespace ttz::pruebas {
namespace {

using tablas::DefinicionCampo;

std::vector<std::string> registrosDeSoluc(tablas::AlmacenTablas& almacen) {
    std::vector<std::string> registros;
    auto soluc = almacen.abrir("SOLUC", tablas::ModoApertura::SoloLecturaCompartida);
    for (soluc->primero(); !soluc->finDeTabla(); soluc->siguiente()) {
        std::string registro;
        for (const char* campo : {"DIA", "HORA", "PROF", "CODGRUPO", "ASIG", "AULA"}) {
            registro += soluc->comoTexto(campo) + "|";
        }
        registros.push_back(registro);
    }
    return registros;
}

class SolucDeEjemplo : public ::testing::Test {
protected:
    void SetUp() override {
        e.prepararBasico();
        e.escribirSesiones("1   T01 L08000900");
        e.crearTramos({{"M", "2", "M2"}, {"L", "1", "L1"}, {"L", "2", "L2"}, {"M", "1", "M1"}, {"Z", "1", "Z1"}});
        e.crearTabla("PROFT", {DefinicionCampo::texto("ABREV", 4)}, {{"P1"}, {"P2"}});
        e.crearTabla("AULAT", {DefinicionCampo::texto("ABREV", 4)}, {{"R1"}});
        e.crearTabla("ASIGT",
                     {DefinicionCampo::texto("CASIG", 4), DefinicionCampo::texto("CGRUP", 4),
                      DefinicionCampo::flotante("HORAS")},
                     {{"MAT", "1A", "3"}, {"LEN", "1A", "1.5"}, {"FIS", "2B", ""}});
    }

    EscenarioImportacion e;
};

TEST_F(SolucDeEjemplo, ColocaCadaGrupoEnLosTramosPorTurno) {
    EXPECT_EQ(ejemplos::generarSoluc(e.almacen), 6u);
    EXPECT_THAT(registrosDeSoluc(e.almacen),
                ::testing::ElementsAre("1|1|P1|1A|MAT|R1|", "2|1|P2|1A|MAT|R1|", "1|2|P1|1A|MAT|R1|",
                                       "2|2|P2|1A|LEN|R1|", "1|1|P2|1A|LEN|R1|", "1|1|P1|2B|FIS|R1|"));
}

TEST_F(SolucDeEjemplo, LaImportacionEncuentraElTramoDeCadaLeccion) {
    ejemplos::generarSoluc(e.almacen);
    e.importar();
    EXPECT_EQ(e.horario(), conSaltos({cabeceraEsperada("28001234"),
                                      "1L1  LP1  1A  LEC MAT R1  ",
                                      "1M1  MP2  1A  LEC MAT R1  ",
                                      "1L2  LP1  1A  LEC MAT R1  ",
                                      "1M2  MP2  1A  LEC LEN R1  ",
                                      "1L1  LP2  1A  LEC LEN R1  ",
                                      "1L1  LP1  2B  LEC FIS R1  ",
                                      pieEsperado("28001234", "6")}));
}

}  // namespace
}  // namespace ttz::pruebas
