#include "zeda/archivo_zeda.h"

#include <algorithm>
#include <new>
#include <span>
#include <utility>

#include "base/archivo.h"
#include "base/archivos.h"
#include "base/errores.h"
#include "base/texto_ruta.h"
#include "zeda/codificacion.h"

namespace ttz::zeda {
namespace {

constexpr std::size_t kTamanoBufer = 64 * 1024;
constexpr char kCtrlZ = 26;
constexpr int kFinArchivo = -1;

[[noreturn]] void fallarES(const FalloArchivo& fallo) { throw ErrorES(codigoES(fallo.numero())); }

// ZEDA files are read without a hold, as any other program may have them open.
Archivo abrirZEDA(const fs::path& ruta) { return Archivo::abrir(resolverMayusculas(ruta), Acceso::Lectura, Retencion::Ninguna); }

std::string entreComillas(const fs::path& ruta) { return "\"" + rutaEnMensaje(ruta) + "\""; }

[[noreturn]] void fallarSinMemoria(const fs::path& ruta) {
    throw Error("No hay memoria suficiente para leer el archivo " + entreComillas(ruta));
}

// A file that passes these bounds is no ZEDA file; reading it on would only fill the memory.
constexpr const char* kNoEsDeZEDA = "Compruebe que es el archivo que genera ZEDA";
static_assert(kLineasMaximasZEDA == 1'000'000, "the message says a million lines");

void exigirBytesZEDA(const fs::path& ruta, std::uint64_t bytes) {
    if (bytes > kBytesMaximosZEDA)
        throw Error("El archivo " + entreComillas(ruta) + " es demasiado grande para ser de ZEDA (m\xE1s de " +
                    std::to_string(kBytesMaximosZEDA / (1024 * 1024)) + " MB). " + kNoEsDeZEDA);
}

void exigirLineasZEDA(const fs::path& ruta, std::size_t lineas) {
    if (lineas > kLineasMaximasZEDA)
        throw Error("El archivo " + entreComillas(ruta) +
                    " tiene demasiadas l\xEDneas para ser de ZEDA (m\xE1s de un mill\xF3n). " + kNoEsDeZEDA);
}

[[noreturn]] void fallarCaracter(const fs::path& ruta, std::size_t linea) {
    throw Error("El archivo " + entreComillas(ruta) + " tiene en la l\xEDnea " + std::to_string(linea) +
                " un car\xE1" "cter que las tablas de Tempalix no pueden guardar. C\xE1mbielo en ZEDA y vuelva a "
                "generar el archivo");
}

// Cuts the text of a whole file into lines as its pieces arrive: CR, LF and CR LF end a line,
// a NUL ends the text.
class DivisorLineas {
public:
    // False once the text has ended.
    bool agregar(std::string_view trozo) {
        while (!trozo.empty()) {
            if (saltarLF_ && trozo.front() == '\n') trozo.remove_prefix(1);
            saltarLF_ = false;
            const auto especial = std::find_if(trozo.begin(), trozo.end(),
                                               [](char c) { return c == '\r' || c == '\n' || c == '\0'; });
            if (especial == trozo.end() || *especial == '\0') {
                actual_.append(trozo.begin(), especial);
                return especial == trozo.end();
            }
            saltarLF_ = *especial == '\r';
            if (actual_.empty()) {
                lineas_.emplace_back(trozo.begin(), especial);
            } else {
                lineas_.push_back(actual_.append(trozo.begin(), especial));
                actual_.clear();
            }
            trozo.remove_prefix(static_cast<std::size_t>(especial - trozo.begin()) + 1);
        }
        return true;
    }

    std::size_t lineas() const { return lineas_.size(); }

    std::vector<std::string> terminar() {
        if (!actual_.empty()) lineas_.push_back(std::move(actual_));
        return std::move(lineas_);
    }

private:
    std::vector<std::string> lineas_;
    std::string actual_;
    bool saltarLF_ = false;
};

}  // namespace

// The text of a ZEDA file as Windows-1252, piece by piece, whatever encoding it was saved in:
// the mark at its start tells the encoding or, without one, a pass over the text up to the
// character that ends it (finDeTexto). The bytes as stored count towards kBytesMaximosZEDA.
// The file's failures raise FalloArchivo.
class FuenteZEDA {
public:
    FuenteZEDA(const fs::path& ruta, char finDeTexto)
        : ruta_(ruta), archivo_(abrirZEDA(ruta)), bufer_(kTamanoBufer),
          descodificador_(codificacion(finDeTexto), finDeTexto) {}

    // The next piece, valid until the next call; empty at the end of the text.
    std::string_view leer() {
        while (!descodificador_.terminado()) {
            const std::span<char> bytes = leido_.empty() ? leerBytes() : std::exchange(leido_, {});
            if (bytes.empty()) {
                if (!descodificador_.completo()) fallarCaracter(ruta_, descodificador_.linea());
                return {};
            }
            const auto largo = descodificador_.convertir(bytes);
            if (!largo) fallarCaracter(ruta_, descodificador_.linea());
            if (*largo > 0) return {bytes.data(), *largo};
        }
        return {};
    }

