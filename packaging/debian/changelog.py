#!/usr/bin/python3
"""The Debian package's changelog, from CAMBIOS.md: one entry per "## VERSION" section, its
paragraphs and items as the entry's items, wrapped within 80 columns. Each entry is dated by the
commit that added its section (SOURCE_DATE_EPOCH, else now, outside a git checkout).

Usage: changelog.py CAMBIOS.md PACKAGE MAINTAINER OUTPUT
"""
import email.utils
import os
import re
import subprocess
import sys
import textwrap
import time


def secciones(texto):
    """(version, [item, ...]) for each "## VERSION" section, in the file's order."""
    resultado = []
    for bloque in re.split(r"^## ", texto, flags=re.M)[1:]:
        version, _, cuerpo = bloque.partition("\n")
        items = []
        for parrafo in re.split(r"\n\s*\n", cuerpo):
            for item in re.split(r"^- ", parrafo.strip(), flags=re.M):
                if item.strip():
                    items.append(" ".join(item.split()))
        resultado.append((version.strip(), items))
    return resultado


def fecha(cambios, version):
    """The time of the commit that added the version's heading, in RFC 2822 form."""
    try:
        salida = subprocess.run(
            ["git", "log", "--format=%ct", "-S", f"## {version}\n", "--", os.path.basename(cambios)],
            cwd=os.path.dirname(os.path.abspath(cambios)), capture_output=True, text=True, check=True).stdout
        segundos = int(salida.split()[-1])
    except (OSError, subprocess.CalledProcessError, ValueError, IndexError):
        segundos = int(os.environ.get("SOURCE_DATE_EPOCH", time.time()))
    return email.utils.formatdate(segundos, usegmt=True).replace("GMT", "+0000")


def entrada(paquete, mantenedor, version, items, cuando):
    lineas = [f"{paquete} ({version}) unstable; urgency=medium", ""]
    for item in items:
        lineas += textwrap.wrap(item, 78, initial_indent="  * ", subsequent_indent="    ",
                                break_on_hyphens=False)
    lineas += ["", f" -- {mantenedor}  {cuando}", ""]
    return "\n".join(lineas)


def main():
    cambios, paquete, mantenedor, salida = sys.argv[1:]
    with open(cambios, encoding="utf-8") as archivo:
        texto = archivo.read()
    entradas = [entrada(paquete, mantenedor, v, items, fecha(cambios, v)) for v, items in secciones(texto)]
    with open(salida, "w", encoding="utf-8") as archivo:
        archivo.write("\n".join(entradas))


main()
