# The sample school for the scripts that open the window on it, sourced by them.

# sembrar_escuela DATA BUILD SCHOOL RUN DATA_AS_THE_PROGRAM_NAMES_IT: gives the data folder the
# sample school's tables and its solved timetable SOLUC (an export by the batch tool, then
# generar_soluc), so that both buttons have something to work on. Only while the folder has no
# SOLUC, and only in BUILD/TTEMP or in an empty folder: never over a school's own tables. RUN is
# a command that runs a program of the build given its name (under Wine for a Windows build).
sembrar_escuela() {
  local datos=$1 construccion=$2 escuela=$3 ejecutar=$4 datos_programa=$5
  ls "$datos" | grep -qix 'soluc\.dbf' && return 0
  [ "$(realpath -m "$datos")" = "$construccion/TTEMP" ] || [ -z "$(ls -A "$datos")" ] || return 0
  (cd "$escuela" && "$ejecutar" transtempaloszeda-lote exportar --datos "$datos_programa" >/dev/null)
  "$ejecutar" generar_soluc --datos "$datos_programa"
}
