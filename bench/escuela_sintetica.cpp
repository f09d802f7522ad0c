#include "bench/escuela_sintetica.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <stdexcept>
#include <string_view>

namespace ttz::bancos {
namespace {

constexpr std::string_view kCentro = "41000001";
constexpr std::string_view kFecha = "010920260830";  // day, month, year, hour, minute

struct Asignatura {
    const char* codigo;
    const char* codigoLargo;
    const char* nombre;
};

// The catalogue of subjects; "MUS" appears again in lower case as ZEDA sometimes repeats it.
const Asignatura kAsignaturas[] = {
    {"LCL", "LENGUA_CASTELLANA", "Lengua Castellana y Literatura"},
    {"MAT", "MATEMATICAS", "Matem\xE1ticas"},
    {"ING", "INGLES_1LE", "Primera Lengua Extranjera: Ingl\xE9s"},
    {"GEH", "GEOGRAFIA_HISTORIA", "Geograf\xED" "a e Historia"},
    {"BIG", "BIOLOGIA_GEOLOGIA", "Biolog\xED" "a y Geolog\xED" "a"},
    {"EF", "EDUCACION_FISICA", "Educaci\xF3n F\xEDsica"},
    {"MUS", "MUSICA", "M\xFAsica"},
    {"EPV", "PLASTICA", "Educaci\xF3n Pl\xE1stica, Visual y Audiovisual"},
    {"REL", "RELIGION", "Religi\xF3n"},
    {"TUT", "TUTORIA", "Tutor\xED" "a"},
    {"FYQ", "FISICA_QUIMICA", "F\xEDsica y Qu\xEDmica"},
    {"TEC", "TECNOLOGIA", "Tecnolog\xED" "a"},
    {"VET", "VALORES_ETICOS", "Valores \xC9ticos"},
    {"MATA", "MAT_ACADEMICAS", "Matem\xE1ticas Orientadas a las Ense\xF1\x61nzas Acad\xE9micas"},
    {"FRA", "FRANCES_2LE", "Segunda Lengua Extranjera: Franc\xE9s"},
    {"MATB", "MAT_APLICADAS", "Matem\xE1ticas Orientadas a las Ense\xF1\x61nzas Aplicadas"},
    {"ECO", "ECONOMIA", "Econom\xED" "a"},
    {"LAT", "LATIN", "Lat\xEDn"},
    {"TIC", "TIC", "Tecnolog\xED" "as de la Informaci\xF3n y la Comunicaci\xF3n"},
    {"FIL", "FILOSOFIA", "Filosof\xED" "a"},
    {"HMC", "HISTORIA_MUNDO", "Historia del Mundo Contempor\xE1neo"},
    {"MCS", "MAT_CCSS", "Matem\xE1ticas Aplicadas a las Ciencias Sociales"},
    {"ANA", "ANATOMIA", "Anatom\xED" "a Aplicada"},
    {"CUC", "CULTURA_CIENTIFICA", "Cultura Cient\xED" "fica"},
    {"HES", "HISTORIA_ESPANA", "Historia de Espa\xF1\x61"},
    {"GRI", "GRIEGO", "Griego"},
    {"EMP", "ECONOMIA_EMPRESA", "Econom\xED" "a de la Empresa"},
    {"GEO", "GEOGRAFIA", "Geograf\xED" "a"},
    {"HAR", "HISTORIA_ARTE", "Historia del Arte"},
    {"PSI", "PSICOLOGIA", "Psicolog\xED" "a"},
    {"DT", "DIBUJO_TECNICO", "Dibujo T\xE9" "cnico"},
    {"QUI", "QUIMICA", "Qu\xEDmica"},
    {"FIS", "FISICA", "F\xEDsica"},
    {"BIO", "BIOLOGIA", "Biolog\xED" "a"},
    {"LUN", "LITERATURA_UNIVERSAL", "Literatura Universal"},
    {"ART", "ARTES_ESCENICAS", "Artes Esc\xE9nicas"},
    {"CIU", "CIUDADANIA", "Educaci\xF3n para la Ciudadan\xED" "a y los Derechos Humanos"},
    {"ALE", "ALEMAN_2LE", "Segunda Lengua Extranjera: Alem\xE1n"},
    {"CCL", "CULTURA_CLASICA", "Cultura Cl\xE1sica"},
    {"IAE", "EMPRENDEDORA", "Iniciaci\xF3n a la Actividad Emprendedora y Empresarial"},
};
constexpr int kNumAsignaturas = std::size(kAsignaturas);
constexpr int kAsignaturaRepetida = 6;  // MUS

struct Profesor {
    const char* abreviatura;
    const char* nombre;
    const char* departamento;
};

const Profesor kProfesores[] = {
    {"GALM", "Garc\xED\x61 L\xF3pez, Mar\xED\x61", "Lengua Castellana y Literatura"},
    {"MARJ", "Mart\xEDnez Ruiz, Javier", "Lengua Castellana y Literatura"},
    {"FEVI", "Fern\xE1ndez de la Fuente Villanueva, Mar\xED\x61 Inmaculada", "Lengua Castellana y Literatura"},
    {"SAGA", "S\xE1nchez G\xF3mez, Antonio", "Matem\xE1ticas"},
    {"ROMC", "Rodr\xEDguez Moreno, Carmen", "Matem\xE1ticas"},
    {"PEDI", "P\xE9rez D\xED" "az, Isabel", "Matem\xE1ticas"},
    {"MUNJ", "Mu\xF1oz Jim\xE9nez, Jos\xE9 Luis", "Ingl\xE9s"},
    {"ALRL", "\xC1lvarez Romero, Luc\xED\x61", "Ingl\xE9s"},
    {"ALON", "Alonso Navarro, Pilar", "Ingl\xE9s"},
    {"GUTF", "Guti\xE9rrez Torres, Francisco", "Geograf\xED\x61 e Historia"},
    {"DOMR", "Dom\xEDnguez V\xE1zquez, Rosa", "Geograf\xED\x61 e Historia"},
    {"RAGI", "Ramos Gil, Manuel", "Biolog\xED\x61 y Geolog\xED\x61"},
    {"SERM", "Serrano Molina, Elena", "F\xEDsica y Qu\xEDmica"},
    {"BLAS", "Blanco Su\xE1rez, David", "F\xEDsica y Qu\xEDmica"},
    {"MOLO", "Molina Ortega, Javier", "Educaci\xF3n F\xEDsica"},
    {"DELG", "Delgado Castro, Raquel", "Educaci\xF3n F\xEDsica"},
    {"ORTM", "Ortiz Mar\xEDn, Alberto", "M\xFAsica"},
    {"RUBS", "Rubio Sanz, Cristina", "Dibujo"},
    {"IBAN", "Ib\xE1\xF1\x65z Pe\xF1\x61, Sergio", "Tecnolog\xED\x61"},
    {"CAST", "Castillo Medina, Laura", "Religi\xF3n"},
    {"CORT", "Cort\xE9s Garrido, Pablo", "Filosof\xED\x61"},
    {"LOZA", "Lozano Santos, Marta", "Franc\xE9s"},
    {"GUER", "Guerrero Cano, Jorge", "Econom\xED\x61"},
    {"PRIE", "Prieto M\xE9ndez, Silvia", "Lat\xEDn y Griego"},
    {"CALV", "Calvo Le\xF3n, Andr\xE9s", "Geograf\xED\x61 e Historia"},
    {"VIDA", "Vidal Herrera, Beatriz", "Orientaci\xF3n"},
    {"CAMP", "Campos Vega, Miguel \xC1ngel", "Matem\xE1ticas"},
    {"FUEN", "Fuentes Carrasco, Nuria", "Biolog\xED\x61 y Geolog\xED\x61"},
    {"CABR", "Cabrera Reyes, Roc\xEDo", "Lengua Castellana y Literatura"},
    {"NIET", "Nieto Pascual, \xD3scar", "Tecnolog\xED\x61"},
};
constexpr int kNumProfesores = std::size(kProfesores);

struct Aula {
    const char* abreviatura;
    const char* nombre;
};

// "DES1" appears twice: rooms are kept as ZEDA lists them.
const Aula kAulas[] = {
    {"A101", "Aula 101 (planta baja)"}, {"A102", "Aula 102 (planta baja)"}, {"A103", "Aula 103 (planta baja)"},
    {"A104", "Aula 104 (planta baja)"}, {"A201", "Aula 201 (primera planta)"},
    {"A202", "Aula 202 (primera planta)"}, {"A203", "Aula 203 (primera planta)"},
    {"A204", "Aula 204 (primera planta)"}, {"LAB1", "Laboratorio de Ciencias Naturales"},
    {"LAB2", "Laboratorio de F\xEDsica y Qu\xEDmica"}, {"GIM", "Gimnasio"}, {"MUS", "Aula de M\xFAsica"},
    {"INF1", "Aula de Inform\xE1tica 1"}, {"INF2", "Aula de Inform\xE1tica 2"}, {"TEC", "Taller de Tecnolog\xED" "a"},
    {"PLA", "Aula de Pl\xE1stica"}, {"BIB", "Biblioteca"}, {"SUM", "Sal\xF3n de usos m\xFAltiples"},
    {"DES1", "Aula de desdoble 1"}, {"DES2", "Aula de desdoble 2"}, {"DES1", "Aula de desdoble 1 (anexo)"},
};
constexpr int kNumAulas = std::size(kAulas);

struct Grupo {
    const char* unidad;
    const char* codigo;
    const char* nivel;  // blank for the curricular diversification group
    const char* curso;
    const char* turno;
    int plan;  // index into kPlanes
};

const Grupo kGrupos[] = {
    {"1ESOA", "1EA", "ESO", "1", "D", 0},   {"1ESOB", "1EB", "ESO", "1", "D", 0},  {"1ESOC", "1EC", "ESO", "1", "D", 0},
    {"2ESOA", "2EA", "ESO", "2", "D", 1},   {"2ESOB", "2EB", "ESO", "2", "D", 1},  {"2ESOC", "2EC", "ESO", "2", "D", 1},
    {"3ESOA", "3EA", "ESO", "3", "D", 2},   {"3ESOB", "3EB", "ESO", "3", "D", 2},  {"4ESOA", "4EA", "ESO", "4", "D", 3},
    {"4ESOB", "4EB", "ESO", "4", "D", 3},   {"1BACHA", "1BA", "BAC", "1", "D", 4}, {"1BACHB", "1BB", "BAC", "1", "D", 4},
    {"2BACHA", "2BA", "BAC", "2", "D", 5},  {"2BACHB", "2BB", "BAC", "2", "D", 5}, {"PMAR-2", "PM2", "", "2", "D", 6},
};
constexpr int kNumGrupos = std::size(kGrupos);

constexpr int kMateriasPorGrupo = 10;

struct Plan {
    const char* nivel;  // as the subject-course file writes it: "NIV" for the blank level
    const char* curso;
    struct {
        const char* asignatura;
        const char* horas;
    } materias[kMateriasPorGrupo];
};

// Weekly hours of each course. Blank hours count as one; "VET" of 2 ESO has no line, so it
// gets the default hour.
const Plan kPlanes[] = {
    {"ESO", "1", {{"LCL", "4"}, {"MAT", "4"}, {"ING", "4"}, {"GEH", "3"}, {"BIG", "3"},
                  {"EF", "2"}, {"MUS", "2"}, {"EPV", "2"}, {"REL", "1,5"}, {"TUT", ""}}},
    {"ESO", "2", {{"LCL", "4"}, {"MAT", "4"}, {"ING", "3"}, {"GEH", "3"}, {"FYQ", "3"},
                  {"EF", "2"}, {"MUS", "2"}, {"TEC", "3"}, {"VET", nullptr}, {"TUT", "1"}}},
    {"ESO", "3", {{"LCL", "4"}, {"MATA", "4"}, {"ING", "4"}, {"GEH", "3"}, {"BIG", "2"},
                  {"FYQ", "2"}, {"EF", "2"}, {"TEC", "2"}, {"FRA", "2"}, {"TUT", "1"}}},
    {"ESO", "4", {{"LCL", "3"}, {"MATB", "4"}, {"ING", "4"}, {"GEH", "3"}, {"EF", "2"},
                  {"ECO", "3"}, {"LAT", "3"}, {"TIC", "2.5"}, {"FRA", "2"}, {"TUT", "1"}}},
    {"BAC", "1", {{"LCL", "3"}, {"FIL", "3"}, {"ING", "3"}, {"EF", "2"}, {"HMC", "4"},
                  {"LAT", "4"}, {"MCS", "4"}, {"ECO", "4"}, {"ANA", "2"}, {"CUC", "2"}}},
    {"BAC", "2", {{"LCL", "3"}, {"HES", "3"}, {"ING", "3"}, {"FIL", "2"}, {"GRI", "4"},
                  {"EMP", "4"}, {"MCS", "4"}, {"GEO", "4"}, {"HAR", "4"}, {"PSI", "2"}}},
    {"NIV", "2", {{"LCL", "7"}, {"MAT", "7"}, {"ING", "3"}, {"GEH", "0"}, {"EF", "2"},
                  {"TEC", "3"}, {"REL", "1"}, {"TUT", "2"}, {"MUS", "2"}, {"VET", "1"}}},
};

struct Periodo {
    const char* desde;
    const char* hasta;
};
const Periodo kPeriodos[] = {{"0800", "0855"}, {"0855", "0950"}, {"0950", "1045"},
                             {"1115", "1210"}, {"1210", "1305"}, {"1305", "1400"}};
constexpr int kNumPeriodos = std::size(kPeriodos);
constexpr std::string_view kDias = "LMXJV";

// A field of the given width: the value, then blanks.
std::string campo(std::string_view valor, std::size_t ancho) {
    std::string texto(valor);
    if (texto.size() < ancho) texto.append(ancho - texto.size(), ' ');
    return texto;
}

std::string base36(int numero, int cifras) {
    std::string texto(static_cast<std::size_t>(cifras), '0');
    for (int i = cifras - 1; i >= 0; --i, numero /= 36) texto[i] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ"[numero % 36];
    if (numero != 0) throw std::out_of_range("the synthetic school does not fit in codes of four characters");
    return texto;
}

// Copy 0 is the sample school; later copies get codes of a letter and three base-36 digits.
std::string codigoDeCopia(int copia, char letra, int indice, int porCopia, const char* original) {
    if (copia == 0) return original;
    return letra + base36(copia * porCopia + indice, 3);
}

std::string minusculas(std::string texto) {
    for (char& c : texto) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return texto;
}

class Archivo {
public:
    explicit Archivo(std::string nombre) : nombre_(std::move(nombre)) {}
    void anadir(std::string linea) { lineas_.push_back(std::move(linea)); }

