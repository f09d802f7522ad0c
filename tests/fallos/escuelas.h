#pragma once
// The schools of the fault tests and the tables that complete exports of them leave: a 10x
// synthetic school (the one the runs under test export) and the sample school (whose tables
// stand for what the data folder held before). Both are made once per test program, by the
// school generator and the batch tool from the build's bin folder.
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "base/cotejo.h"
#include "transfer/estado.h"
#include "transfer/transferencia.h"
#include "comun/carpeta_temporal.h"
#include "comun/interlocutor_prueba.h"
#include "tables/almacen_dbase.h"

namespace ttz::pruebas {

namespace fs = std::filesystem;

extern const std::vector<std::string> kTablasExportacion;

// Each export table's file bytes, or nothing when the table is missing. The date of the last
// change in a table's header is left out, so that exports of different days compare equal.
using Instantanea = std::map<std::string, std::optional<std::string>>;

Instantanea tomarInstantanea(const fs::path& datos);
// The folder emptied and filled with the snapshot's tables.
void restaurar(const fs::path& datos, const Instantanea& instantanea);
// Staging files that a run left behind in the folder.
int provisionales(const fs::path& datos);

std::string rutaLote();
// Runs the batch tool's export and waits for it; its exit status.
int exportarConLote(const fs::path& zeda, const fs::path& datos);

// What a transfer run in this process works with, the store on that data folder.
struct EntornoEnProceso {
    explicit EntornoEnProceso(const fs::path& datos) : almacen(datos, ',') {}

    Estado estado;
    InterlocutorPrueba interlocutor;
    tablas::AlmacenDBase almacen;
    const ttz::Cotejo cotejo;
    const RelojFijo reloj{{9, 12, 2026, 7, 30}};
    Entorno entorno{estado, interlocutor, almacen, cotejo, reloj};
};

// Runs the export in this process with the store on that data folder; the message of the error
// that ended it, or "(sin error)".
std::string exportarEnProceso(const fs::path& zeda, const fs::path& datos);

struct Escuelas {
    CarpetaTemporal grande;     // the 10x school's ZEDA files
    CarpetaTemporal pequena;    // the sample school's ZEDA files
    Instantanea referencia;     // the 10x school's complete export
    Instantanea anterior;       // the sample school's complete export

    Escuelas();
    static const Escuelas& comunes();
};

// The fewest microseconds that a complete batch export of the 10x school over the sample school's
// tables takes here, start-up included (the folder is left with the complete export).
long duracionDeUnaExportacion(const Escuelas& escuelas, const fs::path& datos);

// How one data folder compares, table by table, with a state before a run and a complete run.
struct Comparacion {
    int tablas = 0;
    int comoAntes = 0;
    int completas = 0;
    std::vector<std::string> mezcladas;  // neither: the tables that a run left half old, half new
};
Comparacion comparar(const fs::path& datos, const Instantanea& antes, const Instantanea& completa);

}  // namespace ttz::pruebas
