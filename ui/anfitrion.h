#pragma once
// The host window that a hosted start draws the window into.
#include <cstdint>
#include <stdexcept>

namespace ttz::ui {

// The handle converts but names no window that can hold ours: start-up cannot go on.
class ErrorAnfitrion : public std::runtime_error {
public:
    explicit ErrorAnfitrion(std::uint32_t manejador);
};

}  // namespace ttz::ui
