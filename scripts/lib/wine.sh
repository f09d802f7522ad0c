# The scripts' Wine, sourced by them: a prefix of the build folder's own (never the user's
# ~/.wine), quiet, without the .NET and HTML engines' install dialogs, made again whenever the
# Wine installation changes; each program run by the loader of its own architecture.

# Debian's `wine` command is a wrapper that always starts the 32-bit loader when wine32:i386 is
# installed: slower for 64-bit programs, and unusable on a kernel that cannot run 32-bit
# programs at all. The scripts call the loaders themselves.
WINE64_CARGADOR=/usr/lib/wine/wine64
WINE32_CARGADOR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/wine32

# wine32_funciona: whether 32-bit Windows programs can run here (wine32:i386 installed, and a
# kernel that runs 32-bit programs, or qemu set up to run them).
wine32_funciona() { "$WINE32_CARGADOR" --version >/dev/null 2>&1; }

# version_qemu_en_uso: the version of the qemu that runs 32-bit programs here, nothing where the
# kernel runs them itself or nothing does: under qemu, QEMU_VERSION has qemu say it and end.
version_qemu_en_uso() { QEMU_VERSION=1 "$WINE32_CARGADOR" --version 2>/dev/null | version_de_qemu; }

# version_de_qemu: the version in qemu's version text on standard input, "10.0.3" say.
version_de_qemu() { sed -n '1s/^qemu-i386[^ ]* version \([^ ]*\).*/\1/p'; }

# como_corren_32_bits: "natively", "through qemu-i386 VERSION" or "not at all".
como_corren_32_bits() {
  local version
  version=$(version_qemu_en_uso)
  if [ -n "$version" ]; then
    echo "through qemu-i386 $version"
  elif wine32_funciona; then
    echo natively
  else
    echo "not at all"
  fi
}

# bits_pe FILE: 32 or 64, from the machine field of a Windows executable's PE header.
bits_pe() {
  local cabecera maquina
  cabecera=$(od -An -tu4 -j60 -N4 "$1")
  maquina=$(od -An -tx2 -j$((cabecera + 4)) -N2 "$1")
  if [ "${maquina// /}" = 014c ]; then echo 32; else echo 64; fi
}

# wine PROGRAM [ARGUMENTS]: PROGRAM through the loader of its architecture; Wine's own programs
# (cmd, wineboot, ...) through the 64-bit one.
wine() {
  if [ -f "$1" ] && [ "$(bits_pe "$1")" = 32 ]; then
    "$WINE32_CARGADOR" "$@"
  else
    "$WINE64_CARGADOR" "$@"
  fi
}

# instalacion_wine: what a prefix depends on: the Wine version, and how 32-bit Wine runs.
instalacion_wine() { echo "$("$WINE64_CARGADOR" --version) 32-bit: $(como_corren_32_bits)"; }

# preparar_wine BUILD_FOLDER: exports WINEPREFIX (BUILD_FOLDER/wine) and the quiet settings, and
# makes the prefix when it is new or was made by another Wine installation: a prefix made before
# 32-bit Wine was installed, for one, fails every program afterwards (kernel32.dll, c0000135).
preparar_wine() {
  export WINEPREFIX=$1/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  local instalacion sello=$1/wine/.instalacion-wine
  instalacion=$(instalacion_wine)
  [ -f "$WINEPREFIX/system.reg" ] && [ "$(cat "$sello" 2>/dev/null)" = "$instalacion" ] && return
  if [ -e "$WINEPREFIX" ]; then
    echo "wine.sh: $WINEPREFIX was made by another Wine installation; making it again" >&2
    wineserver --kill 2>/dev/null || true
    rm -rf "$WINEPREFIX"
  fi
  wine wineboot --init >/dev/null 2>&1 || true
  wineserver --wait
  [ -f "$WINEPREFIX/system.reg" ] && echo "$instalacion" >"$sello"
}

# servidor_wine: one server for all the programs that follow, started and warmed up: programs
# that start together with a fresh server now and then crash in Wine's start-up.
servidor_wine() {
  wineserver --persistent
  wine cmd /c exit >/dev/null 2>&1 || true
}

# ruta_windows PATH: the Unix path as Windows programs under Wine name it (drive Z:).
ruta_windows() { echo "Z:${1//\//\\}"; }
