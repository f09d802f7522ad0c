#pragma once
// Windows only: the system's text for an error number of GetLastError().
#include <string>

namespace ttz {

std::string textoErrorWindows(unsigned long error);

}  // namespace ttz
