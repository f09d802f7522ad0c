#pragma once
// The two 18 x 18 pictures of the window's buttons, painted from their descriptions.
#include <QPixmap>

#include "ui/disposicion.h"

namespace ttz::ui {

// A green check mark (BExportar, BImportar).
QPixmap glifoAceptar();
// An open door with an exit sign above it (BClose).
QPixmap glifoSalir();

}  // namespace ttz::ui
