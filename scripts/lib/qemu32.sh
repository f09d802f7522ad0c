# qemu's user mode running 32-bit programs where the kernel runs none itself, set up by
# scripts/deps-windows as root (sourced after wine.sh). What it changes on the machine, and how
# to undo it, is in docs/desarrollo.md.

QEMU32=/usr/bin/qemu-i386
BINFMT=/proc/sys/fs/binfmt_misc
# 32-bit x86 ELF executables and shared objects, as qemu's own binfmt set-up registers them.
MAGIA_I386='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
MASCARA_I386='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
ARCHIVO_BACKPORTS=/etc/apt/sources.list.d/transtempaloszeda-backports.sources

# version_qemu PROGRAM: the version a qemu program gives, "10.0.3" say.
version_qemu() { "$1" --version 2>/dev/null | version_de_qemu; }

# registros_qemu: the binfmt_misc entries that run 32-bit x86 programs through a qemu.
registros_qemu() { grep -l '^interpreter .*qemu-i386' "$BINFMT"/* 2>/dev/null || true; }

# registro_qemu_viejo: whether an entry runs them through another file than $QEMU32, or through
# another version than the one installed there: an entry with flag F keeps the file it was given
# open, so an upgraded qemu is not used until the entry is made again.
registro_qemu_viejo() {
  local registro en_uso
  en_uso=$(version_qemu_en_uso)
  for registro in $(registros_qemu); do
    [ "$(sed -n 's/^interpreter //p' "$registro")" = "$QEMU32" ] || return 0
    [ -n "$en_uso" ] && [ "$en_uso" = "$(version_qemu "$QEMU32")" ] || return 0
  done
  return 1
}

quitar_registro_qemu() {
  local registro
  for registro in $(registros_qemu); do echo -1 >"$registro"; done
}

# instalar_qemu: qemu-user-static 8 or later: older ones split Wine's reservation of the address
# space into some 65,000 mappings, 49 s a program start. Where the release's own is older
# (Debian 12 has 7.2), it comes from the release's backports suite, and nothing else does.
instalar_qemu() {
  local version
  version=$(version_qemu "$QEMU32")
  [ -n "$version" ] && dpkg --compare-versions "$version" ge 8 && return
  local espera=(-o DPkg::Lock::Timeout=600) suite=()
  export DEBIAN_FRONTEND=noninteractive
  apt-get "${espera[@]}" update -q >/dev/null
  if ! dpkg --compare-versions "$(candidato_qemu)" ge 1:8~; then
    anadir_backports || return 1
    apt-get "${espera[@]}" update -q >/dev/null
    suite=(-t "$(codigo_debian)-backports")
  fi
  apt-get "${espera[@]}" install -y -q --no-install-recommends "${suite[@]}" qemu-user-static >/dev/null || return 1
  version=$(version_qemu "$QEMU32")
  [ -n "$version" ] && dpkg --compare-versions "$version" ge 8
}

candidato_qemu() { apt-cache policy qemu-user-static | sed -n 's/^ *Candidate: //p'; }
codigo_debian() { (. /etc/os-release && echo "$VERSION_CODENAME"); }

# anadir_backports: the backports suite of the machine's own Debian source, with its URIs and
# keyring as apt has them, in a file of its own. apt gives backports a low priority: nothing
# comes from there unless asked for with -t.
anadir_backports() {
  local codigo sitio entrada
  codigo=$(codigo_debian)
  [ -n "$(fuente_debian "$codigo-backports")" ] && return
  IFS='|' read -r sitio entrada <<<"$(fuente_debian "$codigo")"
  [ -n "$sitio" ] || return 1
  {
    echo "# Added by transTempalosZeda's scripts/deps-windows for qemu-user-static; remove to undo."
    echo "Types: deb"
    echo "URIs: $sitio"
    echo "Suites: $codigo-backports"
    echo "Components: main"
    llavero "${entrada%:*}" "${entrada##*:}"
  } >"$ARCHIVO_BACKPORTS"
}

# fuente_debian SUITE: "URI|FILE:ENTRY" of the source that gives SUITE's main packages.
fuente_debian() {
  apt-get indextargets --format '$(SITE)|$(SOURCESENTRY)' "Release: $1" 'Target-Of: deb' \
    'Identifier: Packages' 'Component: main' 2>/dev/null | head -1
}

# llavero FILE ENTRY: the Signed-By field of that entry (deb822: the ENTRY-th stanza; one-line
# format: line ENTRY's signed-by option), nothing where it has none.
llavero() {
  case $1 in
    *.sources)
      awk -v n="$2" 'BEGIN { RS = "" } NR == n' "$1" | awk '
        /^[^ \t]/ { dentro = tolower($0) ~ /^signed-by:/ } dentro' ;;
    *)
      sed -n "$2s/.*signed-by=\([^] ]*\).*/Signed-By: \1/p" "$1" ;;
  esac
}

# montar_binfmt: binfmt_misc mounted where it is not.
montar_binfmt() {
  [ -e "$BINFMT/register" ] || mount -t binfmt_misc binfmt_misc "$BINFMT" 2>/dev/null
  [ -e "$BINFMT/register" ]
}

# registrar_qemu: 32-bit x86 programs run through $QEMU32 (flag F: the file is opened now, so it
# serves inside chroots and namespaces too).
registrar_qemu() {
  [ -n "$(registros_qemu)" ] && return
  printf '%s' ":qemu-i386:M::$MAGIA_I386:$MASCARA_I386:$QEMU32:F" >"$BINFMT/register"
}
