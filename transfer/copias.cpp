#include "transfer/copias.h"

#include <algorithm>
#include <cstdio>
#include <system_error>

#include "base/archivo.h"
#include "base/errores.h"
#include "base/texto.h"
#include "base/texto_ruta.h"
#include "zeda/archivo_zeda.h"

namespace ttz {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kFecha = "Fecha: ";
constexpr std::string_view kDireccion = "Direcci\xF3n: ";
constexpr std::string_view kCarpeta = "Carpeta de trabajo: ";
constexpr std::string_view kResultado = "Resultado: ";
constexpr std::string_view kArchivo = "Archivo: ";
constexpr std::string_view kBytesDe = " bytes, de ";
constexpr int kMismoSegundo = 99;

bool esCifra(char c) { return c >= '0' && c <= '9'; }

// "AAAA-MM-DD hh.mm.ss", "AAAA-MM-DD hh.mm.ss.NN", then " exportar|importar|restaurar".
bool esNombreDeCopia(const std::string& nombre) {
    constexpr std::string_view kForma = "0000-00-00 00.00.00";
    if (nombre.size() <= kForma.size()) return false;
    for (std::size_t i = 0; i < kForma.size(); ++i)
        if (kForma[i] == '0' ? !esCifra(nombre[i]) : nombre[i] != kForma[i]) return false;
    std::string_view resto = std::string_view(nombre).substr(kForma.size());
    if (resto.size() > 3 && resto[0] == '.' && esCifra(resto[1]) && esCifra(resto[2])) resto.remove_prefix(3);
    return resto == " exportar" || resto == " importar" || resto == " restaurar";
}

Error errorDeCopia(const fs::path& archivo, const std::string& razon) {
    return Error("No se puede guardar la copia de \"" + rutaEnMensaje(archivo) + "\" antes de reemplazarlo. " + razon);
}

Error copiaIlegible(const fs::path& carpetaCopia, const std::string& porque) {
    return Error("La copia \"" + rutaEnMensaje(carpetaCopia) + "\" est\xE1 da\xF1" "ada: " + porque);
}

std::string dosCifras(int valor) {
    char texto[4];
    std::snprintf(texto, sizeof texto, "%02d", valor % 100);
    return texto;
}

// "PROFT.DBF, 1234 bytes, de /datos/PROFT.DBF".
std::optional<ArchivoCopiado> leerArchivo(std::string_view valor) {
    const std::size_t coma = valor.find(", ");
    const std::size_t bytes = valor.find(kBytesDe);
    if (coma == std::string_view::npos || bytes == std::string_view::npos || bytes <= coma + 2) return std::nullopt;
    const std::string_view cifras = valor.substr(coma + 2, bytes - coma - 2);
    if (!std::all_of(cifras.begin(), cifras.end(), esCifra) || cifras.size() > 18) return std::nullopt;
    return ArchivoCopiado{std::string(valor.substr(0, coma)), rutaDeMensaje(valor.substr(bytes + kBytesDe.size())),
                          std::stoull(std::string(cifras))};
}

}  // namespace

std::string textoFecha(const FechaHora& m) {
    return std::to_string(m.anio) + "-" + dosCifras(m.mes) + "-" + dosCifras(m.dia) + " " + dosCifras(m.hora) + "." +
           dosCifras(m.minuto) + "." + dosCifras(m.segundo);
}

DescripcionCopia leerDescripcion(const fs::path& carpetaCopia) {
    std::vector<std::string> lineas;
    try {
        lineas = zeda::leerArchivoEntero(carpetaCopia / kDescripcionCopia);
    } catch (const Error& error) {
        throw copiaIlegible(carpetaCopia, error.what());
    }
    DescripcionCopia d;
    for (const std::string& linea : lineas) {
        const std::string_view l(linea);
        if (l.starts_with(kFecha)) d.fecha = l.substr(kFecha.size());
        if (l.starts_with(kDireccion)) d.direccion = l.substr(kDireccion.size());
        if (l.starts_with(kCarpeta)) d.carpeta = l.substr(kCarpeta.size());
        if (l.starts_with(kResultado)) d.resultado = l.substr(kResultado.size());
        if (!l.starts_with(kArchivo)) continue;
        const auto archivo = leerArchivo(l.substr(kArchivo.size()));
        if (!archivo) throw copiaIlegible(carpetaCopia, "su descripci\xF3n no se entiende: " + linea);
        d.archivos.push_back(*archivo);
    }
    return d;
}

