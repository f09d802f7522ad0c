#pragma once
// What both transfers (export and import) share: their surroundings and how they end.
#include <string>

#include "app/cotejo.h"
#include "app/estado.h"
#include "app/interlocutor.h"
#include "app/reloj.h"
#include "tables/tabla.h"

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

// Carpeta: the current folder followed by the platform's separator.
std::string componerCarpeta(const std::string& carpetaActual);

}  // namespace ttz
