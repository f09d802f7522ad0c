#pragma once
// One field of a dBase record: where its bytes lie and how values are read from and written to
// them. Text fields hold their characters left-aligned and padded with blanks; numeric fields
// ('N' and 'F') hold decimal text right-aligned, blank when empty. Other writers' binary kinds
// are read only.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/errores.h"
#include "tables/tabla.h"

namespace ttz::tablas {

// The dBase layout of the numeric kinds of this store.
inline constexpr int anchoEntero = 11;
inline constexpr int anchoFlotante = 20;
inline constexpr int decimalesFlotante = 4;

// A number too long for its field: "El valor <value> no cabe en el campo '<name>'"; the table
// adds its own name to it.
class ValorQueNoCabe : public Error {
public:
    using Error::Error;
};

// The writers whose binary kinds differ: 'I' is little-endian in the FoxPro family, and 'B' a
// double in Visual FoxPro but a binary memo elsewhere.
enum class Familia { DBase, FoxPro, VisualFoxPro };

// How a field's bytes hold its value.
enum class Forma {
    Texto,            // characters as stored: 'C', also 'D', 'L' and kinds unknown here
    TextoVariable,    // 'V', 'Q' (Visual FoxPro): characters, their length in the last byte when
                      // shorter than the field, as the field's bit in the null flags says
    Decimal,          // decimal text: 'N', 'F'
    EnteroDBase7,     // 'I', '+' (dBase): 4 bytes big-endian, sign bit turned over
    EnteroFox,        // 'I' (FoxPro): 4 bytes little-endian two's complement
    DobleDBase7,      // 'O': 8 bytes big-endian IEEE 754, ordered as unsigned bytes
    DobleFox,         // 'B' (Visual FoxPro): 8 bytes little-endian IEEE 754
    Moneda,           // 'Y': 8 bytes little-endian, ten-thousandths
    FechaHoraFox,     // 'T': Julian day and milliseconds, 4 bytes little-endian each
    FechaHoraDBase7,  // '@': Julian day and milliseconds, 4 bytes big-endian each
    Memo,             // in a memo file that is not read: 'M', 'G', 'P', 'W', '0', dBase 'B', other
                      // writers' 'V' and 'Q';
                      // also a binary kind of another width than its layout's
};

class CampoDBF {
public:
    CampoDBF(std::string nombre, char tipo, int ancho, int decimales, int desplazamiento,
             Familia familia = Familia::DBase);
    // The dBase field that holds a field of this store.
    static CampoDBF para(const DefinicionCampo& definicion, int desplazamiento);

    const std::string& nombre() const { return nombre_; }
    char tipo() const { return tipo_; }
    int ancho() const { return ancho_; }
    int decimales() const { return decimales_; }
    int desplazamiento() const { return desplazamiento_; }
    Forma forma() const { return forma_; }
    // Integer for 'N' without decimals and the binary integers, float for 'N' with decimals, 'F'
    // and the other binary numbers, text otherwise.
    TipoCampo clase() const;
    // Dates and times and memo-like kinds give text alone.
    bool leibleComoNumero() const { return forma_ != Forma::Memo && forma_ != Forma::FechaHoraFox &&
                                           forma_ != Forma::FechaHoraDBase7; }
    // A memo-like field's value lies in a file that is not read.
    bool leibleComoTexto() const { return forma_ != Forma::Memo; }
    // Visual FoxPro's variable text: its bit in the null flags comes before its null bit.
    bool tieneLargoVariable() const { return forma_ == Forma::TextoVariable; }
    // The kind in Spanish words, for messages ("memo", "fecha y hora"...).
    std::string tipoEnPalabras() const;

    // Visual FoxPro: a hidden system field is never found by name; a field that may be null has
    // a bit in the null flags that lie at desplazamientoNulos of the record.
    bool oculto() const { return oculto_; }
    void ocultar() { oculto_ = true; }
    void ponerBitNulo(int bit, int desplazamientoNulos) {
        bitNulo_ = bit;
        desplazamientoNulos_ = desplazamientoNulos;
    }
    void ponerBitLargo(int bit, int desplazamientoNulos) {
        bitLargo_ = bit;
        desplazamientoNulos_ = desplazamientoNulos;
    }

    // registro: the whole record, flag byte included.
    std::string comoTexto(std::string_view registro, char separador) const;
    std::int32_t comoEntero(std::string_view registro) const;
    double comoFlotante(std::string_view registro, char separador) const;
    void ponerTexto(std::string& registro, std::string_view valor, char separador) const;
    void ponerFlotante(std::string& registro, double valor, char separador) const;

private:
    // The field has the width that the layout of its binary form gives.
    bool anchoPublicado() const;
    std::string_view bytes(std::string_view registro) const;
    bool marcado(std::string_view registro, int bit) const;
    bool esNulo(std::string_view registro) const { return marcado(registro, bitNulo_); }
    // A null one is empty; a variable one as long as its last byte says when its bit is set.
    std::string_view texto(std::string_view registro) const;
    std::optional<double> numero(std::string_view registro) const;
    std::optional<double> numeroBinario(std::string_view registro) const;
    std::string fechaHora(std::string_view registro) const;
    void llenar(std::string& registro, std::string_view contenido, bool alDerecha) const;
    std::string numeroATexto(double valor, char separador) const;

    std::string nombre_;
    char tipo_;
    int ancho_;
    int decimales_;
    int desplazamiento_;
    Forma forma_;
    bool oculto_ = false;
    int bitNulo_ = -1;
    int bitLargo_ = -1;
    int desplazamientoNulos_ = 0;
};

}  // namespace ttz::tablas
