#!/usr/bin/env bash
# The scripts' Wine prefix follows the Wine installation: one made by another installation (here
# an older Wine without 32-bit Wine) is made again, and a Windows program runs in it; one made by
# this installation is kept as it is.
set -euo pipefail
source "$(dirname "$0")/../../scripts/lib/wine.sh"
tmp=$(mktemp -d)
trap 'WINEPREFIX=$tmp/wine wineserver --kill 2>/dev/null; rm -rf "$tmp"' EXIT
fallos=0
falla() { echo "prefijo: $*"; fallos=1; }

mkdir "$tmp/wine"
echo "wine-7.0 wine32=no" >"$tmp/wine/.instalacion-wine"
touch "$tmp/wine/system.reg" "$tmp/wine/de-la-otra-instalacion"
preparar_wine "$tmp" 2>/dev/null
[ -e "$tmp/wine/de-la-otra-instalacion" ] && falla "el prefijo de otra instalación se quedó como estaba"
[ "$(cat "$tmp/wine/.instalacion-wine")" = "$(instalacion_wine)" ] || falla "el prefijo nuevo no dice su instalación"
estado=0
wine cmd /c exit 7 >/dev/null 2>&1 || estado=$?
[ "$estado" -eq 7 ] || falla "un programa en el prefijo nuevo termina con $estado, no con 7"

touch "$tmp/wine/de-esta-instalacion"
preparar_wine "$tmp"
[ -e "$tmp/wine/de-esta-instalacion" ] || falla "el prefijo de esta instalación se hizo de nuevo"
[ "$fallos" -eq 0 ] && echo "prefijo: hecho de nuevo tras cambiar Wine; conservado si no cambia"
exit $fallos
