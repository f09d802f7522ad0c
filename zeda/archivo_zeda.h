#pragma once
// Reading and writing ZEDA text files. Names are found whatever their letter case on disk.
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace ttz::zeda {

namespace fs = std::filesystem;

// Line-by-line reading. A line ends at LF or CR LF; a lone CR is dropped; Ctrl-Z ends the
// file (at a line start, or inside a line, whose rest is not read); NUL belongs to the line.
// Failures raise ErrorES with the system's code.
class LectorLineas {
public:
    explicit LectorLineas(const fs::path& ruta);
    ~LectorLineas();
    LectorLineas(const LectorLineas&) = delete;
    LectorLineas& operator=(const LectorLineas&) = delete;

    bool fin();
    // The next line; call only when fin() is false.
    const std::string& siguiente();
    void cerrar();

private:
    void rellenar();
    int leerByte();

    std::FILE* archivo_ = nullptr;
    std::vector<char> bufer_;
    std::size_t posicion_ = 0;
    std::size_t llenos_ = 0;
    bool agotado_ = false;
    bool finTexto_ = false;
    std::string linea_;
};

// Whole-file reading: CR, LF and CR LF end a line; NUL ends the text; Ctrl-Z is ordinary.
// Failure: "Cannot open file "%s". %s".
std::vector<std::string> leerArchivoEntero(const fs::path& ruta);

// Writes the lines, each followed by CR LF, replacing the file atomically.
// Failures: "Cannot create file "%s". %s", "Stream write error".
void escribirArchivo(const fs::path& ruta, const std::vector<std::string>& lineas);

}  // namespace ttz::zeda
