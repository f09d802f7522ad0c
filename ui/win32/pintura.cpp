#include "ui/win32/pintura.h"

#include <cmath>
#include <string_view>
#include <vector>

namespace ttz::ui {
namespace {

gdi::Fuente crearFuente(const Fuente& fuente, int puntosPorPulgada) {
    return gdi::Fuente(CreateFontA(-MulDiv(fuente.puntos, puntosPorPulgada, 72), 0, 0, 0, fuente.negrita ? FW_BOLD : FW_NORMAL,
                       FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_SWISS, fuente.familia));
}

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

    void pintar(const Trazo& trazo) const {
        std::vector<POINT> p;
        for (const auto& punto : trazo.puntos) p.push_back({std::lround(punto.x), std::lround(punto.y)});
        if (trazo.forma == Forma::Relleno)
            return rellenar({p[0].x, p[0].y, p[0].x + p[1].x, p[0].y + p[1].y}, trazo.color);
        LOGBRUSH tinta{BS_SOLID, colorGdi(trazo.color), 0};
        const gdi::Pluma pluma(ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_ROUND | PS_JOIN_ROUND,
                                            static_cast<DWORD>(std::lround(trazo.grosor)), &tinta, 0, nullptr));
        const gdi::Brocha brocha(trazo.relleno ? CreateSolidBrush(colorGdi(*trazo.relleno)) : nullptr);
        const gdi::Seleccion conPluma(contexto_, pluma.get());
        const gdi::Seleccion conBrocha(contexto_, brocha ? brocha.get() : GetStockObject(NULL_BRUSH));
        const int n = static_cast<int>(p.size());
        switch (trazo.forma) {
        case Forma::Poligono:
            Polygon(contexto_, p.data(), n);
            break;
        case Forma::Linea:
            Polyline(contexto_, p.data(), n);
            // GDI leaves out a thin line's last pixel; the description has it.
            if (trazo.grosor <= 1) rellenar({p.back().x, p.back().y, p.back().x + 1, p.back().y + 1}, trazo.color);
            break;
        case Forma::Elipse:
            // The box's right and bottom edges are drawn, as in the description.
            Ellipse(contexto_, p[0].x, p[0].y, p[0].x + p[1].x + 1, p[0].y + p[1].y + 1);
            break;
        case Forma::Relleno:
            break;
        }
    }

private:
    void rellenar(RECT area, ColorRGB color) const {
        const gdi::Brocha brocha(CreateSolidBrush(colorGdi(color)));
        FillRect(contexto_, &area, brocha.get());
    }

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

// The glyph left of the text, the two centred together.
void pintarTextoConGlifo(HDC contexto, RECT area, const char* texto, Glifo glifo, const Fuentes& fuentes) {
    const gdi::Seleccion conFuente(contexto, fuentes.ventana.get());
    RECT medida{};
    DrawTextA(contexto, texto, -1, &medida, DT_CALCRECT | DT_SINGLELINE);
    const int lado = fuentes.escala(kLadoGlifo), hueco = fuentes.escala(4);
    const int ancho = lado + hueco + medida.right;
    const int x = area.left + ((area.right - area.left) - ancho) / 2;
    pintarDibujo(contexto, x, area.top + ((area.bottom - area.top) - lado) / 2, lado / double(kLadoGlifo),
                 dibujoGlifo(glifo));
    RECT zonaTexto{x + lado + hueco, area.top, area.right, area.bottom};
    SetBkMode(contexto, TRANSPARENT);
    SetTextColor(contexto, GetSysColor(COLOR_BTNTEXT));
    DrawTextA(contexto, texto, -1, &zonaTexto, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
}

}  // namespace

HFONT Fuentes::de(const Control& descripcion) const {
    if (!descripcion.fuente) return ventana.get();
    return (std::string_view(descripcion.fuente->familia) == kFuenteVentana.familia ? negrita : rotulo).get();
}

// Sizes at 96 dots per inch scale by the window font's text height over 13. A substitute for
// the family has a text height of its own, while its text is as wide as the family's at the
// screen's dots per inch: scaled by its height, the fixed places would shrink under texts that do
// not ("Ruta Actual:" under the path). With a substitute they scale by the dots per inch.
Fuentes crearFuentes() {
    const int puntosPorPulgada = GetDeviceCaps(gdi::ContextoVentana(nullptr), LOGPIXELSY);
    Fuentes fuentes{crearFuente(kFuenteVentana, puntosPorPulgada),
                    crearFuente({kFuenteVentana.familia, kFuenteVentana.puntos, true}, puntosPorPulgada),
                    crearFuente(*control(IdControl::Label3).fuente, puntosPorPulgada)};
    const bool sustituta = lstrcmpiA(gdi::caraDe(fuentes.ventana.get()).c_str(), kFuenteVentana.familia) != 0;
    fuentes.escala = sustituta ? Escala(puntosPorPulgada) : Escala::porAlturaTexto(gdi::alturaTexto(fuentes.ventana.get()));
    return fuentes;
}

void pintarPanel(HWND panel, const ColoresPanel& colores) {
    PAINTSTRUCT pintura;
    const HDC destino = BeginPaint(panel, &pintura);
    RECT area;
    GetClientRect(panel, &area);
    const SIZE tamano{area.right, area.bottom};
    const gdi::ContextoMemoria memoria(destino);
    const gdi::Lamina lamina(CreateCompatibleBitmap(destino, tamano.cx, tamano.cy));
    const gdi::Seleccion conLamina(memoria, lamina.get());
    pintarBandas(memoria, tamano.cx, bandasPanel(tamano.cy, colores.arriba, colores.medio, colores.abajo));
    pintarBisel(memoria, tamano);
    BitBlt(destino, 0, 0, tamano.cx, tamano.cy, memoria, 0, 0, SRCCOPY);
    EndPaint(panel, &pintura);
}

HBRUSH colorearTexto(HDC contexto, const Control& descripcion, gdi::Brochas& brochas) {
    SetTextColor(contexto, descripcion.colorTexto ? colorGdi(*descripcion.colorTexto) : GetSysColor(COLOR_WINDOWTEXT));
    if (descripcion.fondo) {
        SetBkColor(contexto, colorGdi(*descripcion.fondo));
        return brochas.de(*descripcion.fondo);
    }
    SetBkMode(contexto, TRANSPARENT);
    return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
}

void pintarDibujo(HDC destino, int x, int y, double factor, const Dibujo& dibujo) {
    const Lienzo lienzo(destino, x, y, factor);
    for (const auto& trazo : dibujo.trazos) lienzo.pintar(trazo);
}

void pintarBoton(const DRAWITEMSTRUCT& dibujo, const Control& descripcion, const Fuentes& fuentes) {
    const HDC contexto = dibujo.hDC;
    RECT area = dibujo.rcItem;
    if (descripcion.predeterminado) {
        FrameRect(contexto, &area, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        InflateRect(&area, -1, -1);
    }
    const bool hundido = dibujo.itemState & ODS_SELECTED;
    DrawFrameControl(contexto, &area, DFC_BUTTON, DFCS_BUTTONPUSH | (hundido ? DFCS_PUSHED : 0));
    if (hundido) OffsetRect(&area, 1, 1);
    char texto[32] = "";
    GetWindowTextA(dibujo.hwndItem, texto, sizeof texto);
    pintarTextoConGlifo(contexto, area, texto, descripcion.glifo, fuentes);
    if (dibujo.itemState & ODS_FOCUS) {
        RECT foco = dibujo.rcItem;
        InflateRect(&foco, -4, -4);
        DrawFocusRect(contexto, &foco);
    }
}

}  // namespace ttz::ui
