#include "base/errores.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <new>
#include <stdexcept>
#include <string>
#include <system_error>

#include "comun/nombre_caso.h"
#include "comun/plataforma.h"

namespace ttz {
namespace {

struct CasoES {
    int codigo;
    std::string mensaje;
};

void PrintTo(const CasoES& caso, std::ostream* salida) {
    *salida << testing::PrintToString(caso.codigo);
}

class TablaES : public testing::TestWithParam<CasoES> {};

TEST_P(TablaES, MensajeDelCodigo) {
    const ErrorES error(GetParam().codigo);
    EXPECT_EQ(error.what(), GetParam().mensaje);
}

INSTANTIATE_TEST_SUITE_P(Codigos, TablaES, testing::Values(
    CasoES{2, "No se encuentra el archivo"},
    CasoES{3, "Nombre de archivo inv\xE1lido"},
    CasoES{4, "Demasiados archivos abiertos"},
    CasoES{5, "Acceso al archivo denegado"},
    CasoES{100, "Se intenta leer despu\xE9s del fin del archivo"},
    CasoES{101, "Disco lleno"},
    CasoES{106, "Valor num\xE9rico de entrada inv\xE1lido"},
    CasoES{30, "Error de E/S 30"},
    CasoES{0, "Error de E/S 0"},
    CasoES{-1, "Error de E/S -1"}), pruebas::NombrePor<&CasoES::codigo>());

TEST(ErrorCampo, NombraElCampo) {
    EXPECT_STREQ(ErrorCampo("HORAS").what(), "No se encuentra el campo 'HORAS'");
}

struct CasoExcepcion {
    const char* nombre;
    void (*lanzar)();
    std::string mensaje;
};

void PrintTo(const CasoExcepcion& caso, std::ostream* salida) { *salida << caso.nombre; }

class ExcepcionActual : public testing::TestWithParam<CasoExcepcion> {};

TEST_P(ExcepcionActual, MensajeEnEspanolSinNombresDeCMasMas) {
    try {
        GetParam().lanzar();
        FAIL() << "sin excepci\xF3n";
    } catch (...) {
        EXPECT_EQ(mensajeExcepcionActual(), GetParam().mensaje);
    }
}

const std::string kNoExiste = pruebas::kWindows ? std::make_error_code(std::errc::no_such_file_or_directory).message()
                                                : "No existe el archivo o la carpeta";

INSTANTIATE_TEST_SUITE_P(Excepciones, ExcepcionActual, testing::Values(
    CasoExcepcion{"Propia", [] { throw ErrorES(101); }, "Disco lleno"},
    CasoExcepcion{"SinMemoria", [] { throw std::bad_alloc(); },
                  "No hay memoria suficiente para terminar el proceso"},
    CasoExcepcion{"DelSistemaDeArchivos", [] {
                      throw std::filesystem::filesystem_error(
                          "current_path", "/z/zeda_prof.txt", std::make_error_code(std::errc::no_such_file_or_directory));
                  }, "Error del sistema con \"/z/zeda_prof.txt\": " + kNoExiste},
    CasoExcepcion{"DelSistema", [] { throw std::system_error(std::make_error_code(std::errc::no_such_file_or_directory)); },
                  "Error del sistema: " + kNoExiste},
    CasoExcepcion{"DeLaBiblioteca", [] { throw std::length_error("vector::_M_realloc_insert"); },
                  "Error interno inesperado"},
    CasoExcepcion{"NoEsUnaExcepcion", [] { throw 7; }, "Error interno inesperado"}),
    [](const auto& info) { return std::string(info.param.nombre); });

struct CasoCaja {
    std::string mensaje;
    std::string texto;
};

void PrintTo(const CasoCaja& caso, std::ostream* salida) {
    *salida << testing::PrintToString(caso.mensaje);
}

class CajaError : public testing::TestWithParam<CasoCaja> {};

TEST_P(CajaError, PuntoFinalSegunElUltimoCaracter) {
    EXPECT_EQ(textoCajaError(GetParam().mensaje), GetParam().texto);
}

INSTANTIATE_TEST_SUITE_P(Mensajes, CajaError, testing::Values(
    CasoCaja{"Disco lleno", "Disco lleno."},
    CasoCaja{"Error de E/S 30", "Error de E/S 30."},
    CasoCaja{"'2.5x' no es un valor punto flotante v\xE1lido", "'2.5x' no es un valor punto flotante v\xE1lido."},
    CasoCaja{"Termina en punto.", "Termina en punto."},
    CasoCaja{"Termina en coma,", "Termina en coma,"},
    CasoCaja{"Termina en barra/", "Termina en barra/."},
    CasoCaja{"Termina en \xE1", "Termina en \xE1."},
    CasoCaja{"Termina en blanco ", "Termina en blanco "},
    CasoCaja{"", ""}), pruebas::NombrePor<&CasoCaja::mensaje>());

}  // namespace
}  // namespace ttz
