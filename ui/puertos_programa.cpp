#include "ui/puertos_programa.h"

#include "app/resultado_ini.h"
#include "base/archivos.h"
#include "base/sistema.h"

namespace ttz::ui {

PuertosPrograma::PuertosPrograma(const std::filesystem::path& ejecutable, std::unique_ptr<VisorAyuda> visor)
    : archivoResultado_(rutaResultado(ejecutable)),
      visor_(std::move(visor)),
      ayuda_(ejecutable.parent_path(), *visor_),
      almacen_(carpetaDatosPredeterminada(), separadorDecimalDelSistema()) {
    ayuda_.ponerArchivo(kArchivoAyuda);
}

PuertosVentana PuertosPrograma::puertos(Dialogos& dialogos) {
    return {estado_, dialogos, ayuda_, almacen_, cotejo_, reloj_, archivoResultado_, &seguimiento_};
}

}  // namespace ttz::ui
