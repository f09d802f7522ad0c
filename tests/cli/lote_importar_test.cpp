// transtempaloszeda-lote importar: the same run, its messages on the console and its exit status.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "comun/consola.h"
#include "comun/escenario_importacion.h"

namespace ttz::pruebas {
namespace {

// The timetable file with the twelve digits of the clock after the centre's code, in its header
// and trailer, put as '#'.
std::string sinReloj(std::string horario) {
    const auto esReloj = [&](std::size_t desde) {
        return desde + 12 <= horario.size() &&
               std::all_of(horario.begin() + desde, horario.begin() + desde + 12,
                           [](unsigned char c) { return std::isdigit(c); });
    };
    for (std::size_t linea = 0; linea < horario.size();) {
        if (esReloj(linea + 59)) horario.replace(linea + 59, 12, 12, '#');
        const std::size_t fin = horario.find('\n', linea);
        linea = fin == std::string::npos ? horario.size() : fin + 1;
    }
    return horario;
}

struct Salida {
    int estado;
    std::string salida, errores;
};

class LoteImportar : public ::testing::Test {
protected:
    Salida importar(const std::string& carpeta) {
        const auto salida = consola / "salida.txt";
        const auto errores = consola / "errores.txt";
        const std::string orden = citar(TTZ_LOTE) + " importar --carpeta " + citar(carpeta) + " --datos " +
                                  citar(e.datos.ruta()) + " >" + citar(salida) + " 2>" + citar(errores);
        return {ejecutarEnConsola(orden), leerBytes(salida), leerBytes(errores)};
    }

    EscenarioImportacion e;
    CarpetaTemporal consola;
};

TEST_F(LoteImportar, EscribeElHorarioYTerminaConCero) {
    e.prepararBasico();
    const auto resultado = importar(e.zeda.ruta().string());
    EXPECT_EQ(resultado.estado, 0);
    EXPECT_EQ(resultado.salida, "Proceso finalizado\nEscrito \"" + (e.zeda / "ZEDA_HORARIO.TXT").string() +
                                    "\": 2 l\xC3\xADneas\n");
    EXPECT_EQ(resultado.errores, "");
    EXPECT_EQ(sinReloj(e.horario()), "0ZEDA_HORARIO.TXT" + std::string(34, ' ') + "28001234############\r\n"
                                     "9ZEDA_HORARIO.TXT" + std::string(34, ' ') + "28001234############0\r\n");
    const std::string anterior = e.horario();
    EXPECT_EQ(importar(e.zeda.ruta().string()).estado, 0);
    for (const auto& copia : std::filesystem::directory_iterator(e.datos / "copias"))
        EXPECT_EQ(leerBytes(copia.path() / "ZEDA_HORARIO.TXT"), anterior);
}

TEST_F(LoteImportar, SinCarpetaTerminaConUno) {
    const auto resultado = importar((e.zeda / "no-existe").string());
    EXPECT_EQ(resultado.estado, 1);
    EXPECT_EQ(resultado.salida, "No existe la carpeta\n");
}

TEST_F(LoteImportar, UnErrorVaALaSalidaDeErroresYTerminaConDos) {
    e.prepararBasico();
    e.zeda.escribir("zeda_sesiones.txt", "0ZEDA_SESIONES.TXT\r\n");
    auto campos = EscenarioImportacion::camposSoluc();
    campos.pop_back();
    e.crearTabla("SOLUC", campos, {});

    auto resultado = importar(e.zeda.ruta().string());
    EXPECT_EQ(resultado.estado, 2);
    EXPECT_EQ(resultado.salida, "");
    EXPECT_EQ(resultado.errores, "List index out of bounds (1)\n");

    e.escribirSesiones("1   T01 108000900");
    e.crearTabla("SOLUC", campos, {{"1", "1", "P1", "G1", "A1"}});
    resultado = importar(e.zeda.ruta().string());
    EXPECT_EQ(resultado.estado, 2);
    EXPECT_EQ(resultado.errores, "wwTableSoluc: No se encuentra el campo 'AULA'\n");
    EXPECT_FALSE(std::filesystem::exists(e.zeda / "ZEDA_HORARIO.TXT"));
}

}  // namespace
}  // namespace ttz::pruebas
