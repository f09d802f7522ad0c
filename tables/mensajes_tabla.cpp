#include "tables/mensajes_tabla.h"

#include "base/texto.h"
#include "base/texto_ruta.h"

namespace ttz::tablas::mensajes {
namespace {

std::string entreComillas(const std::filesystem::path& ruta) {
    std::string texto(1, '"');
    texto += rutaEnMensaje(ruta);
    texto += '"';
    return texto;
}

std::string deTipo(const std::filesystem::path& ruta, std::string_view campo, const std::string& tipo) {
    return "El campo '" + textoVisible(campo) + "' de la tabla " + entreComillas(ruta) + " es de tipo " + tipo;
}

}  // namespace

std::string abiertaEnOtroPrograma(const std::filesystem::path& ruta) {
    return "La tabla " + entreComillas(ruta) + " est\xE1 abierta en otro programa";
}

std::string inexistente(const std::filesystem::path& ruta) { return "No existe la tabla " + entreComillas(ruta); }

std::string sinCarpetaDatos(const std::filesystem::path& carpeta) {
    return "No existe la carpeta de datos de Tempalix " + entreComillas(carpeta);
}

std::string danada(const std::filesystem::path& ruta) {
    return "La tabla " + entreComillas(ruta) + " est\xE1 da\xF1" "ada";
}

std::string soloLectura(const std::filesystem::path& ruta) {
    return "Error interno: la tabla " + entreComillas(ruta) + " est\xE1 abierta solo para lectura";
}

std::string sinEdicion(const std::filesystem::path& ruta) {
    return "Error interno: la tabla " + entreComillas(ruta) + " no est\xE1 en edici\xF3n";
}

std::string sinRegistroActual(const std::filesystem::path& ruta) {
    return "Error interno: la tabla " + entreComillas(ruta) + " no tiene registro actual";
}

std::string cerrada(const std::filesystem::path& ruta) {
    return "Error interno: la tabla " + entreComillas(ruta) + " est\xE1 cerrada";
}

std::string deLaTabla(const std::string& mensaje, const std::filesystem::path& ruta) {
    return mensaje + " de la tabla " + entreComillas(ruta);
}

std::string soloLegible(const std::filesystem::path& ruta) {
    return "La tabla " + entreComillas(ruta) +
           " est\xE1 en un formato de dBase que este programa solo lee, y no la cambia. "
           "Para cambiarla aqu\xED, gu\xE1rdela antes como dBase III";
}

std::string noEsNumero(const std::filesystem::path& ruta, std::string_view campo, const std::string& tipo) {
    return deTipo(ruta, campo, tipo) +
           " y no se puede leer como n\xFAmero. Guarde la tabla con ese campo num\xE9rico o de texto";
}

std::string noEsTexto(const std::filesystem::path& ruta, std::string_view campo, const std::string& tipo) {
    return deTipo(ruta, campo, tipo) + " y no se puede leer como texto. Guarde la tabla con ese campo de texto";
}

std::string sinEquivalente(const std::filesystem::path& ruta, std::string_view campo, std::uint32_t registro) {
    return "El campo '" + textoVisible(campo) + "' del registro " + std::to_string(registro) + " de la tabla " +
           entreComillas(ruta) + " tiene un car\xE1" "cter de MS-DOS que ZEDA no puede recibir, como los que "
           "dibujan recuadros. Cambie ese car\xE1" "cter en la tabla y vuelva a intentarlo";
}

std::string conRazon(std::string_view que, const std::filesystem::path& ruta, const std::string& razon) {
    std::string texto = std::string(que) + " " + entreComillas(ruta);
    if (!razon.empty()) texto += ". " + razon;
    return texto;
}

std::string noSePuedeAbrir(const std::filesystem::path& ruta, const std::string& razon) {
    return conRazon("No se puede abrir la tabla", ruta, razon);
}

std::string noSePuedeCrear(const std::filesystem::path& ruta, const std::string& razon) {
    return conRazon("No se puede crear la tabla", ruta, razon);
}

std::string errorDeLectura(const std::filesystem::path& ruta, const std::string& razon) {
    return conRazon("Error al leer la tabla", ruta, razon);
}

std::string errorDeEscritura(const std::filesystem::path& ruta, const std::string& razon) {
    return conRazon("Error al escribir la tabla", ruta, razon);
}

}  // namespace ttz::tablas::mensajes
