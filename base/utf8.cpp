#include "base/utf8.h"

#include <algorithm>
#include <array>

namespace ttz {
namespace {

// The first byte of a well-formed sequence of more than one byte: how many follow it, and the
// range of the one right after it.
struct Inicio {
    unsigned char desde, hasta;
    int faltan;
    unsigned char minimo, maximo;
};
constexpr std::array<Inicio, 8> kInicios{{
    {0xC2, 0xDF, 1, 0x80, 0xBF}, {0xE0, 0xE0, 2, 0xA0, 0xBF}, {0xE1, 0xEC, 2, 0x80, 0xBF},
    {0xED, 0xED, 2, 0x80, 0x9F}, {0xEE, 0xEF, 2, 0x80, 0xBF}, {0xF0, 0xF0, 3, 0x90, 0xBF},
    {0xF1, 0xF3, 3, 0x80, 0xBF}, {0xF4, 0xF4, 3, 0x80, 0x8F},
}};

}  // namespace

SecuenciaUtf8::Paso SecuenciaUtf8::agregar(unsigned char byte) {
    if (faltan_ == 0) {
        caracter_ = byte;
        if (byte < kPrimerNoAscii) return Paso::Caracter;
        const auto inicio =
            std::ranges::find_if(kInicios, [byte](const Inicio& i) { return byte >= i.desde && byte <= i.hasta; });
        if (inicio == kInicios.end()) return Paso::Mal;
        caracter_ &= 0x3Fu >> inicio->faltan;
        faltan_ = inicio->faltan;
        minimo_ = inicio->minimo;
        maximo_ = inicio->maximo;
        return Paso::Sigue;
    }
    if (byte < minimo_ || byte > maximo_) {
        faltan_ = 0;
        return Paso::Mal;
    }
    caracter_ = caracter_ << 6 | (byte & 0x3Fu);
    minimo_ = 0x80;
    maximo_ = 0xBF;
    return --faltan_ == 0 ? Paso::Caracter : Paso::Sigue;
}

}  // namespace ttz
