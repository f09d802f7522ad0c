#pragma once
// One field of a dBase record: where its bytes lie and how values are read from and written to
// them. Text fields hold their characters left-aligned and padded with blanks; numeric fields
// ('N' and 'F') hold decimal text right-aligned, blank when empty.
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

class CampoDBF {
public:
    CampoDBF(std::string nombre, char tipo, int ancho, int decimales, int desplazamiento);
    // The dBase field that holds a field of this store.
    static CampoDBF para(const DefinicionCampo& definicion, int desplazamiento);

    const std::string& nombre() const { return nombre_; }
    char tipo() const { return tipo_; }
    int ancho() const { return ancho_; }
    int decimales() const { return decimales_; }
    int desplazamiento() const { return desplazamiento_; }
    // Integer for 'N' without decimals, float for 'N' with decimals and 'F', text otherwise.
    TipoCampo clase() const;

    // registro: the whole record, flag byte included.
    std::string comoTexto(std::string_view registro, char separador) const;
    std::int32_t comoEntero(std::string_view registro) const;
    double comoFlotante(std::string_view registro, char separador) const;
    void ponerTexto(std::string& registro, std::string_view valor, char separador) const;
    void ponerFlotante(std::string& registro, double valor, char separador) const;

private:
    std::string_view bytes(std::string_view registro) const;
    std::optional<double> numero(std::string_view registro) const;
    void llenar(std::string& registro, std::string_view contenido, bool alDerecha) const;
    std::string numeroATexto(double valor, char separador) const;

    std::string nombre_;
    char tipo_;
    int ancho_;
    int decimales_;
    int desplazamiento_;
};

}  // namespace ttz::tablas
