#!/usr/bin/env bash
# Hosted mode end to end on a virtual X server: a host program from another process owns a
# window, the tool starts with "exportar <id>" on the sample school, becomes that window's child
# at (2, 2), exports by keyboard, closes itself and leaves 1 in the result file. Then a handle
# that names no window ends the tool with status 1 and writes nothing.
# Usage: extremo_alojado.sh <tool> <host program> <sample school folder>
# Exit 77 (skipped) when the virtual X server, xdotool or the sample school is missing.
set -u

if [ "${1:-}" = --dentro ]; then
  shift
  tmp=$1 anfitrion=$2
  falla() { echo "FALLA: $*" >&2; exit 1; }

  "$anfitrion" >"$tmp/id" &
  anfitrion_pid=$!
  trap 'kill $anfitrion_pid 2>/dev/null' EXIT
  for _ in $(seq 50); do [ -s "$tmp/id" ] && break; sleep 0.1; done
  id=$(cat "$tmp/id")
  [ -n "$id" ] || falla "el anfitrion no dio su ventana"

  (cd "$tmp/escuela" && QT_QPA_PLATFORM=xcb "$tmp/bin/transtempaloszeda" exportar "$id"; echo $? >"$tmp/rc") &

  hija=
  for _ in $(seq 100); do
    hija=$(xwininfo -children -id "0x$id" | awk '$1 ~ /^0x/ {print $1; exit}')
    [ -n "$hija" ] && break
    sleep 0.1
  done
  [ -n "$hija" ] || falla "la ventana de la herramienta no es hija del anfitrion"
  xwininfo -id "$hija" >"$tmp/hija"
  grep -q 'Relative upper-left X: *2$' "$tmp/hija" || falla "x relativa: $(grep 'Relative upper-left X' "$tmp/hija")"
  grep -q 'Relative upper-left Y: *2$' "$tmp/hija" || falla "y relativa: $(grep 'Relative upper-left Y' "$tmp/hija")"

  # Enter on the focused BExportar starts the export; each message box is then answered with Enter.
  sleep 0.3
  xdotool windowfocus --sync "$hija" key Return
  for _ in $(seq 150); do
    [ -s "$tmp/rc" ] && break
    caja=$(xdotool search --onlyvisible --name '^transTempalosZeda$' 2>/dev/null | head -1)
    [ -n "$caja" ] && xdotool windowfocus --sync "$caja" key Return 2>/dev/null
    sleep 0.2
  done
  [ -s "$tmp/rc" ] || falla "la ventana no se cerro sola"
  [ "$(cat "$tmp/rc")" = 0 ] || falla "estado de salida $(cat "$tmp/rc")"
  printf '[Transformadores]\r\nTransformado=1\r\n' | cmp -s - "$tmp/bin/Tempalix.ini" \
    || falla "Tempalix.ini: $(od -c "$tmp/bin/Tempalix.ini" 2>&1 | head -3)"
  echo "alojada en 0x$id como $hija en (2, 2); Tempalix.ini dice 1"

  # A handle that names no window: a message on standard error, status 1, nothing written.
  rm "$tmp/bin/Tempalix.ini"
  estado=0
  QT_QPA_PLATFORM=xcb "$tmp/bin/transtempaloszeda" exportar 7FFFFFF0 2>"$tmp/error" || estado=$?
  [ "$estado" = 1 ] || falla "sin ventana anfitriona: estado $estado"
  grep -q 'anfitriona 7FFFFFF0 no existe' "$tmp/error" || falla "sin ventana anfitriona: $(cat "$tmp/error")"
  [ ! -e "$tmp/bin/Tempalix.ini" ] || falla "sin ventana anfitriona se escribio Tempalix.ini"
  echo "sin ventana anfitriona: estado 1, nada escrito"
  exit 0
fi

herramienta=$1 anfitrion=$2 escuela=$3
for programa in xvfb-run xdotool xwininfo; do
  command -v "$programa" >/dev/null || { echo "sin $programa: prueba omitida"; exit 77; }
done
[ -f "$escuela/zeda_asignat.txt" ] || { echo "sin escuela de ejemplo: prueba omitida"; exit 77; }

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$tmp/bin" "$tmp/escuela" "$tmp/TTEMP"
cp "$herramienta" "$tmp/bin/transtempaloszeda"
cp -r "$escuela"/. "$tmp/escuela/"
export TTEMP="$tmp/TTEMP"
xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" --dentro "$tmp" "$anfitrion"
