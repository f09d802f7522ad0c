#include "tables/campo_dbf.h"

#include <algorithm>
#include <cmath>
#include <charconv>
#include <limits>

#include "base/errores.h"
#include "base/texto.h"

namespace ttz::tablas {
namespace {

bool esRelleno(char c) { return c == ' ' || c == '\0'; }

std::string_view sinRellenoFinal(std::string_view texto) {
    while (!texto.empty() && esRelleno(texto.back())) texto.remove_suffix(1);
    return texto;
}

std::string_view sinRelleno(std::string_view texto) {
    texto = sinRellenoFinal(texto);
    while (!texto.empty() && esRelleno(texto.front())) texto.remove_prefix(1);
    return texto;
}

// The user's decimal separator read as the point that float text carries.
double textoAFlotante(std::string_view texto, char separador) {
    std::string conPunto(sinRelleno(texto));
    for (char& c : conPunto)
        if (c == separador) c = '.';
    return aFlotante(conPunto);
}

// A finite value with that many digits after the point, in fixed or exponent ("1.5E+02") form.
std::string conFormato(double valor, std::chars_format forma, int precision) {
    char texto[1100];  // the longest fixed form: 309 digits, the point and 255 decimals
    const auto fin = std::to_chars(texto, texto + sizeof texto, valor, forma, precision).ptr;
    std::string resultado(texto, fin);
    std::replace(resultado.begin(), resultado.end(), 'e', 'E');
    return resultado;
}

std::int32_t redondearAEntero(double valor, const std::string& comoTexto) {
    const double redondeado = std::round(valor);
    if (redondeado < std::numeric_limits<std::int32_t>::min() ||
        redondeado > std::numeric_limits<std::int32_t>::max())
        throw Error("'" + comoTexto + "' no es un valor entero v\xE1lido");
    return static_cast<std::int32_t>(redondeado);
}

}  // namespace

CampoDBF::CampoDBF(std::string nombre, char tipo, int ancho, int decimales, int desplazamiento)
    : nombre_(std::move(nombre)), tipo_(tipo), ancho_(ancho), decimales_(decimales), desplazamiento_(desplazamiento) {}

CampoDBF CampoDBF::para(const DefinicionCampo& definicion, int desplazamiento) {
    switch (definicion.tipo) {
    case TipoCampo::Entero: return {definicion.nombre, 'N', anchoEntero, 0, desplazamiento};
    case TipoCampo::Flotante: return {definicion.nombre, 'N', anchoFlotante, decimalesFlotante, desplazamiento};
    case TipoCampo::Texto: break;
    }
    return {definicion.nombre, 'C', definicion.ancho, 0, desplazamiento};
}

TipoCampo CampoDBF::clase() const {
    if (tipo_ == 'F') return TipoCampo::Flotante;
    if (tipo_ == 'N') return decimales_ > 0 ? TipoCampo::Flotante : TipoCampo::Entero;
    return TipoCampo::Texto;
}

std::string_view CampoDBF::bytes(std::string_view registro) const {
    return registro.substr(static_cast<std::size_t>(desplazamiento_), static_cast<std::size_t>(ancho_));
}

std::optional<double> CampoDBF::numero(std::string_view registro) const {
    const std::string_view texto = sinRelleno(bytes(registro));
    if (texto.empty()) return std::nullopt;
    return aFlotante(texto);
}

std::string CampoDBF::comoTexto(std::string_view registro, char separador) const {
    if (clase() == TipoCampo::Texto) return std::string(sinRellenoFinal(bytes(registro)));
    const auto valor = numero(registro);
    return valor ? flotanteATexto(*valor, separador) : std::string();
}

std::int32_t CampoDBF::comoEntero(std::string_view registro) const {
    if (clase() == TipoCampo::Texto) return aEntero(sinRellenoFinal(bytes(registro)));
    const auto valor = numero(registro);
    return valor ? redondearAEntero(*valor, flotanteATexto(*valor, '.')) : 0;
}

double CampoDBF::comoFlotante(std::string_view registro, char separador) const {
    if (clase() == TipoCampo::Texto) return textoAFlotante(bytes(registro), separador);
    return numero(registro).value_or(0.0);
}

void CampoDBF::llenar(std::string& registro, std::string_view contenido, bool alDerecha) const {
    const auto ancho = static_cast<std::size_t>(ancho_);
    contenido = contenido.substr(0, ancho);
    const std::size_t blancos = ancho - contenido.size();
    char* destino = registro.data() + desplazamiento_;
    std::fill_n(destino, ancho, ' ');
    std::copy(contenido.begin(), contenido.end(), destino + (alDerecha ? blancos : 0));
}

void CampoDBF::ponerTexto(std::string& registro, std::string_view valor, char separador) const {
    if (clase() == TipoCampo::Texto) return llenar(registro, valor, false);
    if (sinRelleno(valor).empty()) return llenar(registro, {}, false);
    if (clase() == TipoCampo::Entero) return llenar(registro, numeroATexto(aEntero(valor), separador), true);
    llenar(registro, numeroATexto(textoAFlotante(valor, separador), separador), true);
}

void CampoDBF::ponerFlotante(std::string& registro, double valor, char separador) const {
    if (clase() == TipoCampo::Texto) return llenar(registro, flotanteATexto(valor, separador), false);
    llenar(registro, numeroATexto(valor, separador), true);
}

// Fixed decimals as the field declares them; a value too large for that is written with an
// exponent, which every dBase reader takes as well.
std::string CampoDBF::numeroATexto(double valor, char separador) const {
    if (std::isfinite(valor)) {
        if (clase() == TipoCampo::Entero) valor = std::round(valor);
        if (valor == 0) valor = 0;  // no "-0"
        std::string texto = conFormato(valor, std::chars_format::fixed, decimales_);
        if (decimales_ > 0)
            for (int precision = 15; static_cast<int>(texto.size()) > ancho_ && precision >= 0; --precision)
                texto = conFormato(valor, std::chars_format::scientific, precision);
        if (static_cast<int>(texto.size()) <= ancho_) return texto;
    }
    throw ValorQueNoCabe("El valor " + flotanteATexto(valor, separador) + " no cabe en el campo '" + nombre_ + "'");
}

}  // namespace ttz::tablas
