#pragma once
// The Windows-1252 code page as Unicode code points. The five bytes that the code page leaves
// undefined map to the C1 control of the same number, so that every byte round-trips.
#include <cstdint>

namespace ttz {

char16_t unicodeDeWindows1252(unsigned char byte);

}  // namespace ttz
