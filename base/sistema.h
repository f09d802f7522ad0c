#pragma once
// The user's local settings as the operating system keeps them.
#include <ctime>

namespace ttz {

// The local broken-down time of a moment.
std::tm horaLocal(std::time_t momento);

// The user's decimal separator from the system's settings.
char separadorDecimalDelSistema();

}  // namespace ttz
