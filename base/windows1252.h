#pragma once
// The Windows-1252 code page as Unicode code points. The five bytes that the code page leaves
// undefined map to the C1 control of the same number, so that every byte round-trips.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ttz {

char16_t unicodeDeWindows1252(unsigned char byte);
// The byte of a code point; none when the code page lacks it.
std::optional<unsigned char> windows1252DeUnicode(char32_t codigo);

// UTF-8 text in Windows-1252: a character that the code page lacks becomes "?", and a byte that
// is not part of a valid UTF-8 sequence stays as it is.
std::string windows1252DeUtf8(std::string_view utf8);

}  // namespace ttz
