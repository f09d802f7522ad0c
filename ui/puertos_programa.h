#pragma once
// What the window's program sets up the same way whatever draws its window: the transfers'
// state, help on the help file beside the executable, the table store in the default data
// folder, the collation, the local clock and the result file beside the executable.
#include <filesystem>
#include <memory>

#include "app/ayuda.h"
#include "base/cotejo.h"
#include "base/reloj.h"
#include "tables/almacen_dbase.h"
#include "transfer/estado.h"
#include "ui/comportamiento_ventana.h"

namespace ttz::ui {

class PuertosPrograma {
public:
    // ejecutable: the running program's full path; visor: the platform's help viewer.
    PuertosPrograma(const std::filesystem::path& ejecutable, std::unique_ptr<VisorAyuda> visor);
    PuertosPrograma(const PuertosPrograma&) = delete;
    PuertosPrograma& operator=(const PuertosPrograma&) = delete;

    // The window's ports, with the view's own message and error boxes.
    PuertosVentana puertos(Dialogos& dialogos);

private:
    std::filesystem::path archivoResultado_;
    std::unique_ptr<VisorAyuda> visor_;
    AyudaHtml ayuda_;
    Estado estado_;
    tablas::AlmacenDBase almacen_;
    const Cotejo cotejo_;
    const RelojLocal reloj_;
    Seguimiento seguimiento_{"transtempaloszeda " TTZ_VERSION, "independiente"};
};

}  // namespace ttz::ui