CopiaEjecucion::CopiaEjecucion(fs::path carpetaDatos, DescripcionCopia descripcion)
    : datos_(std::move(carpetaDatos)), descripcion_(std::move(descripcion)) {
    descripcion_.resultado = "sin terminar";
}

void CopiaEjecucion::conservar(const fs::path& archivo) {
    const std::string nombre = textoDeRuta(archivo.filename());
    for (const auto& guardado : descripcion_.archivos)
        if (igualesSinMayusculas(guardado.nombre, nombre)) return;
    try {
        if (!carpeta_) crearCarpeta();
        // The file first, then the description that lists it: a run ended in between leaves a
        // file that no description promises, never a promise without its file.
        conservarCopia(archivo, *carpeta_ / rutaDeTexto(nombre));
        const ArchivoCopiado copiado{
            nombre, fs::absolute(archivo),
            Archivo::abrir(*carpeta_ / rutaDeTexto(nombre), Acceso::Lectura, Retencion::Ninguna).tamano()};
        anadirADescripcion(std::string(kArchivo) + nombre + ", " + std::to_string(copiado.tamano) +
                           std::string(kBytesDe) + rutaEnMensaje(copiado.origen) + "\r\n");
        descripcion_.archivos.push_back(copiado);
    } catch (const FalloArchivo& fallo) {
        throw errorDeCopia(archivo, fallo.what());
    } catch (const fs::filesystem_error& fallo) {
        throw errorDeCopia(archivo, textoErrorSistema(fallo.code()));
    } catch (const Error& error) {
        throw errorDeCopia(archivo, error.what());
    }
}

void CopiaEjecucion::crearCarpeta() {
    const fs::path copias = datos_ / kCarpetaCopias;
    fs::create_directories(copias);
    const auto existentes = nombresDeCopias(datos_);
    for (int vez = 1; vez <= kMismoSegundo; ++vez) {
        const std::string momento = descripcion_.fecha + (vez == 1 ? "" : "." + dosCifras(vez));
        const bool usado = std::any_of(existentes.begin(), existentes.end(),
                                       [&](const std::string& n) { return n.starts_with(momento + " "); });
        const fs::path carpeta = copias / rutaDeTexto(momento + " " + descripcion_.direccion);
        if (usado || !fs::create_directory(carpeta)) continue;
        carpeta_ = carpeta;
        anadirADescripcion("Copia de lo que reemplaz\xF3 una ejecuci\xF3n de transTempalosZeda\r\n" +
                           std::string(kFecha) + descripcion_.fecha + "\r\n" + std::string(kDireccion) +
                           descripcion_.direccion + "\r\n" + std::string(kCarpeta) + descripcion_.carpeta + "\r\n" +
                           std::string(kResultado) + descripcion_.resultado + "\r\n");
        return;
    }
    throw Error("ya hay " + std::to_string(kMismoSegundo) + " copias de este mismo segundo");
}

// Appended, not flushed: what a copy needs on disk before the replacement is its file.
void CopiaEjecucion::anadirADescripcion(const std::string& lineas) {
    Archivo descripcion = Archivo::abrirParaAnadir(*carpeta_ / kDescripcionCopia);
    descripcion.escribir(descripcion.tamano(), lineas);
    descripcion.cerrar();
}

void CopiaEjecucion::terminar(const std::string& resultado) noexcept {
    descripcion_.resultado = resultado;
    if (!carpeta_) return;
    try {
        anadirADescripcion(std::string(kResultado) + resultado + "\r\n");
    } catch (...) {
        // The copies are complete; only the outcome is left unrecorded ("sin terminar").
    }
}

std::vector<std::string> nombresDeCopias(const fs::path& carpetaDatos) {
    std::vector<std::string> nombres;
    std::error_code error;
    for (const auto& entrada : fs::directory_iterator(carpetaDatos / kCarpetaCopias, error)) {
        const std::string nombre = textoDeRuta(entrada.path().filename());
        if (esNombreDeCopia(nombre) && entrada.is_directory(error)) nombres.push_back(nombre);
    }
    std::sort(nombres.rbegin(), nombres.rend());
    return nombres;
}

void recortarCopias(const fs::path& carpetaDatos) noexcept {
    try {
        const auto nombres = nombresDeCopias(carpetaDatos);
        std::error_code error;
        for (std::size_t i = kCopiasGuardadas; i < nombres.size(); ++i)
            fs::remove_all(carpetaDatos / kCarpetaCopias / rutaDeTexto(nombres[i]), error);
    } catch (...) {
        // Old copies left behind are removed after a later run.
    }
}

}  // namespace ttz
