#pragma once
// The Qt program's help viewer: without the compiled help viewer, the help file goes to the
// desktop's viewer for its type; a topic opens the file as a whole.
#include "app/ayuda.h"

namespace ttz::ui {

class VisorEscritorio : public VisorAyuda {
public:
    void mostrar(const std::filesystem::path& archivo, unsigned comando, std::uintptr_t dato) override;
};

}  // namespace ttz::ui
