// Subject-group assignments: ASIGT from the subject-group file, completed with the attributes
// of each assignment's group (GRUPOST) and the weekly hours of its subject at its level and
// course (subject-course file).
#include <algorithm>
#include <cmath>
#include <charconv>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "app/texto.h"
#include "export/lectura.h"
#include "export/pasos.h"
#include "tables/tabla.h"

namespace ttz::exportacion {
namespace {

using tablas::DefinicionCampo;
using tablas::Tabla;

constexpr int kUnosSeguidos = 13;
constexpr char kMedio = '\xBD';
const char* const kAtributosGrupo[] = {"TURNO", "NIVEL", "CURSO", "GRUPO"};

// Pass 1: one record per data line, duplicates included, in file order.
void leerAsignaciones(zeda::LectorLineas& lector, Tabla& asigt) {
    const int casig = asigt.campo("CASIG");
    const int cgrup = asigt.campo("CGRUP");
    recorrerDatos(lector, "ZEDA_ASIGNATGRUPO.TXT", [&](const zeda::LineaZEDA& linea) {
        asigt.anadir();
        asigt.ponerTexto(casig, linea.campoRecortado(16, 4));
        asigt.ponerTexto(cgrup, linea.campoRecortado(12, 4));
        asigt.grabar();
    });
}

using AtributosGrupo = std::vector<std::string>;  // in the order of kAtributosGrupo

// Group code -> attributes of the first group record with that code.
std::unordered_map<std::string, AtributosGrupo> indiceGrupos(tablas::AlmacenTablas& almacen) {
    auto grupost = almacen.abrir("GRUPOST", tablas::ModoApertura::SoloLecturaCompartida);
    const int abrev = grupost->campo("ABREV");
    std::vector<int> campos;
    for (const char* nombre : kAtributosGrupo) campos.push_back(grupost->campo(nombre));
    std::unordered_map<std::string, AtributosGrupo> indice;
    for (grupost->primero(); !grupost->finDeTabla(); grupost->siguiente()) {
        const auto [posicion, nuevo] = indice.try_emplace(grupost->comoTexto(abrev));
        if (!nuevo) continue;
        for (int campo : campos) posicion->second.push_back(grupost->comoTexto(campo));
    }
    grupost->cerrar();
    return indice;
}

// Pass 2: the turn, level, course and group letter of each assignment's group.
void completarConGrupos(tablas::AlmacenTablas& almacen, Tabla& asigt) {
    const auto grupos = indiceGrupos(almacen);
    const int cgrup = asigt.campo("CGRUP");
    std::vector<int> campos;
    for (const char* nombre : kAtributosGrupo) campos.push_back(asigt.campo(nombre));
    for (asigt.primero(); !asigt.finDeTabla(); asigt.siguiente()) {
        const auto grupo = grupos.find(asigt.comoTexto(cgrup));
        if (grupo == grupos.end()) continue;
        asigt.editar();
        for (std::size_t i = 0; i < campos.size(); ++i) asigt.ponerTexto(campos[i], grupo->second[i]);
        asigt.grabar();
    }
}

// Subject, level and course as one key; each part is prefixed by its length.
std::string claveCurso(std::string_view asignatura, std::string_view nivel, std::string_view curso) {
    std::string clave;
    for (std::string_view parte : {asignatura, nivel, curso}) clave.append(1, static_cast<char>(parte.size())).append(parte);
    return clave;
}

// The subject-course lines: (subject, level, course) -> the hours columns of the first data
// line that has them.
class HorasPorCurso {
public:
    explicit HorasPorCurso(std::vector<std::string> lineas) : lineas_(std::move(lineas)) {
        for (const auto& texto : lineas_) {
            const zeda::LineaZEDA linea(texto);
            if (!linea.esDatosDe("ZEDA_ASIGNATCURSO.TXT")) continue;
            horasDeLaLinea_.try_emplace(
                claveCurso(linea.campoRecortado(24, 4), linea.campoRecortado(2, 3), linea.campoRecortado(8, 3)),
                linea.campoRecortado(28, 6));
        }
    }

