#pragma once
// Text conversions of the tool. All text is Windows-1252 bytes in std::string.
#include <cstdint>
#include <string>
#include <string_view>

namespace ttz {

// Integer text: leading blanks, optional sign, then "$", "x", "X", "0x", "0X" and hexadecimal
// digits (up to FFFFFFFF, taken as a 32-bit pattern) or decimal digits in the signed 32-bit
// range; nothing may follow. Failure: "'%s' no es un valor entero válido".
std::int32_t aEntero(std::string_view texto);

// Float text with the point as decimal separator: optional sign, digits, optional point and
// digits, optional exponent. Failure: "'%s' no es un valor punto flotante válido".
double aFlotante(std::string_view texto);

// Shortest form of up to 15 significant digits, with the given decimal separator and none
// for whole values.
std::string flotanteATexto(double valor, char separadorDecimal);

// Letter case of the ASCII letters alone: a-z becomes A-Z, and every other byte, accented
// letters included, stays as it is whatever the locale.
std::string mayusculas(std::string_view texto);
// Equal but for the letter case of the ASCII letters.
bool igualesSinMayusculas(std::string_view a, std::string_view b);

// A value read from a file, fit for a message: each control byte (below 32, 127, and the five
// bytes that Windows-1252 leaves undefined) becomes "<XX>", its code in hexadecimal.
std::string textoVisible(std::string_view texto);

// Windows-1252 bytes to UTF-8 (for display only).
std::string aUtf8(std::string_view windows1252);

}  // namespace ttz
