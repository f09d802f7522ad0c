#pragma once
// File-system helpers of the core, one implementation per platform.
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "base/archivo.h"

namespace ttz {

namespace fs = std::filesystem;

// The path as it is stored on disk when its last name matches one in its folder whatever the
// letter case: an exact match wins, else the first match in byte order. A path that matches
// nothing is returned unchanged.
fs::path resolverMayusculas(const fs::path& ruta);

// A file, not a folder, exists under that name (letter case ignored), or the system cannot
// tell (a folder the user may not look into, a lost share): then opening it gives the reason,
// and the file is not taken for a missing one.
bool existeArchivo(const fs::path& ruta);
// A folder exists under that name.
bool existeCarpeta(const fs::path& ruta);

// A file written piece by piece that replaces its target atomically: a staging file beside it,
// flushed and renamed over the target by publicar() (an existing name in another letter case is
// reused). Destroyed unpublished, the staging file is removed and the target stays as it was.
// Failures: "Cannot create file "%s". %s" and "Stream write error".
class ArchivoNuevo {
public:
    explicit ArchivoNuevo(const fs::path& ruta);
    ~ArchivoNuevo();
    ArchivoNuevo(const ArchivoNuevo&) = delete;
    ArchivoNuevo& operator=(const ArchivoNuevo&) = delete;

    void escribir(std::string_view bytes);
    void publicar();

private:
    void vaciarBufer();
    void volcar(std::string_view bloque);

    fs::path ruta_;
    fs::path destino_;
    Archivo provisional_;
    std::uint64_t escritos_ = 0;
    std::string bufer_;
};

// Replaces the file atomically with the bytes given, as ArchivoNuevo does.
void reemplazarArchivo(const fs::path& ruta, std::string_view contenido);

// The folder separator of the platform: "\" on Windows, "/" elsewhere.
char separadorCarpetas();

// The application's data folder: $TTEMP when set; else C:\TTEMP on Windows and
// $WINEPREFIX/drive_c/TTEMP (prefix ~/.wine) elsewhere.
fs::path carpetaDatosPredeterminada();

}  // namespace ttz
