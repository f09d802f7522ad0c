#pragma once
// Start-up probes for measuring and screenshots, steered by the environment:
// TTZ_MEDIR_ARRANQUE=1 prints the milliseconds from process start to the first painted
// window; TTZ_CAPTURA=file.png saves the painted window into that file (status 1 when it
// cannot). Either then closes the window, which ends the tool through its close handler.
#include <QWidget>
#include <chrono>

namespace ttz::ui {

// Watches the window when one of the variables is set; does nothing otherwise.
void instalarSondaArranque(QWidget& ventana, std::chrono::steady_clock::time_point inicio);

}  // namespace ttz::ui
