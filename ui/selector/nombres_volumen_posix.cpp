#include "ui/selector/nombres_volumen.h"

namespace ttz::ui {

// The file systems of these systems keep the letter case of every name they store.
void mostrarComoElVolumen(std::vector<FilaCarpeta>&, const std::string&) {}

}  // namespace ttz::ui
