# What the end-to-end window tests share, sourced by them: the skip when a program or the sample
# school is missing, a temporary folder with the tool, the school and an empty data folder, the
# virtual X server, and the check of the result file.

# requerir SCHOOL PROGRAM...: exit 77 (skipped) when a program or the sample school is missing.
requerir() {
  local escuela=$1 programa
  shift
  for programa in "$@"; do
    command -v "$programa" >/dev/null || { echo "sin $programa: prueba omitida"; exit 77; }
  done
  [ -f "$escuela/zeda_asignat.txt" ] || { echo "sin escuela de ejemplo: prueba omitida"; exit 77; }
}

# preparar TOOL NAME SCHOOL: sets tmp, a temporary folder removed at exit, with the tool copied
# to bin/NAME, the sample school copied to escuela/ and an empty data folder TTEMP/.
preparar() {
  tmp=$(mktemp -d)
  trap 'rm -rf "$tmp"' EXIT
  mkdir -p "$tmp/bin" "$tmp/escuela" "$tmp/TTEMP"
  cp "$1" "$tmp/bin/$2"
  cp -r "$3"/. "$tmp/escuela/"
}

# en_pantalla_virtual OPTIONS COMMAND...: runs the command on a new virtual X server of
# 1024 x 768 with the server options given.
en_pantalla_virtual() {
  local opciones=$1
  shift
  xvfb-run -a -s "-screen 0 1024x768x24 $opciones" "$@"
}

# ini_dice FILE VALUE: true when the result file holds exactly its two CR LF lines with VALUE.
ini_dice() { printf '[Transformadores]\r\nTransformado=%s\r\n' "$2" | cmp -s - "$1"; }
