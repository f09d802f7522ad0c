#include "import/importacion.h"

#include <filesystem>
#include <optional>
#include <vector>

#include "import/fuentes_zeda.h"
#include "import/indice_tramos.h"
#include "import/linea_horario.h"
#include "import/tablas_importacion.h"
#include "zeda/archivo_zeda.h"
#include "base/texto_ruta.h"

namespace ttz::importacion {
namespace {

// The lesson lines of SOLUC in record order; records whose DIA reads as 0 give none.
class RecorridoSoluc {
public:
    RecorridoSoluc(TablasImportacion& tablas, ModoDia modo)
        : tablas_(tablas), modo_(modo), dia_(tablas.wwTableSoluc, "DIA"), hora_(tablas.wwTableSoluc, "HORA"),
          profesor_(tablas.wwTableSoluc, "PROF"), grupo_(tablas.wwTableSoluc, "CODGRUPO"),
          asignatura_(tablas.wwTableSoluc, "ASIG"), aula_(tablas.wwTableSoluc, "AULA") {}

    void anadirLineas(std::vector<std::string>& lineas) {
        auto& soluc = tablas_.wwTableSoluc.tabla();
        for (soluc.primero(); !soluc.finDeTabla(); soluc.siguiente()) {
            if (dia_.entero() == 0) continue;
            lineas.push_back(lineaDelRegistro());
        }
    }

private:
    std::string lineaDelRegistro() {
        const std::string hora = hora_.texto();
        const std::string diaSoluc = dia_.texto();
        const std::string dia(diaSegunModo(diaSoluc, modo_));
        return lineaLeccion({indice().codigo(dia, hora), dia, profesor_.texto(), grupo_.texto(), asignatura_.texto(),
                             aula_.texto()});
    }

    // Built when the first lesson needs it, where a scan of the time slots would first run.
    const IndiceTramos& indice() {
        if (!indice_) indice_.emplace(tablas_.wwTableTramos);
        return *indice_;
    }

    TablasImportacion& tablas_;
    ModoDia modo_;
    CampoComponente dia_, hora_, profesor_, grupo_, asignatura_, aula_;
    std::optional<IndiceTramos> indice_;
};

std::vector<std::string> leerDeCarpeta(const std::string& carpeta, const char* nombre) {
    return zeda::leerArchivoEntero(rutaDeTexto(carpeta + nombre));
}

void importar(const std::string& carpeta, Entorno& entorno) {
    const std::string codigo = codigoCentro(leerDeCarpeta(carpeta, "zeda_asignat.txt"));
    const ModoDia modo = modoDia(leerDeCarpeta(carpeta, "zeda_sesiones.txt"));

    std::vector<std::string> lineas{lineaCabecera(codigo, entorno.reloj.ahora())};
    {
        TablasImportacion tablas(entorno.almacen);
        RecorridoSoluc(tablas, modo).anadirLineas(lineas);
        tablas.cerrar();
    }
    lineas.push_back(lineaPie(codigo, entorno.reloj.ahora(), lineas.size() - 1));
    escribirArchivoDeLaEjecucion(entorno, rutaDeTexto(carpeta + std::string(kArchivoHorario)), lineas);
}

}  // namespace

FinTransferencia ejecutarImportacion(const std::string& carpeta, Entorno& entorno) {
    // 1 only once the timetable file is written. Hosted, a missing folder leaves nothing done.
    const ReglasResultado reglas{0, ReglasResultado::Exito::AlTerminar, "importar"};
    return ejecutarTransferencia(carpeta, entorno, reglas, [&](Entorno& enCurso) { importar(carpeta, enCurso); });
}

}  // namespace ttz::importacion
