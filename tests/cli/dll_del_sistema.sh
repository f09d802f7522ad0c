#!/usr/bin/env bash
# Fails when a Windows executable imports a DLL that does not ship with Windows (the C++
# runtime, libgcc or winpthread must be linked in statically).
set -euo pipefail
objdump=$1; shift
sistema='^(kernel32|msvcrt|advapi32|user32|gdi32|shell32|ole32|oleaut32|comdlg32|comctl32|mpr|ws2_32|bcrypt|ntdll|version|shlwapi|api-ms-win-.*)\.dll$'
fallos=0
for exe in "$@"; do
  while read -r dll; do
    if ! grep -qiE "$sistema" <<<"$dll"; then
      echo "$(basename "$exe") importa $dll, que no viene con Windows"
      fallos=1
    fi
  done < <("$objdump" -p "$exe" | sed -n 's/^\s*DLL Name: //p')
done
[ "$fallos" -eq 0 ] && echo "Solo DLL del sistema en: $(for e in "$@"; do basename "$e"; done | tr '\n' ' ')"
exit $fallos
