#include "tables/campo_dbf.h"

#include <algorithm>
#include <bit>
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
    if (!std::isfinite(redondeado) || redondeado < std::numeric_limits<std::int32_t>::min() ||
        redondeado > std::numeric_limits<std::int32_t>::max())
        throw Error("'" + comoTexto + "' no es un valor entero v\xE1lido");
    return static_cast<std::int32_t>(redondeado);
}

// The bytes as an unsigned number, the first byte the most significant or the least.
std::uint64_t sinSigno(std::string_view bytes, bool granFinal) {
    std::uint64_t valor = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const std::size_t byte = granFinal ? i : bytes.size() - 1 - i;
        valor = valor << 8 | static_cast<unsigned char>(bytes[byte]);
    }
    return valor;
}

Forma formaDe(char tipo, Familia familia) {
    switch (tipo) {
    case 'N': case 'F': return Forma::Decimal;
    case 'I': return familia == Familia::DBase ? Forma::EnteroDBase7 : Forma::EnteroFox;
    case '+': return Forma::EnteroDBase7;
    case 'O': return Forma::DobleDBase7;
    case 'B': return familia == Familia::VisualFoxPro ? Forma::DobleFox : Forma::Memo;
    case 'Y': return Forma::Moneda;
    case 'T': return Forma::FechaHoraFox;
    case '@': return Forma::FechaHoraDBase7;
    case 'V': case 'Q': return familia == Familia::VisualFoxPro ? Forma::TextoVariable : Forma::Memo;
    case 'M': case 'G': case 'P': case 'W': case '0': return Forma::Memo;
    default: return Forma::Texto;
    }
}

std::string dosCifras(std::int64_t valor) { return (valor < 10 ? "0" : "") + std::to_string(valor); }

// "AAAAMMDDhhmmss" of a Julian day number and the milliseconds since midnight.
std::string textoFechaHora(std::int64_t diaJuliano, std::int64_t milisegundos) {
    std::int64_t l = diaJuliano + 68569;
    const std::int64_t n = 4 * l / 146097;
    l -= (146097 * n + 3) / 4;
    const std::int64_t i = 4000 * (l + 1) / 1461001;
    l = l - 1461 * i / 4 + 31;
    const std::int64_t j = 80 * l / 2447;
    const std::int64_t dia = l - 2447 * j / 80;
    l = j / 11;
    const std::int64_t mes = j + 2 - 12 * l;
    const std::int64_t anio = 100 * (n - 49) + i + l;
    const std::int64_t segundos = milisegundos / 1000;
    return std::to_string(anio) + dosCifras(mes) + dosCifras(dia) + dosCifras(segundos / 3600) +
           dosCifras(segundos / 60 % 60) + dosCifras(segundos % 60);
}

}  // namespace

CampoDBF::CampoDBF(std::string nombre, char tipo, int ancho, int decimales, int desplazamiento, Familia familia)
    : nombre_(std::move(nombre)),
      tipo_(tipo),
      ancho_(ancho),
      decimales_(decimales),
      desplazamiento_(desplazamiento),
      forma_(formaDe(tipo, familia)) {
    // Some writers give these kinds other widths, with layouts not published: such a field is
    // read as an unknown binary value.
    if (!anchoPublicado()) forma_ = Forma::Memo;
}

CampoDBF CampoDBF::para(const DefinicionCampo& definicion, int desplazamiento) {
    switch (definicion.tipo) {
    case TipoCampo::Entero: return {definicion.nombre, 'N', anchoEntero, 0, desplazamiento};
    case TipoCampo::Flotante: return {definicion.nombre, 'N', anchoFlotante, decimalesFlotante, desplazamiento};
    case TipoCampo::Texto: break;
    }
    return {definicion.nombre, 'C', definicion.ancho, 0, desplazamiento};
}

TipoCampo CampoDBF::clase() const {
    switch (forma_) {
    case Forma::Decimal: return tipo_ == 'N' && decimales_ == 0 ? TipoCampo::Entero : TipoCampo::Flotante;
    case Forma::EnteroDBase7: case Forma::EnteroFox: return TipoCampo::Entero;
    case Forma::DobleDBase7: case Forma::DobleFox: case Forma::Moneda: return TipoCampo::Flotante;
    default: return TipoCampo::Texto;
    }
}

