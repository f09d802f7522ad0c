#include "tables/registros_dbf.h"

#include <algorithm>
#include <limits>

#include "base/errores.h"
#include "tables/mensajes_tabla.h"

namespace ttz::tablas {
namespace {

constexpr std::size_t bytesVentana = 64 * 1024;
constexpr std::size_t bytesCola = 1024 * 1024;

}  // namespace

RegistrosDBF::RegistrosDBF(ArchivoTabla& archivo, const CabeceraDBF& cabecera)
    : archivo_(archivo),
      inicio_(cabecera.longitudCabecera),
      longitud_(cabecera.longitudRegistro),
      enArchivo_(cabecera.registros) {}

std::string_view RegistrosDBF::leer(std::uint32_t indice) {
    if (indice >= enArchivo_) return std::string_view(cola_).substr((indice - enArchivo_) * longitud_, longitud_);
    if (!enVentana(indice)) {
        const std::size_t cuantos = std::min<std::size_t>(std::max<std::size_t>(bytesVentana / longitud_, 1),
                                                          enArchivo_ - indice);
        ventana_.assign(cuantos * longitud_, '\0');
        primeroVentana_ = indice;
        try {
            archivo_.leer(posicion(indice), ventana_.data(), ventana_.size());
        } catch (...) {
            ventana_.clear();
            throw;
        }
    }
    return std::string_view(ventana_).substr((indice - primeroVentana_) * longitud_, longitud_);
}

void RegistrosDBF::reescribir(std::uint32_t indice, std::string_view registro) {
    modificado_ = true;
    if (indice >= enArchivo_) {
        std::copy(registro.begin(), registro.end(), cola_.begin() + (indice - enArchivo_) * longitud_);
        return;
    }
    archivo_.escribir(posicion(indice), registro);
    if (enVentana(indice))
        std::copy(registro.begin(), registro.end(), ventana_.begin() + (indice - primeroVentana_) * longitud_);
}

void RegistrosDBF::anadir(std::string_view registro) {
    if (cuenta() == std::numeric_limits<std::uint32_t>::max())
        throw Error(mensajes::errorDeEscritura(archivo_.mostrada(), "Demasiados registros"));
    modificado_ = true;
    cola_.append(registro);
    if (cola_.size() >= bytesCola) escribirCola();
}

void RegistrosDBF::escribirCola() {
    if (cola_.empty()) return;
    archivo_.escribir(posicion(enArchivo_), cola_);
    enArchivo_ += static_cast<std::uint32_t>(cola_.size() / longitud_);
    cola_.clear();
}

void RegistrosDBF::volcar() {
    escribirCola();
    if (!modificado_) return;
    archivo_.escribir(posicionNumeroRegistros, enteroLE(enArchivo_, 4));
    archivo_.escribir(posicion(enArchivo_), std::string_view(&marcaFinDeArchivo, 1));
    modificado_ = false;
}

}  // namespace ttz::tablas

