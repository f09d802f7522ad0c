#include "ui/qt/iconos_selector.h"

#include "ui/qt/pintura.h"

namespace ttz::ui {

QPixmap iconoCarpeta(IconoCarpeta icono) { return pintarDibujo(dibujoCarpeta(icono)); }

QPixmap iconoUnidad(TipoUnidad tipo) { return pintarDibujo(dibujoUnidad(tipo)); }

}  // namespace ttz::ui
