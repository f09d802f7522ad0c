#!/usr/bin/env bash
# The sample school's solved timetable saved by another dBase writer (Debian's python3-dbf) as
# Clipper, FoxPro 2 and Visual FoxPro tables, the last also with its teacher and room codes as
# variable text, gives the same timetable file as the dBase III one,
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

# FORMAT CODE_PAGE [FIELD...]: SOLUC rewritten; in Visual FoxPro its numbers are binary integers and
# the fields named variable text ('V'); in FoxPro 2 it has a memo field too (python3-dbf writes no
# FoxPro 2 table without memo that it can open).
reescribir() {
  /usr/bin/python3 - "$tmp/soluc-dbase3.dbf" "$tmp/datos/SOLUC.DBF" "$@" <<'PY'
import sys, struct, dbf
origen, destino, formato, pagina, *variables = sys.argv[1:]

# python3-dbf writes no 'V' and no null flags: the fields named become variable text, and a null
# flags field after the others has bit i set where the i-th of them is shorter than its field, the
# length then in the field's last byte.
def variable(ruta):
    b = open(ruta, 'rb').read()
    registros, cabecera, largo = struct.unpack('<IHH', b[4:12])
    fin = cabecera - 264  # the descriptors' end mark
    descriptores = [bytearray(b[d:d + 32]) for d in range(32, fin, 32)]
    nulos = b'_NullFlags\0' + b'0' + struct.pack('<IBBB', largo, 1, 0, 5) + bytes(13)
    datos = [bytearray(b[r:r + largo]) + b'\0' for r in range(cabecera, cabecera + registros * largo, largo)]
    desplazamiento, bit = 1, 0
    for d in descriptores:
        ancho = d[16]
        if d[:11].rstrip(b'\0').decode() in variables:
            d[11] = ord('V')
            for r in datos:
                valor = r[desplazamiento:desplazamiento + ancho].rstrip(b' ')
                if len(valor) < ancho:
                    r[desplazamiento + ancho - 1], r[-1] = len(valor), r[-1] | 1 << bit
            bit += 1
        desplazamiento += ancho
    inicio = bytearray(b[:32])
    struct.pack_into('<HH', inicio, 8, cabecera + 32, largo + 1)
    open(ruta, 'wb').write(inicio + b''.join(descriptores) + nulos + b[fin:cabecera] + b''.join(datos) + b'\x1a')

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
if variables:
    variable(destino)
PY
}
fallos=0
for formato in "clp cp437" "fp cp850" "vfp cp1252" "vfp cp1252 PROF AULA"; do
  rm -f "$tmp/datos/SOLUC.DBF" "$tmp/datos/SOLUC.FPT"
  reescribir $formato
  nombre=${formato// /-}
  importar "$nombre"
  if cmp -s "$tmp/dbase3" "$tmp/$nombre"; then
    echo "SOLUC de python3-dbf ($formato): el mismo horario"
  else
    echo "SOLUC de python3-dbf ($formato): otro horario"
    diff "$tmp/dbase3" "$tmp/$nombre" | head -5
    fallos=1
  fi
done
exit $fallos
