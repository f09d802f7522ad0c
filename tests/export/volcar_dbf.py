# Prints, for each table named, its record count, its fields (name:type:length:decimals) and
# the records asked for, as another dBase reader (dbfread) sees them. Used by the export tests.
import sys

import dbfread

carpeta = sys.argv[1]
for peticion in sys.argv[2:]:
    tabla, _, indices = peticion.partition(":")
    dbf = dbfread.DBF(f"{carpeta}/{tabla}.DBF", encoding="cp1252")
    registros = list(dbf)
    campos = " ".join(f"{c.name}:{c.type}:{c.length}:{c.decimal_count}" for c in dbf.fields)
    print(f"{tabla} {len(registros)} {campos}")
    for indice in filter(None, indices.split(",")):
        print(" " + "|".join("" if v is None else str(v) for v in registros[int(indice)].values()))