    // With header and, unless left out, trailer; the last line break may be left out as well.
    ArchivoZEDA cerrar(bool conPie = true, bool saltoFinal = true) const {
        const std::string marca = campo(minusculasAMayusculas(nombre_), 50) + std::string(kCentro) + std::string(kFecha);
        std::string contenido = "0" + marca;
        for (const auto& linea : lineas_) contenido.append("\r\n").append(linea);
        if (conPie) contenido.append("\r\n9").append(marca).append(std::to_string(lineas_.size()));
        if (saltoFinal) contenido.append("\r\n");
        return {nombre_, contenido};
    }

private:
    static std::string minusculasAMayusculas(std::string texto) {
        for (char& c : texto) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        return texto;
    }

    std::string nombre_;
    std::vector<std::string> lineas_;
};

class Generador {
public:
    explicit Generador(int factor) : factor_(factor) {}

    std::vector<ArchivoZEDA> generar() {
        for (int copia = 0; copia < factor_; ++copia) anadirCopia(copia);
        // The rooms file of the sample comes without its trailer line and the sessions file
        // without the line break after its trailer, as some exports of ZEDA do.
        return {asignaturas_.cerrar(), profesores_.cerrar(), aulas_.cerrar(false), grupos_.cerrar(),
                asignaturasGrupos_.cerrar(), asignaturasCursos_.cerrar(), sesiones_.cerrar(true, false)};
    }

private:
    std::string asignatura(int copia, const char* codigo) const {
        const auto indice = std::find_if(std::begin(kAsignaturas), std::end(kAsignaturas),
                                         [codigo](const Asignatura& a) { return std::string_view(a.codigo) == codigo; }) -
                            std::begin(kAsignaturas);
        return codigoDeCopia(copia, 'A', static_cast<int>(indice), kNumAsignaturas, codigo);
    }

