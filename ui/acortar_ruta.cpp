#include "ui/qt/selector_carpetas.h"

namespace ttz::ui {

namespace {

// The path split as the label shortens it: drive ("C:"), folder part up to and including the
// last separator, last name.
class RutaPorPartes {
public:
    RutaPorPartes(const QString& ruta, QChar separador) : separador_(separador) {
        if (ruta.size() >= 2 && ruta[0].isLetter() && ruta[1] == u':') unidad_ = ruta.left(2);
        const auto resto = ruta.mid(unidad_.size());
        const auto corte = resto.lastIndexOf(separador) + 1;
        carpetas_ = resto.left(corte);
        ultimo_ = resto.mid(corte);
    }

    QString texto() const { return unidad_ + carpetas_ + ultimo_; }
    bool acortable() const { return !unidad_.isEmpty() || !carpetas_.isEmpty(); }

    void acortar() {
        const QString puntos = QStringLiteral("...") + separador_;
        if (carpetas_ == separador_ + puntos) {
            unidad_.clear();
            carpetas_ = puntos;
        } else if (carpetas_.isEmpty()) {
            unidad_.clear();
        } else {
            quitarPrimeraCarpeta(puntos);
        }
    }

private:
    void quitarPrimeraCarpeta(const QString& puntos) {
        if (carpetas_ == separador_) {
            carpetas_.clear();
            return;
        }
        const bool inicial = carpetas_.startsWith(separador_);
        auto resto = inicial ? carpetas_.mid(1) : carpetas_;
        if (resto.startsWith(puntos)) resto = resto.mid(puntos.size());
        const auto siguiente = resto.indexOf(separador_);
        resto = siguiente < 0 ? QString() : puntos + resto.mid(siguiente + 1);
        carpetas_ = inicial ? separador_ + resto : resto;
    }

    QChar separador_;
    QString unidad_, carpetas_, ultimo_;
};

}  // namespace

QString acortarRuta(const QString& ruta, int anchoMaximo,
                    const std::function<int(const QString&)>& medirAncho, QChar separador) {
    RutaPorPartes partes(ruta, separador);
    while (medirAncho(partes.texto()) > anchoMaximo && partes.acortable()) partes.acortar();
    return partes.texto();
}

}  // namespace ttz::ui
