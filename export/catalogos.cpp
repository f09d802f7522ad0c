// Subjects, teachers and rooms: one procedure, three catalogues.
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "export/lectura.h"
#include "export/pasos.h"
#include "tables/tabla.h"

namespace ttz::exportacion {
namespace {

using tablas::DefinicionCampo;

struct Columna {
    const char* campo;
    int columna;
    int longitud;
};

struct Catalogo {
    const char* archivo;
    const char* mensajeSiFalta;
    const char* nombrePropio;
    const char* tabla;
    std::vector<DefinicionCampo> campos;
    std::vector<Columna> columnas;  // the first one holds the code
    bool descartaRepetidos;
};

// Codes already written by this run of a step, compared as the user's locale does when it
// ignores letter case.
class CodigosVistos {
public:
    explicit CodigosVistos(const Cotejo& cotejo) : cotejo_(cotejo) {}
    bool esNuevo(std::string_view codigo) { return vistos_.insert(cotejo_.clave(codigo)).second; }

private:
    const Cotejo& cotejo_;
    std::unordered_set<std::string> vistos_;
};

void exportarCatalogo(const Contexto& contexto, const Catalogo& catalogo) {
    const auto ruta = contexto.ruta(catalogo.archivo);
    if (!contexto.hayArchivoDelPaso(ruta, catalogo.mensajeSiFalta)) return;
    zeda::LectorLineas lector(ruta);
    auto tabla = contexto.almacen().recrear(catalogo.tabla, catalogo.campos);
    std::vector<int> campos;
    for (const auto& columna : catalogo.columnas) campos.push_back(tabla->campo(columna.campo));
    CodigosVistos codigos(contexto.entorno.cotejo);
    recorrerDatos(lector, catalogo.nombrePropio, [&](const zeda::LineaZEDA& linea) {
        const auto& codigo = catalogo.columnas.front();
        if (catalogo.descartaRepetidos && !codigos.esNuevo(linea.campoRecortado(codigo.columna, codigo.longitud)))
            return;
        tabla->anadir();
        for (std::size_t i = 0; i < campos.size(); ++i)
            tabla->ponerTexto(campos[i], linea.campoRecortado(catalogo.columnas[i].columna, catalogo.columnas[i].longitud));
        tabla->grabar();
    });
    tabla->cerrar();
    lector.cerrar();
}

}  // namespace

void ExportarAsignaturas(const Contexto& contexto) {
    static const Catalogo asignaturas{
        "zeda_asignat.txt", "No existe archivo de asignaturas (ZEDA_ASIGNAT.TXT)", "ZEDA_ASIGNAT.TXT", "ASIGNOMT",
        {DefinicionCampo::texto("COD", 4), DefinicionCampo::texto("CODLARGO", 8), DefinicionCampo::texto("NOMBRE", 40),
         DefinicionCampo::texto("MATERIA", 8)},
        {{"COD", 2, 4}, {"CODLARGO", 6, 20}, {"NOMBRE", 26, 150}},
        true};
    exportarCatalogo(contexto, asignaturas);
}

void ExportarProfesores(const Contexto& contexto) {
    static const Catalogo profesores{
        "zeda_prof.txt", "No existe archivo de profesores (ZEDA_PROF.TXT)", "ZEDA_PROF.TXT", "PROFT",
        {DefinicionCampo::texto("ABREV", 4), DefinicionCampo::texto("NOMBRE", 40), DefinicionCampo::texto("DEPART", 40),
         DefinicionCampo::entero("DNI"), DefinicionCampo::texto("X_EMPLEADO", 10),
         DefinicionCampo::texto("F_TOMAPOS", 10)},
        {{"ABREV", 2, 4}, {"NOMBRE", 6, 90}, {"DEPART", 96, 50}},
        true};
    exportarCatalogo(contexto, profesores);
}

void ExportarAulas(const Contexto& contexto) {
    static const Catalogo aulas{
        "zeda_aulas.txt", "No existe archivo de aulas (ZEDA_AULAS.TXT)", "ZEDA_AULAS.TXT", "AULAT",
        {DefinicionCampo::texto("ABREV", 4), DefinicionCampo::texto("NOMBRE", 40), DefinicionCampo::texto("EDIFICIO", 1),
         DefinicionCampo::entero("MAXALUM"), DefinicionCampo::texto("DEPCENTRO", 10)},
        {{"ABREV", 12, 4}, {"NOMBRE", 86, 100}},
        false};
    exportarCatalogo(contexto, aulas);
}

}  // namespace ttz::exportacion
