#include "export/exportacion.h"

#include "app/archivos.h"
#include "export/pasos.h"

namespace ttz::exportacion {
namespace {

// The steps in the order of the run: the assignments read back the groups just written.
using Paso = void (*)(const Contexto&);
constexpr Paso kPasos[] = {ExportarAsignaturas, ExportarProfesores,        ExportarAulas,
                           ExportarGrupos,      ExportarAsignaturasGrupos, ExportarTramos};

void ejecutarPasos(const Contexto& contexto) {
    CursorOcupado cursor(contexto.entorno.interlocutor);
    contexto.entorno.estado.Transformado = 1;
    try {
        for (Paso paso : kPasos) paso(contexto);
    } catch (...) {
        // A run cut short by an error has failed, also for a host that reads the result.
        contexto.entorno.estado.Transformado = -1;
        throw;
    }
}

}  // namespace

FinTransferencia ejecutarExportacion(const std::string& carpeta, Entorno& entorno) {
    if (!existeCarpeta(carpeta)) {
        entorno.interlocutor.mostrarMensaje("No existe la carpeta");
        if (entorno.estado.alojado()) entorno.estado.Transformado = -1;
        return FinTransferencia::SinCarpeta;
    }
    ejecutarPasos(Contexto{carpeta, entorno});
    entorno.interlocutor.mostrarMensaje("Proceso finalizado");
    return FinTransferencia::Finalizada;
}

}  // namespace ttz::exportacion
