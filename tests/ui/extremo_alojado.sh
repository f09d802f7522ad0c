#!/usr/bin/env bash
# Hosted mode end to end on a virtual X server: a host program from another process owns a
# window, the tool starts with "exportar <id>" on the sample school, becomes that window's child
# at (2, 2), exports by keyboard, closes itself and leaves 1 in the result file. Every other way
# out ends the process too: Alt+S before any transfer (0), Alt+S after an import that ended in
# an error (-1), and the host window going away. Then a handle that names no window ends the
# tool with status 1 and writes nothing.
# Usage: extremo_alojado.sh <tool> <host program> <sample school folder>
# Exit 77 (skipped) when the virtual X server, xdotool or the sample school is missing.
set -u
source "$(dirname "$0")/apoyo_extremo.sh"

if [ "${1:-}" = --dentro ]; then
  shift
  tmp=$1 anfitrion=$2
  falla() { echo "FALLA: $*" >&2; exit 1; }
  anfitrion_pid= herramienta_pid=
  trap 'kill $anfitrion_pid $herramienta_pid 2>/dev/null' EXIT

  # alojar DIRECTION: a new host window, the tool started in it on the sample school; sets id
  # (the host's window), hija (the tool's window) and herramienta_pid.
  alojar() {
    rm -f "$tmp/bin/Tempalix.ini" "$tmp/id"
    kill $anfitrion_pid 2>/dev/null
    "$anfitrion" >"$tmp/id" &
    anfitrion_pid=$!
    for _ in $(seq 50); do [ -s "$tmp/id" ] && break; sleep 0.1; done
    id=$(cat "$tmp/id")
    [ -n "$id" ] || falla "el anfitrion no dio su ventana"
    (cd "$tmp/escuela" && exec env QT_QPA_PLATFORM=xcb "$tmp/bin/transtempaloszeda" "$1" "$id") &
    herramienta_pid=$!
    hija=
    for _ in $(seq 100); do
      hija=$(xwininfo -children -id "0x$id" | awk '$1 ~ /^0x/ {print $1; exit}')
      [ -n "$hija" ] && break
      sleep 0.1
    done
    [ -n "$hija" ] || falla "la ventana de la herramienta no es hija del anfitrion"
    sleep 0.3
  }
  # The open message or error box, if any.
  caja() { xdotool search --onlyvisible --name '^transTempalosZeda$' 2>/dev/null | head -1; }
  # terminada TENTHS [answer]: true once the tool has ended with status 0, within TENTHS tenths
  # of a second; with "answer", every message box meanwhile is answered with Enter.
  terminada() {
    for _ in $(seq "$1"); do
      if ! kill -0 "$herramienta_pid" 2>/dev/null; then
        wait "$herramienta_pid"
        local estado=$?
        herramienta_pid=
        [ "$estado" = 0 ] || falla "estado de salida $estado"
        return 0
      fi
      if [ "${2:-}" = answer ]; then
        local abierta
        abierta=$(caja)
        [ -n "$abierta" ] && xdotool windowfocus --sync "$abierta" key Return 2>/dev/null
      fi
      sleep 0.1
    done
    return 1
  }
  resultado() {
    ini_dice "$tmp/bin/Tempalix.ini" "$1" || falla "Tempalix.ini no dice $1: $(od -c "$tmp/bin/Tempalix.ini" 2>&1 | head -3)"
  }

  alojar exportar
  xwininfo -id "$hija" >"$tmp/hija"
  grep -q 'Relative upper-left X: *2$' "$tmp/hija" || falla "x relativa: $(grep 'Relative upper-left X' "$tmp/hija")"
  grep -q 'Relative upper-left Y: *2$' "$tmp/hija" || falla "y relativa: $(grep 'Relative upper-left Y' "$tmp/hija")"
  # Enter on the focused BExportar starts the export; each message box is then answered with Enter.
  xdotool windowfocus --sync "$hija" key Return
  terminada 300 answer || falla "la ventana no se cerro sola"
  resultado 1
  echo "alojada en 0x$id como $hija en (2, 2); se cierra sola tras exportar; Tempalix.ini dice 1"

  alojar importar
  xdotool windowfocus --sync "$hija" key alt+s
  terminada 50 || falla "Alt+S antes de transferir: la herramienta sigue en marcha"
  resultado 0
  echo "Alt+S antes de transferir: termina con 0; Tempalix.ini dice 0"

  # Without SOLUC in the empty data folder the import ends in the error box.
  alojar importar
  xdotool windowfocus --sync "$hija" key Return
  for _ in $(seq 50); do [ -n "$(caja)" ] && break; sleep 0.1; done
  abierta=$(caja)
  [ -n "$abierta" ] || falla "la importacion sin SOLUC no mostro la caja de error"
  xdotool windowfocus --sync "$abierta" key Return
  sleep 0.3
  xdotool windowfocus --sync "$hija" key alt+s
  terminada 50 || falla "Alt+S tras un error: la herramienta sigue en marcha"
  resultado -1
  echo "Alt+S tras una importacion fallida: termina con 0; Tempalix.ini dice -1"

  alojar exportar
  kill $anfitrion_pid
  terminada 50 || falla "sin anfitrion: la herramienta sigue en marcha"
  resultado 0
  echo "el anfitrion desaparece: la herramienta termina con 0; Tempalix.ini dice 0"

  # A handle that names no window: a message on standard error, status 1, nothing written.
  rm -f "$tmp/bin/Tempalix.ini"
  estado=0
  QT_QPA_PLATFORM=xcb "$tmp/bin/transtempaloszeda" exportar 7FFFFFF0 2>"$tmp/error" || estado=$?
  [ "$estado" = 1 ] || falla "sin ventana anfitriona: estado $estado"
  grep -q 'ya no existe (identificador 7FFFFFF0)' "$tmp/error" || falla "sin ventana anfitriona: $(cat "$tmp/error")"
  [ ! -e "$tmp/bin/Tempalix.ini" ] || falla "sin ventana anfitriona se escribio Tempalix.ini"
  echo "sin ventana anfitriona: estado 1, nada escrito"
  exit 0
fi

herramienta=$1 anfitrion=$2 escuela=$3
requerir "$escuela" xvfb-run xdotool xwininfo
preparar "$herramienta" transtempaloszeda "$escuela"
export TTEMP="$tmp/TTEMP"
# -noreset: the server would reset, refusing connections, each time its last client leaves.
en_pantalla_virtual -noreset bash "$0" --dentro "$tmp" "$anfitrion"
