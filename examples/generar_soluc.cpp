// generar_soluc [--datos DIR]: writes a solved timetable SOLUC for the sample school into the
// data folder, from the tables that an export of the sample has written there.
#include <cstdio>
#include <cstring>
#include <exception>

#include "base/archivos.h"
#include "base/sistema.h"
#include "base/texto.h"
#include "examples/soluc_ejemplo.h"
#include "tables/almacen_dbase.h"

int main(int argc, char** argv) {
    std::filesystem::path datos = ttz::carpetaDatosPredeterminada();
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--datos") == 0 && i + 1 < argc) {
            datos = argv[++i];
        } else {
            std::fprintf(stderr, "uso: generar_soluc [--datos CARPETA]\n");
            return 64;
        }
    }
    try {
        ttz::tablas::AlmacenDBase almacen(datos, ttz::separadorDecimalDelSistema());
        const auto lecciones = ttz::ejemplos::generarSoluc(almacen);
        std::printf("SOLUC: %zu lecciones en %s\n", lecciones, datos.string().c_str());
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", ttz::aUtf8(error.what()).c_str());
        return 1;
    }
}
