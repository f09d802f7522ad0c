#include "ui/qt/iconos_selector.h"

#include <QPainter>
#include <QPolygon>

namespace ttz::ui {

namespace {

const QColor kContorno(128, 128, 0);
const QColor kAmarillo(255, 255, 128);
const QColor kAmarilloOscuro(224, 192, 64);
const QColor kGris(192, 192, 192);
const QColor kNegro(0, 0, 0);

QPixmap lienzo(int ancho, int alto) {
    QPixmap pixmap(ancho, alto);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

void pintar(QPainter& pintor, const QColor& relleno, const QPolygon& forma) {
    pintor.setPen(kContorno);
    pintor.setBrush(relleno);
    pintor.drawPolygon(forma);
}

// The back of a folder: its tab and body.
void espalda(QPainter& pintor, const QColor& relleno) {
    pintar(pintor, relleno, QPolygon({{0, 2}, {1, 1}, {5, 1}, {6, 2}, {13, 2}, {13, 13}, {0, 13}}));
}

QPixmap carpetaCerrada() {
    auto pixmap = lienzo(16, 15);
    QPainter pintor(&pixmap);
    espalda(pintor, kAmarillo);
    pintor.setPen(Qt::white);
    pintor.drawLine(1, 4, 12, 4);
    return pixmap;
}

QPixmap carpetaAbierta(const QColor& fondo) {
    auto pixmap = lienzo(16, 15);
    QPainter pintor(&pixmap);
    espalda(pintor, fondo);
    pintar(pintor, kAmarillo, QPolygon({{0, 13}, {3, 6}, {15, 6}, {12, 13}}));
    return pixmap;
}

}  // namespace

QPixmap iconoCarpeta(IconoCarpeta icono) {
    switch (icono) {
    case IconoCarpeta::Abierta: return carpetaAbierta(kAmarilloOscuro);
    case IconoCarpeta::Actual: return carpetaAbierta(kGris);
    case IconoCarpeta::Cerrada: break;
    }
    return carpetaCerrada();
}

QPixmap iconoUnidad(TipoUnidad tipo) {
    auto pixmap = lienzo(16, 16);
    QPainter pintor(&pixmap);
    pintor.setPen(kNegro);
    switch (tipo) {
    case TipoUnidad::Extraible:
        pintor.setBrush(QColor(64, 64, 128));
        pintor.drawRect(2, 1, 11, 13);
        pintor.fillRect(5, 2, 6, 4, kGris);
        pintor.fillRect(4, 9, 8, 5, Qt::white);
        break;
    case TipoUnidad::Optica:
        pintor.setRenderHint(QPainter::Antialiasing);
        pintor.setBrush(QColor(208, 208, 224));
        pintor.drawEllipse(1, 1, 13, 13);
        pintor.setBrush(Qt::white);
        pintor.drawEllipse(6, 6, 3, 3);
        break;
    case TipoUnidad::Ram:
        pintor.setBrush(QColor(0, 128, 64));
        pintor.drawRect(1, 4, 13, 7);
        for (int x = 2; x < 14; x += 3) {
            pintor.drawLine(x, 2, x, 3);
            pintor.drawLine(x, 12, x, 13);
        }
        break;
    case TipoUnidad::Fija:
    case TipoUnidad::Red:
        pintor.setBrush(kGris);
        pintor.drawRect(1, 4, 13, 6);
        pintor.fillRect(11, 8, 2, 1, QColor(0, 192, 0));
        if (tipo == TipoUnidad::Red) {
            pintor.drawLine(7, 11, 7, 13);
            pintor.drawLine(2, 14, 13, 14);
        }
        break;
    }
    return pixmap;
}

}  // namespace ttz::ui
