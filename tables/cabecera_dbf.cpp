#include "tables/cabecera_dbf.h"

#include <shapefil.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <memory>
#include <string>

#include "app/archivos.h"
#include "app/errores.h"
#include "tables/mensajes_tabla.h"
#include "app/texto.h"

namespace ttz::tablas {
namespace {

constexpr std::size_t bytesBase = 32;
constexpr std::size_t bytesDescriptor = 32;
constexpr char finDescriptores = '\x0D';
constexpr std::size_t maximoCampos = 2046;  // the most that a 16-bit header length can hold
constexpr std::size_t largoNombre = 11;

unsigned byte(const std::string& bytes, std::size_t i) { return static_cast<unsigned char>(bytes[i]); }

std::uint32_t entero16(const std::string& bytes, std::size_t i) { return byte(bytes, i) | byte(bytes, i + 1) << 8; }

std::uint32_t entero32(const std::string& bytes, std::size_t i) {
    return entero16(bytes, i) | entero16(bytes, i + 2) << 16;
}

class LectorCabecera {
public:
    LectorCabecera(const ArchivoTabla& archivo, const std::filesystem::path& ruta)
        : archivo_(archivo), ruta_(ruta), tamano_(archivo.tamano()) {}

    CabeceraDBF leer() {
        const std::string base = leerBytes(0, bytesBase);
        CabeceraDBF cabecera;
        cabecera.registros = entero32(base, 4);
        cabecera.longitudCabecera = entero16(base, 8);
        cabecera.longitudRegistro = entero16(base, 10);
        exigir(cabecera.longitudCabecera >= bytesBase + 1 && cabecera.longitudCabecera <= tamano_);
        const std::string descriptores =
            leerBytes(bytesBase, cabecera.longitudCabecera - bytesBase);
        cabecera.campos = leerCampos(descriptores);
        exigir(!cabecera.campos.empty());
        const auto& ultimo = cabecera.campos.back();
        exigir(static_cast<std::uint32_t>(ultimo.desplazamiento() + ultimo.ancho()) <= cabecera.longitudRegistro);
        exigir(cabecera.longitudCabecera + std::uint64_t{cabecera.registros} * cabecera.longitudRegistro <= tamano_);
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

    // The descriptors up to their end mark, which must lie inside the header.
    std::vector<CampoDBF> leerCampos(const std::string& descriptores) const {
        std::vector<CampoDBF> campos;
        int desplazamiento = 1;  // after the deletion flag
        std::size_t i = 0;
        for (; i < descriptores.size() && descriptores[i] != finDescriptores; i += bytesDescriptor) {
            exigir(i + bytesDescriptor <= descriptores.size() && campos.size() < maximoCampos);
            campos.push_back(leerCampo(descriptores, i, desplazamiento));
            desplazamiento += campos.back().ancho();
        }
        exigir(i < descriptores.size());
        return campos;
    }

    CampoDBF leerCampo(const std::string& d, std::size_t i, int desplazamiento) const {
        std::string nombre = d.substr(i, largoNombre);
        nombre.resize(std::min(nombre.find('\0'), nombre.size()));
        const char tipo = d[i + 11];
        int ancho = static_cast<int>(byte(d, i + 16));
        int decimales = static_cast<int>(byte(d, i + 17));
        if (tipo == 'C') {  // long text fields keep the high byte of their width in the decimals
            ancho += decimales * 256;
            decimales = 0;
        }
        exigir(ancho > 0);
        return {std::move(nombre), tipo, ancho, decimales, desplazamiento};
    }

    const ArchivoTabla& archivo_;
    const std::filesystem::path& ruta_;
    std::uint64_t tamano_;
};

struct CerrarDBF {
    void operator()(DBFInfo* dbf) const { DBFClose(dbf); }
};

// shapelib ignores failed writes of the header; these hooks keep the first failure's system
// error, so that a full disk is reported as such and not later as a damaged table.
class EscrituraVigilada {
public:
    EscrituraVigilada() {
        SASetupDefaultHooks(&ganchos_);
        predeterminados() = ganchos_;
        ganchos_.FWrite = escribir;
        ganchos_.FFlush = vaciar;
        ganchos_.FClose = cerrar;
        error() = 0;
    }
    SAHooks* ganchos() { return &ganchos_; }
    int errorSistema() const { return error(); }

private:
    static SAHooks& predeterminados() {
        thread_local SAHooks ganchos;
        return ganchos;
    }
    static int& error() {
        thread_local int primero = 0;
        return primero;
    }
    static void anotar(bool fallo) {
        if (fallo && error() == 0) error() = errno != 0 ? errno : ENOSPC;
    }
    static SAOffset escribir(void* bytes, SAOffset tamano, SAOffset cuantos, SAFile archivo) {
        const SAOffset escritos = predeterminados().FWrite(bytes, tamano, cuantos, archivo);
        anotar(escritos < cuantos);
        return escritos;
    }
    static int vaciar(SAFile archivo) {
        const int resultado = predeterminados().FFlush(archivo);
        anotar(resultado != 0);
        return resultado;
    }
    static int cerrar(SAFile archivo) {
        const int resultado = predeterminados().FClose(archivo);
        anotar(resultado != 0);
        return resultado;
    }

