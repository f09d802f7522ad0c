#pragma once
// What the batch tool prints, and how: the core's Windows-1252 text as UTF-8, the same bytes on
// every platform.
#include <ostream>
#include <string>
#include <string_view>

#include "base/texto.h"
#include "transfer/interlocutor.h"

namespace ttz::lote {

inline std::string textoConsola(std::string_view windows1252) { return aUtf8(windows1252); }

// Per platform, before anything is printed: standard output and error write their bytes as
// they are (no CRLF), and a console shows the UTF-8 text with its accents.
void prepararConsola();

// Each message box becomes one line of standard output; there is no cursor to change.
class InterlocutorConsola : public Interlocutor {
public:
    explicit InterlocutorConsola(std::ostream& salida) : salida_(salida) {}
    void mostrarMensaje(const std::string& texto) override { salida_ << textoConsola(texto) << '\n' << std::flush; }
    void ponerCursorOcupado() override {}
    void ponerCursorNormal() override {}

private:
    std::ostream& salida_;
};

}  // namespace ttz::lote
