#include "transfer/seguimiento.h"

#include "base/texto.h"
#include "base/texto_ruta.h"
#include "transfer/transferencia.h"

namespace ttz {

namespace fs = std::filesystem;

namespace {

std::string horaDelRegistro(const FechaHora& m) {
    std::string fecha = textoFecha(m);
    fecha[13] = ':';
    fecha[16] = ':';
    return fecha;
}

bool esTabla(const fs::path& archivo) { return igualesSinMayusculas(textoDeRuta(archivo.extension()), ".DBF"); }

}  // namespace

EjecucionSeguida::EjecucionSeguida(Entorno& entorno, const std::string& direccion, const std::string& carpeta)
    : entorno_(entorno),
      seguimiento_(*entorno.seguimiento),
      registro_(entorno.almacen.carpeta()),
      copia_(entorno.almacen.carpeta(), {textoFecha(entorno.reloj.ahora()), direccion, carpeta, "", {}}) {
    seguimiento_.resumen.clear();
    seguimiento_.falloRegistro.reset();
    registro_.anotar(horaDelRegistro(entorno.reloj.ahora()) + " Inicio: " + seguimiento_.programa + ", " +
                     seguimiento_.modo + ", " + direccion + ", carpeta de trabajo \"" + carpeta + "\"");
    entorno_.almacen.vigilar(this);
}

EjecucionSeguida::~EjecucionSeguida() { entorno_.almacen.vigilar(nullptr); }

void EjecucionSeguida::antesDeReemplazar(const fs::path& archivo) { copia_.conservar(archivo); }

void EjecucionSeguida::archivoEscrito(const fs::path& archivo, std::uint32_t elementos) {
    anotarResumen("Escrito \"" + rutaEnMensaje(archivo) + "\": " + std::to_string(elementos) +
                  (esTabla(archivo) ? " registros" : " l\xEDneas"));
}

void EjecucionSeguida::mostrarMensaje(const std::string& texto) {
    registro_.anotar("  Mensaje: " + texto);
    entorno_.interlocutor.mostrarMensaje(texto);
}

void EjecucionSeguida::ponerCursorOcupado() { entorno_.interlocutor.ponerCursorOcupado(); }
void EjecucionSeguida::ponerCursorNormal() { entorno_.interlocutor.ponerCursorNormal(); }

void EjecucionSeguida::error(const std::string& texto) { registro_.anotar("  Error: " + texto); }

void EjecucionSeguida::terminar(std::int32_t transformado) {
    const std::string resultado = "Transformado=" + std::to_string(transformado);
    copia_.terminar(resultado);
    if (copia_.carpeta()) anotarResumen("Copia de lo reemplazado: \"" + rutaEnMensaje(*copia_.carpeta()) + "\"");
    registro_.anotar(horaDelRegistro(entorno_.reloj.ahora()) + " Fin: " + resultado);
    recortarCopias(entorno_.almacen.carpeta());
    seguimiento_.falloRegistro = registro_.fallo();
}

void EjecucionSeguida::anotarResumen(const std::string& linea) {
    registro_.anotar("  " + linea);
    seguimiento_.resumen.push_back(linea);
}

}  // namespace ttz
