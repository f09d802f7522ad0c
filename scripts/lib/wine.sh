# The scripts' Wine, sourced by them: a prefix of the build folder's own (never the user's
# ~/.wine), quiet, without the .NET and HTML engines' install dialogs.

# preparar_wine BUILD_FOLDER: exports WINEPREFIX (BUILD_FOLDER/wine) and the quiet settings,
# and makes the prefix when it is new.
preparar_wine() {
  export WINEPREFIX=$1/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wineboot --init >/dev/null 2>&1
    wineserver --wait
  fi
}

# servidor_wine: one server for all the programs that follow, started and warmed up: programs
# that start together with a fresh server now and then crash in Wine's start-up.
servidor_wine() {
  wineserver --persistent
  wine cmd /c exit >/dev/null 2>&1 || true
}

# ruta_windows PATH: the Unix path as Windows programs under Wine name it (drive Z:).
ruta_windows() { echo "Z:${1//\//\\}"; }
