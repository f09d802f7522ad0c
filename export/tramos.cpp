// Time slots: DIASHORAST from the sessions file, each slot numbered by the rank of its start
// time among all start times of the week.
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "base/texto.h"
#include "export/pasos.h"
#include "tables/tabla.h"
#include "zeda/archivo_zeda.h"
#include "zeda/linea_zeda.h"

namespace ttz::exportacion {
namespace {

using tablas::DefinicionCampo;

constexpr std::int64_t kMinutosDescontados = 40;

struct Tramo {
    std::string_view codigo, dia, desde, hasta;
    std::string minutos;
};

// The end time less the start time less 40, both read as plain integers (0900 is 900).
// The end time is converted first, so its error is the one reported when both fail.
std::string minutosDe(std::string_view desde, std::string_view hasta) {
    const std::int64_t fin = aEntero(hasta);
    const std::int64_t inicio = aEntero(desde);
    return std::to_string(fin - inicio - kMinutosDescontados);
}

// The distinct start times of the week in the order of the user's locale, letter case ignored
// (so "1000" comes before "800"); numbered from 1 once all are known.
class HorasDeInicio {
public:
    explicit HorasDeInicio(const Cotejo& cotejo) : cotejo_(cotejo) {}

    void anadir(std::string_view hora) { numeros_.try_emplace(cotejo_.clave(hora)); }

    void numerar() {
        int numero = 0;
        for (auto& [clave, texto] : numeros_) texto = std::to_string(++numero);
    }

    const std::string& numero(std::string_view hora) const { return numeros_.at(cotejo_.clave(hora)); }

private:
    const Cotejo& cotejo_;
    std::map<std::string, std::string> numeros_;  // sort key -> decimal number
};

}  // namespace

void ExportarTramos(const Contexto& contexto) {
    const auto ruta = contexto.ruta("zeda_sesiones.txt");
    if (!contexto.hayArchivoDelPaso(ruta, "No existe archivo de grupos (ZEDA_SESIONES.TXT)")) return;
    const auto lineas = zeda::leerArchivoEntero(ruta);
    auto tabla = contexto.almacen().recrear(
        "DIASHORAST", {DefinicionCampo::texto("DIHO", 10), DefinicionCampo::texto("CODDIHO", 10),
                       DefinicionCampo::texto("DIA", 20), DefinicionCampo::texto("TEXTODIA", 20),
                       DefinicionCampo::texto("HORA", 8), DefinicionCampo::texto("HORADESDE", 8),
                       DefinicionCampo::texto("HORAHASTA", 8), DefinicionCampo::texto("MINUTOS", 8)});
    std::vector<Tramo> tramos;
    HorasDeInicio inicios(contexto.entorno.cotejo);
    for (const auto& texto : lineas) {
        const zeda::LineaZEDA linea(texto);
        if (!linea.esDatosDe("ZEDA_SESIONES.TXT")) continue;
        Tramo tramo{linea.campoRecortado(5, 4), linea.campoRecortado(9, 1), linea.campoRecortado(10, 4),
                    linea.campoRecortado(14, 4), {}};
        inicios.anadir(tramo.desde);
        tramo.minutos = minutosDe(tramo.desde, tramo.hasta);
        tramos.push_back(std::move(tramo));
    }
    // Slot numbers exist only once every start time of the week is known.
    inicios.numerar();
    for (const auto& tramo : tramos) {
        const std::string& hora = inicios.numero(tramo.desde);
        tabla->anadir();
        tabla->ponerTexto("DIHO", std::string(tramo.dia) + hora);
        tabla->ponerTexto("CODDIHO", tramo.codigo);
        tabla->ponerTexto("DIA", tramo.dia);
        tabla->ponerTexto("HORA", hora);
        tabla->ponerTexto("HORADESDE", tramo.desde);
        tabla->ponerTexto("HORAHASTA", tramo.hasta);
        tabla->ponerTexto("MINUTOS", tramo.minutos);
        tabla->grabar();
    }
    tabla->cerrar();
}

}  // namespace ttz::exportacion
