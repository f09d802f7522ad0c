#include "tables/cabecera_dbf.h"

#include <algorithm>
#include <chrono>
#include <string>

#include "base/errores.h"
#include "base/texto.h"
#include "tables/mensajes_tabla.h"

namespace ttz::tablas {
namespace {

constexpr std::size_t bytesBase = 32;
constexpr std::size_t bytesDescriptor = 32;
constexpr char finDescriptores = '\x0D';
constexpr std::size_t maximoCampos = 2046;  // the most that a 16-bit header length can hold
constexpr std::size_t largoNombre = 11;
constexpr unsigned versionDBase3 = 0x03;

unsigned byte(const std::string& bytes, std::size_t i) { return static_cast<unsigned char>(bytes[i]); }

std::uint32_t entero16(const std::string& bytes, std::size_t i) { return byte(bytes, i) | byte(bytes, i + 1) << 8; }

std::uint32_t entero32(const std::string& bytes, std::size_t i) {
    return entero16(bytes, i) | entero16(bytes, i + 2) << 16;
}

void ponerEntero(std::string& bytes, std::size_t i, std::uint32_t valor, int cuantos) {
    bytes.replace(i, static_cast<std::size_t>(cuantos), enteroLE(valor, cuantos));
}

// Where the writers' layouts differ.
struct Disposicion {
    Familia familia = Familia::DBase;
    bool dBase7 = false;
    std::size_t inicioDescriptores = bytesBase;
    std::size_t largoDescriptor = 32;
};

Disposicion disposicionDe(unsigned version) {
    switch (version) {
    case 0x04: case 0x8C: return {Familia::DBase, true, 68, 48};
    case 0x30: case 0x31: case 0x32: return {Familia::VisualFoxPro};
    case 0xF5: case 0xFB: case 0x02: return {Familia::FoxPro};
    default: return {};
    }
}

constexpr unsigned marcaOculto = 0x01, marcaNulable = 0x02;
constexpr char tipoMarcasNulo = '0';

class LectorCabecera {
public:
    LectorCabecera(const ArchivoTabla& archivo, const std::filesystem::path& ruta)
        : archivo_(archivo), ruta_(ruta), tamano_(archivo.tamano()) {}

    CabeceraDBF leer() {
        const std::string base = leerBytes(0, bytesBase);
        const unsigned version = byte(base, 0);
        disposicion_ = disposicionDe(version);
        CabeceraDBF cabecera;
        cabecera.registros = entero32(base, 4);
        cabecera.longitudCabecera = entero16(base, 8);
        cabecera.longitudRegistro = entero16(base, 10);
        const std::size_t inicio = disposicion_.inicioDescriptores;
        exigir(cabecera.longitudCabecera >= inicio + 1 && cabecera.longitudCabecera <= tamano_);
        const std::string descriptores = leerBytes(bytesBase, cabecera.longitudCabecera - bytesBase);
        cabecera.pagina = paginaDelControlador(byte(base, 29), disposicion_.dBase7 ? asciiz(descriptores, 0, 32) : "");
        cabecera.campos = leerCampos(descriptores.substr(inicio - bytesBase));
        exigir(!cabecera.campos.empty());
        const auto& ultimo = cabecera.campos.back();
        exigir(static_cast<std::uint32_t>(ultimo.desplazamiento() + ultimo.ancho()) <= cabecera.longitudRegistro);
        exigir(cabecera.longitudCabecera + std::uint64_t{cabecera.registros} * cabecera.longitudRegistro <= tamano_);
        cabecera.modificable = version == versionDBase3 && cabecera.pagina == PaginaCodigos::Windows1252 &&
                               std::ranges::all_of(cabecera.campos, [](const auto& c) {
                                   return std::string_view("CNFDL").find(c.tipo()) != std::string_view::npos;
                               });
        return cabecera;
    }

private:
    void exigir(bool condicion) const {
        if (!condicion) throw Error(mensajes::danada(ruta_));
    }

