#include "ui/qt/anfitrion.h"

#include <QWindow>
#include <cstdio>

namespace ttz::ui {
namespace {

std::string textoError(std::uint32_t manejador) {
    char hexadecimal[16];
    std::snprintf(hexadecimal, sizeof hexadecimal, "%X", static_cast<unsigned>(manejador));
    return std::string("transtempaloszeda: la ventana anfitriona ") + hexadecimal +
           " no existe; no se puede abrir la ventana dentro de ella";
}

}  // namespace

ErrorAnfitrion::ErrorAnfitrion(std::uint32_t manejador) : std::runtime_error(textoError(manejador)) {}

void AnfitrionNativo::incrustar(QWidget& ventana, std::uint32_t manejador) {
    if (manejador == 0) return;
    if (!existeVentanaNativa(manejador)) throw ErrorAnfitrion(manejador);
    QWindow* anfitriona = QWindow::fromWinId(static_cast<WId>(manejador));
    if (!anfitriona) throw ErrorAnfitrion(manejador);
    ventana.winId();  // creates the native window so that it can take the foreign parent
    ventana.windowHandle()->setParent(anfitriona);
}

}  // namespace ttz::ui