    SAHooks ganchos_;
};

void validarCampos(const std::vector<DefinicionCampo>& campos, const std::filesystem::path& ruta) {
    std::vector<std::string> vistos;
    for (const auto& campo : campos) {
        const bool anchoValido = campo.tipo != TipoCampo::Texto || (campo.ancho >= 1 && campo.ancho <= 254);
        const std::string nombre = mayusculas(campo.nombre);
        const bool nombreValido = !nombre.empty() && nombre.size() <= largoNombre - 1 &&
                                  nombre.find('\0') == std::string::npos &&
                                  std::find(vistos.begin(), vistos.end(), nombre) == vistos.end();
        if (!anchoValido || !nombreValido)
            throw Error(mensajes::noSePuedeCrear(ruta, "Campo '" + campo.nombre + "' inv\xE1lido"));
        vistos.push_back(nombre);
    }
    if (campos.empty()) throw Error(mensajes::noSePuedeCrear(ruta, "Tabla sin campos"));
}

void fecharHoy(DBFHandle dbf) {
    const std::chrono::year_month_day hoy{std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now())};
    DBFSetLastModifiedDate(dbf, static_cast<int>(hoy.year()) - 1900, static_cast<int>(static_cast<unsigned>(hoy.month())),
                           static_cast<int>(static_cast<unsigned>(hoy.day())));
}

}  // namespace

CabeceraDBF leerCabecera(const ArchivoTabla& archivo, const std::filesystem::path& ruta) {
    return LectorCabecera(archivo, ruta).leer();
}

void crearTablaVacia(const std::filesystem::path& archivo, const std::vector<DefinicionCampo>& campos,
                     const std::filesystem::path& ruta) {
    validarCampos(campos, ruta);
    EscrituraVigilada escritura;
    std::unique_ptr<DBFInfo, CerrarDBF> dbf(DBFCreateLL(archivo.string().c_str(), "LDID/87", escritura.ganchos()));
    if (!dbf) throw Error(mensajes::noSePuedeCrear(ruta, ""));
    fecharHoy(dbf.get());
    for (const auto& definicion : campos) {
        const CampoDBF campo = CampoDBF::para(definicion, 0);
        if (DBFAddNativeFieldType(dbf.get(), mayusculas(campo.nombre()).c_str(), campo.tipo(), campo.ancho(),
                                  campo.decimales()) < 0)
            throw Error(mensajes::noSePuedeCrear(ruta, "Campo '" + campo.nombre() + "' inv\xE1lido"));
    }
    dbf.reset();
    if (escritura.errorSistema() != 0)
        throw Error(mensajes::noSePuedeCrear(ruta, textoErrorSistema(escritura.errorSistema())));
}

}  // namespace ttz::tablas