    static std::string sufijo(int copia) { return copia == 0 ? "" : " (" + std::to_string(copia) + ")"; }

    void anadirCopia(int copia) {
        for (int i = 0; i < kNumAsignaturas; ++i) {
            const auto& a = kAsignaturas[i];
            asignaturas_.anadir("1" + campo(asignatura(copia, a.codigo), 4) + campo(a.codigoLargo, 20) + a.nombre +
                                sufijo(copia));
            if (i == kAsignaturaRepetida)
                asignaturas_.anadir("1" + campo(minusculas(asignatura(copia, a.codigo)), 4) + campo(a.codigoLargo, 20) +
                                    a.nombre + " (repetida)");
        }
        for (int i = 0; i < kNumProfesores; ++i) {
            const auto& p = kProfesores[i];
            profesores_.anadir("1" + campo(codigoDeCopia(copia, 'P', i, kNumProfesores, p.abreviatura), 4) +
                               campo(std::string(p.nombre) + sufijo(copia), 90) + p.departamento);
        }
        for (int i = 0; i < kNumAulas; ++i) {
            const auto& a = kAulas[i];
            aulas_.anadir("1" + campo(kCentro, 10) + campo(codigoDeCopia(copia, 'R', i, kNumAulas, a.abreviatura), 4) +
                          campo("30", 70) + a.nombre + sufijo(copia));
        }
        anadirGrupos(copia);
        anadirPlanes(copia);
        anadirSesiones(copia);
    }

