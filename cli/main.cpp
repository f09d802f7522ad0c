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

namespace {

using namespace ttz;

constexpr int kFinalizado = 0;
constexpr int kFallido = 1;
constexpr int kError = 2;
constexpr int kUsoIncorrecto = 64;

int ejecutar(const lote::Orden& orden) {
    Estado estado;
    lote::InterlocutorConsola interlocutor(std::cout);
    tablas::AlmacenDBase almacen(orden.datos.value_or(carpetaDatosPredeterminada()), separadorDecimalDelSistema());
    const Cotejo cotejo;
    const RelojLocal reloj;
    Entorno entorno{estado, interlocutor, almacen, cotejo, reloj};
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
    try {
        return ejecutar(orden);
    } catch (...) {
        std::cerr << lote::textoConsola(textoCajaError(mensajeExcepcionActual())) << '\n';
        return kError;
    }
}
