// Fuzz target: the whole export run on the seven ZEDA files carved from the input (files
// separated by a line "====="; a file left out is missing), into an empty data folder. The
// run either ends or raises the tool's own error; the busy cursor is always restored, no
// staging file stays behind, and every table it leaves opens and reads through to the end.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "base/cotejo.h"
#include "base/errores.h"
#include "transfer/estado.h"
#include "transfer/transferencia.h"
#include "export/exportacion.h"
#include "fuzz/comun/banco_fuzz.h"
#include "fuzz/comun/recorrido_tabla.h"
#include "tables/almacen_dbase.h"

namespace {

using namespace ttz;
using namespace ttz::fuzz;

const std::vector<std::string> kArchivos = {"zeda_asignat.txt",      "zeda_prof.txt",         "zeda_aulas.txt",
                                            "zeda_grupo.txt",        "zeda_asignatgrupo.txt", "zeda_asignatcurso.txt",
                                            "zeda_sesiones.txt"};
const std::vector<std::string> kTablas = {"ASIGNOMT", "PROFT", "AULAT", "GRUPOST", "ASIGT", "DIASHORAST"};

const Cotejo& cotejo() {
    static const Cotejo unico("es_ES");
    return unico;
}

void comprobarDatos(const fs::path& datos, tablas::AlmacenDBase& almacen) {
    for (const auto& entrada : fs::directory_iterator(datos))
        exigir(entrada.path().filename().string().find(".~") == std::string::npos,
               "queda un archivo provisional: " + entrada.path().string());
    for (const auto& tabla : kTablas)
        if (fs::exists(datos / (tabla + ".DBF"))) recorrerTabla(almacen, tabla);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano) {
    const fs::path zeda = carpetaVacia("zeda");
    const fs::path carpetaDatos = carpetaVacia("datos");
    escribirArchivos(zeda, cortarArchivos(comoTexto(datos, tamano)), kArchivos);

    Estado estado;
    InterlocutorMudo interlocutor;
    tablas::AlmacenDBase almacen(carpetaDatos, ',');
    const RelojQuieto reloj;
    Entorno entorno{estado, interlocutor, almacen, cotejo(), reloj};
    try {
        const auto fin = exportacion::ejecutarExportacion(componerCarpeta(zeda.string()), entorno);
        exigir(fin == FinTransferencia::Finalizada, "la carpeta existe y la exportacion no la encuentra");
        exigir(estado.Transformado == 1 || estado.Transformado == -1, "Transformado fuera de 1 y -1");
    } catch (const Error&) {
        exigir(estado.Transformado == -1, "exportacion interrumpida sin Transformado -1");
    }
    exigir(interlocutor.ocupado == 0, "cursor ocupado sin restaurar");
    comprobarDatos(carpetaDatos, almacen);
    return 0;
}
