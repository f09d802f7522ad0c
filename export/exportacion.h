#pragma once
// The export run: seven ZEDA text files in Carpeta become six Tempalix tables.
#include <string>

#include "transfer/transferencia.h"

namespace ttz::exportacion {

// BExportarClick's logic. carpeta is Carpeta (ends with the separator). Messages and the busy
// cursor go through entorno.interlocutor. An error that ends the run sets Transformado to -1
// and propagates.
FinTransferencia ejecutarExportacion(const std::string& carpeta, Entorno& entorno);

}  // namespace ttz::exportacion
