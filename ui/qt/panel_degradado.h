#pragma once
// A panel painted with a three-colour vertical blend and a one-pixel raised bevel.
#include <QPixmap>
#include <QWidget>

#include "ui/degradado.h"

namespace ttz::ui {

QColor colorQt(ColorRGB color);

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
