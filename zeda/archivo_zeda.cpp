#include "zeda/archivo_zeda.h"

#include <algorithm>
#include <new>

#include "base/archivos.h"
#include "base/errores.h"
#include "base/texto_ruta.h"

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
void exigirTamanoZEDA(const fs::path& ruta, std::uint64_t bytes, std::size_t lineas) {
    if (bytes > kBytesMaximosZEDA)
        throw Error("El archivo " + entreComillas(ruta) + " es demasiado grande para ser de ZEDA: pasa de " +
                    std::to_string(kBytesMaximosZEDA / (1024 * 1024)) + " MiB");
    if (lineas > kLineasMaximasZEDA)
        throw Error("El archivo " + entreComillas(ruta) + " tiene demasiadas l\xEDneas para ser de ZEDA: pasa de " +
                    std::to_string(kLineasMaximasZEDA));
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

LectorLineas::LectorLineas(const fs::path& ruta) : ruta_(ruta), bufer_(kTamanoBufer) {
    try {
        archivo_.emplace(abrirZEDA(ruta));
    } catch (const FalloArchivo& fallo) {
        fallarES(fallo);
    }
}

LectorLineas::~LectorLineas() = default;

void LectorLineas::rellenar() {
    posicion_ = 0;
    try {
        llenos_ = archivo_->leer(leidos_, bufer_.data(), bufer_.size());
    } catch (const FalloArchivo& fallo) {
        fallarES(fallo);
    }
    leidos_ += llenos_;
    exigirTamanoZEDA(ruta_, leidos_, 0);
    agotado_ = llenos_ == 0;
}

int LectorLineas::leerByte() {
    if (posicion_ == llenos_ && !agotado_) rellenar();
    if (posicion_ == llenos_) return kFinArchivo;
    return static_cast<unsigned char>(bufer_[posicion_]);
}

bool LectorLineas::fin() {
    if (!finTexto_ && leerByte() == kCtrlZ) finTexto_ = true;
    return finTexto_ || leerByte() == kFinArchivo;
}

const std::string& LectorLineas::siguiente() {
    linea_.clear();
    while (true) {
        if (leerByte() == kFinArchivo) return linea_;
        const char* inicio = bufer_.data() + posicion_;
        const char* final = bufer_.data() + llenos_;
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
        archivo_->cerrar();
    } catch (const FalloArchivo& fallo) {
        fallarES(fallo);
    }
}

std::vector<std::string> leerArchivoEntero(const fs::path& ruta) {
    try {
        const Archivo archivo = abrirZEDA(ruta);
        DivisorLineas divisor;
        std::vector<char> bufer(kTamanoBufer);
        std::uint64_t total = 0;
        while (const std::size_t leidos = archivo.leer(total, bufer.data(), bufer.size())) {
            const bool sigue = divisor.agregar({bufer.data(), leidos});
            total += leidos;
            exigirTamanoZEDA(ruta, total, divisor.lineas());
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
