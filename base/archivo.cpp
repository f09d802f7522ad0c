#include "base/archivo.h"

#include <system_error>
#include <utility>

#include "base/texto.h"

namespace ttz {
namespace {

namespace fs = std::filesystem;

constexpr int kIntentosProvisional = 1000;
constexpr std::size_t kBloqueCopia = 1 << 20;

fs::path carpetaDe(const fs::path& ruta) { return ruta.has_parent_path() ? ruta.parent_path() : fs::path("."); }

std::string prefijoProvisional(const fs::path& destino) { return destino.stem().string() + ".~"; }

// "<name>.~<process>-<n><extension>", letter case ignored.
bool esProvisionalDe(std::string_view nombre, const fs::path& destino) {
    const std::string prefijo = prefijoProvisional(destino);
    const std::string extension = destino.extension().string();
    if (nombre.size() <= prefijo.size() + extension.size()) return false;
    const std::string_view numeros = nombre.substr(prefijo.size(), nombre.size() - prefijo.size() - extension.size());
    return igualesSinMayusculas(nombre.substr(0, prefijo.size()), prefijo) &&
           igualesSinMayusculas(nombre.substr(nombre.size() - extension.size()), extension) &&
           numeros.find_first_not_of("0123456789-") == std::string_view::npos;
}

// A staging file that nobody holds was left by a process that ended before publishing it.
void borrarProvisionalesAbandonados(const fs::path& destino) {
    std::error_code error;
    for (const auto& entrada : fs::directory_iterator(carpetaDe(destino), error)) {
        if (!esProvisionalDe(entrada.path().filename().string(), destino)) continue;
        try {
            Archivo::abrir(entrada.path(), Acceso::Lectura, Retencion::Exclusiva).soltar();
            borrarArchivo(entrada.path());
        } catch (const FalloArchivo&) {
            // Still being staged by its owner.
        }
    }
}

}  // namespace

FalloArchivo::FalloArchivo(int numero) : Error(textoErrorSistema(numero)), numero_(numero) {}

Archivo::Archivo(fs::path ruta, std::intptr_t manejador, bool provisional)
    : ruta_(std::move(ruta)), manejador_(manejador), provisional_(provisional) {}

Archivo::Archivo(Archivo&& otro) noexcept
    : ruta_(std::move(otro.ruta_)),
      manejador_(std::exchange(otro.manejador_, -1)),
      provisional_(std::exchange(otro.provisional_, false)) {}

Archivo& Archivo::operator=(Archivo&& otro) noexcept {
    if (this != &otro) {
        descartar();
        soltar();
        ruta_ = std::move(otro.ruta_);
        manejador_ = std::exchange(otro.manejador_, -1);
        provisional_ = std::exchange(otro.provisional_, false);
    }
    return *this;
}

Archivo::~Archivo() {
    descartar();
    soltar();
}

Archivo Archivo::crearProvisional(const fs::path& destino) {
    borrarProvisionalesAbandonados(destino);
    const std::string nombre = prefijoProvisional(destino) + identificadorProceso() + "-";
    for (int numero = 0;; ++numero) {
        try {
            return crearNuevo(carpetaDe(destino) / (nombre + std::to_string(numero) + destino.extension().string()),
                              destino);
        } catch (const FalloArchivo& fallo) {
            if (fallo.causa() != FalloArchivo::Causa::YaExiste || numero + 1 == kIntentosProvisional) throw;
        }
    }
}

void Archivo::publicar(const fs::path& destino, Archivo* anterior) {
    try {
        if (anterior != nullptr) anterior->retenerExclusiva();
        renombrarSobre(destino, anterior);
    } catch (const FalloArchivo&) {
        descartar();
        throw;
    }
    provisional_ = false;
}

void conservarCopia(const fs::path& origen, const fs::path& copia) {
    if (!enlazarDuro(origen, copia)) copiarArchivo(origen, copia);
}

void copiarArchivo(const fs::path& origen, const fs::path& destino, Archivo* anterior) {
    const Archivo fuente = Archivo::abrir(origen, Acceso::Lectura, Retencion::Ninguna);
    Archivo copia = Archivo::crearProvisional(destino);
    std::string bloque(kBloqueCopia, '\0');
    std::uint64_t posicion = 0;
    while (const std::size_t leidos = fuente.leer(posicion, bloque.data(), bloque.size())) {
        copia.escribir(posicion, std::string_view(bloque.data(), leidos));
        posicion += leidos;
    }
    copia.sincronizar();
    copia.cerrar();
    copia.publicar(destino, anterior);
}

void Archivo::descartar() noexcept {
    if (!std::exchange(provisional_, false)) return;
    soltar();  // Windows removes no open file
    borrarArchivo(ruta_);
}

}  // namespace ttz
