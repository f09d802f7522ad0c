#pragma once
// The header of a dBase table file: record count, where the records start, how long each is,
// and the field descriptors.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "tables/archivo_tabla.h"
#include "tables/campo_dbf.h"
#include "tables/pagina_codigos.h"
#include "tables/tabla.h"

namespace ttz::tablas {

struct CabeceraDBF {
    std::uint32_t registros = 0;
    std::uint32_t longitudCabecera = 0;
    std::uint32_t longitudRegistro = 0;
    std::vector<CampoDBF> campos;
    PaginaCodigos pagina = PaginaCodigos::Windows1252;
    // A dBase III table without memo and with this store's kinds alone: one that it may change.
    bool modificable = true;
};

inline constexpr std::uint64_t posicionNumeroRegistros = 4;
inline constexpr char marcaFinDeArchivo = '\x1A';
inline constexpr char marcaBorrado = '*';

// Reads the header of any common dBase writer, told apart by its version byte: dBase III and IV
// (32-byte field descriptors), dBase 7 (0x04, 0x8C: language driver name and 48-byte
// descriptors), FoxPro 2 and FoxBASE (0xF5, 0xFB, 0x02), Visual FoxPro (0x30 to 0x32: field
// flags and null flags). Records begin at the header length. Checks that the header describes
// the file: a header that does not fit the file, fields that do not fit the record, null flags
// too short for the fields that may be null, or records that the file does not hold give the
// error that the table (named by ruta) is damaged.
CabeceraDBF leerCabecera(const ArchivoTabla& archivo, const std::filesystem::path& ruta);

// Writes a dBase III table with these fields and no records at the start of the new file, dated
// today, with the code page of Windows ANSI; gives its header as leerCabecera reads it back.
// Field names of 1 to 10 characters, each once, stored in upper case; text widths of 1 to 254.
// Other fields give the error that the table (archivo.mostrada()) cannot be created.
CabeceraDBF crearTablaVacia(ArchivoTabla& archivo, const std::vector<DefinicionCampo>& campos);

// The value's low bytes, least significant first, as dBase stores its counts.
std::string enteroLE(std::uint32_t valor, int bytes);

}  // namespace ttz::tablas
