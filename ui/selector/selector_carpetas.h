#pragma once
// The folder chooser without a toolkit: the current folder, the folder list's rows, the drive
// list's rows and which of them is the current folder's drive. Every change goes through the
// process's current folder and is read back from it; a failure raises ttz::ErrorES and
// changes nothing.
#include <functional>
#include <string>
#include <vector>

#include "ui/selector/filas_carpetas.h"
#include "ui/selector/unidades.h"

namespace ttz::ui {

class SelectorCarpetas {
public:
    // Starts in the process's current folder. When the system cannot tell it (the folder was
    // removed before the start), avisar is called inside the handler of the error, so that it
    // can show it, and the chooser starts at carpetaDeRespaldo.
    SelectorCarpetas(std::vector<Unidad> unidades, const std::function<void()>& avisar);

    const std::string& actual() const { return actual_; }
    const std::vector<FilaCarpeta>& filas() const { return filas_; }
    // The current folder's row.
    std::size_t filaActual() const;
    const std::vector<Unidad>& unidades() const { return unidades_; }
    // The current folder's drive; -1 for none.
    int unidadActual() const { return unidadActual_; }

    // A double-click on a row; false when it changes nothing (the current folder's row).
    bool abrirFila(std::size_t fila);
    // A choice in the drive list: that drive's current folder; false when it changes nothing,
    // and when the drive is the one last chosen, even if that choice failed.
    bool elegirUnidad(std::size_t unidad);
    void cambiarCarpeta(const std::string& carpeta);

private:
    void leerCarpeta();

    std::vector<Unidad> unidades_;
    CarpetasPorUnidad carpetas_;
    std::string actual_;
    std::vector<FilaCarpeta> filas_;
    int unidadActual_ = -1;
    int unidadElegida_ = -1;  // the drive list's row: the current folder's drive, or a drive that failed
};

}  // namespace ttz::ui
