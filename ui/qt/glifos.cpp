#include "ui/qt/glifos.h"

#include <QPainter>
#include <QPainterPath>

namespace ttz::ui {
namespace {

QPixmap lienzo() {
    QPixmap imagen(kLadoGlifo, kLadoGlifo);
    imagen.fill(Qt::transparent);
    return imagen;
}

}  // namespace

QPixmap glifoAceptar() {
    auto imagen = lienzo();
    QPainter pintor(&imagen);
    pintor.setRenderHint(QPainter::Antialiasing);
    QPainterPath marca;
    marca.moveTo(2.5, 9.5);
    marca.lineTo(7, 14.5);
    marca.lineTo(15.5, 3.5);
    pintor.setPen(QPen(QColor(0, 100, 0), 4.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    pintor.drawPath(marca);
    pintor.setPen(QPen(QColor(40, 190, 40), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    pintor.drawPath(marca);
    return imagen;
}

QPixmap glifoSalir() {
    auto imagen = lienzo();
    QPainter pintor(&imagen);
    // The exit sign: a small green plate with a white arrow.
    pintor.fillRect(QRect(5, 0, 10, 5), QColor(0, 150, 60));
    pintor.setPen(Qt::white);
    pintor.drawLine(7, 2, 12, 2);
    pintor.drawPoint(11, 1);
    pintor.drawPoint(11, 3);
    // The door frame and the dark doorway behind the open door.
    pintor.setPen(QColor(90, 60, 30));
    pintor.drawRect(QRect(4, 5, 10, 12));
    pintor.fillRect(QRect(5, 6, 9, 11), QColor(40, 40, 40));
    // The door leaf swung open towards the viewer.
    pintor.setRenderHint(QPainter::Antialiasing);
    const QPointF hoja[] = {{5, 6}, {10, 8}, {10, 18}, {5, 17}};
    pintor.setPen(QColor(110, 70, 30));
    pintor.setBrush(QColor(190, 130, 60));
    pintor.drawPolygon(hoja, 4);
    pintor.setPen(QColor(240, 210, 80));
    pintor.drawPoint(QPointF(9, 12.5));
    return imagen;
}

}  // namespace ttz::ui
