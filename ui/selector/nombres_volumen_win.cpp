#include <windows.h>

#include "ui/selector/nombres_volumen.h"

namespace ttz::ui {
namespace {

bool conservaMayusculas(const std::string& raiz) {
    DWORD banderas = 0;
    if (!GetVolumeInformationA(raiz.c_str(), nullptr, 0, nullptr, nullptr, &banderas, nullptr, 0)) return true;
    return (banderas & FS_CASE_IS_PRESERVED) != 0;
}

}  // namespace

void mostrarComoElVolumen(std::vector<FilaCarpeta>& filas, const std::string& carpeta) {
    if (filas.size() < 2 || conservaMayusculas(raizDe(carpeta, '\\'))) return;
    for (auto fila = filas.begin() + 1; fila != filas.end(); ++fila)
        if (!fila->nombre.empty()) CharLowerBuffA(fila->nombre.data(), static_cast<DWORD>(fila->nombre.size()));
}

}  // namespace ttz::ui
