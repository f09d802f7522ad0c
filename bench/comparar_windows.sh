#!/usr/bin/env bash
# The 10x school exported by the Windows batch tool under Wine against the Linux build, in one
# run: the fastest of a few exports of each, wall time with start-up, and the ratio. Also the
# start-up of a Windows program under Wine alone (the tool's --version), which the ratio includes.
# Builds: the programs it needs in build/ (or $TZ_BUILD) and build-windows/ (or $TZ_BUILD_WINDOWS).
# Usage: bench/comparar_windows.sh [RUNS]
set -euo pipefail
raiz=$(cd "$(dirname "$0")/.." && pwd)
source "$raiz/scripts/lib/wine.sh"
vueltas=${1:-5}
linux=$(realpath -m "${TZ_BUILD:-$raiz/build}")
windows=$(realpath -m "${TZ_BUILD_WINDOWS:-$raiz/build-windows}")
"$raiz/scripts/build" transtempaloszeda-lote generar_escuela >/dev/null
"$raiz/scripts/build-windows" transtempaloszeda-lote >/dev/null

unset DISPLAY WAYLAND_DISPLAY
preparar_wine "$windows"
servidor_wine
trap 'wineserver --kill || true; rm -rf "$tmp"' EXIT
tmp=$(mktemp -d)
"$linux/bin/generar_escuela" "$tmp/zeda" 10

# The fastest of the runs of a command, in milliseconds.
menor() {
  local mejor=
  for _ in $(seq "$vueltas"); do
    local inicio fin
    inicio=$(date +%s%N)
    "$@" >/dev/null
    fin=$(date +%s%N)
    local ms=$(((fin - inicio) / 1000000))
    if [ -z "$mejor" ] || [ "$ms" -lt "$mejor" ]; then mejor=$ms; fi
  done
  echo "$mejor"
}
mkdir -p "$tmp/datos-linux" "$tmp/datos-windows"
l=$(menor "$linux/bin/transtempaloszeda-lote" exportar --carpeta "$tmp/zeda" --datos "$tmp/datos-linux")
w=$(menor wine "$windows/bin/transtempaloszeda-lote.exe" exportar --carpeta "$tmp/zeda" --datos "$tmp/datos-windows")
a=$(menor wine "$windows/bin/transtempaloszeda-lote.exe" --version)
echo "escuela 10x, exportar, lo mejor de $vueltas:"
echo "  Linux            $l ms"
echo "  Windows (Wine)   $w ms (arranque de Wine solo: $a ms)"
awk -v l="$l" -v w="$w" -v a="$a" 'BEGIN {
  printf "  raz\xc3\xb3n Windows/Linux %.2f; sin el arranque %.2f\n", w / l, (w - a) / l }'
