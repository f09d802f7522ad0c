#pragma once
// Label2's text: the current folder, shortened from the front until it fits the label.
#include <functional>
#include <string>

namespace ttz::ui {

// The path whole when medirAncho gives at most anchoMaximo for it; else, step by step, the
// folders after the drive ("C:") give way to "...", then the drive, until only the last name
// is left. medirAncho measures a text in the label's font.
std::string acortarRuta(const std::string& ruta, int anchoMaximo,
                        const std::function<int(const std::string&)>& medirAncho, char separador);

}  // namespace ttz::ui
