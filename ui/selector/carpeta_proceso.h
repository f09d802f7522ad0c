#pragma once
// The process's current folder, the folder chooser's only record of where it stands.
// Failures raise ttz::ErrorES with the input/output code of the system's error.
#include <string>

namespace ttz::ui {

// The process's current folder as the system reports it.
std::string carpetaProceso();
// Makes the folder the process's current folder.
void cambiarCarpetaProceso(const std::string& carpeta);
// Where to stand when the process's current folder cannot be told: the root of the system
// (of its Windows drive on Windows).
std::string carpetaDeRespaldo();

}  // namespace ttz::ui
