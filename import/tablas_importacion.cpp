#include "import/tablas_importacion.h"

#include "base/errores.h"

namespace ttz::importacion {

TablaComponente::TablaComponente(std::string nombreComponente, tablas::AlmacenTablas& almacen,
                                 const std::string& tabla)
    : nombre_(std::move(nombreComponente)),
      tabla_(almacen.abrir(tabla, tablas::ModoApertura::LecturaEscrituraExclusiva)) {}

int TablaComponente::campo(std::string_view nombreCampo) const {
    try {
        return tabla_->campo(nombreCampo);
    } catch (const ErrorCampo& error) {
        throw Error(nombre_ + ": " + error.what());
    }
}

int CampoComponente::indice() const {
    if (!indice_) indice_ = componente_.campo(nombre_);
    return *indice_;
}

TablasImportacion::TablasImportacion(tablas::AlmacenTablas& almacen)
    : wwTableSoluc("wwTableSoluc", almacen, "SOLUC"),
      wwTableGrupos("wwTableGrupos", almacen, "GRUPOST"),
      wwTableProfesor("wwTableProfesor", almacen, "PROFT"),
      wwTableAulas("wwTableAulas", almacen, "AULAT"),
      wwTableNomAsg("wwTableNomAsg", almacen, "ASIGNOMT"),
      wwTableTramos("wwTableTramos", almacen, "DIASHORAST") {}

void TablasImportacion::cerrar() {
    for (auto* componente : {&wwTableSoluc, &wwTableGrupos, &wwTableProfesor, &wwTableAulas, &wwTableNomAsg,
                             &wwTableTramos}) {
        componente->cerrar();
    }
}

}  // namespace ttz::importacion
