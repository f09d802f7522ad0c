#include "zeda/codificacion.h"

#include <algorithm>
#include <array>
#include <utility>

#include "base/windows1252.h"

namespace ttz::zeda {
namespace {

using Paso = SecuenciaUtf8::Paso;

constexpr unsigned char kPrimerNoAscii = 0x80;

struct MarcaConocida {
    std::string_view bytes;
    Codificacion codificacion;
};
constexpr std::array<MarcaConocida, 3> kMarcas{{
    {"\xEF\xBB\xBF", Codificacion::Utf8}, {"\xFF\xFE", Codificacion::Utf16LE}, {"\xFE\xFF", Codificacion::Utf16BE}}};

// The first byte of a well-formed sequence of more than one byte: how many follow it, and the
// range of the one right after it.
struct Inicio {
    unsigned char desde, hasta;
    int faltan;
    unsigned char minimo, maximo;
};
constexpr std::array<Inicio, 8> kInicios{{
    {0xC2, 0xDF, 1, 0x80, 0xBF}, {0xE0, 0xE0, 2, 0xA0, 0xBF}, {0xE1, 0xEC, 2, 0x80, 0xBF},
    {0xED, 0xED, 2, 0x80, 0x9F}, {0xEE, 0xEF, 2, 0x80, 0xBF}, {0xF0, 0xF0, 3, 0x90, 0xBF},
    {0xF1, 0xF3, 3, 0x80, 0xBF}, {0xF4, 0xF4, 3, 0x80, 0x8F},
}};

}  // namespace

Marca marcaDeOrden(std::string_view inicio) {
    for (const auto& marca : kMarcas)
        if (inicio.starts_with(marca.bytes)) return {marca.codificacion, marca.bytes.size()};
    return {Codificacion::Windows1252, 0};
}

Paso SecuenciaUtf8::agregar(unsigned char byte) {
    if (faltan_ == 0) {
        caracter_ = byte;
        if (byte < kPrimerNoAscii) return Paso::Caracter;
        const auto inicio =
            std::ranges::find_if(kInicios, [byte](const Inicio& i) { return byte >= i.desde && byte <= i.hasta; });
        if (inicio == kInicios.end()) return Paso::Mal;
        caracter_ &= 0x3Fu >> inicio->faltan;
        faltan_ = inicio->faltan;
        minimo_ = inicio->minimo;
        maximo_ = inicio->maximo;
        return Paso::Sigue;
    }
    if (byte < minimo_ || byte > maximo_) {
        faltan_ = 0;
        return Paso::Mal;
    }
    caracter_ = caracter_ << 6 | (byte & 0x3Fu);
    minimo_ = 0x80;
    maximo_ = 0xBF;
    return --faltan_ == 0 ? Paso::Caracter : Paso::Sigue;
}

bool DeteccionUtf8::agregar(std::string_view trozo) {
    for (const char c : trozo) {
        if (!valida_) break;
        const auto byte = static_cast<unsigned char>(c);
        if (byte < kPrimerNoAscii && !secuencia_.aMedias()) continue;
        alguna_ = true;
        valida_ = secuencia_.agregar(byte) != Paso::Mal;
    }
    return valida_;
}

Descodificador::Descodificador(Codificacion codificacion, char finDeTexto)
    : codificacion_(codificacion), finDeTexto_(finDeTexto) {}

std::optional<std::size_t> Descodificador::convertir(std::span<char> trozo) {
    if (codificacion_ == Codificacion::Windows1252) return trozo.size();
    std::size_t largo = 0;
    for (const char c : trozo) {
        if (terminado_) break;
        char32_t codigo = 0;
        const Paso paso = agregar(static_cast<unsigned char>(c), codigo);
        if (paso == Paso::Sigue) continue;
        const auto byte = paso == Paso::Caracter ? windows1252DeUnicode(codigo) : std::nullopt;
        if (!byte) return std::nullopt;
        trozo[largo] = static_cast<char>(*byte);  // never ahead of the byte being read
        anotar(trozo[largo++]);
    }
    return largo;
}

Paso Descodificador::agregar(unsigned char byte, char32_t& caracter) {
    if (codificacion_ == Codificacion::Utf8) {
        const Paso paso = secuencia_.agregar(byte);
        caracter = secuencia_.caracter();
        return paso;
    }
    if (!primerByte_) {
        primerByte_ = byte;
        return Paso::Sigue;
    }
    const unsigned primero = *std::exchange(primerByte_, std::nullopt);
    caracter = codificacion_ == Codificacion::Utf16LE ? byte << 8 | primero : primero << 8 | byte;
    return Paso::Caracter;  // a surrogate has no Windows-1252 byte, nor has the pair's character
}

void Descodificador::anotar(char byte) {
    if (byte == '\r' || (byte == '\n' && anterior_ != '\r')) ++linea_;
    anterior_ = byte;
    terminado_ = byte == finDeTexto_;
}

}  // namespace ttz::zeda
