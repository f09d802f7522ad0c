#include "tables/almacen_dbase.h"

#include <optional>

#include "base/archivos.h"
#include "base/errores.h"
#include "base/texto.h"
#include "tables/archivo_tabla.h"
#include "tables/cabecera_dbf.h"
#include "tables/mensajes_tabla.h"
#include "tables/tabla_dbase.h"

namespace ttz::tablas {
namespace {

// The table's name in upper case, without the extension when it was given one.
std::string nombreBase(const std::string& nombre) {
    std::string base = mayusculas(nombre);
    if (base.size() > 4 && base.ends_with(".DBF")) base.resize(base.size() - 4);
    return base;
}

}  // namespace

AlmacenDBase::AlmacenDBase(std::filesystem::path carpetaDatos, char separadorDecimal)
    : carpetaDatos_(std::move(carpetaDatos)), separadorDecimal_(separadorDecimal) {}

void AlmacenDBase::exigirCarpeta() const {
    if (!existeCarpeta(carpetaDatos_)) throw Error(mensajes::sinCarpetaDatos(carpetaDatos_));
}

std::filesystem::path AlmacenDBase::rutaTabla(const std::string& nombre) const {
    return resolverMayusculas(carpetaDatos_ / (nombreBase(nombre) + ".DBF"));
}

std::unique_ptr<Tabla> AlmacenDBase::recrear(const std::string& nombre, const std::vector<DefinicionCampo>& campos) {
    const std::filesystem::path destino = rutaTabla(nombre);
    exigirCarpeta();
    Reemplazo reemplazo{std::nullopt, resolverMayusculas(carpetaDatos_ / (nombreBase(nombre) + ".MDX")), testigo_};
    if (existeArchivo(destino)) reemplazo.anterior = ArchivoTabla::abrir(destino, false, Retencion::Compartida);
    ArchivoTabla provisional = ArchivoTabla::crearProvisional(destino);
    const CabeceraDBF cabecera = crearTablaVacia(provisional, campos);
    return std::make_unique<TablaDBase>(std::move(provisional), cabecera, true, separadorDecimal_,
                                        std::move(reemplazo));
}

std::unique_ptr<Tabla> AlmacenDBase::abrir(const std::string& nombre, ModoApertura modo) {
    exigirCarpeta();
    const std::filesystem::path ruta = rutaTabla(nombre);
    const bool escritura = modo == ModoApertura::LecturaEscrituraExclusiva;
    ArchivoTabla archivo =
        ArchivoTabla::abrir(ruta, escritura, escritura ? Retencion::Exclusiva : Retencion::Compartida);
    const CabeceraDBF cabecera = leerCabecera(archivo, ruta);
    return std::make_unique<TablaDBase>(std::move(archivo), cabecera, escritura, separadorDecimal_, std::nullopt);
}

}  // namespace ttz::tablas
