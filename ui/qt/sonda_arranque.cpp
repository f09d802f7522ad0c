#include "ui/qt/sonda_arranque.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPixmap>
#include <QTimer>
#include <cstdio>

namespace ttz::ui {
namespace {

class SondaArranque : public QObject {
public:
    SondaArranque(QWidget& ventana, std::chrono::steady_clock::time_point inicio, bool medir, QString captura)
        : QObject(&ventana), ventana_(ventana), inicio_(inicio), medir_(medir), captura_(std::move(captura)) {
        ventana.installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* evento) override {
        if (evento->type() == QEvent::Paint && !visto_) {
            visto_ = true;
            // After this paint has reached the screen.
            QTimer::singleShot(0, this, [this] { terminar(); });
        }
        return false;
    }

private:
    void terminar() {
        if (medir_) {
            const auto transcurrido = std::chrono::steady_clock::now() - inicio_;
            std::printf("%.1f\n", std::chrono::duration<double, std::milli>(transcurrido).count());
            std::fflush(stdout);
        }
        const bool guardada = captura_.isEmpty() || ventana_.grab().save(captura_);
        // Closes as the user would, so that a hosted start still writes its result file.
        ventana_.close();
        if (!guardada && !ventana_.isVisible()) QCoreApplication::exit(1);
    }

    QWidget& ventana_;
    std::chrono::steady_clock::time_point inicio_;
    bool medir_;
    QString captura_;
    bool visto_ = false;
};

}  // namespace

void instalarSondaArranque(QWidget& ventana, std::chrono::steady_clock::time_point inicio) {
    const bool medir = !qEnvironmentVariableIsEmpty("TTZ_MEDIR_ARRANQUE");
    const auto captura = qEnvironmentVariable("TTZ_CAPTURA");
    if (medir || !captura.isEmpty()) new SondaArranque(ventana, inicio, medir, captura);
}

}  // namespace ttz::ui
