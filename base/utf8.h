#pragma once
// UTF-8 as Unicode has it: a character fed byte by byte.
#include <cstdint>

namespace ttz {

inline constexpr unsigned char kPrimerNoAscii = 0x80;

// One UTF-8 character, fed byte by byte; well formed as Unicode has it (no overlong form, no
// surrogate, nothing above U+10FFFF). After Mal the next byte starts a new character.
class SecuenciaUtf8 {
public:
    enum class Paso { Sigue, Caracter, Mal };
    Paso agregar(unsigned char byte);
    char32_t caracter() const { return caracter_; }
    bool aMedias() const { return faltan_ > 0; }

private:
    char32_t caracter_ = 0;
    int faltan_ = 0;
    unsigned char minimo_ = 0, maximo_ = 0;  // the range of the next byte
};

}  // namespace ttz
