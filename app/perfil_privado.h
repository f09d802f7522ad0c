#pragma once
// Private-profile (INI) files as the host program reads them: CR LF line ends, section and
// key names matched ignoring letter case.
#include <filesystem>
#include <string>
#include <string_view>

namespace ttz {

// The file's bytes with the key set to the value: an existing key's line is replaced, a new
// key goes after the last line of its section, a new section at the end of the file.
std::string ponerClavePerfil(std::string_view contenido, std::string_view seccion,
                             std::string_view clave, std::string_view valor);

// Writes the key into the file on disk (created when missing); false when it cannot.
bool escribirPerfilPrivado(const std::filesystem::path& archivo, const std::string& seccion,
                           const std::string& clave, const std::string& valor);

}  // namespace ttz
