#!/usr/bin/env bash
# The sample school's solved timetable saved by another dBase writer (Debian's python3-dbf) as
# Clipper, FoxPro 2 and Visual FoxPro tables gives the same timetable file as the dBase III one,
# the clock fields of its first and last lines aside. Status 77 (skipped) without python3-dbf.
# Usage: soluc_de_otros_escritores.sh BATCH_TOOL GENERAR_SOLUC SAMPLE_FOLDER [EMULATOR]
set -euo pipefail
lote=$1 generar=$2 escuela=$3 emulador=${4:-}
/usr/bin/python3 -c 'import dbf' 2>/dev/null || { echo "python3-dbf no instalado"; exit 77; }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$tmp/zeda" "$tmp/datos"
cp "$escuela"/*.txt "$tmp/zeda/"
ejecutar() { $emulador "$@" >"$tmp/salida" 2>&1 || { cat "$tmp/salida"; exit 1; }; }
importar() {
  ejecutar "$lote" importar --carpeta "$tmp/zeda" --datos "$tmp/datos"
  sed -E '1s/^(.{59}).{12}/\1RELOJ/; $s/^(.{59}).{12}/\1RELOJ/' "$tmp/zeda/ZEDA_HORARIO.TXT" >"$tmp/$1"
}
ejecutar "$lote" exportar --carpeta "$tmp/zeda" --datos "$tmp/datos"
ejecutar "$generar" --datos "$tmp/datos"
importar dbase3
cp "$tmp/datos/SOLUC.DBF" "$tmp/soluc-dbase3.dbf"

# FORMAT CODE_PAGE: SOLUC rewritten; in Visual FoxPro its numbers are binary integers; in FoxPro 2
# it has a memo field too (python3-dbf writes no FoxPro 2 table without memo that it can open).
reescribir() {
  /usr/bin/python3 - "$tmp/soluc-dbase3.dbf" "$tmp/datos/SOLUC.DBF" "$1" "$2" <<'PY'
import sys, dbf
origen, destino, formato, pagina = sys.argv[1:]
viejo = dbf.Table(origen)
viejo.open(dbf.READ_ONLY)
campos = [campo.split(' ')[0] + ' I' if formato == 'vfp' and ' N(' in campo else campo
          for campo in viejo.structure()]
memo = ['nota M'] if formato == 'fp' else []
nuevo = dbf.Table(destino, '; '.join(campos + memo), dbf_type=formato, codepage=pagina)
nuevo.open(dbf.READ_WRITE)
for registro in viejo:
    nuevo.append(tuple(registro) + ('',) * len(memo))
nuevo.close()
viejo.close()
PY
}
fallos=0
for formato in "clp cp437" "fp cp850" "vfp cp1252"; do
  rm -f "$tmp/datos/SOLUC.DBF" "$tmp/datos/SOLUC.FPT"
  reescribir $formato
  importar "${formato% *}"
  if cmp -s "$tmp/dbase3" "$tmp/${formato% *}"; then
    echo "SOLUC de python3-dbf ($formato): el mismo horario"
  else
    echo "SOLUC de python3-dbf ($formato): otro horario"
    diff "$tmp/dbase3" "$tmp/${formato% *}" | head -5
    fallos=1
  fi
done
exit $fallos
