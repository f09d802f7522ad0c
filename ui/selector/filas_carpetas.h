#pragma once
// The rows of the folder list: the path rows from the root down to the current folder, then
// the current folder's subfolders. Paths are the file system's own bytes.
#include <functional>
#include <string>
#include <vector>

namespace ttz::ui {

enum class IconoCarpeta { Abierta, Actual, Cerrada };

// A row as the views draw it, in pixels at 96 dots per inch: its height, the width of its icon
// and the gap between the icon and the text.
inline constexpr int kAltoFila = 16;
inline constexpr int kAnchoIcono = 16;
inline constexpr int kSeparacionTexto = 4;
// The indent of the root's row, and of every drive row.
inline constexpr int kSangriaRaiz = 2;

// Where a row's parts go, in pixels from the row's left edge: the icon at the row's indent, the
// box of the text kSeparacionTexto after the icon and as wide as the text with a pixel of margin
// on each side. Only the box is highlighted. escalar turns sizes at 96 dots per inch into the
// view's pixels; anchoTexto is measured in the view's pixels already.
struct GeometriaFila {
    int icono, caja, anchoCaja, texto;
};
GeometriaFila geometriaFila(int sangria, int anchoTexto, const std::function<int(int)>& escalar);

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
