#pragma once
// The three-colour vertical blend behind the window's panels, as bands of even height.
#include <vector>

namespace ttz::ui {

struct ColorRGB {
    int rojo, verde, azul;
    bool operator==(const ColorRGB&) const = default;
};

struct ColoresPanel {
    ColorRGB arriba, medio, abajo;
};

// The upper sides (export and import) and the bottom panel.
constexpr ColoresPanel kColoresLados{{255, 238, 221}, {255, 255, 255}, {249, 211, 125}};
constexpr ColoresPanel kColoresInferior{{204, 216, 230}, {207, 242, 254}, {194, 205, 254}};

struct Banda {
    int y, alto;
    ColorRGB color;
};

// The colour of band i of n: the start plus (end - start) * i / (n - 1) in each component.
ColorRGB colorBanda(ColorRGB inicio, ColorRGB fin, int i, int n);

// Rows [desde, hasta) blended from inicio to fin: one band per row, at most 256 bands.
std::vector<Banda> bandasMitad(int desde, int hasta, ColorRGB inicio, ColorRGB fin);

// A panel of that height: top to middle colour down to the middle row (alto / 2), then
// middle to bottom colour down to the bottom edge.
std::vector<Banda> bandasPanel(int alto, ColorRGB arriba, ColorRGB medio, ColorRGB abajo);

}  // namespace ttz::ui
