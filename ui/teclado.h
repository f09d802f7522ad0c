#pragma once
// The window's own keys: what a key pressed on a control (or on the window) does.
#include <optional>
#include <span>

#include "ui/disposicion.h"

namespace ttz::ui {

enum class Tecla { F1, Escape, Intro, S, Otra };

// A toolkit's code for one of the window's keys.
struct CodigoTecla {
    int codigo;
    Tecla tecla;
};

// The window's key for a toolkit's key code, by the toolkit's table; Otra when it is none of them.
Tecla teclaDe(int codigo, std::span<const CodigoTecla> codigos);

struct Modificadores {
    bool alt = false, control = false, mayusculas = false;
};

enum class AccionTecla {
    DelSistema,            // not the window's key: the toolkit handles it as usual
    Ninguna,               // used up without doing anything
    AyudaContexto,         // the help topic of context 3
    PulsarEnfocado,        // press the focused push button
    PulsarPredeterminado,  // press the first visible default button
    PulsarSalir,           // press BClose
};

// enfocado: the control that has the focus, none for the window itself. Unidades counts only
// while its drop-down is closed: Enter in the open drop-down chooses a drive.
AccionTecla accionDeTecla(Tecla tecla, Modificadores modificadores, std::optional<IdControl> enfocado);

}  // namespace ttz::ui
