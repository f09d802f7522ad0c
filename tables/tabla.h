#pragma once
// The table store: what the conversions need of Tempalix's dBase tables.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace ttz::tablas {

enum class TipoCampo { Texto, Entero, Flotante };

struct DefinicionCampo {
    std::string nombre;
    TipoCampo tipo;
    int ancho = 0;  // characters of a text field; ignored for the numeric kinds

    static DefinicionCampo texto(std::string nombre, int ancho) {
        return {std::move(nombre), TipoCampo::Texto, ancho};
    }
    static DefinicionCampo entero(std::string nombre) { return {std::move(nombre), TipoCampo::Entero, 0}; }
    static DefinicionCampo flotante(std::string nombre) { return {std::move(nombre), TipoCampo::Flotante, 0}; }
};

enum class ModoApertura { SoloLecturaCompartida, LecturaEscrituraExclusiva };

// An open table. Records keep the order in which they were appended, also after edits.
// Errors raise ttz::Error; a field name that the table lacks raises ttz::ErrorCampo.
//
// Tables of other dBase writers (dBase III to 7, FoxPro, Visual FoxPro) are read; their text
// comes in Windows-1252 whatever their code page, their binary numbers as numbers, their dates
// and times as text "AAAAMMDDhhmmss", Visual FoxPro's variable text ('V', 'Q') as the text it
// holds, their null fields as empty fields, and their hidden fields are never found by name. A
// value of a file shown in a message has its control bytes written "<XX>" (textoVisible).
// Failures, each with its words in mensajes_tabla.cpp:
// - anadir() or editar() on a table of another format than dBase III in Windows-1252 with
//   text, number, date and logical fields: mensajes::soloLegible (the table is left as it was);
// - comoEntero() or comoFlotante() of a date and time, memo-like or unknown binary field:
//   mensajes::noEsNumero, with the field's kind in words;
// - comoTexto() of a memo-like field, or a binary field of a width without a published layout
//   (such as 'I' of 2 bytes), whose value is never read: mensajes::noEsTexto, with the field's
//   kind in words, so that such a field never reads as blank;
// - comoTexto() of a text character that the table's MS-DOS code page has and Windows-1252
//   lacks: mensajes::sinEquivalente, with the record counted from 1 with deleted records.
class Tabla {
public:
    virtual ~Tabla() = default;

    // Field index by name, letter case ignored.
    virtual int campo(std::string_view nombre) const = 0;

    // Moving and appending post a record that is being changed.
    virtual void primero() = 0;
    virtual void siguiente() = 0;
    virtual bool finDeTabla() const = 0;

    virtual void anadir() = 0;   // a new empty record at the end, being changed
    virtual void editar() = 0;   // the current record, being changed
    virtual void ponerTexto(int campo, std::string_view valor) = 0;  // cut to the width
    virtual void ponerFlotante(int campo, double valor) = 0;
    virtual void grabar() = 0;   // post the record being changed

    // Text fields without trailing blanks; integers as digits; floats in their shortest form
    // with the user's decimal separator; empty fields as empty text.
    virtual std::string comoTexto(int campo) const = 0;
    // Floats rounded; text converted as integer text (empty text fails); empty numbers 0.
    virtual std::int32_t comoEntero(int campo) const = 0;
    virtual double comoFlotante(int campo) const = 0;

    // Closes normally: a recreated table is published only here. A table destroyed without
    // cerrar() is discarded and the earlier table stays as it was.
    virtual void cerrar() = 0;

    // Conveniences by name.
    std::string comoTexto(std::string_view nombre) const { return comoTexto(campo(nombre)); }
    std::int32_t comoEntero(std::string_view nombre) const { return comoEntero(campo(nombre)); }
    double comoFlotante(std::string_view nombre) const { return comoFlotante(campo(nombre)); }
    void ponerTexto(std::string_view nombre, std::string_view valor) { ponerTexto(campo(nombre), valor); }
    void ponerFlotante(std::string_view nombre, double valor) { ponerFlotante(campo(nombre), valor); }
};

// Told by the store, while it watches it, of the files a recreated table replaces and of the
// table once written.
class Testigo {
public:
    virtual ~Testigo() = default;
    // Before an existing file (a table or its index) is replaced or removed; an error stops the
    // replacement and leaves the table as it was.
    virtual void antesDeReemplazar(const std::filesystem::path& archivo) = 0;
    // A file written whole: a table with its records, or a text file with its lines.
    virtual void archivoEscrito(const std::filesystem::path& archivo, std::uint32_t elementos) = 0;
};

class AlmacenTablas {
public:
    virtual ~AlmacenTablas() = default;
    // The tables recreated from now on tell testigo (none: nobody) when they replace a table.
    void vigilar(Testigo* testigo) { testigo_ = testigo; }
    // The folder that holds the tables.
    virtual std::filesystem::path carpeta() const = 0;
    // A new empty table with these fields, open for reading and writing; it replaces the
    // table of that name (and its .MDX index) only when it is closed normally.
    virtual std::unique_ptr<Tabla> recrear(const std::string& nombre,
                                           const std::vector<DefinicionCampo>& campos) = 0;
    // An existing table, its fields as stored.
    virtual std::unique_ptr<Tabla> abrir(const std::string& nombre, ModoApertura modo) = 0;
    // Raises the error that names the data folder when it is missing.
    virtual void exigirCarpeta() const = 0;

protected:
    Testigo* testigo_ = nullptr;
};

}  // namespace ttz::tablas
