#pragma once
// The result file that the host reads after a hosted run: Tempalix.ini beside the executable.
#include <cstdint>
#include <filesystem>

namespace ttz {

// The executable's folder followed by "Tempalix.ini".
std::filesystem::path rutaResultado(const std::filesystem::path& ejecutable);

// Writes Transformado into section "Transformadores". Failure: "Unable to write to %s".
void escribirResultado(const std::filesystem::path& archivo, std::int32_t transformado);

}  // namespace ttz
