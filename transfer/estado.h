#pragma once
#include <cstdint>

namespace ttz {

// Process-wide state that the runs and the close handler share.
struct Estado {
    // Outcome of the last transfer: 0 nothing done, 1 a run finished, -1 a run failed.
    std::int32_t Transformado = 0;
    // 2 in hosted mode, 0 otherwise.
    std::int32_t NumParametros = 0;

    bool alojado() const { return NumParametros == 2; }
};

}  // namespace ttz
