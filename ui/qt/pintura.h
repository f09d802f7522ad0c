#pragma once
// The Qt painter of the window's pictures (ui/dibujos.h): a picture into a pixmap of its size.
#include <QPixmap>

#include "ui/dibujos.h"

namespace ttz::ui {

QPixmap pintarDibujo(const Dibujo& dibujo);

}  // namespace ttz::ui