    void anadirGrupos(int copia) {
        for (int i = 0; i < kNumGrupos; ++i) {
            const auto& g = kGrupos[i];
            const std::string unidad = copia == 0 ? g.unidad : std::to_string(copia) + "-" + g.unidad;
            const std::string codigo = codigoDeCopia(copia, 'G', i, kNumGrupos, g.codigo);
            grupos_.anadir("1" + campo(unidad, 10) + campo(codigo, 4) + campo(g.nivel, 3) + campo("", 3) +
                           campo(g.curso, 3) + campo("", 10) + campo(g.turno, 3));
            for (const auto& materia : kPlanes[g.plan].materias)
                asignaturasGrupos_.anadir("1" + campo(unidad, 10) + campo(codigo, 4) +
                                          campo(asignatura(copia, materia.asignatura), 4));
        }
    }

    void anadirPlanes(int copia) {
        for (const auto& plan : kPlanes) {
            for (const auto& materia : plan.materias) {
                if (materia.horas != nullptr) anadirHoras(copia, plan.nivel, plan.curso, materia.asignatura, materia.horas);
            }
        }
        // A second line for Lengua of 1 ESO, which the first one overrides.
        anadirHoras(copia, "ESO", "1", "LCL", "5");
    }

    void anadirHoras(int copia, const char* nivel, const char* curso, const char* codigo, const char* horas) {
        asignaturasCursos_.anadir("1" + campo(nivel, 3) + campo("", 3) + campo(curso, 3) + campo("", 13) +
                                  campo(asignatura(copia, codigo), 4) + campo(horas, 6));
    }

