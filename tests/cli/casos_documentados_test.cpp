// What the technician's guide and the batch tool's manual page promise: each case of the guide's
// table of cases, prepared and run through the batch tool, gives the status and writes the
// message that the table says; and the statuses are those of both documents' lists.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "base/archivo.h"
#include "comun/nombre_caso.h"
#include "comun/sin_privilegios.h"
#include "lote.h"

namespace ttz::pruebas {
namespace {

const fs::path kGuia = fs::path(TTZ_FUENTES) / "docs/guia-tecnico.md";
const fs::path kManual = fs::path(TTZ_FUENTES) / "packaging/debian/transtempaloszeda-lote.1.in";
constexpr std::string_view kPuntos = "\xE2\x80\xA6";  // "…": any text in the documents' messages

std::vector<std::string> lineasDe(const fs::path& archivo) {
    std::ifstream entrada(archivo);
    std::vector<std::string> lineas;
    for (std::string linea; std::getline(entrada, linea);) lineas.push_back(linea);
    return lineas;
}

std::vector<std::string> celdas(const std::string& fila) {
    std::vector<std::string> resultado;
    std::istringstream partes(fila.substr(1));
    for (std::string celda; std::getline(partes, celda, '|');) resultado.push_back(celda.substr(1, celda.size() - 2));
    return resultado;
}

// The rows of the first table after the line that starts with titulo, header left out.
std::vector<std::vector<std::string>> tablaDeLaGuia(std::string_view titulo) {
    const auto lineas = lineasDe(kGuia);
    std::vector<std::vector<std::string>> filas;
    auto linea = std::find_if(lineas.begin(), lineas.end(), [&](const auto& l) { return l.starts_with(titulo); });
    if (linea == lineas.end()) return filas;
    linea = std::find_if(linea, lineas.end(), [](const auto& l) { return l.starts_with("|"); });
    for (linea += 2; linea < lineas.end() && linea->starts_with("|"); ++linea) filas.push_back(celdas(*linea));
    return filas;
}

struct Caso {
    std::string caso;
    int estado;
    std::string mensaje;  // between « and », "…" standing for any text
};

void PrintTo(const Caso& caso, std::ostream* salida) { *salida << caso.caso; }

std::vector<Caso> casosDeLaGuia() {
    std::vector<Caso> casos;
    for (const auto& fila : tablaDeLaGuia("Casos y mensajes")) {
        const std::string& mensaje = fila.at(2);
        const std::size_t abre = std::string_view("\xC2\xAB").size();
        casos.push_back({fila.at(0), std::stoi(fila.at(1)), mensaje.substr(abre, mensaje.size() - 2 * abre)});
    }
    return casos;
}

bool encaja(std::string_view texto, std::string_view patron) {
    const std::size_t puntos = patron.find(kPuntos);
    if (puntos == std::string_view::npos) return texto == patron;
    if (!texto.starts_with(patron.substr(0, puntos))) return false;
    const std::string_view resto = patron.substr(puntos + kPuntos.size());
    for (std::size_t desde = puntos; desde <= texto.size(); ++desde)
        if (encaja(texto.substr(desde), resto)) return true;
    return false;
}

class CasoDocumentado : public Lote, public ::testing::WithParamInterface<Caso> {
protected:
    std::string exportar() { return "exportar " + opciones(); }
    std::string importar() { return "importar " + opciones(); }
    std::string sinArchivo(const char* archivo, const std::string& orden) {
        copiarEscuela();
        fs::remove(trabajo / archivo);
        return orden;
    }
    std::string conHoras(const std::string& horas) {
        copiarEscuela();
        trabajo.escribir("zeda_asignatcurso.txt", "0ZEDA_ASIGNATCURSO.TXT\r\n1ESO   1               LCL " + horas + "\r\n");
        return exportar();
    }
    std::string conGrupostAjeno() {
        copiarEscuela();
        EXPECT_EQ(ejecutar(exportar()).estado, 0);
        fs::remove(datos / "GRUPOST.DBF");  // MinGW's libstdc++ does not overwrite in copy_file
        fs::copy_file(datos / "ASIGNOMT.DBF", datos / "GRUPOST.DBF");
        fs::remove(trabajo / "zeda_grupo.txt");
        return exportar();
    }
    // POSIX only: the tool then runs as an ordinary user, for whom permissions hold.
    std::string sinPermiso(const fs::path& ruta, fs::perms permisos, const std::string& orden) {
        if (!hayPermisosPosix) return "";
        for (const auto& carpeta : {trabajo.ruta(), datos.ruta(), salidas.ruta()}) {
            fs::permissions(carpeta, fs::perms::all);
            for (const auto& entrada : fs::directory_iterator(carpeta)) fs::permissions(entrada, fs::perms::all);
        }
        fs::permissions(ruta, permisos);
        comoUsuarioCorriente = true;
        return orden;
    }
    std::string conCarpetaIlegible() {
        fs::copy(kEscuela, trabajo / "zeda");
        return sinPermiso(trabajo / "zeda", fs::perms::none,
                          "exportar --carpeta " + citar(trabajo / "zeda") + " --datos " + citar(datos.ruta()));
    }
    std::string conTablaDeSoloLectura() {
        copiarEscuela();
        EXPECT_EQ(ejecutar(exportar()).estado, 0);
        datos.escribir("SOLUC.DBF", leerBytes(datos / "ASIGT.DBF"));
        return sinPermiso(datos / "PROFT.DBF", fs::perms::owner_read | fs::perms::others_read, importar());
    }
    Salida ejecutarCaso(const std::string& argumentos) {
        if (!comoUsuarioCorriente) return ejecutar(argumentos);
        const std::string resultado = sinPrivilegios([&] {
            const Salida r = ejecutar(argumentos);
            return std::to_string(r.estado) + "\n" + r.salida + r.errores;
        });
        const std::size_t fin = resultado.find('\n');
        return {std::stoi(resultado.substr(0, fin)), resultado.substr(fin + 1), ""};
    }
    std::string conTablaRetenida(const std::string& orden) {
        copiarEscuela();
        EXPECT_EQ(ejecutar(exportar()).estado, 0);
        EXPECT_EQ(ejecutar(exportar()).estado, 0);
        retenida.emplace(Archivo::abrir(datos / "GRUPOST.DBF", Acceso::Lectura, Retencion::Exclusiva));
        return orden;
    }
    // An export over an earlier one, with a file or a folder where the copies or the record go.
    std::string conEstorbo(const char* nombre, bool carpeta) {
        copiarEscuela();
        EXPECT_EQ(ejecutar(exportar()).estado, 0);
        fs::remove(datos / nombre);
        carpeta ? (void)fs::create_directory(datos / nombre) : (void)datos.escribir(nombre, "");
        return exportar();
    }
    std::string conCopias(const std::string& orden) {
        copiarEscuela();
        EXPECT_EQ(ejecutar(exportar()).estado, 0);
        EXPECT_EQ(ejecutar(exportar()).estado, 0);
        return orden + " --datos " + citar(datos.ruta());
    }
    std::string sinArchivoEnLaCopia() {
        const std::string orden = conCopias("restaurar");
        for (const auto& copia : fs::directory_iterator(datos / "copias")) fs::remove(copia.path() / "AULAT.DBF");
        return orden;
    }

public:
    // Each case of the guide, by its words in the guide: what it prepares and the arguments.
    using Preparacion = std::function<std::string(CasoDocumentado&)>;
    static const std::map<std::string, Preparacion>& preparaciones() {
        static const std::map<std::string, Preparacion> tabla{
            {"la exportaci\xC3\xB3n de un centro completo", [](auto& c) { return c.copiarEscuela(), c.exportar(); }},
            {"la carpeta de ZEDA no existe",
             [](auto& c) { return "exportar --carpeta " + citar(c.trabajo / "no") + " --datos " + citar(c.datos.ruta()); }},
            {"falta `zeda_prof.txt`", [](auto& c) { return c.sinArchivo("zeda_prof.txt", c.exportar()); }},
            {"falta `zeda_asignatcurso.txt`", [](auto& c) { return c.sinArchivo("zeda_asignatcurso.txt", c.exportar()); }},
            {"la carpeta de datos no existe",
             [](auto& c) {
                 c.copiarEscuela();
                 return "exportar --carpeta " + citar(c.trabajo.ruta()) + " --datos " + citar(c.datos / "no");
             }},
            {"la carpeta de datos no existe y la de ZEDA est\xC3\xA1 vac\xC3\xAD" "a",
             [](auto& c) { return "exportar --carpeta " + citar(c.trabajo.ruta()) + " --datos " + citar(c.datos / "no"); }},
            {"la primera exportaci\xC3\xB3n sin `zeda_grupo.txt` (a\xC3\xBAn no hay `GRUPOST`)",
             [](auto& c) { return c.sinArchivo("zeda_grupo.txt", c.exportar()); }},
            {"una carpeta de ZEDA que su usuario no puede leer (Debian y Ubuntu)",
             [](auto& c) { return c.conCarpetaIlegible(); }},
            {"`zeda_prof.txt` es un enlace que lleva a s\xC3\xAD mismo (Debian y Ubuntu)",
             [](auto& c) {
                 if (!hayPermisosPosix) return std::string();
                 c.sinArchivo("zeda_prof.txt", "");
                 fs::create_symlink("zeda_prof.txt", c.trabajo / "zeda_prof.txt");
                 return c.exportar();
             }},
            {"importar con una tabla de solo lectura (Debian y Ubuntu)", [](auto& c) { return c.conTablaDeSoloLectura(); }},
            {"importar sin las tablas", [](auto& c) { return c.copiarEscuela(), c.importar(); }},
            {"importar sin `zeda_sesiones.txt`", [](auto& c) { return c.sinArchivo("zeda_sesiones.txt", c.importar()); }},
            {"una tabla abierta en otro programa", [](auto& c) { return c.conTablaRetenida(c.exportar()); }},
            {"unas horas que no son un n\xC3\xBAmero", [](auto& c) { return c.conHoras("4x"); }},
            {"unas horas que no se pueden leer como n\xC3\xBAmero (`9e999`)", [](auto& c) { return c.conHoras("9e999"); }},
            {"un car\xC3\xA1" "cter que las tablas no admiten",
             [](auto& c) {
                 c.copiarEscuela();
                 c.trabajo.escribir("zeda_prof.txt", "\xEF\xBB\xBF" "0ZEDA_PROF.TXT\r\n1P01 \xCE\xA9\r\n");
                 return c.exportar();
             }},
            {"falta `zeda_grupo.txt` y el `GRUPOST` que hab\xC3\xAD" "a es de otra versi\xC3\xB3n",
             [](auto& c) { return c.conGrupostAjeno(); }},
            {"una orden desconocida", [](auto&) { return std::string("transformar"); }},
            {"una opci\xC3\xB3n repetida", [](auto&) { return std::string("exportar --carpeta a --carpeta b"); }},
            {"un argumento de m\xC3\xA1s", [](auto&) { return std::string("exportar importar"); }},
            {"listar las copias tras dos exportaciones", [](auto& c) { return c.conCopias("copias"); }},
            {"restaurar la copia m\xC3\xA1s reciente", [](auto& c) { return c.conCopias("restaurar"); }},
            {"restaurar sin copias", [](auto& c) { return "restaurar --datos " + citar(c.datos.ruta()); }},
            {"restaurar una copia que no existe", [](auto& c) { return c.conCopias("restaurar nada"); }},
            {"restaurar una copia a la que le falta un archivo", [](auto& c) { return c.sinArchivoEnLaCopia(); }},
            {"restaurar con una tabla abierta en otro programa",
             [](auto& c) { return c.conTablaRetenida("restaurar --datos " + citar(c.datos.ruta())); }},
            {"una copia que no se puede guardar", [](auto& c) { return c.conEstorbo("copias", false); }},
            {"el registro no se puede escribir", [](auto& c) { return c.conEstorbo("transtempaloszeda.log", true); }},
        };
        return tabla;
    }

protected:
    std::optional<Archivo> retenida;
    bool comoUsuarioCorriente = false;
};

TEST_P(CasoDocumentado, DaElEstadoYElMensajeDeLaGuia) {
    const auto preparacion = preparaciones().find(GetParam().caso);
    ASSERT_NE(preparacion, preparaciones().end()) << "caso de la gu\xC3\xAD" "a sin preparar";
    const std::string argumentos = preparacion->second(*this);
    if (argumentos.empty()) GTEST_SKIP() << kSinPermisosPosix;
    const auto r = ejecutarCaso(argumentos);
    const std::string todo = r.salida + r.errores;
    EXPECT_EQ(r.estado, GetParam().estado) << todo;
    std::istringstream lineas(todo);
    bool escrito = false;
    for (std::string linea; !escrito && std::getline(lineas, linea);) escrito = encaja(linea, GetParam().mensaje);
    EXPECT_TRUE(escrito) << todo;
}

INSTANTIATE_TEST_SUITE_P(Guia, CasoDocumentado, ::testing::ValuesIn(casosDeLaGuia()), NombrePor<&Caso::caso>());

// Every prepared case is in the guide, and the statuses of the cases are those that the guide's
// and the manual page's lists explain.
TEST(Documentos, CasosYEstadosDeLaGuiaYDelManual) {
    const auto casos = casosDeLaGuia();
    std::set<std::string> enLaGuia;
    std::set<int> estados;
    for (const auto& caso : casos) enLaGuia.insert(caso.caso), estados.insert(caso.estado);
    for (const auto& [caso, preparacion] : CasoDocumentado::preparaciones())
        EXPECT_TRUE(enLaGuia.contains(caso)) << caso;

    std::set<int> enLaListaDeLaGuia;
    for (const auto& fila : tablaDeLaGuia("| Estado | Significado |")) enLaListaDeLaGuia.insert(std::stoi(fila.at(0).substr(1)));
    EXPECT_EQ(enLaListaDeLaGuia, estados);

    std::set<int> enElManual;
    const auto lineas = lineasDe(kManual);
    auto linea = std::find(lineas.begin(), lineas.end(), ".SH \"ESTADO DE SALIDA\"");
    ASSERT_NE(linea, lineas.end());
    for (++linea; linea != lineas.end() && !linea->starts_with(".SH "); ++linea)
        if (linea->starts_with(".B ") && *(linea - 1) == ".TP") enElManual.insert(std::stoi(linea->substr(3)));
    EXPECT_EQ(enElManual, estados);
}

}  // namespace
}  // namespace ttz::pruebas
