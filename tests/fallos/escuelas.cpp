#include "fallos/escuelas.h"

#include <algorithm>
#include <chrono>
#include <fstream>
#include <limits>
#include <stdexcept>

#include "comun/mensaje_error.h"
#include "export/exportacion.h"
#include "fallos/procesos.h"

namespace ttz::pruebas {

const std::vector<std::string> kTablasExportacion = {"ASIGNOMT", "PROFT", "AULAT", "GRUPOST", "ASIGT", "DIASHORAST"};

namespace {

// Bytes 1 to 3 of a dBase header: year, month and day of the last change.
std::string sinFecha(std::string bytes) {
    for (std::size_t i = 1; i < 4 && i < bytes.size(); ++i) bytes[i] = '\0';
    return bytes;
}

void ejecutar(const std::vector<std::string>& argumentos) {
    const Proceso hijo = lanzar(argumentos);
    if (hijo < 0) throw std::runtime_error("no se pudo lanzar " + argumentos.front());
    const FinHijo fin = esperar(hijo);
    if (fin.matado || fin.estado != 0) throw std::runtime_error(argumentos.front() + " fall\xF3");
}

Instantanea exportacionCompleta(const fs::path& zeda) {
    const CarpetaTemporal datos;
    if (exportarConLote(zeda, datos.ruta()) != 0) throw std::runtime_error("la exportaci\xF3n de referencia fall\xF3");
    return tomarInstantanea(datos.ruta());
}

}  // namespace

Instantanea tomarInstantanea(const fs::path& datos) {
    Instantanea instantanea;
    for (const auto& tabla : kTablasExportacion) {
        const fs::path ruta = datos / (tabla + ".DBF");
        instantanea[tabla] = fs::exists(ruta) ? std::optional(sinFecha(leerBytes(ruta))) : std::nullopt;
    }
    return instantanea;
}

void restaurar(const fs::path& datos, const Instantanea& instantanea) {
    fs::remove_all(datos);
    fs::create_directories(datos);
    for (const auto& [tabla, bytes] : instantanea)
        if (bytes) std::ofstream(datos / (tabla + ".DBF"), std::ios::binary) << *bytes;
}

int provisionales(const fs::path& datos) {
    int cuantos = 0;
    for (const auto& entrada : fs::directory_iterator(datos))
        if (entrada.path().filename().string().find(".~") != std::string::npos) ++cuantos;
    return cuantos;
}

std::string rutaLote() { return std::string(TTZ_BIN) + "/transtempaloszeda-lote"; }

int exportarConLote(const fs::path& zeda, const fs::path& datos) {
    const Proceso hijo = lanzar({rutaLote(), "exportar", "--carpeta", zeda.string(), "--datos", datos.string()});
    if (hijo < 0) return -1;
    const FinHijo fin = esperar(hijo);
    return fin.matado ? -1 : fin.estado;
}

Escuelas::Escuelas() {
    const std::string generador = std::string(TTZ_BIN) + "/generar_escuela";
    ejecutar({generador, grande.ruta().string(), "10"});
    ejecutar({generador, pequena.ruta().string(), "1"});
    referencia = exportacionCompleta(grande.ruta());
    anterior = exportacionCompleta(pequena.ruta());
}

std::string exportarEnProceso(const fs::path& zeda, const fs::path& datos) {
    EntornoEnProceso en(datos);
    return mensajeDeError([&] { exportacion::ejecutarExportacion(componerCarpeta(zeda.string()), en.entorno); });
}

const Escuelas& Escuelas::comunes() {
    static const Escuelas escuelas;
    return escuelas;
}

long duracionDeUnaExportacion(const Escuelas& escuelas, const fs::path& datos) {
    long menor = std::numeric_limits<long>::max();
    for (int vez = 0; vez < 2; ++vez) {  // the first run may pay for cold caches
        restaurar(datos, escuelas.anterior);
        const auto inicio = std::chrono::steady_clock::now();
        if (exportarConLote(escuelas.grande.ruta(), datos) != 0) throw std::runtime_error("la exportaci\xF3n fall\xF3");
        const auto duracion = std::chrono::steady_clock::now() - inicio;
        menor = std::min(menor, static_cast<long>(std::chrono::duration_cast<std::chrono::microseconds>(duracion).count()));
    }
    return menor;
}

Comparacion comparar(const fs::path& datos, const Instantanea& antes, const Instantanea& completa) {
    Comparacion comparacion;
    for (const auto& [tabla, bytes] : tomarInstantanea(datos)) {
        ++comparacion.tablas;
        if (bytes == completa.at(tabla)) {
            ++comparacion.completas;
        } else if (bytes == antes.at(tabla)) {
            ++comparacion.comoAntes;
        } else {
            comparacion.mezcladas.push_back(tabla);
        }
    }
    return comparacion;
}

}  // namespace ttz::pruebas
