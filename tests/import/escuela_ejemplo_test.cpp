// Both directions on the sample school: export, the sample's solved timetable, import.
#include <gtest/gtest.h>

#include <filesystem>

#include "base/archivos.h"
#include "comun/escenario_importacion.h"
#include "examples/soluc_ejemplo.h"
#include "export/exportacion.h"
#include "import/importacion.h"
#include "zeda/archivo_zeda.h"
#include "zeda/linea_zeda.h"

namespace ttz::pruebas {
namespace {

namespace fs = std::filesystem;

// The sample writes its days as letters; this writes the same days as digits.
void diasConDigitos(const fs::path& sesiones) {
    auto lineas = zeda::leerArchivoEntero(sesiones);
    for (auto& linea : lineas) {
        const auto dia = linea.size() >= 9 && linea[0] == '1' ? std::string_view("LMXJVSD").find(linea[8])
                                                               : std::string_view::npos;
        if (dia != std::string_view::npos) linea[8] = static_cast<char>('1' + dia);
    }
    zeda::escribirArchivo(sesiones, lineas);
}

class EscuelaDeEjemplo : public ::testing::TestWithParam<bool> {};

TEST_P(EscuelaDeEjemplo, CadaLeccionImportadaTieneSuTramo) {
    EscenarioImportacion e;
    for (const auto& archivo : fs::directory_iterator(fs::path(TTZ_FUENTES) / "examples" / "escuela")) {
        const auto& origen = archivo.path();
        if (origen.extension() == ".txt") fs::copy_file(origen, e.zeda.ruta() / origen.filename());
    }
    const bool digitos = GetParam();
    if (digitos) diasConDigitos(e.zeda / "zeda_sesiones.txt");
    ASSERT_EQ(exportacion::ejecutarExportacion(e.zeda.conSeparador(), e.entorno), FinTransferencia::Finalizada);
    ASSERT_EQ(e.estado.Transformado, 1);

    const std::size_t lecciones = ejemplos::generarSoluc(e.almacen);
    EXPECT_GE(lecciones, 200u);
    e.importar();
    ASSERT_EQ(e.estado.Transformado, 1);

    const auto lineas = zeda::leerArchivoEntero(e.zeda / "ZEDA_HORARIO.TXT");
    ASSERT_EQ(lineas.size(), lecciones + 2);
    for (std::size_t i = 1; i + 1 < lineas.size(); ++i) {
        const zeda::LineaZEDA linea(lineas[i]);
        EXPECT_EQ(linea.campo(1, 1), "1") << lineas[i];
        EXPECT_FALSE(zeda::recortar(linea.campo(2, 4)).empty()) << "line " << i << ": " << lineas[i];
        const char dia = linea.campo(6, 1).front();
        EXPECT_TRUE(digitos ? dia >= '1' && dia <= '5' : std::string_view("LMXJV").find(dia) != std::string_view::npos)
            << lineas[i];
    }
    EXPECT_TRUE(lineas.back().ends_with(std::to_string(lecciones)));
}

INSTANTIATE_TEST_SUITE_P(DiasConLetrasYConDigitos, EscuelaDeEjemplo, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Digitos" : "Letras"; });

}  // namespace
}  // namespace ttz::pruebas
