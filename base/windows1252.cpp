#include "base/windows1252.h"

#include <array>

namespace ttz {
namespace {

constexpr std::array<char16_t, 32> kZonaEspecial = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

bool enZonaEspecial(unsigned char byte) { return byte >= 0x80 && byte <= 0x9F; }

bool esContinuacion(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// The length of the valid UTF-8 sequence at the start of texto and its code point; 0 when the
// first byte starts none (a lone continuation byte, an overlong form, a surrogate, past U+10FFFF).
std::size_t secuenciaUtf8(std::string_view texto, char32_t& codigo) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(texto[i]); };
    const unsigned char primero = byte(0);
    std::size_t largo = 0;
    unsigned char minimo = 0x80, maximo = 0xBF;
    if (primero >= 0xC2 && primero <= 0xDF) largo = 2;
    else if (primero >= 0xE0 && primero <= 0xEF) largo = 3;
    else if (primero >= 0xF0 && primero <= 0xF4) largo = 4;
    if (largo == 0 || texto.size() < largo) return 0;
    if (primero == 0xE0) minimo = 0xA0;
    if (primero == 0xED) maximo = 0x9F;
    if (primero == 0xF0) minimo = 0x90;
    if (primero == 0xF4) maximo = 0x8F;
    if (byte(1) < minimo || byte(1) > maximo) return 0;
    codigo = primero & (0x7F >> largo);
    for (std::size_t i = 1; i < largo; ++i) {
        if (!esContinuacion(byte(i))) return 0;
        codigo = (codigo << 6) | (byte(i) & 0x3F);
    }
    return largo;
}

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
    std::string texto;
    texto.reserve(utf8.size());
    while (!utf8.empty()) {
        char32_t codigo = 0;
        const std::size_t largo = utf8[0] & 0x80 ? secuenciaUtf8(utf8, codigo) : 0;
        if (largo == 0) {
            texto += utf8[0];
            utf8.remove_prefix(1);
            continue;
        }
        texto += static_cast<char>(windows1252DeUnicode(codigo).value_or('?'));
        utf8.remove_prefix(largo);
    }
    return texto;
}

}  // namespace ttz
