// transtempaloszeda.exe: moves a school's data between ZEDA's text files and Tempalix's tables;
// its window drawn with Win32.
#include <windows.h>

#include <chrono>

#include "app/linea_ordenes.h"
#include "base/errores.h"
#include "ui/anfitrion.h"
#include "ui/puertos_programa.h"
#include "ui/win32/dialogos.h"
#include "ui/win32/visor_ayuda.h"
#include "ui/win32/ventana.h"

namespace {

// Parameter 0: the running executable's full path, from the system.
std::filesystem::path rutaEjecutable() {
    std::wstring ruta(MAX_PATH, L'\0');
    for (;;) {
        const DWORD longitud = GetModuleFileNameW(nullptr, ruta.data(), static_cast<DWORD>(ruta.size()));
        if (longitud < ruta.size()) return ruta.substr(0, longitud);
        ruta.resize(ruta.size() * 2);
    }
}

}  // namespace

int main(int argc, char** argv) {
    const auto inicio = std::chrono::steady_clock::now();
    const auto parametros = ttz::parametrosDelProceso(argc, argv);

    ttz::ui::DialogosWin32 dialogos;
    ttz::ui::PuertosPrograma programa(rutaEjecutable(), std::make_unique<ttz::ui::VisorHtmlHelp>());
    try {
        ttz::ui::TMForm MForm(parametros, programa.puertos(dialogos), dialogos);
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
