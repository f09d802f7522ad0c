#pragma once
// The import run: Tempalix's solved timetable SOLUC becomes ZEDA_HORARIO.TXT in Carpeta.
#include <string>

#include "transfer/transferencia.h"

namespace ttz::importacion {

// BImportarClick's logic. carpeta is Carpeta (ends with the separator). An error that ends the
// run sets Transformado to -1 and propagates; the timetable file is then left as it was.
FinTransferencia ejecutarImportacion(const std::string& carpeta, Entorno& entorno);

}  // namespace ttz::importacion
