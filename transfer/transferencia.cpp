#include "transfer/transferencia.h"

#include "base/archivos.h"
#include "base/errores.h"
#include "base/texto_ruta.h"
#include "zeda/archivo_zeda.h"

namespace ttz {

std::string componerCarpeta(const std::string& carpetaActual) {
    return carpetaActual + separadorCarpetas();
}

namespace {

void trabajarConCursorOcupado(Entorno& entorno, const ReglasResultado& reglas, const Trabajo& trabajo) {
    CursorOcupado cursor(entorno.interlocutor);
    if (reglas.exito == ReglasResultado::Exito::AlEmpezar) entorno.estado.Transformado = 1;
    try {
        entorno.almacen.exigirCarpeta();
        trabajo(entorno);
    } catch (...) {
        // A run cut short by an error has failed, also for a host that reads the result.
        entorno.estado.Transformado = -1;
        throw;
    }
    cursor.restaurar();
    if (reglas.exito == ReglasResultado::Exito::AlTerminar) entorno.estado.Transformado = 1;
}

FinTransferencia enMarco(const std::string& carpeta, Entorno& entorno, const ReglasResultado& reglas,
                         const Trabajo& trabajo) {
    if (!existeCarpeta(rutaDeTexto(carpeta))) {
        entorno.interlocutor.mostrarMensaje("No existe la carpeta");
        if (entorno.estado.alojado()) entorno.estado.Transformado = reglas.sinCarpetaAlojado;
        return FinTransferencia::SinCarpeta;
    }
    trabajarConCursorOcupado(entorno, reglas, trabajo);
    entorno.interlocutor.mostrarMensaje("Proceso finalizado");
    return FinTransferencia::Finalizada;
}

// The work of a followed run, its messages and what it replaces passing through seguida.
template <class Accion>
auto seguir(EjecucionSeguida& seguida, Entorno& entorno, Accion&& accion) {
    Entorno seguido{entorno.estado, seguida, entorno.almacen, entorno.cotejo, entorno.reloj, nullptr, &seguida};
    try {
        auto resultado = accion(seguido);
        seguida.terminar(entorno.estado.Transformado);
        return resultado;
    } catch (...) {
        seguida.error(textoCajaError(mensajeExcepcionActual()));
        seguida.terminar(entorno.estado.Transformado);
        throw;
    }
}

}  // namespace

FinTransferencia ejecutarTransferencia(const std::string& carpeta, Entorno& entorno, const ReglasResultado& reglas,
                                       const Trabajo& trabajo) {
    if (entorno.seguimiento == nullptr) return enMarco(carpeta, entorno, reglas, trabajo);
    EjecucionSeguida seguida(entorno, reglas.direccion, rutaEnMensaje(rutaDeTexto(carpeta)));
    return seguir(seguida, entorno, [&](Entorno& seguido) { return enMarco(carpeta, seguido, reglas, trabajo); });
}

void ejecutarSeguida(Entorno& entorno, const std::string& direccion, const std::string& carpeta,
                     const std::function<void(EjecucionSeguida&)>& trabajo) {
    EjecucionSeguida seguida(entorno, direccion, carpeta);
    seguir(seguida, entorno, [&](Entorno&) {
        entorno.estado.Transformado = -1;  // what an error that ends the work leaves
        trabajo(seguida);
        entorno.estado.Transformado = 1;
        return true;
    });
}

void escribirArchivoDeLaEjecucion(const Entorno& entorno, const std::filesystem::path& ruta,
                                  const std::vector<std::string>& lineas) {
    const auto existente = resolverMayusculas(ruta);
    if (entorno.testigo != nullptr && existeArchivo(existente)) entorno.testigo->antesDeReemplazar(existente);
    zeda::escribirArchivo(ruta, lineas);
    if (entorno.testigo != nullptr)
        entorno.testigo->archivoEscrito(existeArchivo(existente) ? existente : ruta,
                                      static_cast<std::uint32_t>(lineas.size()));
}

}  // namespace ttz
