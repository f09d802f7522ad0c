// Start-up time of the window: from process start to the first painted window.
// Runs the tool with TTZ_MEDIR_ARRANQUE=1 several times and prints the medians of the time
// seen from outside (spawn until the line arrives) and of the time the tool measures itself
// (from main). Needs a display; without $DISPLAY it uses Qt's offscreen platform.
// Usage: bench_arranque_ventana [runs] [tool]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

namespace {

double mediana(std::vector<double> valores) {
    std::sort(valores.begin(), valores.end());
    const auto n = valores.size();
    return n % 2 ? valores[n / 2] : (valores[n / 2 - 1] + valores[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
    const int vueltas = argc > 1 ? std::atoi(argv[1]) : 15;
    const std::string herramienta = argc > 2 ? argv[2] : std::string(TTZ_BIN) + "/transtempaloszeda";
    const char* plataforma = std::getenv("DISPLAY") ? "" : "QT_QPA_PLATFORM=offscreen ";
    const std::string orden = std::string("TTZ_MEDIR_ARRANQUE=1 ") + plataforma + "'" + herramienta + "' 2>/dev/null";

    std::vector<double> externos, internos;
    for (int i = 0; i < vueltas; ++i) {
        const auto inicio = std::chrono::steady_clock::now();
        FILE* tuberia = popen(orden.c_str(), "r");
        if (!tuberia) return 1;
        double interno = 0;
        const bool leido = std::fscanf(tuberia, "%lf", &interno) == 1;
        const auto fin = std::chrono::steady_clock::now();
        pclose(tuberia);
        // Lets the display server settle the previous run before the next one starts.
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        if (!leido) {
            std::fprintf(stderr, "the tool printed no time (no display?)\n");
            return 1;
        }
        externos.push_back(std::chrono::duration<double, std::milli>(fin - inicio).count());
        internos.push_back(interno);
    }
    std::printf("runs: %d\n", vueltas);
    std::printf("spawn to painted window, median: %.1f ms (min %.1f, max %.1f)\n", mediana(externos),
                *std::min_element(externos.begin(), externos.end()), *std::max_element(externos.begin(), externos.end()));
    std::printf("main() to painted window, median: %.1f ms\n", mediana(internos));
    return 0;
}
