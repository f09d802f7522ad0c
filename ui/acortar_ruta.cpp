#include "ui/acortar_ruta.h"

namespace ttz::ui {

namespace {

bool esLetraAscii(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// The path split as the label shortens it: drive ("C:"), folder part up to and including the
// last separator, last name.
class RutaPorPartes {
public:
    RutaPorPartes(const std::string& ruta, char separador) : separador_(separador) {
        if (ruta.size() >= 2 && esLetraAscii(ruta[0]) && ruta[1] == ':') unidad_ = ruta.substr(0, 2);
        const auto resto = ruta.substr(unidad_.size());
        const auto corte = resto.rfind(separador) + 1;  // 0 without a separator
        carpetas_ = resto.substr(0, corte);
        ultimo_ = resto.substr(corte);
    }

    std::string texto() const { return unidad_ + carpetas_ + ultimo_; }
    bool acortable() const { return !unidad_.empty() || !carpetas_.empty(); }

    void acortar() {
        const std::string puntos = "..." + std::string(1, separador_);
        if (carpetas_ == separador_ + puntos) {
            unidad_.clear();
            carpetas_ = puntos;
        } else if (carpetas_.empty()) {
            unidad_.clear();
        } else {
            quitarPrimeraCarpeta(puntos);
        }
    }

private:
    void quitarPrimeraCarpeta(const std::string& puntos) {
        if (carpetas_.size() == 1 && carpetas_[0] == separador_) {
            carpetas_.clear();
            return;
        }
        const bool inicial = carpetas_.front() == separador_;
        auto resto = inicial ? carpetas_.substr(1) : carpetas_;
        if (resto.starts_with(puntos)) resto = resto.substr(puntos.size());
        const auto siguiente = resto.find(separador_);
        resto = siguiente == std::string::npos ? std::string() : puntos + resto.substr(siguiente + 1);
        carpetas_ = inicial ? separador_ + resto : resto;
    }

    char separador_;
    std::string unidad_, carpetas_, ultimo_;
};

}  // namespace

std::string acortarRuta(const std::string& ruta, int anchoMaximo,
                        const std::function<int(const std::string&)>& medirAncho, char separador) {
    RutaPorPartes partes(ruta, separador);
    while (medirAncho(partes.texto()) > anchoMaximo && partes.acortable()) partes.acortar();
    return partes.texto();
}

}  // namespace ttz::ui
