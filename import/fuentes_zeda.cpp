#include "import/fuentes_zeda.h"

#include "base/errores.h"
#include "zeda/linea_zeda.h"

namespace ttz::importacion {

std::string codigoCentro(const std::vector<std::string>& lineasAsignaturas) {
    for (const auto& texto : lineasAsignaturas) {
        const zeda::LineaZEDA linea(texto);
        if (linea.clase() == zeda::ClaseLinea::Cabecera) return std::string(linea.campo(52, 8));
    }
    return {};
}

ModoDia modoDia(const std::vector<std::string>& lineasSesiones) {
    // The sessions file is taken as a list indexed from 0; its second line is item 1.
    constexpr std::size_t segunda = 1;
    if (lineasSesiones.size() <= segunda) {
        throw Error("List index out of bounds (" + std::to_string(segunda) + ")");
    }
    const auto dia = zeda::LineaZEDA(lineasSesiones[segunda]).campo(9, 1);
    const bool digito = dia.size() == 1 && dia[0] >= '1' && dia[0] <= '6';
    return digito ? ModoDia::N : ModoDia::L;
}

}  // namespace ttz::importacion