    // Copy 0 has six periods a day; each later copy six more, with start times from 1400 on.
    void anadirSesiones(int copia) {
        for (std::size_t d = 0; d < kDias.size(); ++d) {
            for (int p = 0; p < kNumPeriodos; ++p) {
                const int indice = static_cast<int>(d) * kNumPeriodos + p;
                std::string codigo = copia == 0 ? "0" + std::to_string((d + 1) * 100 + p + 1)
                                                : "S" + base36(copia * kNumPeriodos * 5 + indice, 3);
                const int inicio = 1400 + (copia - 1) * kNumPeriodos + p;
                const std::string desde = copia == 0 ? kPeriodos[p].desde : std::to_string(inicio);
                const std::string hasta = copia == 0 ? kPeriodos[p].hasta : std::to_string(inicio + 95);
                sesiones_.anadir("1" + campo("", 3) + campo(codigo, 4) + kDias[d] + campo(desde, 4) + campo(hasta, 4));
            }
        }
    }

    int factor_;
    Archivo asignaturas_{"zeda_asignat.txt"}, profesores_{"zeda_prof.txt"}, aulas_{"zeda_aulas.txt"},
        grupos_{"zeda_grupo.txt"}, asignaturasGrupos_{"zeda_asignatgrupo.txt"},
        asignaturasCursos_{"zeda_asignatcurso.txt"}, sesiones_{"zeda_sesiones.txt"};
};

}  // namespace

std::vector<ArchivoZEDA> generarEscuela(int factor) { return Generador(factor).generar(); }

void escribirEscuela(const std::filesystem::path& carpeta, int factor) {
    std::filesystem::create_directories(carpeta);
    for (const auto& archivo : generarEscuela(factor)) {
        std::ofstream salida(carpeta / archivo.nombre, std::ios::binary);
        salida.write(archivo.contenido.data(), static_cast<std::streamsize>(archivo.contenido.size()));
        if (!salida) throw std::runtime_error("cannot write " + (carpeta / archivo.nombre).string());
    }
}

}  // namespace ttz::bancos
