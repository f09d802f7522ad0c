// Both directions on the sample school: export, the sample's solved timetable, import.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/archivos.h"
#include "escenario_importacion.h"
#include "examples/soluc_ejemplo.h"
#include "export/exportacion.h"
#include "import/importacion.h"
#include "zeda/archivo_zeda.h"
#include "zeda/linea_zeda.h"

namespace ttz::pruebas {
namespace {

namespace fs = std::filesystem;

TEST(EscuelaDeEjemplo, CadaLeccionImportadaTieneSuTramo) {
    EscenarioImportacion e;
    for (const auto& archivo : fs::directory_iterator(fs::path(TTZ_FUENTES) / "examples" / "escuela")) {
        if (archivo.path().extension() == ".txt") fs::copy_file(archivo.path(), e.zeda.ruta() / archivo.path().filename());
    }
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
    }
    EXPECT_TRUE(lineas.back().ends_with(std::to_string(lecciones)));
}

}  // namespace
}  // namespace ttz::pruebas
