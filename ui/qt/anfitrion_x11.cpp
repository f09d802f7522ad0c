#include <QGuiApplication>
#include <cstdlib>
#include <xcb/xcb.h>

#include "ui/qt/anfitrion.h"

namespace ttz::ui {

// Only X11 has windows of other processes to draw into; other platforms have none.
bool existeVentanaNativa(std::uint32_t manejador) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection()) return false;
    xcb_connection_t* conexion = x11->connection();
    xcb_generic_error_t* error = nullptr;
    auto* respuesta =
        xcb_get_window_attributes_reply(conexion, xcb_get_window_attributes(conexion, manejador), &error);
    const bool existe = respuesta && !error;
    std::free(respuesta);
    std::free(error);
    return existe;
}

bool avisaDestruccion(const QByteArray& tipo, const void* mensaje, WId ventana) {
    if (tipo != "xcb_generic_event_t") return false;
    const auto* suceso = static_cast<const xcb_generic_event_t*>(mensaje);
    return (suceso->response_type & 0x7f) == XCB_DESTROY_NOTIFY &&
           reinterpret_cast<const xcb_destroy_notify_event_t*>(suceso)->window == ventana;
}

}  // namespace ttz::ui
