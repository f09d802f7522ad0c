#pragma once
// A working folder with ZEDA files and a data folder for the tables, for one export.
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/cotejo.h"
#include "transfer/estado.h"
#include "transfer/transferencia.h"
#include "comun/carpeta_temporal.h"
#include "comun/interlocutor_prueba.h"
#include "export/contexto.h"
#include "tables/almacen_dbase.h"

namespace ttz::pruebas {

// A ZEDA line with each value from its column on, blanks between.
std::string lineaZeda(std::initializer_list<std::pair<int, std::string_view>> valores);

using Registros = std::vector<std::vector<std::string>>;

class EscenarioExportacion {
public:
    EscenarioExportacion();

    // The lines, each followed by CR LF.
    void escribir(std::string_view archivo, const std::vector<std::string>& lineas);
    // A file with a header and a trailer around the data lines.
    void escribirConMarcas(std::string_view archivo, const std::vector<std::string>& datos);

    void ejecutar(void (*paso)(const exportacion::Contexto&));
    FinTransferencia exportar();

    // The records of a table, each with the values of the fields asked for, as text.
    Registros registros(const std::string& tabla, const std::vector<std::string>& campos);
    bool existeTabla(const std::string& tabla) const;
    // A table of text fields of those names and widths, with the records given.
    void crearTabla(const std::string& tabla, const std::vector<std::pair<std::string, int>>& campos,
                    const Registros& registros);
    // A table of one text field C with one record "anterior", standing for an earlier export.
    void crearTablaAnterior(const std::string& tabla) { crearTabla(tabla, {{"C", 10}}, {{"anterior"}}); }
    bool tablaAnteriorIntacta(const std::string& tabla);

    CarpetaTemporal zeda;
    CarpetaTemporal datos;
    const std::string Carpeta = zeda.conSeparador();
    Estado estado;
    InterlocutorPrueba interlocutor;
    RelojFijo reloj{{9, 12, 2026, 8, 0}};
    Cotejo cotejo{"es_ES"};
    tablas::AlmacenDBase almacen{datos.ruta(), ','};
    Entorno entorno{estado, interlocutor, almacen, cotejo, reloj};
};

}  // namespace ttz::pruebas
