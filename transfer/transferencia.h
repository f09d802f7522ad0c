#pragma once
// What both transfers (export and import) share: their surroundings, their frame and how they end.
#include <cstdint>
#include <functional>
#include <string>

#include "base/cotejo.h"
#include "base/reloj.h"
#include "tables/tabla.h"
#include "transfer/estado.h"
#include "transfer/interlocutor.h"

namespace ttz {

struct Entorno {
    Estado& estado;
    Interlocutor& interlocutor;
    tablas::AlmacenTablas& almacen;
    const Cotejo& cotejo;
    const Reloj& reloj;
};

// How a transfer that raised no error ended. Hosted, the window closes after either.
enum class FinTransferencia { SinCarpeta, Finalizada };

// How a transfer records its outcome in Transformado.
struct ReglasResultado {
    // The value when the working folder is missing and the tool is hosted.
    std::int32_t sinCarpetaAlojado;
    // Whether 1 is set before the work (which may then lower it) or once the work is done.
    enum class Exito { AlEmpezar, AlTerminar } exito;
};

// Carpeta: the current folder followed by the platform's separator.
std::string componerCarpeta(const std::string& carpetaActual);

// The frame of a transfer: "No existe la carpeta" when carpeta is missing; otherwise the data
// folder's error when it is missing, else the work under the busy cursor, then "Proceso
// finalizado". An error that ends the work sets
// Transformado to -1 and propagates, with the normal cursor back.
FinTransferencia ejecutarTransferencia(const std::string& carpeta, Entorno& entorno, const ReglasResultado& reglas,
                                       const std::function<void()>& trabajo);

}  // namespace ttz
