#include "zeda/codificacion.h"

#include <algorithm>
#include <array>
#include <utility>

#include "base/windows1252.h"

namespace ttz::zeda {
namespace {

using Paso = SecuenciaUtf8::Paso;

struct MarcaConocida {
    std::string_view bytes;
    Codificacion codificacion;
};
constexpr std::array<MarcaConocida, 3> kMarcas{{
    {"\xEF\xBB\xBF", Codificacion::Utf8}, {"\xFF\xFE", Codificacion::Utf16LE}, {"\xFE\xFF", Codificacion::Utf16BE}}};

}  // namespace

Marca marcaDeOrden(std::string_view inicio) {
    for (const auto& marca : kMarcas)
        if (inicio.starts_with(marca.bytes)) return {marca.codificacion, marca.bytes.size()};
    return {Codificacion::Windows1252, 0};
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