    std::string leerBytes(std::uint64_t posicion, std::size_t cuantos) const {
        exigir(posicion + cuantos <= tamano_);
        std::string bytes(cuantos, '\0');
        archivo_.leer(posicion, bytes.data(), cuantos);
        return bytes;
    }

    static std::string asciiz(const std::string& bytes, std::size_t desde, std::size_t largo) {
        std::string texto = bytes.substr(desde, largo);
        texto.resize(std::min(texto.find('\0'), texto.size()));
        return texto;
    }

    // The descriptors up to their end mark, which must lie inside the header.
    std::vector<CampoDBF> leerCampos(const std::string& descriptores) const {
        const std::size_t paso = disposicion_.largoDescriptor;
        std::vector<CampoDBF> campos;
        int desplazamiento = 1;  // after the deletion flag
        std::size_t i = 0;
        for (; i < descriptores.size() && descriptores[i] != finDescriptores; i += paso) {
            exigir(i + paso <= descriptores.size() && campos.size() < maximoCampos);
            campos.push_back(leerCampo(descriptores, i, desplazamiento));
            desplazamiento += campos.back().ancho();
        }
        exigir(i < descriptores.size());
        if (disposicion_.familia == Familia::VisualFoxPro) marcarNulos(descriptores, campos);
        return campos;
    }

    CampoDBF leerCampo(const std::string& d, std::size_t i, int desplazamiento) const {
        // dBase 7: name in 32 bytes, then kind, width and decimals; the others: 11, then 5 on.
        const bool dBase7 = disposicion_.dBase7;
        const std::size_t tras = i + (dBase7 ? 32 : 11);
        const char tipo = d[tras];
        int ancho = static_cast<int>(byte(d, tras + (dBase7 ? 1 : 5)));
        int decimales = static_cast<int>(byte(d, tras + (dBase7 ? 2 : 6)));
        if (tipo == 'C') {  // long text fields keep the high byte of their width in the decimals
            ancho += decimales * 256;
            decimales = 0;
        }
        CampoDBF campo(asciiz(d, i, dBase7 ? 32 : largoNombre), tipo, ancho, decimales, desplazamiento,
                       disposicion_.familia);
        exigir(ancho > 0);
        if (disposicion_.familia == Familia::VisualFoxPro && (byte(d, i + 18) & marcaOculto) != 0) campo.ocultar();
        return campo;
    }

    // Visual FoxPro: in field order, each variable text field has a bit in the null flags, and
    // then each field that may be null another. Without a null flags field (python3-dbf writes
    // none) no field is null and variable text fills its field.
    void marcarNulos(const std::string& descriptores, std::vector<CampoDBF>& campos) const {
        const auto marcas = std::ranges::find_if(campos, [](const auto& c) { return c.tipo() == tipoMarcasNulo; });
        if (marcas == campos.end()) return;
        int bit = 0;
        auto siguienteBit = [&] {
            exigir(bit < 8 * marcas->ancho());
            return bit++;
        };
        for (std::size_t i = 0; i < campos.size(); ++i) {
            if (campos[i].tieneLargoVariable()) campos[i].ponerBitLargo(siguienteBit(), marcas->desplazamiento());
            if ((byte(descriptores, i * bytesDescriptor + 18) & marcaNulable) != 0)
                campos[i].ponerBitNulo(siguienteBit(), marcas->desplazamiento());
        }
    }

