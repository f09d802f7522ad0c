#pragma once
// Owns the window's pictures, each described once for both views' painters.
#include <optional>
#include <vector>

#include "ui/degradado.h"
#include "ui/disposicion.h"
#include "ui/selector/filas_carpetas.h"
#include "ui/selector/unidades.h"

namespace ttz::ui {

struct PuntoDibujo {
    double x, y;
    bool operator==(const PuntoDibujo&) const = default;
};

enum class Forma {
    Relleno,   // a filled area: puntos[0] its top-left pixel, puntos[1] its width and height
    Poligono,  // puntos the vertices; the outline runs through their pixels
    Linea,     // puntos the vertices, joined in order
    Elipse,    // in the box from puntos[0] across puntos[1]; the outline runs through the box's edge pixels
};

// One mark, painted over the marks before it.
struct Trazo {
    Forma forma;
    std::vector<PuntoDibujo> puntos;
    ColorRGB color;                    // the line, the outline, or the filled area's colour
    std::optional<ColorRGB> relleno;   // the inside of a polygon or ellipse; none: not filled
    double grosor = 1;                 // of a line
    bool suave = false;                // smoothed edges where the painter can
    bool operator==(const Trazo&) const = default;
};

struct Dibujo {
    int ancho, alto;
    std::vector<Trazo> trazos;
    bool operator==(const Dibujo&) const = default;
};

// The buttons' two glyphs and the folder chooser's folder and drive icons, as marks in the
// design's pixels. Glifo::Ninguno is an empty picture.
const Dibujo& dibujoGlifo(Glifo glifo);            // kLadoGlifo x kLadoGlifo
const Dibujo& dibujoCarpeta(IconoCarpeta icono);   // kAnchoIcono x 15
const Dibujo& dibujoUnidad(TipoUnidad tipo);       // kAnchoIcono x 16

}  // namespace ttz::ui
