#pragma once
// One line of a ZEDA fixed-column text file, and the pure text operations on it.
// Columns count from 1; text is Windows-1252 bytes, never converted.
#include <string>
#include <string_view>

namespace ttz::zeda {

enum class ClaseLinea { Cabecera, Pie, Datos };

// Removes every character of code 32 or less from both ends.
std::string_view recortar(std::string_view texto);
// Appends the value whole and pads it with blanks up to the width, at most 95 of them.
void RellenarCampo(std::string& linea, std::string_view valor, int ancho);

class LineaZEDA {
public:
    LineaZEDA(std::string_view texto) : texto_(texto) {}

    std::string_view texto() const { return texto_; }
    // "0" header, "9" trailer, anything else (an empty line too) a data line.
    ClaseLinea clase() const;
    bool esCabeceraOPie() const { return clase() != ClaseLinea::Datos; }
    // The characters of columns columna .. columna+longitud-1 that the line has; never fails.
    std::string_view campo(int columna, int longitud) const;
    // The same, trimmed.
    std::string_view campoRecortado(int columna, int longitud) const {
        return recortar(campo(columna, longitud));
    }
    // Columns 2-51, trimmed and upper-cased, equal the (upper-case) name.
    bool tieneNombrePropio(std::string_view nombre) const;
    // A data line that does not carry the reader's own name: one the conversion takes.
    bool esDatosDe(std::string_view nombrePropio) const {
        return !esCabeceraOPie() && !tieneNombrePropio(nombrePropio);
    }

private:
    std::string_view texto_;
};

}  // namespace ttz::zeda