    const ArchivoTabla& archivo_;
    const std::filesystem::path& ruta_;
    std::uint64_t tamano_;
    Disposicion disposicion_;
};

void validarCampos(const std::vector<DefinicionCampo>& campos, const std::filesystem::path& ruta) {
    std::vector<std::string> vistos;
    std::size_t longitudRegistro = 1;
    for (const auto& campo : campos) {
        const bool anchoValido = campo.tipo != TipoCampo::Texto || (campo.ancho >= 1 && campo.ancho <= 254);
        const std::string nombre = mayusculas(campo.nombre);
        const bool nombreValido = !nombre.empty() && nombre.size() <= largoNombre - 1 &&
                                  nombre.find('\0') == std::string::npos &&
                                  std::find(vistos.begin(), vistos.end(), nombre) == vistos.end();
        longitudRegistro += static_cast<std::size_t>(CampoDBF::para(campo, 0).ancho());
        // Header and record lengths are 16-bit counts.
        const bool cabe = vistos.size() < maximoCampos && longitudRegistro <= 0xFFFF;
        if (!anchoValido || !nombreValido || !cabe)
            throw Error(mensajes::noSePuedeCrear(ruta, "Campo '" + campo.nombre + "' inv\xE1lido"));
        vistos.push_back(nombre);
    }
    if (campos.empty()) throw Error(mensajes::noSePuedeCrear(ruta, "Tabla sin campos"));
}

// The header of a table without records: names in upper case, fields one after another.
CabeceraDBF cabeceraVacia(const std::vector<DefinicionCampo>& campos) {
    CabeceraDBF cabecera;
    int desplazamiento = 1;  // after the deletion flag
    for (const auto& definicion : campos) {
        const DefinicionCampo enMayusculas{mayusculas(definicion.nombre), definicion.tipo, definicion.ancho};
        cabecera.campos.push_back(CampoDBF::para(enMayusculas, desplazamiento));
        desplazamiento += cabecera.campos.back().ancho();
    }
    cabecera.longitudCabecera = static_cast<std::uint32_t>(bytesBase + bytesDescriptor * campos.size() + 1);
    cabecera.longitudRegistro = static_cast<std::uint32_t>(desplazamiento);
    return cabecera;
}

constexpr char codigoWindowsAnsi = '\x57';  // language driver of code page 1252

void fecharHoy(std::string& bytes) {
    const std::chrono::year_month_day hoy{std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now())};
    bytes[1] = static_cast<char>(static_cast<int>(hoy.year()) - 1900);
    bytes[2] = static_cast<char>(static_cast<unsigned>(hoy.month()));
    bytes[3] = static_cast<char>(static_cast<unsigned>(hoy.day()));
}

void ponerDescriptor(std::string& bytes, std::size_t i, const CampoDBF& campo) {
    bytes.replace(i, campo.nombre().size(), campo.nombre());
    bytes[i + 11] = campo.tipo();
    bytes[i + 16] = static_cast<char>(campo.ancho());
    bytes[i + 17] = static_cast<char>(campo.decimales());
}

// The bytes that LectorCabecera reads, dated today, followed by the end-of-file mark.
std::string bytesCabecera(const CabeceraDBF& cabecera) {
    std::string bytes(cabecera.longitudCabecera, '\0');
    bytes[0] = static_cast<char>(versionDBase3);
    fecharHoy(bytes);
    ponerEntero(bytes, 4, cabecera.registros, 4);
    ponerEntero(bytes, 8, cabecera.longitudCabecera, 2);
    ponerEntero(bytes, 10, cabecera.longitudRegistro, 2);
    bytes[29] = codigoWindowsAnsi;
    for (std::size_t i = 0; i < cabecera.campos.size(); ++i)
        ponerDescriptor(bytes, bytesBase + i * bytesDescriptor, cabecera.campos[i]);
    bytes.back() = finDescriptores;
    return bytes + marcaFinDeArchivo;
}

}  // namespace

CabeceraDBF leerCabecera(const ArchivoTabla& archivo, const std::filesystem::path& ruta) {
    return LectorCabecera(archivo, ruta).leer();
}

CabeceraDBF crearTablaVacia(ArchivoTabla& archivo, const std::vector<DefinicionCampo>& campos) {
    validarCampos(campos, archivo.mostrada());
    const CabeceraDBF cabecera = cabeceraVacia(campos);
    archivo.escribir(0, bytesCabecera(cabecera));
    return cabecera;
}

std::string enteroLE(std::uint32_t valor, int bytes) {
    std::string resultado(static_cast<std::size_t>(bytes), '\0');
    for (int i = 0; i < bytes; ++i) resultado[i] = static_cast<char>(valor >> (8 * i) & 0xFF);
    return resultado;
}

}  // namespace ttz::tablas