    void cerrar() { archivo_.cerrar(); }

private:
    std::span<char> leerBytes() {
        const std::size_t leidos = archivo_.leer(posicion_, bufer_.data(), bufer_.size());
        posicion_ += leidos;
        exigirBytesZEDA(ruta_, posicion_);
        return {bufer_.data(), leidos};
    }

    Codificacion codificacion(char finDeTexto) {
        leido_ = leerBytes();
        const Marca marca = marcaDeOrden({leido_.data(), leido_.size()});
        leido_ = leido_.subspan(marca.largo);
        if (marca.largo > 0) return marca.codificacion;
        return esUtf8(finDeTexto) ? Codificacion::Utf8 : Codificacion::Windows1252;
    }

    // The pass over the text without a mark, from the first piece on; that piece stays for the
    // reading unless the pass read past it.
    bool esUtf8(char finDeTexto) {
        DeteccionUtf8 deteccion;
        for (std::span<char> bytes = leido_;; bytes = leerBytes()) {
            const std::string_view texto(bytes.data(), bytes.size());
            const auto fin = texto.find(finDeTexto);
            if (!deteccion.agregar(texto.substr(0, fin)) || fin != std::string_view::npos || texto.empty()) break;
        }
        if (posicion_ > leido_.size()) {  // the first piece is overwritten
            leido_ = {};
            posicion_ = 0;
        }
        return deteccion.esUtf8();
    }

    fs::path ruta_;
    Archivo archivo_;
    std::vector<char> bufer_;
    std::uint64_t posicion_ = 0;  // in the file, of the next byte to read
    std::span<char> leido_;       // read at the start and not yet given out
    Descodificador descodificador_;
};

LectorLineas::LectorLineas(const fs::path& ruta) : ruta_(ruta) {
    try {
        fuente_ = std::make_unique<FuenteZEDA>(ruta, kCtrlZ);
    } catch (const FalloArchivo& fallo) {
        fallarES(fallo);
    }
}

LectorLineas::~LectorLineas() = default;

void LectorLineas::rellenar() {
    posicion_ = 0;
    try {
        trozo_ = fuente_->leer();
    } catch (const FalloArchivo& fallo) {
        fallarES(fallo);
    }
    agotado_ = trozo_.empty();
}

int LectorLineas::leerByte() {
    if (posicion_ == trozo_.size() && !agotado_) rellenar();
    if (posicion_ == trozo_.size()) return kFinArchivo;
    return static_cast<unsigned char>(trozo_[posicion_]);
}

bool LectorLineas::fin() {
    if (!finTexto_ && leerByte() == kCtrlZ) finTexto_ = true;
    return finTexto_ || leerByte() == kFinArchivo;
}

const std::string& LectorLineas::siguiente() {
    linea_.clear();
    while (true) {
        if (leerByte() == kFinArchivo) return linea_;
        const char* inicio = trozo_.data() + posicion_;
        const char* final = trozo_.data() + trozo_.size();
        const char* especial = std::find_if(inicio, final, [](char c) {
            return c == '\n' || c == '\r' || c == kCtrlZ;
        });
        try {
            linea_.append(inicio, especial);
        } catch (const std::bad_alloc&) {
            fallarSinMemoria(ruta_);
        }
        posicion_ += static_cast<std::size_t>(especial - inicio);
        if (especial == final) continue;
        ++posicion_;
        if (*especial == '\n') return linea_;
        if (*especial == kCtrlZ) {
            finTexto_ = true;
            return linea_;
        }
        if (leerByte() == '\n') {  // CR LF ends the line; a lone CR is dropped
            ++posicion_;
            return linea_;
        }
    }
}

void LectorLineas::cerrar() {
    try {
        fuente_->cerrar();
    } catch (const FalloArchivo& fallo) {
        fallarES(fallo);
    }
}

std::vector<std::string> leerArchivoEntero(const fs::path& ruta) {
    try {
        FuenteZEDA fuente(ruta, '\0');
        DivisorLineas divisor;
        for (auto trozo = fuente.leer(); !trozo.empty(); trozo = fuente.leer()) {
            const bool sigue = divisor.agregar(trozo);
            exigirLineasZEDA(ruta, divisor.lineas());
            if (!sigue) break;
        }
        return divisor.terminar();
    } catch (const FalloArchivo& fallo) {
        throw Error("Cannot open file " + entreComillas(ruta) + ". " + fallo.what());
    } catch (const std::bad_alloc&) {
        fallarSinMemoria(ruta);
    }
}

void escribirArchivo(const fs::path& ruta, const std::vector<std::string>& lineas) {
    ArchivoNuevo archivo(ruta);
    for (const auto& linea : lineas) {
        archivo.escribir(linea);
        archivo.escribir("\r\n");
    }
    archivo.publicar();
}

}  // namespace ttz::zeda
