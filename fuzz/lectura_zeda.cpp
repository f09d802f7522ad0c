// Fuzz target: any bytes as a ZEDA file, read both ways, compared with a plain model of each
// way; every line then cut into fields and padded.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/texto.h"
#include "fuzz/comun/banco_fuzz.h"
#include "zeda/archivo_zeda.h"
#include "zeda/linea_zeda.h"

namespace {

using namespace ttz;
using namespace ttz::fuzz;

constexpr char kCtrlZ = 26;

// Line by line: LF and CR LF end a line, a lone CR is dropped, Ctrl-Z ends the text (inside a
// line it ends that line too), a last line without a break counts.
std::vector<std::string> modeloLineaALinea(std::string_view bytes) {
    std::vector<std::string> lineas;
    std::size_t i = 0;
    while (i < bytes.size() && bytes[i] != kCtrlZ) {
        std::string linea;
        while (true) {
            if (i == bytes.size()) {
                lineas.push_back(linea);
                return lineas;
            }
            const char c = bytes[i++];
            if (c == kCtrlZ) {
                lineas.push_back(linea);
                return lineas;
            }
            if (c == '\n') break;
            if (c == '\r') {
                if (i < bytes.size() && bytes[i] == '\n') {
                    ++i;
                    break;
                }
                continue;
            }
            linea += c;
        }
        lineas.push_back(linea);
    }
    return lineas;
}

// Whole file: the text ends at the first NUL; CR, LF and CR LF end a line; no empty last line.
std::vector<std::string> modeloEntero(std::string_view bytes) {
    bytes = bytes.substr(0, bytes.find('\0'));
    std::vector<std::string> lineas;
    std::string linea;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n') {
            linea += c;
            continue;
        }
        if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        lineas.push_back(linea);
        linea.clear();
    }
    if (!linea.empty()) lineas.push_back(linea);
    return lineas;
}

std::vector<std::string> leerLineaALinea(const fs::path& ruta) {
    zeda::LectorLineas lector(ruta);
    std::vector<std::string> lineas;
    while (!lector.fin()) lineas.push_back(lector.siguiente());
    lector.cerrar();
    return lineas;
}

// Fields at columns and lengths taken from the line itself, checked against plain slicing.
void cortarCampos(const std::string& texto) {
    const zeda::LineaZEDA linea(texto);
    const int columnas[] = {-3, 0, 1, 2, 26, 52, static_cast<int>(texto.size()), static_cast<int>(texto.size()) + 1};
    for (int columna : columnas) {
        for (int longitud : {0, 1, 4, 50, 150}) {
            const std::string_view campo = linea.campo(columna, longitud);
            const std::size_t desde = static_cast<std::size_t>(std::max(columna, 1) - 1);
            const std::string_view esperado =
                desde >= texto.size() ? std::string_view() : std::string_view(texto).substr(desde, longitud);
            exigir(campo == esperado, "campo mal cortado");
            const std::string_view recortado = zeda::recortar(campo);
            exigir(recortado.empty() || (static_cast<unsigned char>(recortado.front()) > 32 &&
                                         static_cast<unsigned char>(recortado.back()) > 32),
                   "recorte incompleto");
        }
    }
    exigir(mayusculas(texto).size() == texto.size(), "mayusculas cambia la longitud");
    std::string construida;
    zeda::RellenarCampo(construida, texto, 8);
    exigir(construida.size() == std::max<std::size_t>(texto.size(), 8), "relleno mal medido");
    (void)linea.tieneNombrePropio("ZEDA_PROF.TXT");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano) {
    const std::string_view bytes = comoTexto(datos, tamano);
    const fs::path ruta = carpetaProceso() / "zeda_prueba.txt";
    escribirBytes(ruta, bytes);

    const auto porLineas = leerLineaALinea(ruta);
    exigir(porLineas == modeloLineaALinea(bytes), "lectura linea a linea distinta del modelo");
    const auto entero = zeda::leerArchivoEntero(ruta);
    exigir(entero == modeloEntero(bytes), "lectura entera distinta del modelo");
    for (const auto& linea : porLineas) cortarCampos(linea);
    return 0;
}
