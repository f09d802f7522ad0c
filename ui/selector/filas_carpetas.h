#pragma once
// The rows of the folder list: the path rows from the root down to the current folder, then
// the current folder's subfolders. Paths are the file system's own bytes.
#include <string>
#include <vector>

namespace ttz::ui {

enum class IconoCarpeta { Abierta, Actual, Cerrada };

// A row as the views draw it, in pixels at 96 dots per inch: its height, the width of its icon
// and the gap between the icon and the text.
inline constexpr int kAltoFila = 16;
inline constexpr int kAnchoIcono = 16;
inline constexpr int kSeparacionTexto = 4;

struct FilaCarpeta {
    std::string nombre;  // text of the row: the root as written, else the folder's name
    std::string ruta;    // the folder that a double-click on the row opens
    IconoCarpeta icono;
    int sangria;         // pixels from the row's left edge to its icon

    bool operator==(const FilaCarpeta&) const = default;
};

// The root of an absolute path: up to and including its first separator ("/", "C:\").
std::string raizDe(const std::string& ruta, char separador);

// The folder plus one subfolder name, with no second separator after a root.
std::string rutaHija(const std::string& carpeta, const std::string& nombre, char separador);

// All rows for the current folder and its subfolder names (any order; sorted here with
// letter case ignored).
std::vector<FilaCarpeta> filasCarpetas(const std::string& actual,
                                       std::vector<std::string> subcarpetas, char separador);

}  // namespace ttz::ui
