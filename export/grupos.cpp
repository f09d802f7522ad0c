// Groups: every data line of the groups file becomes one GRUPOST record.
#include <string>
#include <string_view>

#include "export/lectura.h"
#include "export/pasos.h"
#include "tables/tabla.h"

namespace ttz::exportacion {
namespace {

using tablas::DefinicionCampo;

struct Grupo {
    std::string_view unidad, abrev, nivel, curso, turno;

    explicit Grupo(const zeda::LineaZEDA& linea)
        : unidad(linea.campoRecortado(2, 10)), abrev(linea.campoRecortado(12, 4)), nivel(linea.campoRecortado(16, 3)),
          curso(linea.campoRecortado(22, 3)), turno(linea.campoRecortado(35, 3)) {
        if (nivel.empty()) nivel = "NIV";
    }

    // The group letter: the unit's last character.
    std::string_view letra() const { return unidad.empty() ? unidad : unidad.substr(unidad.size() - 1); }

    std::string descripcion() const {
        std::string texto(turno);
        for (std::string_view parte : {nivel, curso, letra()}) texto.append(" ").append(parte);
        return texto;
    }
};

}  // namespace

void ExportarGrupos(const Contexto& contexto) {
    const auto ruta = contexto.ruta("zeda_grupo.txt");
    if (!contexto.hayArchivoDelPaso(ruta, "No existe archivo de grupos (ZEDA_GRUPO.TXT)")) return;
    zeda::LectorLineas lector(ruta);
    auto tabla = contexto.almacen().recrear(
        "GRUPOST", {DefinicionCampo::texto("ABREV", 4), DefinicionCampo::texto("TURNO", 1),
                    DefinicionCampo::texto("NIVEL", 5), DefinicionCampo::texto("CURSO", 3),
                    DefinicionCampo::texto("GRUPO", 2), DefinicionCampo::texto("UNIDAD", 10),
                    DefinicionCampo::texto("DESCRIP", 40)});
    // The groups file names itself in the plural in its header columns.
    recorrerDatos(lector, "ZEDA_GRUPOS.TXT", [&tabla](const zeda::LineaZEDA& linea) {
        const Grupo grupo(linea);
        tabla->anadir();
        tabla->ponerTexto("ABREV", grupo.abrev);
        tabla->ponerTexto("TURNO", grupo.turno);
        tabla->ponerTexto("NIVEL", grupo.nivel);
        tabla->ponerTexto("CURSO", grupo.curso);
        tabla->ponerTexto("GRUPO", grupo.letra());
        tabla->ponerTexto("UNIDAD", grupo.unidad);
        tabla->ponerTexto("DESCRIP", grupo.descripcion());
        tabla->grabar();
    });
    tabla->cerrar();
    lector.cerrar();
}

}  // namespace ttz::exportacion
