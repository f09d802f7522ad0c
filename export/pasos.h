#pragma once
// The six steps of the export run, in their order. Each one converts one ZEDA file (two for
// the assignments) into one Tempalix table. A missing file is reported and marks the run as
// failed; any other failure raises an error and leaves the step's table as it was.
#include <string>

#include "export/contexto.h"

namespace ttz::exportacion {

void ExportarAsignaturas(const Contexto& contexto);        // zeda_asignat.txt -> ASIGNOMT
void ExportarProfesores(const Contexto& contexto);         // zeda_prof.txt -> PROFT
void ExportarAulas(const Contexto& contexto);              // zeda_aulas.txt -> AULAT
void ExportarGrupos(const Contexto& contexto);             // zeda_grupo.txt -> GRUPOST
void ExportarAsignaturasGrupos(const Contexto& contexto);  // zeda_asignatgrupo.txt + zeda_asignatcurso.txt -> ASIGT
void ExportarTramos(const Contexto& contexto);             // zeda_sesiones.txt -> DIASHORAST

// The sessions of a weekly load of h hours (h >= 1): up to 13 "1"; from 14 hours on, the
// hours beyond 13 in digits followed by 13 "1"; then 0xBD (one half) when h has a fraction.
std::string PatronSesiones(double horas);

}  // namespace ttz::exportacion
