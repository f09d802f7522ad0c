#include "ui/disposicion.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace ttz::ui {
namespace {

using enum IdControl;

constexpr int kAnchoVentana = 599;
constexpr int kAltoVentana = 270;
// Without frame and caption the window keeps its framed outer size: where a view cannot ask the
// system for its frame, a dialog frame of 3 pixels on each side and a caption bar of 19.
constexpr int kAnchoMarco = 6;
constexpr int kAltoMarco = 25;
constexpr int kAltoInferior = 169;
constexpr int kAnchoExportar = 289;

constexpr Fuente kRotulo{"Arial", 12, true};
constexpr Fuente kNegrita{kFuenteVentana.familia, kFuenteVentana.puntos, true};
constexpr ColorRGB kAzul{0, 0, 255}, kRojo{255, 0, 0}, kFondoListas{240, 251, 255};
constexpr ColorRGB kFondoInferior = kColoresInferior.arriba;

constexpr std::array<Panel, 3> kPaneles{{
    {Draw3D1, "Draw3D1", kColoresInferior},
    {Draw3D2, "Draw3D2", kColoresLados},
    {Draw3D3, "Draw3D3", kColoresLados},
}};

const std::array<Control, 12> kControles{{
    {Label3, "Label3", ClaseControl::Texto, Draw3D2, {24, 24, 265, 57}, "Transformar datos desde ZEDA hacia Tempalix ",
     kRotulo, {}, {}, true},
    {BExportar, "BExportar", ClaseControl::Boton, Draw3D2, {88, 72, 89, 25}, "Aceptar", {}, {}, {}, false, true,
     Glifo::Aceptar},
    {Label4, "Label4", ClaseControl::Texto, Draw3D3, {8, 24, 305, 57}, "Transformar datos desde Tempalix hacia ZEDA",
     kRotulo, {}, {}, true},
    {BImportar, "BImportar", ClaseControl::Boton, Draw3D3, {96, 72, 89, 25}, "Aceptar", {}, {}, {}, false, true,
     Glifo::Aceptar},
    {Label5, "Label5", ClaseControl::Texto, Draw3D1, {9, 5, 0, 0},
     "Carpeta en la que se encuentran los Ficheros TXT de ZEDA", {}, kAzul, kFondoInferior},
    {Label6, "Label6", ClaseControl::Texto, Draw3D1, {9, 19, 0, 0}, "Ruta Actual:", {}, kAzul, kFondoInferior},
    {Label2, "Label2", ClaseControl::Texto, Draw3D1, {70, 20, 0, 0}, "", kNegrita, kRojo, {}},
    {Label1, "Label1", ClaseControl::Texto, Draw3D1, {368, 142, 0, 0}, "TransTempalixZEDA para TM11 V-1.0", kNegrita,
     kRojo, {}},
    {Directorios, "Directorios", ClaseControl::ListaCarpetas, Draw3D1, {8, 34, 287, 106}, "", {}, {}, kFondoListas},
    {Unidades, "Unidades", ClaseControl::ListaUnidades, Draw3D1, {8, 142, 137, 19}, "", {}, {}, kFondoListas},
    {Button1, "Button1", ClaseControl::Boton, Draw3D1, {220, 142, 75, 21}, "F1 AYUDA", {}, {}, {}},
    {BClose, "BClose", ClaseControl::Boton, Draw3D1, {385, 105, 89, 25}, "&Salir", {}, {}, {}, false, false,
     Glifo::Salir},
}};

constexpr std::array kOrdenTabulacion{BExportar, BImportar, BClose, Directorios, Unidades, Button1};

}  // namespace

bool esPanel(IdControl id) { return id == Draw3D1 || id == Draw3D2 || id == Draw3D3; }

std::span<const Panel> paneles() { return kPaneles; }

std::span<const Control> controles() { return kControles; }

const Control& control(IdControl id) {
    const auto encontrado = std::ranges::find(kControles, id, &Control::id);
    if (encontrado == kControles.end()) throw std::logic_error("un panel no es un control");
    return *encontrado;
}

const char* nombreDe(IdControl id) {
    if (!esPanel(id)) return control(id).nombre;
    return std::ranges::find(kPaneles, id, &Panel::id)->nombre;
}

std::span<const IdControl> ordenTabulacion() { return kOrdenTabulacion; }

int Escala::operator()(int pixeles) const { return static_cast<int>(std::lround(pixeles * factor_)); }

Rectangulo Escala::operator()(Rectangulo area) const {
    return {(*this)(area.x), (*this)(area.y), (*this)(area.ancho), (*this)(area.alto)};
}

// The bottom panel keeps its height and the upper area takes the rest; the export side is
// 289 wide unless it is alone (the whole width) or hidden (none).
Disposicion::Disposicion(bool alojado, Lado lado)
    : lado_(lado),
      ancho_(kAnchoVentana + (alojado ? kAnchoMarco : 0)),
      alto_(kAltoVentana + (alojado ? kAltoMarco : 0)) {}

Rectangulo Disposicion::area(IdControl panel) const { return areaEn(panel, ancho_, alto_, Escala(96)); }

Rectangulo Disposicion::areaEn(IdControl panel, int ancho, int alto, const Escala& escala) const {
    const int inferior = escala(kAltoInferior), superior = alto - inferior;
    const int divisoria = lado_ == Lado::Ambos ? escala(kAnchoExportar) : (lado_ == Lado::Exportar ? ancho : 0);
    switch (panel) {
    case Draw3D1: return {0, superior, ancho, inferior};
    case Draw3D2: return {0, 0, divisoria, superior};
    case Draw3D3: return {divisoria, 0, ancho - divisoria, superior};
    default: return escala(control(panel).area);
    }
}

bool Disposicion::visible(IdControl id) const {
    switch (id) {
    case Draw3D1: return true;
    case Draw3D2: return lado_ != Lado::Importar;
    case Draw3D3: return lado_ != Lado::Exportar;
    default: return visible(control(id).panel);
    }
}

IdControl primerFoco(const Disposicion& disposicion) {
    return *std::ranges::find_if(kOrdenTabulacion, [&](IdControl id) { return disposicion.visible(id); });
}

IdControl siguienteEnTabulacion(const Disposicion& disposicion, std::optional<IdControl> actual, bool atras) {
    const auto n = static_cast<std::ptrdiff_t>(kOrdenTabulacion.size());
    const auto encontrado = std::ranges::find(kOrdenTabulacion, actual.value_or(Draw3D1));
    std::ptrdiff_t i = encontrado == kOrdenTabulacion.end() ? (atras ? 0 : n - 1) : encontrado - kOrdenTabulacion.begin();
    for (std::ptrdiff_t paso = 0; paso < n; ++paso) {
        i = (i + (atras ? n - 1 : 1)) % n;
        if (disposicion.visible(kOrdenTabulacion[i])) break;
    }
    return kOrdenTabulacion[i];
}

IdControl botonPredeterminado(const Disposicion& disposicion) {
    return std::ranges::find_if(kControles, [&](const Control& c) {
               return c.predeterminado && disposicion.visible(c.id);
           })->id;
}

}  // namespace ttz::ui