    // The weekly hours of the matching line, at least 1, or nothing when no line matches.
    // Blank hours count as one; a comma is read as the decimal point.
    std::optional<double> horas(const std::string& clave) const {
        const auto encontrada = horasDeLaLinea_.find(clave);
        if (encontrada == horasDeLaLinea_.end()) return std::nullopt;
        std::string texto(encontrada->second.empty() ? "1" : encontrada->second);
        std::replace(texto.begin(), texto.end(), ',', '.');
        return std::max(aFlotante(texto), 1.0);
    }

private:
    std::vector<std::string> lineas_;
    std::unordered_map<std::string, std::string_view> horasDeLaLinea_;
};

// Passes 3 and 4 in one walk: the hours and sessions of the first matching subject-course
// line, or one hour and "1" for an assignment that no line matches.
void ponerHoras(const HorasPorCurso& cursos, Tabla& asigt) {
    const int casig = asigt.campo("CASIG"), nivel = asigt.campo("NIVEL"), curso = asigt.campo("CURSO");
    const int horas = asigt.campo("HORAS"), sesiones = asigt.campo("SESIONES");
    for (asigt.primero(); !asigt.finDeTabla(); asigt.siguiente()) {
        const double valor =
            cursos.horas(claveCurso(asigt.comoTexto(casig), asigt.comoTexto(nivel), asigt.comoTexto(curso))).value_or(1.0);
        asigt.editar();
        asigt.ponerFlotante(horas, valor);
        asigt.ponerTexto(sesiones, PatronSesiones(valor));
        asigt.grabar();
    }
}

// The decimal text of a whole number of at least 14, less 13; exact however large it is.
std::string menosTrece(double entero) {
    char bufer[400];
    std::string cifras(bufer, std::to_chars(bufer, bufer + sizeof bufer, entero, std::chars_format::fixed, 0).ptr);
    int resto = kUnosSeguidos;
    for (auto cifra = cifras.rbegin(); cifra != cifras.rend() && resto > 0; ++cifra) {
        int valor = (*cifra - '0') - resto % 10;
        resto /= 10;
        if (valor < 0) {
            valor += 10;
            ++resto;
        }
        *cifra = static_cast<char>('0' + valor);
    }
    return cifras.substr(std::min(cifras.find_first_not_of('0'), cifras.size() - 1));
}

}  // namespace

std::string PatronSesiones(double horas) {
    const double enteras = std::floor(horas);
    std::string patron = enteras <= kUnosSeguidos
                             ? std::string(static_cast<std::size_t>(std::max(enteras, 0.0)), '1')
                             : menosTrece(enteras) + std::string(kUnosSeguidos, '1');
    if (horas > enteras) patron += kMedio;
    return patron;
}

void ExportarAsignaturasGrupos(const Contexto& contexto) {
    const auto ruta = contexto.ruta("zeda_asignatgrupo.txt");
    if (!contexto.hayArchivoDelPaso(ruta, "No existe archivo de grupos (ZEDA_ASIGNATGRUPO.TXT)")) return;
    zeda::LectorLineas lector(ruta);
    auto asigt = contexto.almacen().recrear(
        "ASIGT", {DefinicionCampo::texto("CASIG", 4), DefinicionCampo::texto("CPROF", 4),
                  DefinicionCampo::texto("CGRUP", 4), DefinicionCampo::texto("CAULA", 4),
                  DefinicionCampo::texto("TURNO", 1), DefinicionCampo::texto("NIVEL", 5),
                  DefinicionCampo::texto("CURSO", 3), DefinicionCampo::texto("GRUPO", 2),
                  DefinicionCampo::flotante("HORAS"), DefinicionCampo::texto("SESIONES", 20)});
    leerAsignaciones(lector, *asigt);
    lector.cerrar();
    completarConGrupos(contexto.almacen(), *asigt);
    // Without the subject-course file the assignments keep empty hours; the run still succeeds.
    const auto rutaCursos = contexto.ruta("zeda_asignatcurso.txt");
    if (contexto.hayArchivo(rutaCursos, "No existe archivo de grupos (ZEDA_ASIGNATCURSO.TXT)"))
        ponerHoras(HorasPorCurso(zeda::leerArchivoEntero(rutaCursos)), *asigt);
    asigt->cerrar();
}

}  // namespace ttz::exportacion
