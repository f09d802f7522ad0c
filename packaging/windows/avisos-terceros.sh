#!/usr/bin/env bash
# Writes to standard output the notices of what MinGW-w64 links statically into the Windows
# executables: its C runtime and winpthreads, and GCC's libstdc++ and libgcc under the GCC
# Runtime Library Exception. The texts come from the installed Debian packages' copyright files.
# Usage: avisos-terceros.sh TRIPLET (i686-w64-mingw32)
set -euo pipefail
tripleta=$1
mingw=mingw-w64-${tripleta%%-*}-dev
gcc=g++-mingw-w64-${tripleta%%-*}-posix
version() { dpkg-query -W -f='${Version}' "$1"; }
# The lines from the one that starts with $2 up to, not including, the one that starts with $3.
tramo() {
  local texto
  texto=$(awk -v desde="$2" -v hasta="$3" 'index($0, desde) == 1 {dentro = 1} index($0, hasta) == 1 {dentro = 0} dentro' "$1")
  [ -n "$texto" ] || { echo "avisos-terceros: no \"$2\" in $1" >&2; exit 1; }
  printf '%s\n' "$texto"
}
copyright_gcc=/usr/share/doc/$gcc/copyright

cat <<TEXTO
Avisos de terceros
==================

transtempaloszeda.exe y transtempaloszeda-lote.exe llevan dentro, enlazadas de forma
estática, partes de estas bibliotecas, con las licencias que siguen (en su idioma original):

- el entorno de ejecución de MinGW-w64 (mingw-w64-crt) y winpthreads, del paquete de Debian
  $mingw $(version "$mingw");
- libstdc++ y libgcc de GCC, bajo la GPL versión 3 con la excepción de bibliotecas de
  ejecución de GCC 3.1 (GCC Runtime Library Exception), del paquete de Debian
  $gcc $(version "$gcc").


MinGW-w64: entorno de ejecución y winpthreads
=============================================

TEXTO
cat "/usr/share/doc/$mingw/copyright"
cat <<'TEXTO'


GCC: libstdc++ y libgcc
=======================

TEXTO
tramo "$copyright_gcc" "COPYRIGHT STATEMENTS AND LICENSING TERMS" "The libbacktrace library"
tramo "$copyright_gcc" "GCC RUNTIME LIBRARY EXCEPTION" "libquadmath/"
echo "La Licencia Pública General de GNU (GNU General Public License), versión 3: https://www.gnu.org/licenses/gpl-3.0.html"
