#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <iostream>
#include <string>

#include "cli/consola.h"

namespace ttz::lote {
namespace {

// A stream buffer that shows UTF-8 text on a console through WriteConsoleW: the console's own
// code page (850 on a Spanish system) would show "ó" as two wrong letters.
class BuferConsola : public std::streambuf {
public:
    explicit BuferConsola(HANDLE consola) : consola_(consola) {}

protected:
    int_type overflow(int_type c) override {
        if (c == traits_type::eof()) return traits_type::not_eof(c);
        pendiente_.push_back(static_cast<char>(c));
        if (c == '\n') sync();
        return c;
    }
    std::streamsize xsputn(const char* datos, std::streamsize cuantos) override {
        pendiente_.append(datos, static_cast<std::size_t>(cuantos));
        return cuantos;
    }
    int sync() override {
        if (pendiente_.empty()) return 0;
        const int largo = static_cast<int>(pendiente_.size());
        std::wstring ancho(static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, pendiente_.data(), largo, nullptr, 0)), L'\0');
        MultiByteToWideChar(CP_UTF8, 0, pendiente_.data(), largo, ancho.data(), static_cast<int>(ancho.size()));
        DWORD escritos = 0;
        const bool bien = WriteConsoleW(consola_, ancho.data(), static_cast<DWORD>(ancho.size()), &escritos, nullptr);
        pendiente_.clear();
        return bien ? 0 : -1;
    }

private:
    HANDLE consola_;
    std::string pendiente_;
};

void preparar(std::FILE* archivo, DWORD cual, std::ostream& flujo) {
    _setmode(_fileno(archivo), _O_BINARY);
    const HANDLE manejador = GetStdHandle(cual);
    DWORD modo = 0;
    if (!GetConsoleMode(manejador, &modo)) return;  // a pipe or a file: the bytes as they are
    // Never freed: the standard streams flush it at exit, after static objects are gone.
    flujo.rdbuf(new BuferConsola(manejador));
}

}  // namespace

void prepararConsola() {
    preparar(stdout, STD_OUTPUT_HANDLE, std::cout);
    preparar(stderr, STD_ERROR_HANDLE, std::cerr);
}

}  // namespace ttz::lote
