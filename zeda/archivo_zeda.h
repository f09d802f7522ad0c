#pragma once
// Reading and writing ZEDA text files. Names are found whatever their letter case on disk.
//
// Both ways of reading take a file in the encoding it was saved in: UTF-16 or UTF-8 when a byte
// order mark says so (the mark is no part of the text); without one, UTF-8 when some byte above
// 127 stands before the end of the text and every such byte is part of a well-formed UTF-8
// sequence; otherwise Windows-1252 as it is. The text is converted to Windows-1252 before it is
// cut into lines; a character without a Windows-1252 byte raises an Error that names the file
// and the line.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace ttz::zeda {

namespace fs = std::filesystem;

// The most that reading takes from one ZEDA file, far beyond any school's (lines of a few hundred
// characters, some thousands of them), so that an endless or enormous file ends with an error
// that names it instead of taking all memory: this many bytes as stored, and for whole-file
// reading, which keeps every line, this many lines.
inline constexpr std::uint64_t kBytesMaximosZEDA = 32 * 1024 * 1024;
inline constexpr std::size_t kLineasMaximasZEDA = 1'000'000;

class FuenteZEDA;

// Line-by-line reading. A line ends at LF or CR LF; a lone CR is dropped; Ctrl-Z ends the
// file (at a line start, or inside a line, whose rest is not read); NUL belongs to the line.
// Failures raise ErrorES with the system's code; a file beyond kBytesMaximosZEDA, or one whose
// line does not fit in memory, raises an Error that names it.
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

    fs::path ruta_;
    std::unique_ptr<FuenteZEDA> fuente_;
    std::string_view trozo_;
    std::size_t posicion_ = 0;
    bool agotado_ = false;
    bool finTexto_ = false;
    std::string linea_;
};

// Whole-file reading: CR, LF and CR LF end a line; NUL ends the text; Ctrl-Z is ordinary.
// Failure: "Cannot open file "%s". %s"; beyond the bounds above, an Error that names the file.
std::vector<std::string> leerArchivoEntero(const fs::path& ruta);

// Writes the lines, each followed by CR LF, replacing the file atomically.
// Failures: "Cannot create file "%s". %s", "Stream write error".
void escribirArchivo(const fs::path& ruta, const std::vector<std::string>& lineas);

}  // namespace ttz::zeda
