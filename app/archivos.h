#pragma once
// File-system helpers of the core, one implementation per platform.
#include <filesystem>
#include <string>
#include <string_view>

namespace ttz {

namespace fs = std::filesystem;

// The path as it is stored on disk when its last name matches one in its folder whatever the
// letter case: an exact match wins, else the first match in byte order. A path that matches
// nothing is returned unchanged.
fs::path resolverMayusculas(const fs::path& ruta);

// A file, not a folder, exists under that name (letter case ignored).
bool existeArchivo(const fs::path& ruta);
// A folder exists under that name.
bool existeCarpeta(const fs::path& ruta);

// The input/output code of the Spanish error table for a system error number
// (ENOENT 2, ENAMETOOLONG/ENOTDIR 3, EMFILE/ENFILE 4, EACCES/EPERM/EISDIR 5, ENOSPC 101).
int codigoES(int errorSistema);
// The system's text for a system error number.
std::string textoErrorSistema(int errorSistema);

// Replaces the file atomically with the bytes given: a temporary file in the same folder,
// flushed, then renamed over the target (an existing name in another letter case is reused).
// Failures: "Cannot create file "%s". %s" and "Stream write error".
void reemplazarArchivo(const fs::path& ruta, std::string_view contenido);

// The folder separator of the platform: "\" on Windows, "/" elsewhere.
char separadorCarpetas();

// The application's data folder: C:\TTEMP on Windows; elsewhere $TTEMP when set, else
// $WINEPREFIX/drive_c/TTEMP (prefix ~/.wine).
fs::path carpetaDatosPredeterminada();

}  // namespace ttz
