#pragma once
// The lines of ZEDA's timetable file ZEDA_HORARIO.TXT, each built with RellenarCampo.
#include <cstddef>
#include <string>
#include <string_view>

#include "base/reloj.h"
#include "import/fuentes_zeda.h"

namespace ttz::importacion {

inline constexpr std::string_view kArchivoHorario = "ZEDA_HORARIO.TXT";

// One lesson of the solved timetable, as its line shows it.
struct Leccion {
    std::string_view codigoTramo;  // CODDIHO of its time slot; empty when none was found
    std::string_view dia;          // day text, in the sessions file's notation
    std::string_view profesor;
    std::string_view grupo;
    std::string_view asignatura;
    std::string_view aula;
};

// Day, month, year, hour and minute: "ddmmyyyyhhmm".
std::string textoFechaHora(const FechaHora& momento);

// In mode "L" the digits 1 to 7 become the weekday initials L M X J V S D; any other text,
// and every text in mode "N", is returned unchanged.
std::string_view diaSegunModo(std::string_view diaSoluc, ModoDia modo);

std::string lineaCabecera(std::string_view codigoCentro, const FechaHora& momento);
std::string lineaLeccion(const Leccion& leccion);
std::string lineaPie(std::string_view codigoCentro, const FechaHora& momento, std::size_t lecciones);

}  // namespace ttz::importacion
