// Runs a fuzz target's entry over saved inputs without libFuzzer, so that the ordinary build
// checks its corpus and regression inputs: repeticion_<target> FILE|FOLDER...
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano);

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> entradas(const fs::path& ruta) {
    if (!fs::is_directory(ruta)) return {ruta};
    std::vector<fs::path> archivos;
    for (const auto& entrada : fs::recursive_directory_iterator(ruta))
        if (entrada.is_regular_file()) archivos.push_back(entrada.path());
    std::sort(archivos.begin(), archivos.end());
    return archivos;
}

}  // namespace

int main(int argc, char** argv) {
    std::size_t ejecutadas = 0;
    for (int i = 1; i < argc; ++i) {
        for (const auto& archivo : entradas(argv[i])) {
            std::ifstream entrada(archivo, std::ios::binary);
            if (!entrada) {
                std::cerr << "no se puede leer " << archivo << '\n';
                return 1;
            }
            const std::string bytes{std::istreambuf_iterator<char>(entrada), std::istreambuf_iterator<char>()};
            std::cerr << archivo.filename().string() << '\n';
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
            ++ejecutadas;
        }
    }
    std::cout << ejecutadas << " entradas sin fallo\n";
    return ejecutadas > 0 ? 0 : 1;
}
