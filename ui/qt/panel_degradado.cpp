#include "ui/qt/panel_degradado.h"

#include <QPainter>

namespace ttz::ui {

QColor colorQt(ColorRGB color) { return {color.rojo, color.verde, color.azul}; }

PanelDegradado::PanelDegradado(ColoresPanel colores, QWidget* padre) : QWidget(padre), colores_(colores) {}

void PanelDegradado::paintEvent(QPaintEvent*) {
    QPainter pintor(this);
    pintor.drawPixmap(0, 0, imagen());
}

const QPixmap& PanelDegradado::imagen() {
    if (imagen_.size() == size()) return imagen_;
    imagen_ = QPixmap(size());
    QPainter pintor(&imagen_);
    for (const auto& banda : bandasPanel(height(), colores_.arriba, colores_.medio, colores_.abajo))
        pintor.fillRect(0, banda.y, width(), banda.alto, colorQt(banda.color));
    const int derecha = width() - 1;
    const int fondo = height() - 1;
    pintor.setPen(palette().color(QPalette::Light));
    pintor.drawLine(0, 0, derecha, 0);
    pintor.drawLine(0, 0, 0, fondo);
    pintor.setPen(palette().color(QPalette::Dark));
    pintor.drawLine(0, fondo, derecha, fondo);
    pintor.drawLine(derecha, 0, derecha, fondo);
    return imagen_;
}

}  // namespace ttz::ui
