// Fuzz target: the import on any subjects file and sessions file (the input's first and second
// files, separated by a line "====="; a file left out is missing), with small sound tables.
// The run either writes a timetable file whose lines all end in CR LF, with the header first,
// the trailer last and the lesson count in it, or raises the tool's own error and writes
// nothing; the tables are left as they were.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "base/cotejo.h"
#include "base/errores.h"
#include "transfer/estado.h"
#include "transfer/transferencia.h"
#include "fuzz/comun/banco_fuzz.h"
#include "import/importacion.h"
#include "tables/almacen_dbase.h"

namespace {

using namespace ttz;
using namespace ttz::fuzz;
using tablas::DefinicionCampo;

const std::vector<std::string> kArchivos = {"zeda_asignat.txt", "zeda_sesiones.txt"};
const std::vector<std::string> kTablas = {"SOLUC", "GRUPOST", "PROFT", "AULAT", "ASIGNOMT", "DIASHORAST"};
// SOLUC: DIA, HORA, PROF, CODGRUPO, ASIG, AULA (the day 0 skipped, the day 3 as "X" or "3").
const std::vector<std::vector<std::string>> kLecciones = {
    {"1", "1", "P01", "1A", "MAT", "A1"}, {"3", "2", "P02", "2B", "LEN", "A2"},
    {"0", "4", "P03", "3C", "ING", "A3"}, {"8", "1", "P04", "4D", "HIS", "A4"}};
// DIASHORAST: DIA, HORA, CODDIHO.
const std::vector<std::vector<std::string>> kTramos = {
    {"L", "1", "T01"}, {"1", "1", "T02"}, {"X", "2", "T03"}, {"3", "2", "T04"}};

void crearTabla(tablas::AlmacenTablas& almacen, const std::string& nombre,
                const std::vector<DefinicionCampo>& campos, const std::vector<std::vector<std::string>>& registros) {
    auto tabla = almacen.recrear(nombre, campos);
    for (const auto& registro : registros) {
        tabla->anadir();
        for (std::size_t i = 0; i < registro.size(); ++i) tabla->ponerTexto(static_cast<int>(i), registro[i]);
        tabla->grabar();
    }
    tabla->cerrar();
}

// The tables, made once per process, and their bytes.
class TablasBase {
public:
    TablasBase() : carpeta_(carpetaVacia("datos")), almacen_(carpeta_, ',') {
        const auto codigo = [](const char* nombre) { return DefinicionCampo::texto(nombre, 4); };
        crearTabla(almacen_, "SOLUC",
                   {DefinicionCampo::entero("DIA"), DefinicionCampo::entero("HORA"), codigo("PROF"),
                    codigo("CODGRUPO"), codigo("ASIG"), codigo("AULA")},
                   kLecciones);
        crearTabla(almacen_, "DIASHORAST",
                   {DefinicionCampo::texto("DIA", 20), DefinicionCampo::texto("HORA", 8),
                    DefinicionCampo::texto("CODDIHO", 10)},
                   kTramos);
        for (const char* nombre : {"GRUPOST", "PROFT", "AULAT", "ASIGNOMT"})
            crearTabla(almacen_, nombre, {codigo("ABREV")}, {{"X"}});
        for (const auto& tabla : kTablas) bytes_.push_back(leerBytes(carpeta_ / (tabla + ".DBF")));
    }

    tablas::AlmacenDBase& almacen() { return almacen_; }
    void comprobarIntactas() const {
        for (std::size_t i = 0; i < kTablas.size(); ++i)
            exigir(leerBytes(carpeta_ / (kTablas[i] + ".DBF")) == bytes_[i], "la importacion cambia " + kTablas[i]);
    }

private:
    fs::path carpeta_;
    tablas::AlmacenDBase almacen_;
    std::vector<std::string> bytes_;
};

TablasBase& tablasBase() {
    static TablasBase unicas;
    return unicas;
}

const Cotejo& cotejo() {
    static const Cotejo unico("es_ES");
    return unico;
}

// Header, lessons, trailer; each line ends in CR LF and the trailer ends with the count.
void comprobarHorario(const std::string& texto) {
    std::vector<std::string> lineas;
    for (std::size_t inicio = 0; inicio < texto.size();) {
        const auto fin = texto.find("\r\n", inicio);
        exigir(fin != std::string::npos, "una linea del horario no acaba en CR LF");
        lineas.push_back(texto.substr(inicio, fin - inicio));
        inicio = fin + 2;
    }
    exigir(lineas.size() >= 2, "horario sin cabecera o sin pie");
    exigir(lineas.front().starts_with("0ZEDA_HORARIO.TXT"), "cabecera del horario mal formada");
    exigir(lineas.back().starts_with("9ZEDA_HORARIO.TXT"), "pie del horario mal formado");
    exigir(lineas.back().ends_with(std::to_string(lineas.size() - 2)), "el pie no cuenta las lecciones");
    for (std::size_t i = 1; i + 1 < lineas.size(); ++i) exigir(lineas[i].starts_with("1"), "leccion mal formada");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano) {
    TablasBase& tablas = tablasBase();
    const fs::path zeda = carpetaVacia("zeda");
    escribirArchivos(zeda, cortarArchivos(comoTexto(datos, tamano)), kArchivos);

    Estado estado;
    InterlocutorMudo interlocutor;
    const RelojQuieto reloj;
    Entorno entorno{estado, interlocutor, tablas.almacen(), cotejo(), reloj};
    const fs::path horario = zeda / "ZEDA_HORARIO.TXT";
    try {
        importacion::ejecutarImportacion(componerCarpeta(zeda.string()), entorno);
        exigir(estado.Transformado == 1, "importacion acabada sin Transformado 1");
        comprobarHorario(leerBytes(horario));
    } catch (const Error&) {
        exigir(!fs::exists(horario), "importacion fallida que deja un horario");
    }
    exigir(interlocutor.ocupado == 0, "cursor ocupado sin restaurar");
    tablas.comprobarIntactas();
    return 0;
}
