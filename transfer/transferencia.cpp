#include "transfer/transferencia.h"

#include "base/archivos.h"
#include "base/texto_ruta.h"

namespace ttz {

std::string componerCarpeta(const std::string& carpetaActual) {
    return carpetaActual + separadorCarpetas();
}

namespace {

void trabajarConCursorOcupado(Entorno& entorno, const ReglasResultado& reglas, const std::function<void()>& trabajo) {
    CursorOcupado cursor(entorno.interlocutor);
    if (reglas.exito == ReglasResultado::Exito::AlEmpezar) entorno.estado.Transformado = 1;
    try {
        entorno.almacen.exigirCarpeta();
        trabajo();
    } catch (...) {
        // A run cut short by an error has failed, also for a host that reads the result.
        entorno.estado.Transformado = -1;
        throw;
    }
    cursor.restaurar();
    if (reglas.exito == ReglasResultado::Exito::AlTerminar) entorno.estado.Transformado = 1;
}

}  // namespace

FinTransferencia ejecutarTransferencia(const std::string& carpeta, Entorno& entorno, const ReglasResultado& reglas,
                                       const std::function<void()>& trabajo) {
    if (!existeCarpeta(rutaDeTexto(carpeta))) {
        entorno.interlocutor.mostrarMensaje("No existe la carpeta");
        if (entorno.estado.alojado()) entorno.estado.Transformado = reglas.sinCarpetaAlojado;
        return FinTransferencia::SinCarpeta;
    }
    trabajarConCursorOcupado(entorno, reglas, trabajo);
    entorno.interlocutor.mostrarMensaje("Proceso finalizado");
    return FinTransferencia::Finalizada;
}

}  // namespace ttz
