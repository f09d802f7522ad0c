#pragma once
// Drawing the Qt window into the host window of a hosted start.
#include <QWidget>
#include <cstdint>
#include <functional>

#include "ui/anfitrion.h"

namespace ttz::ui {

class Anfitrion {
public:
    virtual ~Anfitrion() = default;
    // Makes the window a child of the host window; handle 0 leaves it a top-level window.
    // alDesaparecer is called when the host window is destroyed (ours goes with it).
    virtual void incrustar(QWidget& ventana, std::uint32_t manejador, std::function<void()> alDesaparecer) = 0;
};

// The X11 windows of the running display, through xcb.
class AnfitrionNativo : public Anfitrion {
public:
    void incrustar(QWidget& ventana, std::uint32_t manejador, std::function<void()> alDesaparecer) override;
};

// Whether the handle names an existing window of the running window system.
bool existeVentanaNativa(std::uint32_t manejador);

// Whether a message of the window system (as given to native event filters) tells that it has
// destroyed the native window, which it does when the host window holding it is destroyed.
bool avisaDestruccion(const QByteArray& tipo, const void* mensaje, WId ventana);

}  // namespace ttz::ui
