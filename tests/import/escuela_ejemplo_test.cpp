// Both directions on the sample school: export, the sample's solved timetable, import; also
// with the school's files saved in other encodings.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "base/archivos.h"
#include "base/texto.h"
#include "base/windows1252.h"
#include "comun/escenario_importacion.h"
#include "comun/mensaje_error.h"
#include "comun/nombre_caso.h"
#include "examples/soluc_ejemplo.h"
#include "export/exportacion.h"
#include "import/importacion.h"
#include "zeda/archivo_zeda.h"
#include "zeda/linea_zeda.h"

namespace ttz::pruebas {
namespace {

namespace fs = std::filesystem;

using Recodificacion = std::string (*)(std::string_view);

// The sample's files into the working folder; the one named soloArchivo (every one when it is
// null) recoded.
void escribirEscuela(const CarpetaTemporal& zeda, Recodificacion recodificar = nullptr,
                     const char* soloArchivo = nullptr) {
    for (const auto& archivo : fs::directory_iterator(fs::path(TTZ_FUENTES) / "examples" / "escuela")) {
        if (archivo.path().extension() != ".txt") continue;
        const std::string nombre = archivo.path().filename().string(), bytes = leerBytes(archivo.path());
        const bool recodificado = recodificar != nullptr && (soloArchivo == nullptr || nombre == soloArchivo);
        zeda.escribir(nombre, recodificado ? recodificar(bytes) : bytes);
    }
}

// The sample writes its days as letters; this writes the same days as digits.
void diasConDigitos(const fs::path& sesiones) {
    auto lineas = zeda::leerArchivoEntero(sesiones);
    for (auto& linea : lineas) {
        const auto dia = linea.size() >= 9 && linea[0] == '1' ? std::string_view("LMXJVSD").find(linea[8])
                                                               : std::string_view::npos;
        if (dia != std::string_view::npos) linea[8] = static_cast<char>('1' + dia);
    }
    zeda::escribirArchivo(sesiones, lineas);
}

class EscuelaDeEjemplo : public ::testing::TestWithParam<bool> {};

TEST_P(EscuelaDeEjemplo, CadaLeccionImportadaTieneSuTramo) {
    EscenarioImportacion e;
    escribirEscuela(e.zeda);
    const bool digitos = GetParam();
    if (digitos) diasConDigitos(e.zeda / "zeda_sesiones.txt");
    ASSERT_EQ(exportacion::ejecutarExportacion(e.zeda.conSeparador(), e.entorno), FinTransferencia::Finalizada);
    ASSERT_EQ(e.estado.Transformado, 1);

    const std::size_t lecciones = ejemplos::generarSoluc(e.almacen);
    EXPECT_GE(lecciones, 200u);
    e.importar();
    ASSERT_EQ(e.estado.Transformado, 1);

    const auto lineas = zeda::leerArchivoEntero(e.zeda / "ZEDA_HORARIO.TXT");
    ASSERT_EQ(lineas.size(), lecciones + 2);
    for (std::size_t i = 1; i + 1 < lineas.size(); ++i) {
        const zeda::LineaZEDA linea(lineas[i]);
        EXPECT_EQ(linea.campo(1, 1), "1") << lineas[i];
        EXPECT_FALSE(zeda::recortar(linea.campo(2, 4)).empty()) << "line " << i << ": " << lineas[i];
        const char dia = linea.campo(6, 1).front();
        EXPECT_TRUE(digitos ? dia >= '1' && dia <= '5' : std::string_view("LMXJV").find(dia) != std::string_view::npos)
            << lineas[i];
    }
    EXPECT_TRUE(lineas.back().ends_with(std::to_string(lecciones)));
}

INSTANTIATE_TEST_SUITE_P(DiasConLetrasYConDigitos, EscuelaDeEjemplo, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Digitos" : "Letras"; });

// Export, the sample's solved timetable, import: the message of an error that ends the export,
// the six tables (their header's date masked) and the timetable file.
std::vector<std::string> exportarEImportar(EscenarioImportacion& e) {
    std::vector<std::string> resultado{
        mensajeDeError([&] { exportacion::ejecutarExportacion(e.zeda.conSeparador(), e.entorno); })};
    ejemplos::generarSoluc(e.almacen);
    e.importar();
    for (const std::string tabla : {"ASIGNOMT", "PROFT", "AULAT", "GRUPOST", "ASIGT", "DIASHORAST"})
        resultado.push_back(leerBytes(e.datos / (tabla + ".DBF")).replace(1, 3, "AMD"));
    resultado.push_back(e.horario());
    return resultado;
}

template <bool grande>
std::string utf16(std::string_view windows1252) {
    std::string bytes = grande ? "\xFE\xFF" : "\xFF\xFE";
    for (const char c : windows1252) {
        const char16_t unidad = unicodeDeWindows1252(static_cast<unsigned char>(c));
        const char alto = static_cast<char>(unidad >> 8), bajo = static_cast<char>(unidad & 0xFF);
        bytes += grande ? std::string{alto, bajo} : std::string{bajo, alto};
    }
    return bytes;
}

std::string utf8ConMarca(std::string_view texto) { return "\xEF\xBB\xBF" + aUtf8(texto); }
// The first "\xED" (in the second line) becomes a Hungarian "\xC5\x91", which Windows-1252 lacks.
std::string utf8ConLetraAjena(std::string_view texto) {
    std::string bytes = aUtf8(texto);
    return bytes.replace(bytes.find("\xC3\xAD"), 2, "\xC5\x91");
}
// First a trailer line whose bytes would read as UTF-8; the accents further on would not.
std::string conUnTrozoComoUtf8(std::string_view texto) { return "9\xC3\xB1\r\n" + std::string(texto); }

struct CasoCodificacion {
    const char* nombre;
    Recodificacion recodificar;
    const char* soloArchivo;  // null: every file
    const char* error;        // after the file's quoted path; null when the export succeeds
};

class EscuelaEnOtraCodificacion : public ::testing::TestWithParam<CasoCodificacion> {};

// After a run on the Windows-1252 files, a run on the recoded ones leaves the same bytes: it
// writes them again, or its error leaves them as they were.
TEST_P(EscuelaEnOtraCodificacion, DejaLasMismasTablasYElMismoHorario) {
    const auto& caso = GetParam();
    EscenarioImportacion e;
    escribirEscuela(e.zeda);
    auto esperados = exportarEImportar(e);
    ASSERT_EQ(esperados.front(), "(sin error)");
    if (caso.error != nullptr)
        esperados.front() = "El archivo \"" + e.zeda.conSeparador() + caso.soloArchivo + "\" " + caso.error;
    escribirEscuela(e.zeda, caso.recodificar, caso.soloArchivo);
    e.reloj = RelojSucesivo({kMomentoCabecera, kMomentoPie});
    EXPECT_EQ(exportarEImportar(e), esperados);
    EXPECT_THAT(e.interlocutor.mensajes, ::testing::Each(std::string("Proceso finalizado")));
}

INSTANTIATE_TEST_SUITE_P(Codificaciones, EscuelaEnOtraCodificacion, ::testing::Values(
    CasoCodificacion{"Utf8", aUtf8, nullptr, nullptr},
    CasoCodificacion{"Utf8ConMarca", utf8ConMarca, nullptr, nullptr},
    CasoCodificacion{"Utf16LE", utf16<false>, nullptr, nullptr},
    CasoCodificacion{"Utf16BE", utf16<true>, nullptr, nullptr},
    CasoCodificacion{"SoloAsignaturasEnUtf8", aUtf8, "zeda_asignat.txt", nullptr},
    CasoCodificacion{"SoloSesionesEnUtf8ConMarca", utf8ConMarca, "zeda_sesiones.txt", nullptr},
    CasoCodificacion{"SoloHorasEnUtf16LE", utf16<false>, "zeda_asignatcurso.txt", nullptr},
    CasoCodificacion{"SoloGruposEnUtf16BE", utf16<true>, "zeda_grupo.txt", nullptr},
    CasoCodificacion{"LetraSinEquivalenteEnWindows1252", utf8ConLetraAjena, "zeda_prof.txt",
                     "tiene en la l\xEDnea 2 un car\xE1" "cter que las tablas de Tempalix no pueden guardar. "
                     "C\xE1mbielo en ZEDA y vuelva a generar el archivo"},
    CasoCodificacion{"Windows1252QueEnUnSitioPareceUtf8", conUnTrozoComoUtf8, "zeda_prof.txt", nullptr}),
    NombrePor<&CasoCodificacion::nombre>());

}  // namespace
}  // namespace ttz::pruebas
