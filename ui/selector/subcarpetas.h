#pragma once
#include <string>
#include <vector>

namespace ttz::ui {

// The names of the folder's subfolders as stored, in the system's order. A folder that cannot
// be listed has none.
std::vector<std::string> listarSubcarpetas(const std::string& carpeta);

}  // namespace ttz::ui
