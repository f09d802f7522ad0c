#include "ui/qt/pintura.h"

#include <QPainter>
#include <QPolygonF>

#include "ui/qt/panel_degradado.h"

namespace ttz::ui {
namespace {

QPolygonF puntosQt(const std::vector<PuntoDibujo>& puntos) {
    QPolygonF poligono;
    for (const auto& punto : puntos) poligono << QPointF(punto.x, punto.y);
    return poligono;
}

void pintarTrazo(QPainter& pintor, const Trazo& trazo) {
    pintor.setRenderHint(QPainter::Antialiasing, trazo.suave);
    // Thick lines rounded at their ends and corners; thin ones as Qt draws them.
    const QColor color = colorQt(trazo.color);
    pintor.setPen(trazo.grosor > 1 ? QPen(color, trazo.grosor, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin) : QPen(color));
    pintor.setBrush(trazo.relleno ? QBrush(colorQt(*trazo.relleno)) : QBrush());
    const auto& p = trazo.puntos;
    switch (trazo.forma) {
    case Forma::Relleno:
        pintor.fillRect(QRectF(p[0].x, p[0].y, p[1].x, p[1].y), color);
        break;
    case Forma::Poligono:
        pintor.drawPolygon(puntosQt(p));
        break;
    case Forma::Linea:
        pintor.drawPolyline(puntosQt(p));
        break;
    case Forma::Elipse:
        pintor.drawEllipse(QRectF(p[0].x, p[0].y, p[1].x, p[1].y));
        break;
    }
}

}  // namespace

QPixmap pintarDibujo(const Dibujo& dibujo) {
    QPixmap imagen(dibujo.ancho, dibujo.alto);
    imagen.fill(Qt::transparent);
    QPainter pintor(&imagen);
    for (const auto& trazo : dibujo.trazos) pintarTrazo(pintor, trazo);
    return imagen;
}

}  // namespace ttz::ui
