#!/usr/bin/env bash
# The sample school through both builds: the Linux batch tool and the Windows one under Wine (in
# the Wine prefix the caller set up) export it and import its solved timetable; the same lines,
# exit statuses, six tables and timetable file, byte for byte. Left aside: the date of each
# table's last change (header bytes 1-3) and the clock fields of the timetable's first and last
# lines. On a difference it prints both sides: the first differing lines of text, or the first
# differing bytes of a table. Usage: igual_que_linux.sh LINUX_BIN WINDOWS_BIN SAMPLE_FOLDER
set -euo pipefail
linux=$1 windows=$2 escuela=$3
source "$(dirname "$0")/../../scripts/lib/wine.sh"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fallos=0
comparar() {  # what, linux file, windows file
  cmp -s "$2" "$3" && return
  echo "distinto: $1"
  if grep -qI . "$2" "$3"; then
    diff --label Linux --label Windows -u "$2" "$3" | head -n 20
  else
    echo "  byte (desde 1), Linux y Windows en octal:"
    cmp -l "$2" "$3" 2>&1 | head -n 10 | sed 's/^/  /'
  fi
  fallos=1
}
sinFecha() { python3 -c 'import sys; b=bytearray(open(sys.argv[1],"rb").read()); b[1:4]=b"\0\0\0"; sys.stdout.buffer.write(b)' "$1"; }
sinReloj() { sed -E '1s/^(.{59}).{12}/\1RELOJ/; $s/^(.{59}).{12}/\1RELOJ/' "$1"; }

for sistema in linux windows; do
  mkdir -p "$tmp/$sistema/zeda" "$tmp/$sistema/datos"
  cp "$escuela"/*.txt "$tmp/$sistema/zeda/"
done
# Run: system, order; its output and exit status in files beside the data folder.
ejecutar() {
  local sistema=$1 orden=$2 estado=0
  local carpetas=(--carpeta "$tmp/$sistema/zeda" --datos "$tmp/$sistema/datos")
  if [ "$sistema" = linux ]; then
    "$linux/transtempaloszeda-lote" "$orden" "${carpetas[@]}" >"$tmp/$sistema/$orden.out" 2>&1 || estado=$?
  else
    # A status other than the tool's own is Wine crashing the program in its own start-up,
    # before the tool's code runs: once more, as ctest does. A second crash stays a difference.
    for intento in 1 2; do
      estado=0
      wine "$windows/transtempaloszeda-lote.exe" "$orden" "${carpetas[@]}" >"$tmp/$sistema/$orden.out" 2>&1 || estado=$?
      case $estado in 0 | 1 | 2 | 64) break ;; esac
      echo "Windows, intento $intento: $orden terminó con el estado $estado"
    done
  fi
  # The paths that the closing lines name are each system's own: their last name is compared.
  sed -E -i 's#"[^"]*[\\/]([^\\/"]+)"#"\1"#g' "$tmp/$sistema/$orden.out"
  echo "$estado" >>"$tmp/$sistema/$orden.out"
}
for sistema in linux windows; do ejecutar "$sistema" exportar; done
comparar "salida y estado de exportar" "$tmp"/{linux,windows}/exportar.out
for tabla in ASIGNOMT PROFT AULAT GRUPOST ASIGT DIASHORAST; do
  for sistema in linux windows; do sinFecha "$tmp/$sistema/datos/$tabla.DBF" >"$tmp/$sistema/$tabla"; done
  comparar "$tabla.DBF" "$tmp"/{linux,windows}/"$tabla"
done
# Both import the same solved timetable, made once from the Linux export's tables.
"$linux/generar_soluc" --datos "$tmp/linux/datos" >/dev/null
cp "$tmp/linux/datos/SOLUC.DBF" "$tmp/windows/datos/"
for sistema in linux windows; do
  ejecutar "$sistema" importar
  sinReloj "$tmp/$sistema/zeda/ZEDA_HORARIO.TXT" >"$tmp/$sistema/horario"
done
comparar "salida y estado de importar" "$tmp"/{linux,windows}/importar.out
comparar "ZEDA_HORARIO.TXT" "$tmp"/{linux,windows}/horario
if [ "$fallos" -eq 0 ]; then
  echo "Linux y Windows: mismas salidas, seis tablas y horario de la escuela de ejemplo"
fi
exit $fallos
