#!/usr/bin/env bash
# Checks a release folder made by scripts/release: SHA256SUMS; the zip's six names with the
# guide in CR LF naming its version; both Windows programs 32-bit, importing only Windows' own DLLs, with an icon
# group, a manifest without an execution level and a version resource of the project's
# version; the Debian package's files (the guide among them, which both manual pages name),
# its computed Depends, its batch tool's --version, and
# lintian and desktop-file-validate with nothing to say.
# Usage: comprobar_entrega.sh DIST
set -euo pipefail
raiz=$(cd "$(dirname "$0")/../.." && pwd)
dist=$(realpath "$1")
version=$(sed -n 's/^project(transtempaloszeda VERSION \([0-9.]*\) .*/\1/p' "$raiz/CMakeLists.txt")
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fallos=0
falla() { echo "entrega: $*"; fallos=1; }

(cd "$dist" && sha256sum --quiet -c SHA256SUMS) || falla "SHA256SUMS no cuadra con los archivos"

zip=$dist/transtempaloszeda-$version-windows-x86.zip
esperados="AVISOS-TERCEROS.txt CAMBIOS.txt LEAME.txt LICENCIA.txt transtempaloszeda-lote.exe transtempaloszeda.exe"
[ "$(unzip -Z1 "$zip" | LC_ALL=C sort | tr '\n' ' ')" = "$esperados " ] || falla "el zip no tiene justo: $esperados"
unzip -q "$zip" -d "$tmp/zip"
grep -qv $'\r$' "$tmp/zip/LEAME.txt" && falla "LEAME.txt tiene líneas sin CR LF"
grep -q "versión $version de transTempalosZeda" "$tmp/zip/LEAME.txt" || falla "LEAME.txt no dice su versión, $version"

for exe in "$tmp/zip"/*.exe; do
  nombre=$(basename "$exe")
  x86_64-w64-mingw32-objdump -f "$exe" | grep -q 'file format pei-i386' || falla "$nombre no es de 32 bits (pei-i386)"
  recursos=$(wrestool -l "$exe")
  for recurso in 'type=group_icon' 'type=version' '--type=24 '; do
    grep -qe "$recurso" <<<"$recursos" || falla "$nombre no lleva el recurso $recurso"
  done
  # The manifest's comment says why it has no execution level: comments are left out.
  wrestool -x --raw --type=24 "$exe" | perl -0pe 's/<!--.*?-->//gs' | grep -qE 'requestedExecutionLevel|trustInfo' &&
    falla "$nombre pide un nivel de ejecución en su manifiesto"
  # The version resource's texts are UTF-16: each key, then its value.
  textos=$(wrestool -x --raw --type=16 "$exe" | iconv -c -f UTF-16LE -t UTF-8 | tr -s '\0' '\n')
  for clave in FileVersion ProductVersion; do
    [ "$(grep -a -A1 "$clave\$" <<<"$textos" | sed -n 2p)" = "$version" ] || falla "$nombre: $clave no es $version"
  done
done
bash "$raiz/tests/cli/dll_del_sistema.sh" x86_64-w64-mingw32-objdump "$tmp/zip"/*.exe || fallos=1

deb=$dist/transtempaloszeda_${version}_amd64.deb
contenido=$(dpkg-deb -c "$deb" | awk '{print $NF}')
for ruta in bin/transtempaloszeda bin/transtempaloszeda-lote share/applications/transtempaloszeda.desktop \
            share/icons/hicolor/scalable/apps/transtempaloszeda.svg share/man/man1/transtempaloszeda-lote.1.gz \
            share/man/man1/transtempaloszeda.1.gz \
            share/doc/transtempaloszeda/copyright share/doc/transtempaloszeda/changelog.gz \
            share/doc/transtempaloszeda/guia-tecnico.md.gz; do
  grep -qx "./usr/$ruta" <<<"$contenido" || falla "falta /usr/$ruta en el paquete"
done
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6 (>= ' || falla "Depends no se calculó de las bibliotecas"
dpkg-deb -f "$deb" Depends | grep -qw qt6-translations-l10n || falla "el paquete no depende de qt6-translations-l10n"
[ "$(dpkg-deb -f "$deb" Recommends)" = fonts-liberation ] || falla "el paquete no recomienda fonts-liberation"
dpkg-deb -x "$deb" "$tmp/deb"
# lintian: no error and no warning (the override for the placeholder address aside).
informe=$(lintian --fail-on error,warning "$deb" 2>&1) || falla "lintian: $informe"
informe=$(desktop-file-validate "$tmp/deb/usr/share/applications/transtempaloszeda.desktop" 2>&1)
[ -z "$informe" ] || falla "desktop-file-validate: $informe"
cmp -s <(zcat "$tmp/deb/usr/share/doc/transtempaloszeda/guia-tecnico.md.gz") "$raiz/docs/guia-tecnico.md" ||
  falla "la guía del paquete no es docs/guia-tecnico.md"
for pagina in "$tmp"/deb/usr/share/man/man1/*.1.gz; do
  [[ "$(zcat "$pagina" | sed 's/\\-/-/g')" == */usr/share/doc/transtempaloszeda/guia-tecnico.md.gz* ]] ||
    falla "$(basename "$pagina") no da la ruta de la guía"
done
[ "$("$tmp/deb/usr/bin/transtempaloszeda-lote" --version)" = "transtempaloszeda-lote $version" ] ||
  falla "el transtempaloszeda-lote del paquete no da su versión"

[ "$fallos" -eq 0 ] && echo "Entrega $version: sumas, zip, ejecutables de 32 bits con sus recursos y paquete de Debian en orden"
exit $fallos
