// transtempaloszeda-lote: the export and the import without a window.
#include <iostream>
#include <string>
#include <vector>

#include "base/archivos.h"
#include "base/cotejo.h"
#include "base/errores.h"
#include "transfer/estado.h"
#include "base/reloj.h"
#include "base/sistema.h"
#include "cli/consola.h"
#include "cli/orden.h"
#include "export/exportacion.h"
#include "import/importacion.h"
#include "tables/almacen_dbase.h"
#include "base/texto_ruta.h"
#include "transfer/restauracion.h"

namespace {

using namespace ttz;

constexpr int kFinalizado = 0;
constexpr int kFallido = 1;
constexpr int kError = 2;
constexpr int kUsoIncorrecto = 64;

int listarCopias(const std::filesystem::path& datos) {
    const auto lineas = lineasDeCopias(datos);
    if (lineas.empty())
        std::cout << lote::textoConsola("No hay copias en \"" + rutaEnMensaje(datos / kCarpetaCopias) + "\"") << '\n';
    for (const auto& linea : lineas) std::cout << lote::textoConsola(linea) << '\n';
    return kFinalizado;
}

int ejecutar(const lote::Orden& orden, Seguimiento& seguimiento) {
    Estado estado;
    lote::InterlocutorConsola interlocutor(std::cout);
    tablas::AlmacenDBase almacen(orden.datos.value_or(carpetaDatosPredeterminada()), separadorDecimalDelSistema());
    const Cotejo cotejo;
    const RelojLocal reloj;
    Entorno entorno{estado, interlocutor, almacen, cotejo, reloj, &seguimiento};
    if (orden.accion == lote::Accion::Copias) return listarCopias(almacen.carpeta());
    if (orden.accion == lote::Accion::Restaurar) return ejecutarRestauracion(orden.copia, entorno), kFinalizado;
    const std::string carpeta = lote::carpetaDeTrabajo(orden.carpeta);
    const auto fin = orden.accion == lote::Accion::Exportar ? exportacion::ejecutarExportacion(carpeta, entorno)
                                                             : importacion::ejecutarImportacion(carpeta, entorno);
    return fin == FinTransferencia::Finalizada && estado.Transformado == 1 ? kFinalizado : kFallido;
}

}  // namespace

int main(int argc, char** argv) {
    lote::prepararConsola();
    lote::Orden orden;
    try {
        orden = lote::leerOrden(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const lote::ErrorUso& error) {
        std::cerr << lote::textoConsola(error.what()) << '\n' << lote::textoConsola(lote::kUso);
        return kUsoIncorrecto;
    }
    if (orden.accion == lote::Accion::Ayuda) {
        std::cout << lote::textoConsola(lote::kUso);
        return kFinalizado;
    }
    if (orden.accion == lote::Accion::Version) {
        std::cout << "transtempaloszeda-lote " TTZ_VERSION "\n";
        return kFinalizado;
    }
    Seguimiento seguimiento{"transtempaloszeda-lote " TTZ_VERSION, "por lotes"};
    int estado = kError;
    try {
        estado = ejecutar(orden, seguimiento);
    } catch (...) {
        std::cerr << lote::textoConsola(textoCajaError(mensajeExcepcionActual())) << '\n';
    }
    for (const auto& linea : seguimiento.resumen) std::cout << lote::textoConsola(linea) << '\n';
    if (seguimiento.falloRegistro) std::cerr << lote::textoConsola(*seguimiento.falloRegistro) << '\n';
    return estado;
}
