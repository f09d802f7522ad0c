#pragma once
// Owns the folder list Directorios, the drive list Unidades and the path label Label2 on Win32.
#include <windows.h>

#include <string>

#include "ui/dialogos.h"
#include "ui/selector/selector_carpetas.h"
#include "ui/win32/pintura.h"

namespace ttz::ui {

// The folder chooser over one SelectorCarpetas. What it does is the selector's; the controls draw
// its rows and pass it their double-clicks and drive choices.
class SelectorWin32 {
public:
    // Over the system's drives; a failure, at start-up too, goes to the error box.
    SelectorWin32(Dialogos& dialogos, const Fuentes& fuentes, gdi::Brochas& brochas);

    // The current folder, in the file system's own bytes.
    const std::string& actual() const { return selector_.actual(); }
    // The three controls, once created in their panel: the drive list gets its rows, and all
    // three show the current folder.
    void enlazar(HWND directorios, HWND unidades, HWND ruta);
    // A notification from Directorios or Unidades.
    void avisar(IdControl lista, int aviso);
    // A row of the folder list (icon at its indent, text 4 pixels after it, only the text
    // highlighted) or of the drive list.
    void dibujarFila(const DRAWITEMSTRUCT& dibujo, IdControl lista);

private:
    void actualizar();
    void actualizarRuta();
    // Runs a change of the selector; when it changed the folder, the controls follow.
    template <typename Cambio>
    void cambiar(Cambio&& cambio);

    Dialogos& dialogos_;
    const Fuentes& fuentes_;
    gdi::Brochas& brochas_;
    SelectorCarpetas selector_;
    HWND directorios_ = nullptr, unidades_ = nullptr, ruta_ = nullptr;
};

}  // namespace ttz::ui
