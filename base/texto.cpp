#include "base/texto.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <optional>

#include "base/errores.h"
#include "base/windows1252.h"

namespace ttz {
namespace {

int valorHexadecimal(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Digits of the given base, all of them, with the value capped at limite.
std::optional<std::uint64_t> leerDigitos(std::string_view digitos, int base, std::uint64_t limite) {
    if (digitos.empty()) return std::nullopt;
    std::uint64_t valor = 0;
    for (char c : digitos) {
        const int d = valorHexadecimal(c);
        if (d < 0 || d >= base) return std::nullopt;
        valor = valor * base + d;
        if (valor > limite) return std::nullopt;
    }
    return valor;
}

std::optional<std::int32_t> interpretarEntero(std::string_view texto) {
    while (!texto.empty() && texto.front() == ' ') texto.remove_prefix(1);
    bool negativo = false;
    if (!texto.empty() && (texto.front() == '+' || texto.front() == '-')) {
        negativo = texto.front() == '-';
        texto.remove_prefix(1);
    }
    const bool hexadecimal = !texto.empty() &&
        (texto.front() == '$' || texto.front() == 'x' || texto.front() == 'X' ||
         texto.starts_with("0x") || texto.starts_with("0X"));
    if (hexadecimal) {
        texto.remove_prefix(texto.front() == '0' ? 2 : 1);
        const auto patron = leerDigitos(texto, 16, 0xFFFFFFFFu);
        if (!patron) return std::nullopt;
        const auto valor = static_cast<std::int32_t>(static_cast<std::uint32_t>(*patron));
        return negativo ? static_cast<std::int32_t>(0u - static_cast<std::uint32_t>(valor)) : valor;
    }
    const std::uint64_t limite = negativo ? 2147483648u : 2147483647u;
    const auto magnitud = leerDigitos(texto, 10, limite);
    if (!magnitud) return std::nullopt;
    const auto valor = static_cast<std::int64_t>(*magnitud);
    return static_cast<std::int32_t>(negativo ? -valor : valor);
}

bool esDigito(char c) { return c >= '0' && c <= '9'; }

std::size_t saltarDigitos(std::string_view texto, std::size_t i) {
    while (i < texto.size() && esDigito(texto[i])) ++i;
    return i;
}

// Sign, digits, optional point and digits (one digit at least), optional exponent.
bool formaDeFlotante(std::string_view texto) {
    std::size_t i = 0;
    if (i < texto.size() && (texto[i] == '+' || texto[i] == '-')) ++i;
    const std::size_t inicio = i;
    i = saltarDigitos(texto, i);
    std::size_t cifras = i - inicio;
    if (i < texto.size() && texto[i] == '.') {
        const std::size_t tras = i + 1;
        i = saltarDigitos(texto, tras);
        cifras += i - tras;
    }
    if (cifras == 0) return false;
    if (i < texto.size() && (texto[i] == 'e' || texto[i] == 'E')) {
        ++i;
        if (i < texto.size() && (texto[i] == '+' || texto[i] == '-')) ++i;
        const std::size_t exponente = i;
        i = saltarDigitos(texto, i);
        if (i == exponente) return false;
    }
    return i == texto.size();
}

// "1e-05" becomes "1E-5", the way the tool writes exponents.
std::string exponenteCorto(std::string texto) {
    const auto e = texto.find('e');
    if (e == std::string::npos) return texto;
    std::string mantisa = texto.substr(0, e);
    std::string_view resto(texto);
    resto.remove_prefix(e + 1);
    std::string signo;
    if (resto.front() == '-') signo = "-";
    resto.remove_prefix(1);
    while (resto.size() > 1 && resto.front() == '0') resto.remove_prefix(1);
    return mantisa + "E" + signo + std::string(resto);
}

char mayuscula(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - ('a' - 'A')) : c; }

void agregarUtf8(std::string& salida, char32_t codigo) {
    if (codigo < 0x80) {
        salida += static_cast<char>(codigo);
    } else if (codigo < 0x800) {
        salida += static_cast<char>(0xC0 | (codigo >> 6));
        salida += static_cast<char>(0x80 | (codigo & 0x3F));
    } else {
        salida += static_cast<char>(0xE0 | (codigo >> 12));
        salida += static_cast<char>(0x80 | ((codigo >> 6) & 0x3F));
        salida += static_cast<char>(0x80 | (codigo & 0x3F));
    }
}

}  // namespace

std::int32_t aEntero(std::string_view texto) {
    if (const auto valor = interpretarEntero(texto)) return *valor;
    throw Error("'" + textoVisible(texto) + "' no es un valor entero v\xE1lido");
}

double aFlotante(std::string_view texto) {
    std::string_view numero = texto;
    if (!numero.empty() && numero.front() == '+') numero.remove_prefix(1);
    double valor = 0;
    if (formaDeFlotante(texto)) {
        const auto [fin, error] = std::from_chars(numero.data(), numero.data() + numero.size(), valor);
        if (error == std::errc() && fin == numero.data() + numero.size()) return valor;
    }
    throw Error("'" + textoVisible(texto) + "' no es un valor punto flotante v\xE1lido");
}

std::string flotanteATexto(double valor, char separadorDecimal) {
    if (valor == 0) valor = 0;  // no "-0"
    char bufer[64];
    const auto [fin, error] =
        std::to_chars(bufer, bufer + sizeof bufer, valor, std::chars_format::general, 15);
    std::string texto = exponenteCorto(std::string(bufer, error == std::errc() ? fin : bufer));
    if (const auto punto = texto.find('.'); punto != std::string::npos) texto[punto] = separadorDecimal;
    return texto;
}

std::string mayusculas(std::string_view texto) {
    std::string resultado(texto);
    for (char& c : resultado) c = mayuscula(c);
    return resultado;
}

bool igualesSinMayusculas(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) { return mayuscula(x) == mayuscula(y); });
}

std::string textoVisible(std::string_view texto) {
    constexpr std::string_view indefinidos = "\x81\x8D\x8F\x90\x9D";
    constexpr char hexadecimal[] = "0123456789ABCDEF";
    std::string visible;
    visible.reserve(texto.size());
    for (char c : texto) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte != 0x7F && indefinidos.find(c) == std::string_view::npos) {
            visible += c;
        } else {
            visible += {'<', hexadecimal[byte >> 4], hexadecimal[byte & 0xF], '>'};
        }
    }
    return visible;
}

std::string aUtf8(std::string_view windows1252) {
    std::string salida;
    salida.reserve(windows1252.size());
    for (char c : windows1252) agregarUtf8(salida, unicodeDeWindows1252(static_cast<unsigned char>(c)));
    return salida;
}

}  // namespace ttz
