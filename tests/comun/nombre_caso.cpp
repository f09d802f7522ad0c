#include "comun/nombre_caso.h"

#include <charconv>
#include <cstdio>

namespace ttz::pruebas {

namespace {

const char* senalDeletreada(char c) {
    switch (c) {
        case ' ':
        case '_':
        case ':':
        case '/':
        case '\\': return "_";
        case '-': return "Menos";
        case '+': return "Mas";
        case '.': return "Punto";
        case ',': return "Coma";
        case '$': return "Dolar";
        default: return nullptr;
    }
}

bool letraODigito(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'); }

}  // namespace

std::string nombreDeCaso(std::string_view texto) {
    if (texto.empty()) return "Vacio";
    std::string nombre;
    for (char c : texto) {
        if (letraODigito(c)) {
            nombre += c;
        } else if (const char* senal = senalDeletreada(c)) {
            nombre += senal;
        } else {
            char hexadecimal[4];
            std::snprintf(hexadecimal, sizeof hexadecimal, "x%02X", static_cast<unsigned char>(c));
            nombre += hexadecimal;
        }
    }
    return nombre;
}

std::string nombreDeCaso(double valor) {
    char texto[32];
    const auto fin = std::to_chars(texto, texto + sizeof texto, valor).ptr;
    return nombreDeCaso(std::string_view(texto, static_cast<std::size_t>(fin - texto)));
}

}  // namespace ttz::pruebas
