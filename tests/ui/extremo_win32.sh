#!/usr/bin/env bash
# The Win32 window hosted end to end, under Wine on a virtual X server: a host program of its
# own (anfitrion_win32.exe) starts the tool in its window on the sample school, from a copy of
# the executable's folder and with an empty data folder (TTEMP). Cases: an export by keyboard
# ends by itself after "Proceso finalizado" and leaves 1 in Tempalix.ini; the same with the tool
# in "Gestión Escolar" and the school in "Año 2026" (with a subfolder "Dirección"); standalone, the focus back on the export
# button after the box, written nothing; WM_CLOSE from the host
# before any transfer leaves 0; the host window destroyed, the tool ends (0 written); an invalid
# handle gives the error box and a standalone window that writes nothing; a handle that names
# no window gives the error box, status 1 and nothing written.
# Usage: extremo_win32.sh <transtempaloszeda.exe> <anfitrion_win32.exe> <sample school folder>
# Exit 77 (skipped) when Wine, the virtual X server or the sample school is missing.
set -u
source "$(dirname "$0")/apoyo_extremo.sh"
source "$(dirname "$0")/../../scripts/lib/wine.sh"
herramienta=$1 anfitrion=$2 escuela=$3

if [ "${4:-}" = --dentro ]; then
  tmp=$5
  ini=$tmp/bin/Tempalix.ini
  fallos=0
  caso() {
    rm -f "$ini"
    (cd "$tmp/escuela" && TTEMP=$(ruta_windows "$tmp/TTEMP") wine "$tmp/bin/anfitrion_win32.exe" \
      "$(ruta_windows "$tmp/bin/transtempaloszeda.exe")" "$1") || { echo "caso $1: falla"; fallos=1; return 1; }
  }
  resultado() {
    if ini_dice "$ini" "$2"; then
      echo "caso $1: Tempalix.ini dice $2"
    else
      echo "caso $1: Tempalix.ini no dice $2: $(od -c "$ini" 2>&1 | head -3)"; fallos=1
    fi
  }
  nada() {
    if [ -e "$ini" ]; then echo "caso $1: se escribio Tempalix.ini"; fallos=1; else echo "caso $1: nada escrito"; fi
  }
  caso exportar && resultado exportar 1
  # Spanish names: Tempalix installed in a folder with an accent, ZEDA's files in one with ñ.
  acentos() {
    local bin="$tmp/Gestión Escolar" escuela="$tmp/Año 2026" datos="$tmp/TTEMP-acentos"
    local ini=$bin/Tempalix.ini  # where resultado looks, for this case
    mkdir -p "$bin" "$escuela/Dirección" "$datos"
    cp "$tmp/bin/transtempaloszeda.exe" "$bin/"
    cp -r "$tmp/escuela"/. "$escuela/"
    (cd "$escuela" && TTEMP=$(ruta_windows "$datos") wine "$tmp/bin/anfitrion_win32.exe" \
      "$(ruta_windows "$bin/transtempaloszeda.exe")" acentos) || { echo "caso acentos: falla"; fallos=1; return; }
    resultado acentos 1
    local tablas
    tablas=$(ls "$datos" | grep -c '\.DBF$')
    if [ "$tablas" -eq 6 ]; then echo "caso acentos: seis tablas"; else echo "caso acentos: $tablas tablas"; fallos=1; fi
  }
  acentos
  caso foco && nada foco
  caso cerrar && resultado cerrar 0
  caso destruir && resultado destruir 0
  caso invalido && nada invalido
  caso sinventana && nada sinventana
  wineserver -k 2>/dev/null
  exit $fallos
fi

requerir "$escuela" wine wineserver xvfb-run
preparar "$herramienta" transtempaloszeda.exe "$escuela"
cp "$anfitrion" "$tmp/bin/anfitrion_win32.exe"
# Wine's desktop keeps the display it was started on: this test starts it on its own server,
# after ending any server left running (./scripts/test-windows keeps one for the other tests;
# this test runs alone). Afterwards the shared server is started again, without a display:
# without it, programs that start after a pause wait seconds for Wine's own processes.
wineserver -k 2>/dev/null
wineserver -w 2>/dev/null
estado=0
en_pantalla_virtual "-dpi 96" bash "$0" "$herramienta" "$anfitrion" "$escuela" --dentro "$tmp" || estado=$?
wineserver -w 2>/dev/null
# Its output is not the test's: ctest would wait for the server to close it.
[ -n "${WINEPREFIX:-}" ] && (unset DISPLAY WAYLAND_DISPLAY && servidor_wine) </dev/null >/dev/null 2>&1
exit $estado
