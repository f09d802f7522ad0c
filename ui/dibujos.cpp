#include "ui/dibujos.h"

namespace ttz::ui {
namespace {

constexpr ColorRGB kNegro{0, 0, 0}, kBlanco{255, 255, 255}, kGris{192, 192, 192};
constexpr ColorRGB kContorno{128, 128, 0}, kAmarillo{255, 255, 128}, kAmarilloOscuro{224, 192, 64};
constexpr int kAltoCarpeta = 15, kAltoUnidad = 16;

Trazo relleno(double x, double y, double ancho, double alto, ColorRGB color) {
    return {Forma::Relleno, {{x, y}, {ancho, alto}}, color, {}};
}

Trazo poligono(std::vector<PuntoDibujo> vertices, ColorRGB borde, ColorRGB dentro, bool suave = false) {
    return {Forma::Poligono, std::move(vertices), borde, dentro, 1, suave};
}

// The outline of a box whose edges run through the pixels of (x, y) and (x + ancho, y + alto).
Trazo caja(double x, double y, double ancho, double alto, ColorRGB borde, ColorRGB dentro) {
    return poligono({{x, y}, {x + ancho, y}, {x + ancho, y + alto}, {x, y + alto}}, borde, dentro);
}

Trazo linea(std::vector<PuntoDibujo> vertices, ColorRGB color, double grosor = 1, bool suave = false) {
    return {Forma::Linea, std::move(vertices), color, {}, grosor, suave};
}

Trazo elipse(double x, double y, double ancho, double alto, ColorRGB borde, ColorRGB dentro) {
    return {Forma::Elipse, {{x, y}, {ancho, alto}}, borde, dentro, 1, true};
}

// A check mark, dark under light.
Dibujo aceptar() {
    const std::vector<PuntoDibujo> marca{{2.5, 9.5}, {7, 14.5}, {15.5, 3.5}};
    return {kLadoGlifo, kLadoGlifo, {linea(marca, {0, 100, 0}, 4.2, true), linea(marca, {40, 190, 40}, 2.4, true)}};
}

// The exit sign with its arrow over the doorway, and the door leaf swung open towards the viewer.
Dibujo salir() {
    return {kLadoGlifo,
            kLadoGlifo,
            {relleno(5, 0, 10, 5, {0, 150, 60}), linea({{7, 2}, {12, 2}}, kBlanco), relleno(11, 1, 1, 1, kBlanco),
             relleno(11, 3, 1, 1, kBlanco), caja(4, 5, 10, 12, {90, 60, 30}, {40, 40, 40}),
             poligono({{5, 6}, {10, 8}, {10, 17}, {5, 16}}, {110, 70, 30}, {190, 130, 60}, true),
             relleno(9, 12, 1, 1, {240, 210, 80})}};
}

// The back of a folder: its tab and body.
Trazo espalda(ColorRGB color) {
    return poligono({{0, 2}, {1, 1}, {5, 1}, {6, 2}, {13, 2}, {13, 13}, {0, 13}}, kContorno, color);
}

Dibujo carpetaCerrada() {
    return {kAnchoIcono, kAltoCarpeta, {espalda(kAmarillo), linea({{1, 4}, {12, 4}}, kBlanco)}};
}

// The back in shade behind the front tilted towards the viewer.
Dibujo carpetaAbierta(ColorRGB fondo) {
    const auto frente = poligono({{0, 13}, {3, 6}, {15, 6}, {12, 13}}, kContorno, kAmarillo);
    return {kAnchoIcono, kAltoCarpeta, {espalda(fondo), frente}};
}

Dibujo disquete() {
    return {kAnchoIcono, kAltoUnidad,
            {caja(2, 1, 11, 13, kNegro, {64, 64, 128}), relleno(5, 2, 6, 4, kGris), relleno(4, 9, 8, 5, kBlanco)}};
}

Dibujo disco(bool enRed) {
    Dibujo disco{kAnchoIcono, kAltoUnidad, {caja(1, 4, 13, 6, kNegro, kGris), relleno(11, 8, 2, 1, {0, 192, 0})}};
    if (enRed) {
        disco.trazos.push_back(linea({{7, 11}, {7, 13}}, kNegro));
        disco.trazos.push_back(linea({{2, 14}, {13, 14}}, kNegro));
    }
    return disco;
}

Dibujo optico() {
    return {kAnchoIcono,
            kAltoUnidad,
            {elipse(1, 1, 13, 13, kNegro, {208, 208, 224}), elipse(6, 6, 3, 3, kNegro, kBlanco)}};
}

// A memory chip with its pins above and below.
Dibujo memoria() {
    Dibujo chip{kAnchoIcono, kAltoUnidad, {caja(1, 4, 13, 7, kNegro, {0, 128, 64})}};
    for (int x = 2; x < 14; x += 3) {
        chip.trazos.push_back(linea({{double(x), 2}, {double(x), 3}}, kNegro));
        chip.trazos.push_back(linea({{double(x), 12}, {double(x), 13}}, kNegro));
    }
    return chip;
}

}  // namespace

const Dibujo& dibujoGlifo(Glifo glifo) {
    static const Dibujo ninguno{kLadoGlifo, kLadoGlifo, {}}, marca = aceptar(), puerta = salir();
    return glifo == Glifo::Aceptar ? marca : glifo == Glifo::Salir ? puerta : ninguno;
}

const Dibujo& dibujoCarpeta(IconoCarpeta icono) {
    // In IconoCarpeta's order; the current folder's back is grey.
    static const Dibujo carpetas[] = {carpetaAbierta(kAmarilloOscuro), carpetaAbierta(kGris), carpetaCerrada()};
    return carpetas[static_cast<int>(icono)];
}

const Dibujo& dibujoUnidad(TipoUnidad tipo) {
    // In TipoUnidad's order.
    static const Dibujo unidades[] = {disquete(), disco(false), disco(true), optico(), memoria()};
    return unidades[static_cast<int>(tipo)];
}

}  // namespace ttz::ui
