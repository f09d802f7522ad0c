#pragma once
// What the fuzz targets share: a scratch folder of the process, the input cut into files, a
// silent interlocutor, and a hard stop when an expectation about the tool breaks.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "transfer/interlocutor.h"
#include "base/reloj.h"
#include "comun/carpeta_temporal.h"

namespace ttz::fuzz {

namespace fs = std::filesystem;

// Ends the process so that the fuzzer (or the corpus runner) reports the input.
[[noreturn]] inline void fallo(const std::string& que) {
    std::fprintf(stderr, "expectativa rota: %s\n", que.c_str());
    std::fflush(stderr);
    std::abort();
}

inline void exigir(bool condicion, const std::string& que) {
    if (!condicion) fallo(que);
}

using pruebas::leerBytes;

// A folder of its own for this process under the temporary folder, removed at exit.
inline const fs::path& carpetaProceso() {
    static const pruebas::CarpetaTemporal carpeta;
    return carpeta.ruta();
}

// The subfolder, emptied.
inline fs::path carpetaVacia(std::string_view nombre) {
    const fs::path ruta = carpetaProceso() / nombre;
    fs::remove_all(ruta);
    fs::create_directories(ruta);
    return ruta;
}

inline void escribirBytes(const fs::path& ruta, std::string_view bytes) {
    std::ofstream salida(ruta, std::ios::binary | std::ios::trunc);
    salida.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    exigir(static_cast<bool>(salida), "no se pudo escribir " + ruta.string());
}

// The input cut into the files it carries: they are separated by a line of five "=".
inline constexpr std::string_view kSeparadorArchivos = "\n=====\n";

inline std::vector<std::string_view> cortarArchivos(std::string_view entrada) {
    std::vector<std::string_view> trozos;
    while (true) {
        const auto separador = entrada.find(kSeparadorArchivos);
        trozos.push_back(entrada.substr(0, separador));
        if (separador == std::string_view::npos) return trozos;
        entrada.remove_prefix(separador + kSeparadorArchivos.size());
    }
}

// Writes the i-th piece under the i-th name; names beyond the pieces get no file at all.
inline void escribirArchivos(const fs::path& carpeta, const std::vector<std::string_view>& trozos,
                             const std::vector<std::string>& nombres) {
    for (std::size_t i = 0; i < nombres.size() && i < trozos.size(); ++i)
        escribirBytes(carpeta / nombres[i], trozos[i]);
}

// Says nothing; keeps count of the busy cursor so that every busy cursor can be seen restored.
class InterlocutorMudo : public Interlocutor {
public:
    void mostrarMensaje(const std::string&) override { ++mensajes; }
    void ponerCursorOcupado() override { ++ocupado; }
    void ponerCursorNormal() override { --ocupado; }

    int mensajes = 0;
    int ocupado = 0;
};

class RelojQuieto : public Reloj {
public:
    FechaHora ahora() const override { return {9, 12, 2026, 7, 30}; }
};

inline std::string_view comoTexto(const std::uint8_t* datos, std::size_t tamano) {
    return {reinterpret_cast<const char*>(datos), tamano};
}

}  // namespace ttz::fuzz
