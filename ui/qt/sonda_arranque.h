#pragma once
// Start-up probes for measuring and screenshots, steered by the environment:
// TTZ_MEDIR_ARRANQUE=1 prints the milliseconds from process start to the first painted
// window and exits; TTZ_CAPTURA=file.png saves the painted window into that file and exits.
#include <QWidget>
#include <chrono>

namespace ttz::ui {

// Watches the window when one of the variables is set; does nothing otherwise.
void instalarSondaArranque(QWidget& ventana, std::chrono::steady_clock::time_point inicio);

}  // namespace ttz::ui
