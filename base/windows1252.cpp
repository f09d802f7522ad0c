#include "base/windows1252.h"

#include <array>

#include "base/utf8.h"

namespace ttz {
namespace {

constexpr std::array<char16_t, 32> kZonaEspecial = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

bool enZonaEspecial(unsigned char byte) { return byte >= 0x80 && byte <= 0x9F; }

}  // namespace

char16_t unicodeDeWindows1252(unsigned char byte) {
    return enZonaEspecial(byte) ? kZonaEspecial[byte - 0x80] : char16_t(byte);
}

std::optional<unsigned char> windows1252DeUnicode(char32_t codigo) {
    if (codigo < 0x80 || (codigo >= 0xA0 && codigo <= 0xFF)) return static_cast<unsigned char>(codigo);
    for (std::size_t i = 0; i < kZonaEspecial.size(); ++i)
        if (kZonaEspecial[i] == codigo) return static_cast<unsigned char>(0x80 + i);
    return std::nullopt;
}

std::string windows1252DeUtf8(std::string_view utf8) {
    using Paso = SecuenciaUtf8::Paso;
    std::string texto;
    texto.reserve(utf8.size());
    SecuenciaUtf8 secuencia;
    std::size_t inicio = 0;  // of the character under way
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const Paso paso = secuencia.agregar(static_cast<unsigned char>(utf8[i]));
        if (paso == Paso::Sigue) continue;
        if (paso == Paso::Caracter) {
            texto += static_cast<char>(windows1252DeUnicode(secuencia.caracter()).value_or('?'));
        } else {
            // The first byte stays as it is; the next one starts again.
            texto += utf8[inicio];
            i = inicio;
        }
        inicio = i + 1;
    }
    texto.append(utf8.substr(inicio));  // a character cut short by the end
    return texto;
}

}  // namespace ttz
