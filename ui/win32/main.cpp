// transtempaloszeda.exe: moves a school's data between ZEDA's text files and Tempalix's tables;
// its window drawn with Win32.
#include <windows.h>

#include <chrono>

#include "app/ayuda.h"
#include "app/linea_ordenes.h"
#include "app/resultado_ini.h"
#include "base/archivos.h"
#include "base/cotejo.h"
#include "base/errores.h"
#include "base/reloj.h"
#include "base/sistema.h"
#include "tables/almacen_dbase.h"
#include "ui/anfitrion.h"
#include "ui/win32/dialogos.h"
#include "ui/win32/ventana.h"

namespace {

// Parameter 0: the running executable's full path, from the system.
std::filesystem::path rutaEjecutable() {
    std::string ruta(MAX_PATH, '\0');
    for (;;) {
        const DWORD longitud = GetModuleFileNameA(nullptr, ruta.data(), static_cast<DWORD>(ruta.size()));
        if (longitud < ruta.size()) return ruta.substr(0, longitud);
        ruta.resize(ruta.size() * 2);
    }
}

}  // namespace

int main(int argc, char** argv) {
    const auto inicio = std::chrono::steady_clock::now();
    const auto parametros = ttz::parametrosDelProceso(argc, argv);
    const auto ejecutable = rutaEjecutable();

    ttz::ui::DialogosWin32 dialogos;
    const auto visor = ttz::crearVisorAyuda();
    ttz::AyudaHtml ayuda(ejecutable.parent_path(), *visor);
    ayuda.ponerArchivo(ttz::kArchivoAyuda);

    ttz::Estado estado;
    ttz::tablas::AlmacenDBase almacen(ttz::carpetaDatosPredeterminada(), ttz::separadorDecimalDelSistema());
    const ttz::Cotejo cotejo;
    const ttz::RelojLocal reloj;
    try {
        ttz::ui::TMForm MForm(parametros,
                              {estado, dialogos, ayuda, almacen, cotejo, reloj, ttz::rutaResultado(ejecutable)},
                              dialogos);
        MForm.medirArranque(inicio);
        MForm.mostrar();
        return ttz::ui::bucleMensajes(MForm);
    } catch (const ttz::ui::ErrorAnfitrion& error) {
        // A host handle that names no window: without its window the tool cannot go on, and
        // nothing is written. A Windows program has no terminal to say so: the error box does.
        dialogos.mostrarCajaError(ttz::textoCajaError(error.what()));
        return 1;
    } catch (...) {
        ttz::ui::informarExcepcionActual(dialogos);
        return 1;
    }
}
