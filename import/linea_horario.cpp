#include "import/linea_horario.h"

#include <cstdio>

#include "zeda/linea_zeda.h"

namespace ttz::importacion {
namespace {

// Header and trailer share everything up to the date and time.
std::string inicioCabeceraOPie(char clase, std::string_view codigoCentro, const FechaHora& momento) {
    std::string linea;
    zeda::RellenarCampo(linea, std::string_view(&clase, 1), 1);
    zeda::RellenarCampo(linea, kArchivoHorario, 50);
    zeda::RellenarCampo(linea, codigoCentro, 8);
    // Twelve characters in a field of eight: no blanks follow them.
    zeda::RellenarCampo(linea, textoFechaHora(momento), 8);
    return linea;
}

}  // namespace

std::string textoFechaHora(const FechaHora& momento) {
    char texto[32];
    const int escritos = std::snprintf(texto, sizeof texto, "%02d%02d%04d%02d%02d", momento.dia, momento.mes,
                                       momento.anio, momento.hora, momento.minuto);
    return std::string(texto, static_cast<std::size_t>(escritos));
}

std::string_view diaSegunModo(std::string_view diaSoluc, ModoDia modo) {
    static constexpr std::string_view kIniciales = "LMXJVSD";
    if (modo != ModoDia::L || diaSoluc.size() != 1 || diaSoluc[0] < '1' || diaSoluc[0] > '7') return diaSoluc;
    return kIniciales.substr(static_cast<std::size_t>(diaSoluc[0] - '1'), 1);
}

std::string lineaCabecera(std::string_view codigoCentro, const FechaHora& momento) {
    return inicioCabeceraOPie('0', codigoCentro, momento);
}

std::string lineaLeccion(const Leccion& leccion) {
    std::string linea;
    zeda::RellenarCampo(linea, "1", 1);
    zeda::RellenarCampo(linea, leccion.codigoTramo, 4);
    zeda::RellenarCampo(linea, leccion.dia, 1);
    zeda::RellenarCampo(linea, leccion.profesor, 4);
    zeda::RellenarCampo(linea, leccion.grupo, 4);
    zeda::RellenarCampo(linea, "LEC", 4);
    zeda::RellenarCampo(linea, leccion.asignatura, 4);
    zeda::RellenarCampo(linea, leccion.aula, 4);
    return linea;
}

std::string lineaPie(std::string_view codigoCentro, const FechaHora& momento, std::size_t lecciones) {
    return inicioCabeceraOPie('9', codigoCentro, momento) + std::to_string(lecciones);
}

}  // namespace ttz::importacion
