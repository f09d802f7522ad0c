#pragma once
// A panel painted with a three-colour vertical blend and a one-pixel raised bevel.
#include <QPixmap>
#include <QWidget>

#include "ui/degradado.h"

namespace ttz::ui {

struct ColoresPanel {
    ColorRGB arriba, medio, abajo;
};

// The upper sides (export and import) and the bottom panel.
constexpr ColoresPanel kColoresLados{{255, 238, 221}, {255, 255, 255}, {249, 211, 125}};
constexpr ColoresPanel kColoresInferior{{204, 216, 230}, {207, 242, 254}, {194, 205, 254}};

class PanelDegradado : public QWidget {
    Q_OBJECT
public:
    PanelDegradado(ColoresPanel colores, QWidget* padre);

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    // Painted off-screen once per size, then copied.
    const QPixmap& imagen();

    ColoresPanel colores_;
    QPixmap imagen_;
};

}  // namespace ttz::ui
