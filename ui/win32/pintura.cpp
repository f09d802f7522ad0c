#include "ui/win32/pintura.h"

#include <initializer_list>
#include <vector>

#include "ui/win32/gdi.h"

namespace ttz::ui {
namespace {

// Drawing in a picture's design pixels: the context scaled by factor from (x, y).
class Lienzo {
public:
    Lienzo(HDC contexto, int x, int y, double factor) : contexto_(contexto), estado_(SaveDC(contexto)) {
        SetGraphicsMode(contexto, GM_ADVANCED);
        const auto f = static_cast<FLOAT>(factor);
        const XFORM escala{f, 0, 0, f, static_cast<FLOAT>(x), static_cast<FLOAT>(y)};
        SetWorldTransform(contexto, &escala);
    }
    ~Lienzo() { RestoreDC(contexto_, estado_); }
    Lienzo(const Lienzo&) = delete;
    Lienzo& operator=(const Lienzo&) = delete;

    void rellenar(RECT area, COLORREF color) const {
        const gdi::Brocha brocha(CreateSolidBrush(color));
        FillRect(contexto_, &area, brocha.get());
    }
    void poligono(std::initializer_list<POINT> puntos, COLORREF borde, COLORREF relleno) const {
        const gdi::Pluma pluma(CreatePen(PS_SOLID, 1, borde));
        const gdi::Brocha brocha(CreateSolidBrush(relleno));
        const gdi::Seleccion conPluma(contexto_, pluma.get()), conBrocha(contexto_, brocha.get());
        const std::vector<POINT> vertices(puntos);
        Polygon(contexto_, vertices.data(), static_cast<int>(vertices.size()));
    }
    void linea(std::initializer_list<POINT> puntos, COLORREF color, int grosor) const {
        LOGBRUSH trazo{BS_SOLID, color, 0};
        const gdi::Pluma pluma(
            ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_ROUND | PS_JOIN_ROUND, grosor, &trazo, 0, nullptr));
        const gdi::Seleccion conPluma(contexto_, pluma.get());
        const std::vector<POINT> vertices(puntos);
        Polyline(contexto_, vertices.data(), static_cast<int>(vertices.size()));
    }

private:
    HDC contexto_;
    int estado_;
};

void pintarBandas(HDC contexto, int ancho, const std::vector<Banda>& bandas) {
    for (const auto& banda : bandas) {
        const gdi::Brocha brocha(CreateSolidBrush(colorGdi(banda.color)));
        const RECT area{0, banda.y, ancho, banda.y + banda.alto};
        FillRect(contexto, &area, brocha.get());
    }
}

void pintarBisel(HDC contexto, SIZE tamano) {
    const gdi::Pluma luz(CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNHIGHLIGHT)));
    const gdi::Pluma sombra(CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW)));
    {
        const gdi::Seleccion conLuz(contexto, luz.get());
        MoveToEx(contexto, 0, tamano.cy - 1, nullptr);
        LineTo(contexto, 0, 0);
        LineTo(contexto, tamano.cx, 0);
    }
    const gdi::Seleccion conSombra(contexto, sombra.get());
    MoveToEx(contexto, 0, tamano.cy - 1, nullptr);
    LineTo(contexto, tamano.cx - 1, tamano.cy - 1);
    LineTo(contexto, tamano.cx - 1, -1);
}

const COLORREF kContorno = RGB(128, 128, 0), kAmarillo = RGB(255, 255, 128), kGris = RGB(192, 192, 192);

}  // namespace

void pintarPanel(HDC destino, SIZE tamano, const ColoresPanel& colores) {
    const gdi::ContextoMemoria memoria(destino);
    const gdi::Lamina lamina(CreateCompatibleBitmap(destino, tamano.cx, tamano.cy));
    const gdi::Seleccion conLamina(memoria, lamina.get());
    pintarBandas(memoria, tamano.cx, bandasPanel(tamano.cy, colores.arriba, colores.medio, colores.abajo));
    pintarBisel(memoria, tamano);
    BitBlt(destino, 0, 0, tamano.cx, tamano.cy, memoria, 0, 0, SRCCOPY);
}

void pintarGlifo(HDC destino, int x, int y, double factor, Glifo glifo) {
    const Lienzo lienzo(destino, x, y, factor);
    if (glifo == Glifo::Aceptar) {
        lienzo.linea({{3, 9}, {7, 14}, {15, 4}}, RGB(0, 100, 0), 4);
        lienzo.linea({{3, 9}, {7, 14}, {15, 4}}, RGB(40, 190, 40), 2);
        return;
    }
    if (glifo != Glifo::Salir) return;
    // The exit sign over the doorway, and the door leaf swung open.
    lienzo.rellenar({5, 0, 15, 5}, RGB(0, 150, 60));
    lienzo.linea({{7, 2}, {12, 2}}, RGB(255, 255, 255), 1);
    lienzo.poligono({{4, 5}, {14, 5}, {14, 17}, {4, 17}}, RGB(90, 60, 30), RGB(40, 40, 40));
    lienzo.poligono({{5, 6}, {10, 8}, {10, 18}, {5, 17}}, RGB(110, 70, 30), RGB(190, 130, 60));
    lienzo.rellenar({8, 12, 9, 13}, RGB(240, 210, 80));
}

void pintarIconoCarpeta(HDC destino, int x, int y, double factor, IconoCarpeta icono) {
    const Lienzo lienzo(destino, x, y, factor);
    // The back of the folder with its tab, then the front: closed, or open and tilted.
    lienzo.poligono({{0, 2}, {1, 1}, {5, 1}, {6, 2}, {13, 2}, {13, 13}, {0, 13}}, kContorno,
                    icono == IconoCarpeta::Actual ? kGris : kAmarillo);
    if (icono == IconoCarpeta::Cerrada) {
        lienzo.linea({{1, 4}, {12, 4}}, RGB(255, 255, 255), 1);
        return;
    }
    lienzo.poligono({{0, 13}, {3, 6}, {15, 6}, {13, 13}}, kContorno, RGB(224, 192, 64));
}

void pintarIconoUnidad(HDC destino, int x, int y, double factor, TipoUnidad tipo) {
    const Lienzo lienzo(destino, x, y, factor);
    switch (tipo) {
    case TipoUnidad::Optica:
        lienzo.poligono({{1, 7}, {4, 2}, {11, 2}, {14, 7}, {11, 12}, {4, 12}}, RGB(96, 96, 96), RGB(220, 220, 235));
        lienzo.rellenar({6, 6, 9, 9}, RGB(96, 96, 96));
        return;
    case TipoUnidad::Red:
        lienzo.linea({{7, 10}, {7, 14}}, RGB(0, 0, 0), 1);
        lienzo.linea({{2, 14}, {13, 14}}, RGB(0, 0, 0), 1);
        break;
    default:
        break;
    }
    // A drive's box with its light: green for a fixed disk, none for a removable one.
    lienzo.poligono({{0, 4}, {15, 4}, {15, 10}, {0, 10}}, RGB(64, 64, 64), kGris);
    if (tipo == TipoUnidad::Extraible) lienzo.linea({{3, 7}, {11, 7}}, RGB(0, 0, 0), 1);
    else lienzo.rellenar({11, 6, 13, 8}, tipo == TipoUnidad::Ram ? RGB(255, 160, 0) : RGB(0, 200, 0));
}

}  // namespace ttz::ui
