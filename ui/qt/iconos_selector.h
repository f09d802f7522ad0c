#pragma once
// The folder chooser's pictures, painted from their descriptions: three folders (16 x 15) for the
// folder list and one picture per drive kind (16 x 16) for the drive list.
#include <QPixmap>

#include "ui/selector/filas_carpetas.h"
#include "ui/selector/unidades.h"

namespace ttz::ui {

QPixmap iconoCarpeta(IconoCarpeta icono);
QPixmap iconoUnidad(TipoUnidad tipo);

}  // namespace ttz::ui
