#pragma once
// The way back: the files of a run's copy put back where they came from.
#include <filesystem>
#include <string>
#include <vector>

#include "transfer/transferencia.h"

namespace ttz {

// One line per copy of the data folder, newest first: its name, date, direction, outcome and
// files.
std::vector<std::string> lineasDeCopias(const std::filesystem::path& carpetaDatos);

// Puts every file of the copy named (the newest when the name is empty) back where it came
// from, each one atomically and after what it replaces was kept in this run's own copy (entorno
// has a Seguimiento); an index that the copy's table did not have is kept and removed. Refuses with an Error,
// changing nothing, when the copy is missing, a file of it is missing or of another size than
// its description says, a folder to put a file back into is missing, or another program holds
// one of the tables.
void ejecutarRestauracion(const std::string& copia, Entorno& entorno);

}  // namespace ttz
