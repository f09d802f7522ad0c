#pragma once
// The records of an open table file, by number from 0. Reading goes through a window of whole
// records and appending through a buffer written in large pieces, so that the memory used does
// not grow with the table and a long run of appends costs few system calls.
#include <cstdint>
#include <string>
#include <string_view>

#include "tables/archivo_tabla.h"
#include "tables/cabecera_dbf.h"

namespace ttz::tablas {

class RegistrosDBF {
public:
    RegistrosDBF(ArchivoTabla& archivo, const CabeceraDBF& cabecera);

    std::uint32_t cuenta() const { return enArchivo_ + static_cast<std::uint32_t>(cola_.size() / longitud_); }
    // The record's bytes, flag byte first; valid until the next call.
    std::string_view leer(std::uint32_t indice);
    void reescribir(std::uint32_t indice, std::string_view registro);
    void anadir(std::string_view registro);
    // Writes the pending records and, when anything changed, the record count and the end mark.
    void volcar();

private:
    std::uint64_t posicion(std::uint32_t indice) const { return inicio_ + std::uint64_t{indice} * longitud_; }
    void escribirCola();
    bool enVentana(std::uint32_t indice) const {
        return indice >= primeroVentana_ && indice - primeroVentana_ < ventana_.size() / longitud_;
    }

    ArchivoTabla& archivo_;
    std::uint64_t inicio_;
    std::size_t longitud_;
    std::uint32_t enArchivo_;    // records already in the file
    std::string cola_;           // records appended after them, not yet written
    std::string ventana_;        // a run of records read from the file
    std::uint32_t primeroVentana_ = 0;
    bool modificado_ = false;
};

}  // namespace ttz::tablas
