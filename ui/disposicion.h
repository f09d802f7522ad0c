#pragma once
// The window's panels and controls, their places at 96 dots per inch, texts, fonts, colours
// and tab order: what every view draws.
#include <array>
#include <optional>
#include <span>

#include "app/linea_ordenes.h"
#include "ui/degradado.h"

namespace ttz::ui {

inline constexpr const char* kTituloVentana = "Exportar e importar datos entre Tempalix y ZEDA";
inline constexpr int kContextoAyuda = 3;

struct Rectangulo {
    int x = 0, y = 0, ancho = 0, alto = 0;
    bool operator==(const Rectangulo&) const = default;
};

enum class IdControl {
    Draw3D2, Draw3D3, Draw3D1,  // the panels: export side, import side, bottom panel
    Label3, BExportar, Label4, BImportar,
    Label5, Label6, Label2, Label1, Directorios, Unidades, Button1, BClose,
};

enum class ClaseControl { Texto, Boton, ListaCarpetas, ListaUnidades };

// Views without these families take their own substitutes.
struct Fuente {
    const char* familia;
    int puntos;
    bool negrita;
};
inline constexpr Fuente kFuenteVentana{"MS Sans Serif", 8, false};

enum class Glifo { Ninguno, Aceptar, Salir };
inline constexpr int kLadoGlifo = 18;

struct Panel {
    IdControl id;
    const char* nombre;
    ColoresPanel colores;
};

struct Control {
    IdControl id;
    const char* nombre;
    ClaseControl clase;
    IdControl panel;
    Rectangulo area;                       // in its panel; width 0: sized to its text
    const char* texto;                     // empty for the lists and Label2 (the current folder)
    std::optional<Fuente> fuente;          // none: the window's font
    std::optional<ColorRGB> colorTexto;    // none: the system's window-text colour
    std::optional<ColorRGB> fondo;         // an opaque background; none: transparent
    bool ajustado = false;                 // word-wrapped in its box
    bool predeterminado = false;           // a default button
    Glifo glifo = Glifo::Ninguno;
};

// The panels in the order they are laid out and the controls in the order they are created.
std::span<const Panel> paneles();
std::span<const Control> controles();
bool esPanel(IdControl id);
const Control& control(IdControl id);  // a control, not a panel
const char* nombreDe(IdControl id);

// Tab and Shift+Tab walk this order, passing over hidden controls.
std::span<const IdControl> ordenTabulacion();

// Sizes scale with the screen: by its measured dots per inch over 96.
class Escala {
public:
    explicit Escala(double puntosPorPulgada) : factor_(puntosPorPulgada / 96.0) {}
    // By the window font's text height over its 13 pixels at 96 dots per inch.
    static Escala porAlturaTexto(int alturaTexto) { return Escala(96.0 * alturaTexto / 13.0); }
    int operator()(int pixeles) const;
    Rectangulo operator()(Rectangulo area) const;

private:
    double factor_;
};

// The window's content area and its panels for one mode, at 96 dots per inch.
class Disposicion {
public:
    Disposicion(bool alojado, Lado lado);

    int ancho() const { return ancho_; }
    int alto() const { return alto_; }
    Rectangulo area(IdControl panel) const;
    // The same in pixels, for a content area of ancho by alto pixels (which a view may take from
    // the system's frame metrics): the fixed sizes scaled, and the panel that fills the rest
    // takes exactly what is left, so that none runs past the window's edge.
    Rectangulo areaEn(IdControl panel, int ancho, int alto, const Escala& escala) const;
    bool visible(IdControl control) const;

private:
    Lado lado_;
    int ancho_, alto_;
};

// Hosted, the window's top-left corner in the host's client area.
inline constexpr int kPosicionAlojada = 2;

// The control that gets the focus when the window is first shown: the first visible one in
// tab order.
IdControl primerFoco(const Disposicion& disposicion);

// Where Tab (or Shift+Tab, atras) moves the focus from the control: the next visible one in
// tab order, round; from none or a control outside the order, the first (or last) visible one.
IdControl siguienteEnTabulacion(const Disposicion& disposicion, std::optional<IdControl> actual, bool atras);

// The button that Enter presses from the lists: the first visible default button.
IdControl botonPredeterminado(const Disposicion& disposicion);

}  // namespace ttz::ui
