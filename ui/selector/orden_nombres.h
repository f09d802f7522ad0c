#pragma once
// The order of folder names in the folder list: by name with letter case ignored, as the
// system compares names for the user. Names that compare equal keep a fixed byte order.
#include <string>
#include <vector>

namespace ttz::ui {

void ordenarNombres(std::vector<std::string>& nombres);

}  // namespace ttz::ui
