#include "base/archivos.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <utility>
#include <vector>
#include <string>

#include "comun/carpeta_temporal.h"
#include "comun/entorno.h"
#include "comun/plataforma.h"
#include "comun/nombre_caso.h"

namespace ttz {
namespace {

using pruebas::CarpetaTemporal;
using pruebas::nombresEn;

using pruebas::kWindows;

struct CasoMayusculas {
    const char* nombre;
    std::vector<std::string> enDisco;
    std::string pedido;
    std::string encontrado;
    // Where Windows differs: its file system keeps one file for names that differ only in
    // letter case (the first one written), and it ignores the case of every letter.
    std::string encontradoEnWindows = {};
};

void PrintTo(const CasoMayusculas& caso, std::ostream* salida) { *salida << caso.nombre; }

class ResolverMayusculas : public testing::TestWithParam<CasoMayusculas> {};

TEST_P(ResolverMayusculas, DaElNombreDelDisco) {
    CarpetaTemporal carpeta;
    for (const auto& nombre : GetParam().enDisco) carpeta.escribir(nombre, "x");
    const auto& encontrado = kWindows && !GetParam().encontradoEnWindows.empty() ? GetParam().encontradoEnWindows
                                                                                 : GetParam().encontrado;
    EXPECT_EQ(resolverMayusculas(carpeta / GetParam().pedido), carpeta / encontrado);
    // Each case's names differ only in letter case: on Windows they were all one file.
    if (kWindows) {
        EXPECT_LE(nombresEn(carpeta.ruta()).size(), 1u);
    }
}

INSTANTIATE_TEST_SUITE_P(Casos, ResolverMayusculas, testing::Values(
    CasoMayusculas{"OtrasMayusculas", {"ZEDA_PROF.TXT"}, "zeda_prof.txt", "ZEDA_PROF.TXT"},
    CasoMayusculas{"Mezcladas", {"ZEDA_PROF.TXT"}, "Zeda_Prof.Txt", "ZEDA_PROF.TXT"},
    CasoMayusculas{"GanaLaExacta", {"ZEDA_PROF.TXT", "zeda_prof.txt", "Zeda_prof.txt"}, "Zeda_prof.txt",
                   "Zeda_prof.txt", "ZEDA_PROF.TXT"},
    CasoMayusculas{"SinExactaLaPrimeraEnOrdenDeBytes", {"zeda_PROF.txt", "ZEDA_prof.TXT", "Zeda_Prof.txt"},
                   "zeda_prof.txt", "ZEDA_prof.TXT", "zeda_PROF.txt"},
    CasoMayusculas{"SoloLetrasASCII", {"A\xD1O.TXT"}, "a\xF1o.txt", "a\xF1o.txt", "A\xD1O.TXT"},
    CasoMayusculas{"OtrosBytesIguales", {"A\xD1O.TXT"}, "a\xD1o.txt", "A\xD1O.TXT"},
    CasoMayusculas{"SinCoincidencia", {"otro.txt"}, "nada.txt", "nada.txt"},
    CasoMayusculas{"CarpetaQueFalta", {}, "falta/nada.txt", "falta/nada.txt"}),
                         pruebas::NombrePor<&CasoMayusculas::nombre>());

TEST(ExisteArchivo, UnArchivoNoUnaCarpeta) {
    CarpetaTemporal carpeta;
    carpeta.escribir("ZEDA_AULAS.TXT", "");
    fs::create_directory(carpeta / "zeda_grupo.txt");
    EXPECT_TRUE(existeArchivo(carpeta / "zeda_aulas.txt"));
    EXPECT_TRUE(existeArchivo(carpeta / "ZEDA_AULAS.TXT"));
    EXPECT_FALSE(existeArchivo(carpeta / "zeda_grupo.txt"));
    EXPECT_FALSE(existeArchivo(carpeta / "zeda_prof.txt"));
    EXPECT_FALSE(existeArchivo(carpeta / "ZEDA_AULAS.TXT" / "x"));
}

TEST(ExisteCarpeta, UnaCarpetaNoUnArchivo) {
    CarpetaTemporal carpeta;
    carpeta.escribir("archivo", "");
    EXPECT_TRUE(existeCarpeta(carpeta.ruta()));
    EXPECT_FALSE(existeCarpeta(carpeta / "archivo"));
    EXPECT_FALSE(existeCarpeta(carpeta / "falta"));
}

struct CasoCodigo {
    const char* nombre;
    int error;
    int codigo;
};

void PrintTo(const CasoCodigo& caso, std::ostream* salida) { *salida << caso.nombre; }

class CodigoES : public testing::TestWithParam<CasoCodigo> {};

TEST_P(CodigoES, TraduceElErrorDelSistema) { EXPECT_EQ(codigoES(GetParam().error), GetParam().codigo); }

// The system's error numbers: GetLastError()'s on Windows, which keep their own number but for a
// full disk; errno's elsewhere.
INSTANTIATE_TEST_SUITE_P(Errores, CodigoES, testing::Values(
#ifdef _WIN32
    CasoCodigo{"FileNotFound", ERROR_FILE_NOT_FOUND, 2}, CasoCodigo{"PathNotFound", ERROR_PATH_NOT_FOUND, 3},
    CasoCodigo{"InvalidName", ERROR_INVALID_NAME, 3}, CasoCodigo{"TooManyOpenFiles", ERROR_TOO_MANY_OPEN_FILES, 4},
    CasoCodigo{"AccessDenied", ERROR_ACCESS_DENIED, 5}, CasoCodigo{"DiskFull", ERROR_DISK_FULL, 101},
    CasoCodigo{"HandleDiskFull", ERROR_HANDLE_DISK_FULL, 101},
    CasoCodigo{"SharingViolation", ERROR_SHARING_VIOLATION, ERROR_SHARING_VIOLATION}),
#else
    CasoCodigo{"ENOENT", ENOENT, 2}, CasoCodigo{"ENAMETOOLONG", ENAMETOOLONG, 3}, CasoCodigo{"ENOTDIR", ENOTDIR, 3},
    CasoCodigo{"EMFILE", EMFILE, 4}, CasoCodigo{"ENFILE", ENFILE, 4}, CasoCodigo{"EACCES", EACCES, 5},
    CasoCodigo{"EPERM", EPERM, 5}, CasoCodigo{"EISDIR", EISDIR, 5}, CasoCodigo{"ENOSPC", ENOSPC, 101},
    CasoCodigo{"EIO", EIO, 1117}, CasoCodigo{"EBUSY", EBUSY, 32}, CasoCodigo{"ESTALE", ESTALE, 53},
    CasoCodigo{"EROFS", EROFS, 19}, CasoCodigo{"ENETDOWN", ENETDOWN, 53}, CasoCodigo{"ENETUNREACH", ENETUNREACH, 53},
    CasoCodigo{"SinEquivalente", EINTR, 31}),
#endif
                         pruebas::NombrePor<&CasoCodigo::nombre>());

// The tool's own text on POSIX (whatever the locale: tests/base/texto_test.cpp); Win32's own
// on Windows, whole and without its line break; a number without a text, named.
TEST(TextoErrorSistema, EsElDelSistema) {
#ifdef _WIN32
    EXPECT_EQ(textoErrorSistema(ERROR_FILE_NOT_FOUND).find_first_of("\r\n"), std::string::npos);
    EXPECT_NE(textoErrorSistema(ERROR_FILE_NOT_FOUND), textoErrorSistema(ERROR_ACCESS_DENIED));
#else
    EXPECT_EQ(textoErrorSistema(ENOSPC), "No queda espacio en el disco");
    EXPECT_EQ(textoErrorSistema(std::make_error_code(std::errc::read_only_file_system)), "El disco es de solo lectura");
#endif
    EXPECT_EQ(textoErrorSistema(987654), "Error n\xFAmero 987654 del sistema");
}

TEST(ReemplazarArchivo, CreaYReemplaza) {
    CarpetaTemporal carpeta;
    reemplazarArchivo(carpeta / "a.bin", std::string("x\0y", 3));
    EXPECT_EQ(pruebas::leerBytes(carpeta / "a.bin"), std::string("x\0y", 3));
    reemplazarArchivo(carpeta / "A.BIN", "z");
    EXPECT_EQ(pruebas::leerBytes(carpeta / "a.bin"), "z");
    EXPECT_EQ(nombresEn(carpeta.ruta()), std::vector<std::string>{"a.bin"});
}

TEST(ArchivoNuevo, AbandonadoSinPublicarDejaElAnteriorIntacto) {
    CarpetaTemporal carpeta;
    const auto ruta = carpeta.escribir("ASIGT.TXT", "anterior");
    {
        ArchivoNuevo nuevo(carpeta / "asigt.txt");
        nuevo.escribir(std::string(200000, 'n'));
        EXPECT_EQ(nombresEn(carpeta.ruta()).size(), 2u);
    }
    EXPECT_EQ(pruebas::leerBytes(ruta), "anterior");
    EXPECT_EQ(nombresEn(carpeta.ruta()), std::vector<std::string>{"ASIGT.TXT"});
}

TEST(ArchivoNuevo, PiezasPequenasYGrandesEnOrden) {
    CarpetaTemporal carpeta;
    std::string esperado;
    ArchivoNuevo nuevo(carpeta / "a.txt");
    for (const std::size_t largo : {1u, 70000u, 3u, 65535u, 65536u, 0u, 2u, 200000u}) {
        const std::string pieza(largo, static_cast<char>('a' + largo % 26));
        nuevo.escribir(pieza);
        esperado += pieza;
    }
    EXPECT_FALSE(fs::exists(carpeta / "a.txt"));
    nuevo.publicar();
    EXPECT_EQ(pruebas::leerBytes(carpeta / "a.txt"), esperado);
    EXPECT_EQ(nombresEn(carpeta.ruta()), std::vector<std::string>{"a.txt"});
}

TEST(ReemplazarArchivo, BorraLoQueDejoUnaEscrituraInterrumpidaDeEseArchivo) {
    CarpetaTemporal carpeta;
    carpeta.escribir("ZEDA_HORARIO.~99999-0.TXT", "restos");
    carpeta.escribir("zeda_horario.~99999-1.txt", "restos");
    carpeta.escribir("ZEDA_HORARIO.~copia.TXT", "del usuario");
    carpeta.escribir("ZEDA_ASIGNAT.~99999-0.TXT", "de otro archivo");
    const Archivo vivo = Archivo::crearProvisional(carpeta / "ZEDA_HORARIO.TXT");
    reemplazarArchivo(carpeta / "ZEDA_HORARIO.TXT", "nuevo");
    EXPECT_EQ(nombresEn(carpeta.ruta()).size(), 4u);
    EXPECT_TRUE(fs::exists(vivo.ruta()));
    EXPECT_TRUE(fs::exists(carpeta / "ZEDA_HORARIO.~copia.TXT"));
    EXPECT_TRUE(fs::exists(carpeta / "ZEDA_ASIGNAT.~99999-0.TXT"));
    EXPECT_EQ(pruebas::leerBytes(carpeta / "ZEDA_HORARIO.TXT"), "nuevo");
}

TEST(ReemplazarArchivo, RutaRelativaSinCarpeta) {
    CarpetaTemporal carpeta;
    const auto anterior = fs::current_path();
    fs::current_path(carpeta.ruta());
    reemplazarArchivo("relativo.txt", "r");
    fs::current_path(anterior);
    EXPECT_EQ(pruebas::leerBytes(carpeta / "relativo.txt"), "r");
}

struct CasoDatos {
    const char* ttemp;
    const char* wineprefix;
    std::string esperada;
    std::string esperadaEnWindows;
};

void PrintTo(const CasoDatos& caso, std::ostream* salida) {
    *salida << testing::PrintToString(caso.ttemp) << ", " << testing::PrintToString(caso.wineprefix);
}

class CarpetaDatos : public testing::TestWithParam<CasoDatos> {};

TEST_P(CarpetaDatos, SegunElEntorno) {
    pruebas::Entorno entorno;
    entorno.poner("HOME", "/home/ana");
    entorno.poner("TTEMP", GetParam().ttemp);
    entorno.poner("WINEPREFIX", GetParam().wineprefix);
    EXPECT_EQ(carpetaDatosPredeterminada(), fs::path(kWindows ? GetParam().esperadaEnWindows : GetParam().esperada));
}

INSTANTIATE_TEST_SUITE_P(Entornos, CarpetaDatos, testing::Values(
    CasoDatos{"/datos/tt", "/vino", "/datos/tt", "/datos/tt"},
    CasoDatos{"", "/vino", "/vino/drive_c/TTEMP", "C:\\TTEMP"},
    CasoDatos{nullptr, "/vino", "/vino/drive_c/TTEMP", "C:\\TTEMP"},
    CasoDatos{nullptr, nullptr, "/home/ana/.wine/drive_c/TTEMP", "C:\\TTEMP"}),
                         (pruebas::NombrePor<&CasoDatos::ttemp, &CasoDatos::wineprefix>()));

}  // namespace
}  // namespace ttz
