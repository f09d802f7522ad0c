#include "cli/orden.h"

#include "base/archivos.h"
#include "base/texto_ruta.h"
#include "transfer/transferencia.h"

namespace ttz::lote {
namespace {

namespace fs = std::filesystem;

// Windows programs also show their help for "/?"; the default data folder differs by system.
#ifdef _WIN32
constexpr bool kAyudaConBarra = true;
#define TTZ_AYUDA "--help | /? | --version"
#define TTZ_DATOS_POR_OMISION "%TTEMP% si est\xE1 definida; si no, C:\\TTEMP"
#else
constexpr bool kAyudaConBarra = false;
#define TTZ_AYUDA "--help | --version"
#define TTZ_DATOS_POR_OMISION "$TTEMP si est\xE1 definida; si no, $WINEPREFIX/drive_c/TTEMP,\n" \
                              "                     con ~/.wine como WINEPREFIX si no lo est\xE1"
#endif

bool pideAyuda(const std::string& argumento) {
    return argumento == "--help" || argumento == "-h" || (kAyudaConBarra && argumento == "/?");
}

std::optional<Accion> accionDe(const std::string& palabra) {
    if (palabra == "exportar") return Accion::Exportar;
    if (palabra == "importar") return Accion::Importar;
    if (palabra == "copias") return Accion::Copias;
    if (palabra == "restaurar") return Accion::Restaurar;
    return std::nullopt;
}

// "--carpeta DIR" or "--carpeta=DIR".
class LectorArgumentos {
public:
    explicit LectorArgumentos(const std::vector<std::string>& argumentos) : argumentos_(argumentos) {}

    Orden leer() {
        Orden orden;
        std::optional<Accion> accion;
        for (; posicion_ < argumentos_.size(); ++posicion_) {
            const std::string& argumento = argumentos_[posicion_];
            if (pideAyuda(argumento)) return {Accion::Ayuda, {}, {}, {}};
            if (argumento == "--version") return {Accion::Version, {}, {}, {}};
            if (leerOpcion("--carpeta", orden.carpeta) || leerOpcion("--datos", orden.datos)) continue;
            if (argumento.starts_with("-")) throw ErrorUso("opci\xF3n desconocida: " + argumento);
            if (accion == Accion::Restaurar && orden.copia.empty()) {
                orden.copia = argumento;
                continue;
            }
            if (accion) throw ErrorUso("sobra el argumento: " + argumento);
            accion = accionDe(argumento);
            if (!accion) throw ErrorUso("orden desconocida: " + argumento);
        }
        if (!accion) throw ErrorUso("falta la orden (exportar o importar)");
        if ((accion == Accion::Copias || accion == Accion::Restaurar) && orden.carpeta)
            throw ErrorUso("sobra la opci\xF3n --carpeta: las copias est\xE1n en DATOS");
        orden.accion = *accion;
        return orden;
    }

private:
    bool leerOpcion(const std::string& nombre, std::optional<fs::path>& destino) {
        const std::string& argumento = argumentos_[posicion_];
        if (argumento.starts_with(nombre + "=")) {
            guardar(nombre, destino, argumento.substr(nombre.size() + 1));
            return true;
        }
        if (argumento != nombre) return false;
        if (++posicion_ == argumentos_.size()) throw ErrorUso("falta la carpeta tras " + nombre);
        guardar(nombre, destino, argumentos_[posicion_]);
        return true;
    }

    static void guardar(const std::string& nombre, std::optional<fs::path>& destino, const std::string& valor) {
        if (destino) throw ErrorUso("opci\xF3n repetida: " + nombre);
        if (valor.empty()) throw ErrorUso("falta la carpeta tras " + nombre);
        destino = rutaDeTexto(valor);
    }

    const std::vector<std::string>& argumentos_;
    std::size_t posicion_ = 0;
};

}  // namespace

const char* const kUso =
    "uso: transtempaloszeda-lote exportar|importar [--carpeta CARPETA] [--datos DATOS]\n"
    "     transtempaloszeda-lote copias [--datos DATOS]\n"
    "     transtempaloszeda-lote restaurar [COPIA] [--datos DATOS]\n"
    "     transtempaloszeda-lote " TTZ_AYUDA "\n"
    "\n"
    "  exportar           convierte los archivos de ZEDA de CARPETA en las tablas de Tempalix\n"
    "                     de DATOS\n"
    "  importar           escribe en CARPETA el archivo de horario de ZEDA, ZEDA_HORARIO.TXT,\n"
    "                     con el horario resuelto por Tempalix (la tabla SOLUC de DATOS)\n"
    "  copias             lista las copias de lo que reemplazaron las \xFAltimas ejecuciones,\n"
    "                     de la m\xE1s reciente a la m\xE1s antigua (en la carpeta copias de DATOS)\n"
    "  restaurar [COPIA]  devuelve a su sitio los archivos de la copia COPIA (si no se da,\n"
    "                     la m\xE1s reciente); lo que reemplaza queda en una copia nueva\n"
    "  --carpeta CARPETA  la carpeta de los archivos de ZEDA (por omisi\xF3n, la carpeta actual)\n"
    "  --datos DATOS      la carpeta de datos de Tempalix, con sus tablas (por omisi\xF3n,\n"
    "                     " TTZ_DATOS_POR_OMISION ")\n"
    "\n"
    "Estado de salida: 0 proceso finalizado sin fallos; 1 no se hizo todo: falta CARPETA, o al\n"
    "exportar falta un archivo de ZEDA (los dem\xE1s pasos s\xED se hicieron); 2 un error detuvo\n"
    "el proceso; 64 uso incorrecto.\n";

Orden leerOrden(const std::vector<std::string>& argumentos) { return LectorArgumentos(argumentos).leer(); }

std::string carpetaDeTrabajo(const std::optional<fs::path>& carpeta) {
    std::string ruta = textoDeRuta(fs::absolute(carpeta.value_or(fs::current_path())));
    while (ruta.size() > 1 && ruta.back() == separadorCarpetas()) ruta.pop_back();
    return componerCarpeta(ruta);
}

}  // namespace ttz::lote
