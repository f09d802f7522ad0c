// A table written here, read back by dbfread, a dBase reader written elsewhere.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "comun/carpeta_temporal.h"
#include "tables/almacen_dbase.h"

namespace ttz::tablas {
namespace {

const char* const guion =
    "import sys, dbfread\n"
    "t = dbfread.DBF(sys.argv[1], char_decode_errors='strict')\n"
    "print(t.encoding)\n"
    "for f in t.fields: print(f.name, f.type, f.length, f.decimal_count)\n"
    "for r in t: print('|'.join(repr(v) for v in r.values()))\n";

bool hayDbfread() { return std::system("/usr/bin/python3 -c 'import dbfread' >/dev/null 2>&1") == 0; }

std::string salidaDe(const std::string& orden) {
    std::string salida;
    FILE* proceso = ::popen(orden.c_str(), "r");
    if (proceso == nullptr) return salida;
    char bloque[4096];
    while (const std::size_t leidos = std::fread(bloque, 1, sizeof bloque, proceso)) salida.append(bloque, leidos);
    ::pclose(proceso);
    return salida;
}

TEST(PruebaDbfread, LeeLosCamposYValoresEscritosAqui) {
    if (!hayDbfread()) GTEST_SKIP() << "python3-dbfread no est\xE1 instalado";
    pruebas::CarpetaTemporal carpeta;
    AlmacenDBase almacen(carpeta.ruta(), ',');
    auto tabla = almacen.recrear("ASIGT", {DefinicionCampo::texto("CASIG", 4), DefinicionCampo::entero("DNI"),
                                           DefinicionCampo::flotante("HORAS"), DefinicionCampo::texto("SESIONES", 20)});
    tabla->anadir();
    tabla->ponerTexto("CASIG", "MAT");
    tabla->ponerFlotante("DNI", -12);
    tabla->ponerFlotante("HORAS", 2.5);
    tabla->ponerTexto("SESIONES", "11\xBD");
    tabla->grabar();
    tabla->anadir();
    tabla->ponerFlotante("HORAS", 25.5);
    tabla->ponerTexto("SESIONES", "121111111111111\xBD");
    tabla->grabar();
    tabla->anadir();
    tabla->grabar();
    tabla->cerrar();
    const std::string guionEn = (carpeta / "leer.py").string();
    carpeta.escribir("leer.py", guion);
    const std::string salida =
        salidaDe("PYTHONIOENCODING=utf-8 /usr/bin/python3 " + guionEn + " " + (carpeta / "ASIGT.DBF").string());
    EXPECT_EQ(salida,
              "cp1252\n"
              "CASIG C 4 0\n"
              "DNI N 11 0\n"
              "HORAS N 20 4\n"
              "SESIONES C 20 0\n"
              "'MAT'|-12|2.5|'11\xC2\xBD'\n"
              "''|None|25.5|'121111111111111\xC2\xBD'\n"
              "''|None|None|''\n");
}

}  // namespace
}  // namespace ttz::tablas
