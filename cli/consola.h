#pragma once
// What the batch tool prints, and how: the core's Windows-1252 text in the console's encoding.
#include <ostream>
#include <string>
#include <string_view>

#include "transfer/interlocutor.h"

namespace ttz::lote {

std::string textoConsola(std::string_view windows1252);

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
