#pragma once
// dBase files written byte by byte, as another program would write them.
#include <cstdint>
#include <string>
#include <vector>

namespace ttz::pruebas {

struct CampoAMano {
    std::string nombre;
    char tipo;
    int ancho;
    int decimales = 0;
};

inline void ponerEntero(std::string& bytes, std::size_t en, std::uint32_t valor, int cuantos) {
    for (int i = 0; i < cuantos; ++i) bytes[en + i] = static_cast<char>(valor >> (8 * i) & 0xFF);
}

// A text field keeps the high byte of its width in the decimals.
// registros: each record whole, its flag byte (' ' or '*') first.
inline std::string dbfAMano(const std::vector<CampoAMano>& campos, const std::vector<std::string>& registros) {
    int longitud = 1;
    for (const auto& c : campos) longitud += c.tipo == 'C' ? c.ancho + 256 * c.decimales : c.ancho;
    std::string bytes(32, '\0');
    bytes[0] = '\x03';
    bytes[1] = 124;
    bytes[2] = 1;
    bytes[3] = 1;
    ponerEntero(bytes, 4, static_cast<std::uint32_t>(registros.size()), 4);
    ponerEntero(bytes, 8, static_cast<std::uint32_t>(32 + 32 * campos.size() + 1), 2);
    ponerEntero(bytes, 10, static_cast<std::uint32_t>(longitud), 2);
    for (const auto& c : campos) {
        std::string descriptor(32, '\0');
        descriptor.replace(0, c.nombre.size(), c.nombre);
        descriptor[11] = c.tipo;
        descriptor[16] = static_cast<char>(c.ancho);
        descriptor[17] = static_cast<char>(c.decimales);
        bytes += descriptor;
    }
    bytes += '\x0D';
    for (const auto& r : registros) bytes += r;
    bytes += '\x1A';
    return bytes;
}

}  // namespace ttz::pruebas
