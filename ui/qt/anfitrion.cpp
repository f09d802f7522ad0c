#include "ui/qt/anfitrion.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QWindow>

namespace ttz::ui {
namespace {

// Calls alDestruir, from the event loop, once the window system has destroyed the window's
// native window. It lives as the window's child.
class VigiaDestruccion : public QObject, public QAbstractNativeEventFilter {
public:
    VigiaDestruccion(QWidget& ventana, std::function<void()> alDestruir)
        : QObject(&ventana), ventana_(ventana.winId()), alDestruir_(std::move(alDestruir)) {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }

    bool nativeEventFilter(const QByteArray& tipo, void* mensaje, qintptr*) override {
        // Not inside the window system's event handling: the close may open a message box.
        if (avisaDestruccion(tipo, mensaje, ventana_)) QMetaObject::invokeMethod(this, alDestruir_, Qt::QueuedConnection);
        return false;
    }

private:
    WId ventana_;
    std::function<void()> alDestruir_;
};

}  // namespace

void AnfitrionNativo::incrustar(QWidget& ventana, std::uint32_t manejador, std::function<void()> alDesaparecer) {
    if (manejador == 0) return;
    if (!existeVentanaNativa(manejador)) throw ErrorAnfitrion(manejador);
    QWindow* anfitriona = QWindow::fromWinId(static_cast<WId>(manejador));
    if (!anfitriona) throw ErrorAnfitrion(manejador);
    ventana.winId();  // creates the native window so that it can take the foreign parent
    ventana.windowHandle()->setParent(anfitriona);
    new VigiaDestruccion(ventana, std::move(alDesaparecer));
}

}  // namespace ttz::ui
