#pragma once
// dBase files written byte by byte, as another program would write them, for the tests and the
// import benchmark.
#include <cstdint>
#include <string>
#include <vector>

namespace ttz::pruebas {

struct CampoAMano {
    std::string nombre;
    char tipo;
    int ancho;
    int decimales = 0;
    char marcas = 0;  // Visual FoxPro: 0x01 hidden, 0x02 may be null
};

// The header's version byte and language driver; dBase 7 (0x04, 0x8C) also names its driver and
// has 48-byte field descriptors, Visual FoxPro (0x30 to 0x32) keeps 263 bytes after them.
struct FormatoAMano {
    char version = '\x03';
    char controlador = '\0';
    const char* nombreControlador = "";
};

inline void ponerEntero(std::string& bytes, std::size_t en, std::uint32_t valor, int cuantos) {
    for (int i = 0; i < cuantos; ++i) bytes[en + i] = static_cast<char>(valor >> (8 * i) & 0xFF);
}

inline bool esDBase7(char version) { return version == '\x04' || version == '\x8C'; }
inline bool esVisualFoxPro(char version) { return version >= '\x30' && version <= '\x32'; }

inline std::string descriptorAMano(const CampoAMano& c, const FormatoAMano& formato, int desplazamiento) {
    if (esDBase7(formato.version)) {
        std::string descriptor(48, '\0');
        descriptor.replace(0, c.nombre.size(), c.nombre);
        descriptor[32] = c.tipo;
        descriptor[33] = static_cast<char>(c.ancho);
        descriptor[34] = static_cast<char>(c.decimales);
        return descriptor;
    }
    std::string descriptor(32, '\0');
    descriptor.replace(0, c.nombre.size(), c.nombre);
    descriptor[11] = c.tipo;
    if (esVisualFoxPro(formato.version)) ponerEntero(descriptor, 12, static_cast<std::uint32_t>(desplazamiento), 4);
    descriptor[16] = static_cast<char>(c.ancho);
    descriptor[17] = static_cast<char>(c.decimales);
    descriptor[18] = c.marcas;
    return descriptor;
}

// A text field keeps the high byte of its width in the decimals.
// registros: each record whole, its flag byte (' ' or '*') first.
inline std::string dbfAMano(const std::vector<CampoAMano>& campos, const std::vector<std::string>& registros,
                            const FormatoAMano& formato = {}) {
    std::string bytes(32, '\0');
    bytes[0] = formato.version;
    bytes[1] = 124;
    bytes[2] = 1;
    bytes[3] = 1;
    bytes[29] = formato.controlador;
    if (esDBase7(formato.version)) bytes += (formato.nombreControlador + std::string(36, '\0')).substr(0, 36);
    int longitud = 1;
    for (const auto& c : campos) {
        bytes += descriptorAMano(c, formato, longitud);
        longitud += c.tipo == 'C' ? c.ancho + 256 * c.decimales : c.ancho;
    }
    bytes += '\x0D';
    if (esVisualFoxPro(formato.version)) bytes += std::string(263, '\0');
    ponerEntero(bytes, 4, static_cast<std::uint32_t>(registros.size()), 4);
    ponerEntero(bytes, 8, static_cast<std::uint32_t>(bytes.size()), 2);
    ponerEntero(bytes, 10, static_cast<std::uint32_t>(longitud), 2);
    for (const auto& r : registros) bytes += r;
    bytes += '\x1A';
    return bytes;
}

}  // namespace ttz::pruebas
