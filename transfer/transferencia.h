#pragma once
// What both transfers (export and import) share: their surroundings, their frame and how they end.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "base/cotejo.h"
#include "base/reloj.h"
#include "tables/tabla.h"
#include "transfer/estado.h"
#include "transfer/interlocutor.h"
#include "transfer/seguimiento.h"

namespace ttz {

struct Entorno {
    Estado& estado;
    Interlocutor& interlocutor;
    tablas::AlmacenTablas& almacen;
    const Cotejo& cotejo;
    const Reloj& reloj;
    // Where the front end follows its runs (copies and record); none: not followed.
    Seguimiento* seguimiento = nullptr;
    // Told of the files the run replaces besides its tables; set by the frame for a followed run.
    tablas::Testigo* testigo = nullptr;
};

// How a transfer that raised no error ended. Hosted, the window closes after either.
enum class FinTransferencia { SinCarpeta, Finalizada };

// How a transfer records its outcome in Transformado.
struct ReglasResultado {
    // The value when the working folder is missing and the tool is hosted.
    std::int32_t sinCarpetaAlojado;
    // Whether 1 is set before the work (which may then lower it) or once the work is done.
    enum class Exito { AlEmpezar, AlTerminar } exito;
    // "exportar" or "importar", in the copies and the record.
    const char* direccion = "";
};

// Carpeta: the current folder followed by the platform's separator.
std::string componerCarpeta(const std::string& carpetaActual);

using Trabajo = std::function<void(Entorno&)>;

// The frame of a transfer: "No existe la carpeta" when carpeta is missing; otherwise the data
// folder's error when it is missing, else the work under the busy cursor, then "Proceso
// finalizado". An error that ends the work sets Transformado to -1 and propagates, with the
// normal cursor back. A followed run (entorno with a Seguimiento) keeps a copy of what it
// replaces and leaves its record; the work gets the surroundings that do so.
FinTransferencia ejecutarTransferencia(const std::string& carpeta, Entorno& entorno, const ReglasResultado& reglas,
                                       const Trabajo& trabajo);

// The frame of another followed run (a restore): the work with its record, the error that ends
// it recorded too. Transformado becomes 1, or -1 on an error.
void ejecutarSeguida(Entorno& entorno, const std::string& direccion, const std::string& carpeta,
                     const std::function<void(EjecucionSeguida&)>& trabajo);

// Writes a file of the run whole, in place of an earlier one kept first when the run is followed.
void escribirArchivoDeLaEjecucion(const Entorno& entorno, const std::filesystem::path& ruta,
                                  const std::vector<std::string>& lineas);

}  // namespace ttz
