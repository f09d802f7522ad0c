#pragma once
// The drives the drive list offers (drive letters on Windows, mount points elsewhere) and the
// folder each drive was last left in.
#include <map>
#include <string>
#include <vector>

namespace ttz::ui {

// The kinds of drive the drive list knows, each with its own icon.
enum class TipoUnidad { Extraible, Fija, Red, Optica, Ram };

struct Unidad {
    std::string raiz;   // the drive's root folder ("C:\", "/media/usb")
    std::string texto;  // the row's text
    TipoUnidad tipo;

    bool operator==(const Unidad&) const = default;
};

// The row text of a drive: a removable drive shows its name alone, a network drive its name
// and remote name, any other its name and its volume label in square brackets.
std::string textoUnidad(const std::string& nombre, TipoUnidad tipo, const std::string& detalle);

// The system's drives, in the list's order.
std::vector<Unidad> unidadesDelSistema();

// The drive that holds the folder: the longest root that the folder lies in; -1 for none.
int unidadDe(const std::vector<Unidad>& unidades, const std::string& carpeta, char separador);

// Each drive's current folder: the last folder visited on it, else its root.
class CarpetasPorUnidad {
public:
    void visitar(const Unidad& unidad, const std::string& carpeta);
    std::string carpetaDe(const Unidad& unidad) const;

private:
    std::map<std::string, std::string> ultimas_;
};

}  // namespace ttz::ui
