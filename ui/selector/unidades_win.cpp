#include <windows.h>
#include <winnetwk.h>

#include <algorithm>
#include <cctype>

#include "ui/selector/unidades.h"

namespace ttz::ui {

namespace {

std::string minusculas(std::string texto) {
    std::transform(texto.begin(), texto.end(), texto.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return texto;
}

std::string etiquetaVolumen(const std::string& raiz) {
    char etiqueta[MAX_PATH + 1] = "";
    if (!GetVolumeInformationA(raiz.c_str(), etiqueta, sizeof etiqueta, nullptr, nullptr,
                               nullptr, nullptr, 0))
        return {};
    return etiqueta;
}

// The remote name of a network drive, or nothing when the system cannot tell it.
bool nombreRemoto(const std::string& nombre, std::string& remoto) {
    char memoria[MAX_PATH + 1] = "";
    DWORD longitud = sizeof memoria;
    if (WNetGetConnectionA(nombre.c_str(), memoria, &longitud) != NO_ERROR) return false;
    remoto = memoria;
    return true;
}

TipoUnidad tipoDe(const std::string& raiz) {
    switch (GetDriveTypeA(raiz.c_str())) {
    case DRIVE_REMOVABLE: return TipoUnidad::Extraible;
    case DRIVE_REMOTE: return TipoUnidad::Red;
    case DRIVE_CDROM: return TipoUnidad::Optica;
    case DRIVE_RAMDISK: return TipoUnidad::Ram;
    default: return TipoUnidad::Fija;
    }
}

Unidad unidad(char letra) {
    const std::string nombre{letra, ':'};
    const std::string raiz = nombre + "\\";
    const auto tipo = tipoDe(raiz);
    std::string detalle;
    // A network drive whose remote name is unknown is shown as a fixed disk.
    auto forma = tipo;
    if (tipo == TipoUnidad::Red && !nombreRemoto(nombre, detalle)) forma = TipoUnidad::Fija;
    if (forma != TipoUnidad::Red && forma != TipoUnidad::Extraible) detalle = etiquetaVolumen(raiz);
    return {raiz, textoUnidad(minusculas(nombre), forma, minusculas(detalle)), tipo};
}

}  // namespace

std::vector<Unidad> unidadesDelSistema() {
    std::vector<Unidad> unidades;
    const DWORD presentes = GetLogicalDrives();
    for (char letra = 'A'; letra <= 'Z'; ++letra)
        if (presentes & (1u << (letra - 'A'))) unidades.push_back(unidad(letra));
    return unidades;
}

}  // namespace ttz::ui