bool CampoDBF::anchoPublicado() const {
    switch (forma_) {
    case Forma::EnteroDBase7: case Forma::EnteroFox: return ancho_ == 4;
    case Forma::DobleDBase7: case Forma::DobleFox: case Forma::Moneda: case Forma::FechaHoraFox:
    case Forma::FechaHoraDBase7: return ancho_ == 8;
    default: return true;
    }
}

std::string CampoDBF::tipoEnPalabras() const {
    switch (tipo_) {
    case 'T': case '@': return "fecha y hora";
    case 'M': return "memo";
    case 'G': return "objeto OLE";
    case 'P': return "imagen";
    case 'V': return "texto variable";
    case 'Q': return "binario variable";
    case '0': return "marcas de nulo";
    default: return "binario";  // 'W' and dBase's 'B'
    }
}

std::string_view CampoDBF::texto(std::string_view registro) const {
    if (esNulo(registro)) return {};
    std::string_view valor = bytes(registro);
    if (marcado(registro, bitLargo_))
        valor = valor.substr(0, std::min<std::size_t>(static_cast<unsigned char>(valor.back()), valor.size() - 1));
    return sinRellenoFinal(valor);
}

bool CampoDBF::marcado(std::string_view registro, int bit) const {
    if (bit < 0) return false;
    const auto marcas = static_cast<unsigned char>(registro[static_cast<std::size_t>(desplazamientoNulos_ + bit / 8)]);
    return (marcas >> (bit % 8) & 1) != 0;
}

std::string_view CampoDBF::bytes(std::string_view registro) const {
    return registro.substr(static_cast<std::size_t>(desplazamiento_), static_cast<std::size_t>(ancho_));
}

std::optional<double> CampoDBF::numero(std::string_view registro) const {
    if (esNulo(registro)) return std::nullopt;
    if (forma_ != Forma::Decimal) return numeroBinario(registro);
    const std::string_view texto = sinRelleno(bytes(registro));
    if (texto.empty()) return std::nullopt;
    return aFlotante(texto);
}

// dBase 7 keeps its numbers so that their bytes sort as the values do; all zeros is empty.
std::optional<double> CampoDBF::numeroBinario(std::string_view registro) const {
    const std::string_view b = bytes(registro);
    const bool granFinal = forma_ == Forma::EnteroDBase7 || forma_ == Forma::DobleDBase7;
    const std::uint64_t valor = sinSigno(b, granFinal);
    if (granFinal && valor == 0) return std::nullopt;
    switch (forma_) {
    case Forma::EnteroDBase7: return static_cast<std::int32_t>(static_cast<std::uint32_t>(valor) ^ 0x80000000u);
    case Forma::EnteroFox: return static_cast<std::int32_t>(static_cast<std::uint32_t>(valor));
    case Forma::DobleDBase7: {
        constexpr std::uint64_t signo = std::uint64_t{1} << 63;
        return std::bit_cast<double>((valor & signo) != 0 ? valor ^ signo : ~valor);
    }
    case Forma::DobleFox: return std::bit_cast<double>(valor);
    default: return static_cast<double>(static_cast<std::int64_t>(valor)) / 10000;  // Forma::Moneda
    }
}

std::string CampoDBF::fechaHora(std::string_view registro) const {
    const std::string_view b = bytes(registro);
    if (esNulo(registro) || sinRelleno(b).empty()) return {};
    const bool granFinal = forma_ == Forma::FechaHoraDBase7;
    return textoFechaHora(static_cast<std::int64_t>(sinSigno(b.substr(0, 4), granFinal)),
                          static_cast<std::int64_t>(sinSigno(b.substr(4, 4), granFinal)));
}

std::string CampoDBF::comoTexto(std::string_view registro, char separador) const {
    if (forma_ == Forma::FechaHoraFox || forma_ == Forma::FechaHoraDBase7) return fechaHora(registro);
    if (clase() == TipoCampo::Texto) return std::string(texto(registro));
    const auto valor = numero(registro);
    return valor ? flotanteATexto(*valor, separador) : std::string();
}

std::int32_t CampoDBF::comoEntero(std::string_view registro) const {
    if (clase() == TipoCampo::Texto) return aEntero(texto(registro));
    const auto valor = numero(registro);
    return valor ? redondearAEntero(*valor, flotanteATexto(*valor, '.')) : 0;
}

double CampoDBF::comoFlotante(std::string_view registro, char separador) const {
    if (clase() == TipoCampo::Texto) return textoAFlotante(texto(registro), separador);
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
