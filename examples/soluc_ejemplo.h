#pragma once
// A solved timetable for the sample school, as Tempalix would leave it: SOLUC built from the
// exported ASIGT, PROFT, AULAT and DIASHORAST with a fixed, repeatable placement.
#include <cstddef>

#include "tables/tabla.h"

namespace ttz::ejemplos {

// Every assignment of ASIGT gets as many lessons as its weekly hours (rounded up, at least one).
// A group's lessons take the week's slots in turn, first hour of every day before the second;
// teachers and rooms are handed out in turn, skipping those already busy in that slot. SOLUC's
// DIA is the day number 1-7 (a slot whose day is a weekday initial L M X J V S D gets its
// number). Returns the number of lessons written.
std::size_t generarSoluc(tablas::AlmacenTablas& almacen);

}  // namespace ttz::ejemplos
