// What the batch tool's runs keep and the way back: a copy holds the files that a run replaced,
// byte for byte; restaurar puts them back or, refusing, changes nothing; a copy that cannot be
// made stops the run before the table is replaced; the record tells the run.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <optional>

#include "base/archivo.h"
#include "comun/nombre_caso.h"
#include "lote.h"

namespace ttz::pruebas {
namespace {

class Copias : public Lote {
protected:
    // The files of a folder by name, bytes exact; the record and a copy's description left out.
    static std::map<std::string, std::string> archivos(const fs::path& carpeta) {
        std::map<std::string, std::string> bytes;
        for (const auto& entrada : fs::directory_iterator(carpeta)) {
            const std::string nombre = entrada.path().filename().string();
            if (entrada.is_regular_file() && nombre != "transtempaloszeda.log" && nombre != "descripcion.txt")
                bytes[nombre] = leerBytes(entrada.path());
        }
        return bytes;
    }
    fs::path copiaMasReciente() const {
        fs::path mayor;
        for (const auto& entrada : fs::directory_iterator(datos / "copias")) mayor = std::max(mayor, entrada.path());
        return mayor;
    }
    // The sample school exported twice, with an index of PROFT in between.
    void dosExportaciones() {
        copiarEscuela();
        ASSERT_EQ(ejecutar("exportar " + opciones()).estado, 0);
        datos.escribir("PROFT.MDX", "indice de Tempalix");
        ASSERT_EQ(ejecutar("exportar " + opciones()).estado, 0);
    }

public:
    std::optional<Archivo> retenida;
};

TEST_F(Copias, GuardaLasTablasYElIndiceQueReemplazaYLoAnotaEnElRegistro) {
    copiarEscuela();
    ASSERT_EQ(ejecutar("exportar " + opciones()).estado, 0);
    datos.escribir("PROFT.MDX", "indice de Tempalix");
    const auto antes = archivos(datos.ruta());
    const auto r = ejecutar("exportar " + opciones());
    EXPECT_EQ(r.estado, 0);
    EXPECT_EQ(archivos(copiaMasReciente()), antes);
    EXPECT_FALSE(fs::exists(datos / "PROFT.MDX"));
    EXPECT_NE(r.salida.find("Escrito \"" + (datos / "PROFT.DBF").string() + "\": 30 registros\n"), std::string::npos);
    EXPECT_TRUE(r.salida.ends_with("Copia de lo reemplazado: \"" + copiaMasReciente().string() + "\"\n")) << r.salida;
    const std::string registro = leerBytes(datos / "transtempaloszeda.log");
    for (const char* parte :
         {", por lotes, exportar, carpeta de trabajo \"", "Inicio: transtempaloszeda-lote " TTZ_VERSION ", ",
          "\": 30 registros\r\n", "  Mensaje: Proceso finalizado\r\n  Copia de lo reemplazado: \"",
          " Fin: Transformado=1\r\n"})
        EXPECT_NE(registro.find(parte), std::string::npos) << parte;
}

TEST_F(Copias, UnaCopiaQueNoSePuedeHacerDejaLasTablasComoEstaban) {
    copiarEscuela();
    ASSERT_EQ(ejecutar("exportar " + opciones()).estado, 0);
    datos.escribir("copias", "un archivo donde va la carpeta de las copias");
    const auto antes = tablas();
    const auto r = ejecutar("exportar " + opciones());
    EXPECT_EQ(r.estado, 2);
    EXPECT_TRUE(r.errores.starts_with("No se puede guardar la copia de \"" + (datos / "ASIGNOMT.DBF").string() +
                                      "\" antes de reemplazarlo. "))
        << r.errores;
    EXPECT_EQ(tablas(), antes);
}

class Vuelta;

struct CasoVuelta {
    const char* nombre;
    std::function<void(Vuelta&)> preparar;  // after two exports and the data folder taken
    std::vector<std::string> ordenes;       // then run; the data folder ends as it was taken
    int estado;                             // of the last one
};

void PrintTo(const CasoVuelta& caso, std::ostream* salida) { *salida << caso.nombre; }

class Vuelta : public Copias, public testing::WithParamInterface<CasoVuelta> {
public:
    static void horasErroneas(Vuelta& c) {
        std::ofstream(c.trabajo / "zeda_prof.txt", std::ios::app) << "1P99 Profesor nuevo\r\n";
        c.trabajo.escribir("zeda_asignatcurso.txt", "0ZEDA_ASIGNATCURSO.TXT\r\n1ESO   1               LCL 4h\r\n");
    }
    static void sinArchivoEnLaCopia(Vuelta& c) { fs::remove(c.copiaMasReciente() / "AULAT.DBF"); }
    static void conArchivoCambiadoEnLaCopia(Vuelta& c) { fs::resize_file(c.copiaMasReciente() / "ASIGT.DBF", 100); }
    static void conTablaRetenida(Vuelta& c) {
        c.retenida.emplace(Archivo::abrir(c.datos / "GRUPOST.DBF", Acceso::Lectura, Retencion::Exclusiva));
    }
};

TEST_P(Vuelta, DejaLaCarpetaDeDatosComoEstaba) {
    dosExportaciones();
    const auto antes = archivos(datos.ruta());
    GetParam().preparar(*this);
    Salida r{};
    for (const auto& orden : GetParam().ordenes)
        r = ejecutar(orden == "exportar" ? "exportar " + opciones() : orden + " --datos " + citar(datos.ruta()));
    EXPECT_EQ(r.estado, GetParam().estado) << r.salida << r.errores;
    retenida.reset();
    EXPECT_EQ(archivos(datos.ruta()), antes);
}

INSTANTIATE_TEST_SUITE_P(
    Restaurar, Vuelta,
    testing::Values(
        CasoVuelta{"TrasUnaExportacionDetenidaPorUnValor", &Vuelta::horasErroneas, {"exportar", "restaurar"}, 0},
        CasoVuelta{"DosVecesVuelveAntesDeLaPrimera", [](Vuelta&) {}, {"restaurar", "restaurar"}, 0},
        CasoVuelta{"ConUnArchivoDeLaCopiaQueFalta", &Vuelta::sinArchivoEnLaCopia, {"restaurar"}, 2},
        CasoVuelta{"ConUnArchivoDeLaCopiaCambiado", &Vuelta::conArchivoCambiadoEnLaCopia, {"restaurar"}, 2},
        CasoVuelta{"ConUnaTablaAbiertaEnOtroPrograma", &Vuelta::conTablaRetenida, {"restaurar"}, 2}),
    NombrePor<&CasoVuelta::nombre>());

}  // namespace
}  // namespace ttz::pruebas
