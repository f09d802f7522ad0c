// Subject-group assignments: ASIGT from the subject-group file, completed with the attributes
// of each assignment's group (GRUPOST) and the weekly hours of its subject at its level and
// course (subject-course file).
//
// The four passes work on the assignments in memory, in record order, and each record is
// written once at the end; values are compared as ASIGT would give them back (cut to the
// field's width, without trailing blanks). An error in any pass leaves the earlier ASIGT.
#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "base/errores.h"
#include "base/texto.h"
#include "export/lectura.h"
#include "export/pasos.h"
#include "tables/tabla.h"

namespace ttz::exportacion {
namespace {

using tablas::DefinicionCampo;

constexpr int kUnosSeguidos = 13;
constexpr char kMedio = '\xBD';

struct CampoGrupo {
    const char* nombre;
    std::size_t ancho;  // in ASIGT
};
constexpr std::array<CampoGrupo, 4> kCamposGrupo{{{"TURNO", 1}, {"NIVEL", 5}, {"CURSO", 3}, {"GRUPO", 2}}};
using AtributosGrupo = std::array<std::string, kCamposGrupo.size()>;

const AtributosGrupo kSinGrupo{};

struct Asignacion {
    std::string casig, cgrup;
    const AtributosGrupo* grupo = &kSinGrupo;  // in the groups index
    std::optional<double> horas = std::nullopt;

    const std::string& nivel() const { return (*grupo)[1]; }
    const std::string& curso() const { return (*grupo)[2]; }
};

using IndiceGrupos = std::unordered_map<std::string, AtributosGrupo>;

// A text as a text field of that width gives it back.
std::string comoEnCampo(std::string_view valor, std::size_t ancho) {
    valor = valor.substr(0, ancho);
    while (!valor.empty() && valor.back() == ' ') valor.remove_suffix(1);
    return std::string(valor);
}

// Pass 1: one assignment per data line, duplicates included, in file order.
std::vector<Asignacion> leerAsignaciones(zeda::LectorLineas& lector) {
    std::vector<Asignacion> asignaciones;
    recorrerDatos(lector, "ZEDA_ASIGNATGRUPO.TXT", [&asignaciones](const zeda::LineaZEDA& linea) {
        asignaciones.push_back({std::string(linea.campoRecortado(16, 4)), std::string(linea.campoRecortado(12, 4))});
    });
    return asignaciones;
}

// GRUPOST may be an earlier one (without zeda_grupo.txt), of another version: its message names it.
int campoDeGrupost(const tablas::Tabla& grupost, std::string_view nombre) {
    try {
        return grupost.campo(nombre);
    } catch (const ErrorCampo& error) {
        throw Error(std::string(error.what()) + " en la tabla GRUPOST de la carpeta de datos");
    }
}

// Group code -> attributes of the first group record with that code.
IndiceGrupos indiceGrupos(tablas::AlmacenTablas& almacen) {
    auto grupost = almacen.abrir("GRUPOST", tablas::ModoApertura::SoloLecturaCompartida);
    const int abrev = campoDeGrupost(*grupost, "ABREV");
    std::array<int, kCamposGrupo.size()> campos;
    for (std::size_t i = 0; i < campos.size(); ++i) campos[i] = campoDeGrupost(*grupost, kCamposGrupo[i].nombre);
    IndiceGrupos indice;
    for (grupost->primero(); !grupost->finDeTabla(); grupost->siguiente()) {
        const auto [posicion, nuevo] = indice.try_emplace(grupost->comoTexto(abrev));
        if (!nuevo) continue;
        for (std::size_t i = 0; i < campos.size(); ++i)
            posicion->second[i] = comoEnCampo(grupost->comoTexto(campos[i]), kCamposGrupo[i].ancho);
    }
    grupost->cerrar();
    return indice;
}

// Pass 2: the turn, level, course and group letter of each assignment's group.
void completarConGrupos(const IndiceGrupos& grupos, std::vector<Asignacion>& asignaciones) {
    for (auto& asignacion : asignaciones) {
        const auto grupo = grupos.find(asignacion.cgrup);
        if (grupo != grupos.end()) asignacion.grupo = &grupo->second;
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
    std::optional<double> horas(const Asignacion& asignacion) const {
        const auto encontrada = horasDeLaLinea_.find(claveCurso(asignacion.casig, asignacion.nivel(), asignacion.curso()));
        if (encontrada == horasDeLaLinea_.end()) return std::nullopt;
        std::string texto(encontrada->second.empty() ? "1" : encontrada->second);
        std::replace(texto.begin(), texto.end(), ',', '.');
        return std::max(aFlotante(texto), 1.0);
    }

private:
    std::vector<std::string> lineas_;
    std::unordered_map<std::string, std::string_view> horasDeLaLinea_;
};

// Passes 3 and 4: the hours of the first matching subject-course line, else one hour.
void ponerHoras(const HorasPorCurso& cursos, std::vector<Asignacion>& asignaciones) {
    for (auto& asignacion : asignaciones) asignacion.horas = cursos.horas(asignacion).value_or(1.0);
}

// HORAS keeps four decimals; an hours text of six characters never needs more, so the
// pattern is taken from the hours as computed.
void escribir(const std::vector<Asignacion>& asignaciones, tablas::Tabla& asigt) {
    const int casig = asigt.campo("CASIG"), cgrup = asigt.campo("CGRUP");
    const int horas = asigt.campo("HORAS"), sesiones = asigt.campo("SESIONES");
    std::array<int, kCamposGrupo.size()> campos;
    for (std::size_t i = 0; i < campos.size(); ++i) campos[i] = asigt.campo(kCamposGrupo[i].nombre);
    for (const auto& asignacion : asignaciones) {
        asigt.anadir();
        asigt.ponerTexto(casig, asignacion.casig);
        asigt.ponerTexto(cgrup, asignacion.cgrup);
        for (std::size_t i = 0; i < campos.size(); ++i) asigt.ponerTexto(campos[i], (*asignacion.grupo)[i]);
        if (asignacion.horas) {
            asigt.ponerFlotante(horas, *asignacion.horas);
            asigt.ponerTexto(sesiones, PatronSesiones(*asignacion.horas));
        }
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
    std::string patron = enteras <= kUnosSeguidos ? std::string(static_cast<std::size_t>(std::max(enteras, 0.0)), '1')
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
    auto asignaciones = leerAsignaciones(lector);
    lector.cerrar();
    const auto grupos = indiceGrupos(contexto.almacen());
    completarConGrupos(grupos, asignaciones);
    // Without the subject-course file the assignments keep empty hours, and the run has failed:
    // Tempalix would otherwise build a timetable without hours believing the export went well.
    const auto rutaCursos = contexto.ruta("zeda_asignatcurso.txt");
    if (contexto.hayArchivoDelPaso(rutaCursos, "No existe archivo de grupos (ZEDA_ASIGNATCURSO.TXT)"))
        ponerHoras(HorasPorCurso(zeda::leerArchivoEntero(rutaCursos)), asignaciones);
    escribir(asignaciones, *asigt);
    asigt->cerrar();
}

}  // namespace ttz::exportacion
