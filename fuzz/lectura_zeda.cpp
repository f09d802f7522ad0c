// Fuzz target: any bytes as a ZEDA file, read both ways, compared with a plain model of its
// encoding and of each way; every line then cut into fields and padded.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/errores.h"
#include "base/texto.h"
#include "base/windows1252.h"
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

// The code points of well-formed UTF-8 up to the first fin, that one included; nothing at a
// sequence that is not well formed or is cut short.
std::optional<std::u32string> puntosUtf8(std::string_view bytes, char fin) {
    std::u32string puntos;
    for (std::size_t i = 0; i < bytes.size() && (puntos.empty() || puntos.back() != char32_t(fin));) {
        const auto primero = static_cast<unsigned char>(bytes[i]);
        const std::size_t largo =
            primero < 0x80 ? 1 : primero < 0xC0 ? 0 : primero < 0xE0 ? 2 : primero < 0xF0 ? 3 : primero < 0xF8 ? 4 : 0;
        if (largo == 0 || i + largo > bytes.size()) return std::nullopt;
        char32_t punto = largo == 1 ? primero : primero & (0xFFu >> (largo + 1));
        for (std::size_t k = 1; k < largo; ++k) {
            const auto siguiente = static_cast<unsigned char>(bytes[i + k]);
            if ((siguiente & 0xC0) != 0x80) return std::nullopt;
            punto = punto << 6 | (siguiente & 0x3Fu);
        }
        constexpr char32_t kMinimo[] = {0, 0, 0x80, 0x800, 0x10000};
        if (punto < kMinimo[largo] || punto > 0x10FFFF || (punto >= 0xD800 && punto <= 0xDFFF)) return std::nullopt;
        puntos += punto;
        i += largo;
    }
    return puntos;
}

// The UTF-16 units up to the first fin, that one included; nothing when a byte is left over.
std::optional<std::u32string> puntosUtf16(std::string_view bytes, bool grande, char fin) {
    std::u32string puntos;
    for (std::size_t i = 0; i < bytes.size() && (puntos.empty() || puntos.back() != char32_t(fin)); i += 2) {
        if (i + 1 == bytes.size()) return std::nullopt;
        const unsigned a = static_cast<unsigned char>(bytes[i]), b = static_cast<unsigned char>(bytes[i + 1]);
        puntos += grande ? a << 8 | b : b << 8 | a;
    }
    return puntos;
}

// The text that reading takes, in Windows-1252: after a byte order mark in its encoding, up to
// the first fin; without one, UTF-8 when some byte above 127 comes before fin and all that text
// is well formed, else the bytes themselves. Nothing when a character has no Windows-1252 byte
// or is not well formed.
std::optional<std::string> modeloTexto(std::string_view bytes, char fin) {
    std::optional<std::u32string> puntos;
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) {
        puntos = puntosUtf16(bytes.substr(2), bytes.front() == '\xFE', fin);
    } else if (bytes.starts_with("\xEF\xBB\xBF")) {
        puntos = puntosUtf8(bytes.substr(3), fin);
    } else {
        const std::string_view texto = bytes.substr(0, bytes.find(fin));
        if (std::ranges::none_of(texto, [](char c) { return c & 0x80; }) || !puntosUtf8(texto, fin))
            return std::string(bytes);
        puntos = puntosUtf8(bytes, fin);
    }
    if (!puntos) return std::nullopt;
    std::string texto;
    for (const char32_t punto : *puntos) {
        const auto byte = windows1252DeUnicode(punto);
        if (!byte) return std::nullopt;
        texto += static_cast<char>(*byte);
    }
    return texto;
}

// A model of the lines over the model of the text; nothing when the reading must fail.
std::optional<std::vector<std::string>> modeloLineas(std::string_view bytes, char fin,
                                                     std::vector<std::string> (*lineas)(std::string_view)) {
    const auto texto = modeloTexto(bytes, fin);
    if (!texto) return std::nullopt;
    return lineas(*texto);
}

// The lines read, or nothing when the reading fails on a character without equivalent.
template <class Lectura>
std::optional<std::vector<std::string>> lineasLeidas(Lectura leer) {
    try {
        return leer();
    } catch (const Error& error) {
        exigir(std::string_view(error.what()).ends_with(" vuelva a generar el archivo"), error.what());
        return std::nullopt;
    }
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

    const auto porLineas = lineasLeidas([&] { return leerLineaALinea(ruta); });
    exigir(porLineas == modeloLineas(bytes, kCtrlZ, modeloLineaALinea), "lectura linea a linea distinta del modelo");
    const auto entero = lineasLeidas([&] { return zeda::leerArchivoEntero(ruta); });
    exigir(entero == modeloLineas(bytes, '\0', modeloEntero), "lectura entera distinta del modelo");
    for (const auto& linea : porLineas.value_or(std::vector<std::string>{})) cortarCampos(linea);
    return 0;
}
