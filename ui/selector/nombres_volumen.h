#pragma once
// How the folder list shows names: as stored where the folder's volume keeps the letter case of
// names, in lower case where it does not (as FAT volumes of old).
#include <string>
#include <vector>

#include "ui/selector/filas_carpetas.h"

namespace ttz::ui {

// Puts the names of the rows below the root in lower case when the volume of carpeta does not
// keep letter case.
void mostrarComoElVolumen(std::vector<FilaCarpeta>& filas, const std::string& carpeta);

}  // namespace ttz::ui
