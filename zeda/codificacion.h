#pragma once
// The encodings in which today's editors save a ZEDA file, and their conversion to the
// Windows-1252 text that the tool works in.
#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

#include "base/utf8.h"

namespace ttz::zeda {

enum class Codificacion { Windows1252, Utf8, Utf16LE, Utf16BE };

// The encoding that a byte order mark at the start of a file names, and the mark's length;
// Windows1252 and 0 when the file starts without one.
struct Marca {
    Codificacion codificacion;
    std::size_t largo;
};
Marca marcaDeOrden(std::string_view inicio);

// Tells, piece by piece, whether a text without a mark is UTF-8: some byte above 127, and
// every such byte part of a well-formed sequence.
class DeteccionUtf8 {
public:
    // False once a byte has shown that the text is not UTF-8.
    bool agregar(std::string_view trozo);
    // After the last piece.
    bool esUtf8() const { return valida_ && alguna_ && !secuencia_.aMedias(); }

private:
    SecuenciaUtf8 secuencia_;
    bool valida_ = true;
    bool alguna_ = false;
};

// Windows-1252 text from the bytes of a file, piece by piece and in place: the text never
// takes more bytes than it came in. Windows-1252 passes as it is. A decoded text stops after
// the character finDeTexto. Lines are counted as an editor shows them (CR, LF and CR LF end
// one), for the error that names the line.
class Descodificador {
public:
    Descodificador(Codificacion codificacion, char finDeTexto);

    // The length of the piece's text, written over the piece; nothing when a character has
    // no Windows-1252 byte or is not well formed.
    std::optional<std::size_t> convertir(std::span<char> trozo);
    bool terminado() const { return terminado_; }
    // No character is left cut short by the end of the bytes.
    bool completo() const { return !secuencia_.aMedias() && !primerByte_; }
    // The line of the last character converted or refused.
    std::size_t linea() const { return linea_; }

private:
    SecuenciaUtf8::Paso agregar(unsigned char byte, char32_t& caracter);
    void anotar(char byte);

    Codificacion codificacion_;
    char finDeTexto_;
    SecuenciaUtf8 secuencia_;
    std::optional<unsigned char> primerByte_;  // of a UTF-16 unit
    bool terminado_ = false;
    std::size_t linea_ = 1;
    char anterior_ = '\0';
};

}  // namespace ttz::zeda
