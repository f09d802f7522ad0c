#include "export/exportacion.h"

#include "export/pasos.h"

namespace ttz::exportacion {
namespace {

// The steps in the order of the run: the assignments read back the groups just written.
using Paso = void (*)(const Contexto&);
constexpr Paso kPasos[] = {ExportarAsignaturas, ExportarProfesores,        ExportarAulas,
                           ExportarGrupos,      ExportarAsignaturasGrupos, ExportarTramos};

}  // namespace

FinTransferencia ejecutarExportacion(const std::string& carpeta, Entorno& entorno) {
    // 1 from the start: a step that misses its file lowers it to -1 and the run goes on.
    // Hosted, a missing folder is a failed run.
    const ReglasResultado reglas{-1, ReglasResultado::Exito::AlEmpezar, "exportar"};
    return ejecutarTransferencia(carpeta, entorno, reglas, [&](Entorno& enCurso) {
        const Contexto contexto{carpeta, enCurso};
        for (Paso paso : kPasos) paso(contexto);
    });
}

}  // namespace ttz::exportacion
