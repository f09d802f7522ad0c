#pragma once
// The header of a dBase table file: record count, where the records start, how long each is,
// and the field descriptors.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "tables/archivo_tabla.h"
#include "tables/campo_dbf.h"
#include "tables/tabla.h"

namespace ttz::tablas {

struct CabeceraDBF {
    std::uint32_t registros = 0;
    std::uint32_t longitudCabecera = 0;
    std::uint32_t longitudRegistro = 0;
    std::vector<CampoDBF> campos;
};

inline constexpr std::uint64_t posicionNumeroRegistros = 4;
inline constexpr char marcaFinDeArchivo = '\x1A';
inline constexpr char marcaBorrado = '*';

// Reads the header and checks that it describes the file: a header that does not fit the file,
// fields that do not fit the record, or records that the file does not hold give the error
// that the table (named by ruta) is damaged.
CabeceraDBF leerCabecera(const ArchivoTabla& archivo, const std::filesystem::path& ruta);

// Writes a dBase III table with these fields and no records at the start of the new file, dated
// today, with the code page of Windows ANSI; gives its header as leerCabecera reads it back.
// Field names of 1 to 10 characters, each once, stored in upper case; text widths of 1 to 254.
// Other fields give the error that the table (archivo.mostrada()) cannot be created.
CabeceraDBF crearTablaVacia(ArchivoTabla& archivo, const std::vector<DefinicionCampo>& campos);

// The value's low bytes, least significant first, as dBase stores its counts.
std::string enteroLE(std::uint32_t valor, int bytes);

}  // namespace ttz::tablas
