#include "zeda/archivo_zeda.h"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/resource.h>
#endif
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstring>
#include <string>
#include <vector>

#include "base/archivo.h"
#include "base/archivos.h"
#include "base/errores.h"
#include "comun/carpeta_temporal.h"
#include "comun/mensaje_error.h"
#include "comun/plataforma.h"
#include "comun/nombre_caso.h"
#include "comun/sin_privilegios.h"

namespace ttz::zeda {
namespace {

using Lineas = std::vector<std::string>;
using pruebas::CarpetaTemporal;
using pruebas::nombresEn;
using pruebas::leerBytes;

Lineas leerLineaALinea(const fs::path& ruta) {
    LectorLineas lector(ruta);
    Lineas lineas;
    while (!lector.fin()) lineas.push_back(lector.siguiente());
    lector.cerrar();
    return lineas;
}

std::string bytes(const char* texto, std::size_t largo) { return std::string(texto, largo); }

struct CasoLectura {
    const char* nombre;
    std::string contenido;
    Lineas lineaALinea;
    Lineas entero;
};

void PrintTo(const CasoLectura& caso, std::ostream* salida) {
    *salida << testing::PrintToString(caso.nombre);
}

class Lectura : public testing::TestWithParam<CasoLectura> {
protected:
    CarpetaTemporal carpeta;
};

TEST_P(Lectura, LineaALinea) {
    const auto ruta = carpeta.escribir("zeda.txt", GetParam().contenido);
    EXPECT_EQ(leerLineaALinea(ruta), GetParam().lineaALinea);
}

TEST_P(Lectura, ArchivoEntero) {
    const auto ruta = carpeta.escribir("zeda.txt", GetParam().contenido);
    EXPECT_EQ(leerArchivoEntero(ruta), GetParam().entero);
}

const std::string k300(300, 'x');

INSTANTIATE_TEST_SUITE_P(Contenidos, Lectura, testing::Values(
    CasoLectura{"Vacio", "", {}, {}},
    CasoLectura{"UnaLineaSinSalto", "abc", {"abc"}, {"abc"}},
    CasoLectura{"SaltoFinalNoAnadeLinea", "abc\r\n", {"abc"}, {"abc"}},
    CasoLectura{"SaltoLF", "a\nb\n", {"a", "b"}, {"a", "b"}},
    CasoLectura{"SoloUnSalto", "\r\n", {""}, {""}},
    CasoLectura{"RetornoSueltoDentro", "A\rB\r\n", {"AB"}, {"A", "B"}},
    CasoLectura{"RetornoSueltoFinal", "A\r", {"A"}, {"A"}},
    CasoLectura{"RetornoAntesDeCRLF", "A\r\r\nB", {"A", "B"}, {"A", "", "B"}},
    CasoLectura{"LineaVaciaIntermedia", "A\r\n\r\n", {"A", ""}, {"A", ""}},
    CasoLectura{"LineaVaciaEnMedio", "A\r\n\r\nB\r\n", {"A", "", "B"}, {"A", "", "B"}},
    CasoLectura{"CtrlZAlPrincipioDeLaTercera", "uno\r\ndos\r\n\x1A" "tres\r\ncuatro\r\n",
                {"uno", "dos"}, {"uno", "dos", "\x1A" "tres", "cuatro"}},
    CasoLectura{"CtrlZDentroDeUnaLinea", "uno\r\ndo\x1As\r\ntres\r\n",
                {"uno", "do"}, {"uno", "do\x1As", "tres"}},
    CasoLectura{"CtrlZAlPrincipio", "\x1A" "abc", {}, {"\x1A" "abc"}},
    CasoLectura{"NulEnLaSegunda", bytes("uno\r\nd\0os\r\ntres\r\n", 16),
                {"uno", bytes("d\0os", 4), "tres"}, {"uno", "d"}},
    CasoLectura{"NulAlPrincipio", bytes("\0abc", 4), {bytes("\0abc", 4)}, {}},
    CasoLectura{"Linea300", k300 + "\r\n" + k300, {k300, k300}, {k300, k300}},
    CasoLectura{"BytesAltos", "\xF1\xE1\xBD\xA0\r\n", {"\xF1\xE1\xBD\xA0"}, {"\xF1\xE1\xBD\xA0"}}),
                         pruebas::NombrePor<&CasoLectura::nombre>());

TEST(LecturaLineaALinea, LineaMasLargaQueElBufer) {
    CarpetaTemporal carpeta;
    std::string larga(200000, 'a');
    larga[65535] = '\r';  // a lone CR at the buffer's edge is dropped
    std::string esperada = larga;
    esperada.erase(65535, 1);
    const auto ruta = carpeta.escribir("z.txt", larga + "\r\nfin");
    EXPECT_EQ(leerLineaALinea(ruta), (Lineas{esperada, "fin"}));
}

TEST(Lectura, CRLFPartidoEntreDosLecturas) {
    CarpetaTemporal carpeta;
    const std::string primera(65535, 'b');
    const auto ruta = carpeta.escribir("z.txt", primera + "\r\nsegunda");
    EXPECT_EQ(leerLineaALinea(ruta), (Lineas{primera, "segunda"}));
    EXPECT_EQ(leerArchivoEntero(ruta), (Lineas{primera, "segunda"}));
}

TEST(LecturaArchivoEntero, LineaPartidaEntreLecturasYNulEnLaSegunda) {
    CarpetaTemporal carpeta;
    const std::string larga(100000, 'c');
    const auto ruta = carpeta.escribir("z.txt", "a\r\n" + larga + "\n" + std::string(70000, 'd') + '\0' + "e\r\n");
    EXPECT_EQ(leerArchivoEntero(ruta), (Lineas{"a", larga, std::string(70000, 'd')}));
}

TEST(LecturaLineaALinea, FinNoConsumeNada) {
    CarpetaTemporal carpeta;
    LectorLineas lector(carpeta.escribir("z.txt", "a\r\nb"));
    EXPECT_FALSE(lector.fin());
    EXPECT_FALSE(lector.fin());
    EXPECT_EQ(lector.siguiente(), "a");
    EXPECT_EQ(lector.siguiente(), "b");
    EXPECT_TRUE(lector.fin());
}

TEST(LecturaLineaALinea, EncuentraElNombreEnOtrasMayusculas) {
    CarpetaTemporal carpeta;
    carpeta.escribir("ZEDA_PROF.TXT", "profesor\r\n");
    EXPECT_EQ(leerLineaALinea(carpeta / "zeda_prof.txt"), Lineas{"profesor"});
    EXPECT_EQ(leerArchivoEntero(carpeta / "zeda_prof.txt"), Lineas{"profesor"});
}

std::string mensajeDeApertura(const fs::path& ruta) {
    return pruebas::mensajeDeError([&] { leerLineaALinea(ruta); });
}

std::string mensajeDeArchivoEntero(const fs::path& ruta) {
    return pruebas::mensajeDeError([&] { leerArchivoEntero(ruta); });
}

TEST(ErroresDeLectura, CarpetaEnVezDeArchivo) {
    CarpetaTemporal carpeta;
    fs::create_directory(carpeta / "zeda_prof.txt");
    EXPECT_EQ(mensajeDeApertura(carpeta / "zeda_prof.txt"), "Acceso al archivo denegado");
    EXPECT_EQ(mensajeDeArchivoEntero(carpeta / "zeda_prof.txt"),
              "Cannot open file \"" + (carpeta / "zeda_prof.txt").string() + "\". " +
                  pruebas::textoCarpetaEnVezDeArchivo());
}

TEST(LecturaLineaALinea, CerrarDosVecesYDestruirSinCerrar) {
    CarpetaTemporal carpeta;
    const auto ruta = carpeta.escribir("z.txt", "a\r\n");
    LectorLineas lector(ruta);
    lector.cerrar();
    EXPECT_NO_THROW(lector.cerrar());
    LectorLineas abierto(ruta);
    EXPECT_EQ(abierto.siguiente(), "a");
}

TEST(ErroresDeLectura, SinPermiso) {
    if (!pruebas::hayPermisosPosix) GTEST_SKIP() << pruebas::kSinPermisosPosix;
    CarpetaTemporal carpeta;
    const auto ruta = carpeta.escribir("zeda.txt", "x");
    fs::permissions(ruta, fs::perms::none);
    EXPECT_EQ(pruebas::sinPrivilegios([&] { return mensajeDeApertura(ruta); }), "Acceso al archivo denegado");
    EXPECT_EQ(pruebas::sinPrivilegios([&] { return mensajeDeArchivoEntero(ruta); }),
              "Cannot open file \"" + ruta.string() + "\". " + textoErrorSistema(EACCES));
}

struct CasoLimite {
    const char* nombre;
    std::size_t bytes;  // of the one character that the file repeats
    char caracter;
    const char* errorLineaALinea;  // after the file's quoted path; "" when it reads
    const char* errorEntero;
};

void PrintTo(const CasoLimite& caso, std::ostream* salida) { *salida << caso.nombre; }

class Limites : public testing::TestWithParam<CasoLimite> {};

std::string errorTrasLaRuta(const fs::path& ruta, const char* error) {
    return *error == '\0' ? "(sin error)" : "El archivo \"" + ruta.string() + "\" " + error;
}

TEST_P(Limites, HastaElLimiteSeLeeYMasAllaEsUnErrorQueNombraElArchivo) {
    CarpetaTemporal carpeta;
    const auto ruta = carpeta.escribir("zeda.txt", std::string(GetParam().bytes, GetParam().caracter));
    EXPECT_EQ(pruebas::mensajeDeError([&] { leerLineaALinea(ruta); }),
              errorTrasLaRuta(ruta, GetParam().errorLineaALinea));
    EXPECT_EQ(mensajeDeArchivoEntero(ruta), errorTrasLaRuta(ruta, GetParam().errorEntero));
}

constexpr const char* kDemasiadoGrande = "es demasiado grande para ser de ZEDA (m\xE1s de 32 MB). Compruebe que es el archivo que genera ZEDA";

INSTANTIATE_TEST_SUITE_P(ZEDA, Limites, testing::Values(
    CasoLimite{"BytesJustos", kBytesMaximosZEDA, 'x', "", ""},
    CasoLimite{"UnByteDeMas", kBytesMaximosZEDA + 1, 'x', kDemasiadoGrande, kDemasiadoGrande},
    CasoLimite{"LineasJustas", kLineasMaximasZEDA, '\n', "", ""},
    CasoLimite{"UnaLineaDeMasSoloPesaAlLeerloEntero", kLineasMaximasZEDA + 1, '\n', "",
               "tiene demasiadas l\xEDneas para ser de ZEDA (m\xE1s de un mill\xF3n). "
               "Compruebe que es el archivo que genera ZEDA"}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST(Escritura, CadaLineaTerminaEnCRLF) {
    CarpetaTemporal carpeta;
    escribirArchivo(carpeta / "ZEDA_HORARIO.TXT", {"uno", "dos"});
    EXPECT_EQ(leerBytes(carpeta / "ZEDA_HORARIO.TXT"), "uno\r\ndos\r\n");
}

TEST(Escritura, BytesSinConvertirYListaVacia) {
    CarpetaTemporal carpeta;
    escribirArchivo(carpeta / "a.txt", {"\xBD\xF1", "", bytes("\0x", 2)});
    EXPECT_EQ(leerBytes(carpeta / "a.txt"), bytes("\xBD\xF1\r\n\r\n\0x\r\n", 10));
    escribirArchivo(carpeta / "b.txt", {});
    EXPECT_TRUE(fs::exists(carpeta / "b.txt"));
    EXPECT_EQ(leerBytes(carpeta / "b.txt"), "");
}

TEST(Escritura, ReemplazaElArchivoEnOtrasMayusculas) {
    CarpetaTemporal carpeta;
    carpeta.escribir("zeda_horario.txt", "viejo contenido largo\r\n");
    escribirArchivo(carpeta / "ZEDA_HORARIO.TXT", {"nuevo"});
    std::vector<std::string> nombres;
    for (const auto& entrada : fs::directory_iterator(carpeta.ruta()))
        nombres.push_back(entrada.path().filename().string());
    EXPECT_EQ(nombres, std::vector<std::string>{"zeda_horario.txt"});
    EXPECT_EQ(leerBytes(carpeta / "zeda_horario.txt"), "nuevo\r\n");
}

TEST(Escritura, LoEscritoSeLeeIgualDeAmbasManeras) {
    CarpetaTemporal carpeta;
    const Lineas lineas{"0ZEDA_HORARIO.TXT", "", "  datos  ", std::string(300, 'z'), "9"};
    escribirArchivo(carpeta / "h.txt", lineas);
    EXPECT_EQ(leerLineaALinea(carpeta / "h.txt"), lineas);
    EXPECT_EQ(leerArchivoEntero(carpeta / "h.txt"), lineas);
}

std::string mensajeDeEscritura(const fs::path& ruta) {
    return pruebas::mensajeDeError([&] { escribirArchivo(ruta, {"nuevo"}); });
}

TEST(Escritura, CarpetaQueNoExiste) {
    CarpetaTemporal carpeta;
    const auto ruta = carpeta / "falta" / "ZEDA_HORARIO.TXT";
    EXPECT_EQ(mensajeDeEscritura(ruta),
              "Cannot create file \"" + ruta.string() + "\". " + pruebas::textoCarpetaInvalida(ENOENT));
}

TEST(Escritura, CarpetaQueEsUnArchivo) {
    CarpetaTemporal carpeta;
    carpeta.escribir("archivo", "x");
    const auto ruta = carpeta / "archivo" / "ZEDA_HORARIO.TXT";
    EXPECT_EQ(mensajeDeEscritura(ruta),
              "Cannot create file \"" + ruta.string() + "\". " + pruebas::textoCarpetaInvalida(ENOTDIR));
}

TEST(Escritura, ElDestinoEsUnaCarpetaYNadaQuedaAMedias) {
    CarpetaTemporal carpeta;
    fs::create_directory(carpeta / "ZEDA_HORARIO.TXT");
    carpeta.escribir("ZEDA_HORARIO.TXT/dentro", "x");
    const auto ruta = carpeta / "ZEDA_HORARIO.TXT";
    EXPECT_EQ(mensajeDeEscritura(ruta).rfind("Cannot create file \"" + ruta.string() + "\". ", 0), 0u);
    EXPECT_EQ(nombresEn(carpeta.ruta()), std::vector<std::string>{"ZEDA_HORARIO.TXT"});
}

TEST(Escritura, CarpetaSinPermisoDejaElArchivoAnteriorIntacto) {
    if (!pruebas::hayPermisosPosix) GTEST_SKIP() << pruebas::kSinPermisosPosix;
    CarpetaTemporal carpeta;
    const auto ruta = carpeta.escribir("ZEDA_HORARIO.TXT", "anterior\r\n");
    fs::permissions(carpeta.ruta(), fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_read |
                                        fs::perms::others_exec);
    EXPECT_EQ(pruebas::sinPrivilegios([&] { return mensajeDeEscritura(carpeta / "zeda_horario.txt"); }),
              "Cannot create file \"" + (carpeta / "zeda_horario.txt").string() + "\". " + textoErrorSistema(EACCES));
    fs::permissions(carpeta.ruta(), fs::perms::owner_all);
    EXPECT_EQ(leerBytes(ruta), "anterior\r\n");
    EXPECT_EQ(nombresEn(carpeta.ruta()), std::vector<std::string>{"ZEDA_HORARIO.TXT"});
}

#ifndef _WIN32
// Files may grow to a few bytes only while it lives, so that a write stops short.
class LimiteDeTamano {
public:
    explicit LimiteDeTamano(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &anterior_);
        senal_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limite = anterior_;
        limite.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limite);
    }
    ~LimiteDeTamano() {
        setrlimit(RLIMIT_FSIZE, &anterior_);
        std::signal(SIGXFSZ, senal_);
    }

private:
    rlimit anterior_{};
    void (*senal_)(int);
};
#endif

TEST(Escritura, EscrituraCortadaAMediasDejaElArchivoAnteriorIntacto) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows has no per-process limit on the size of files";
#else
    CarpetaTemporal carpeta;
    const auto ruta = carpeta.escribir("ZEDA_HORARIO.TXT", "anterior\r\n");
    std::string mensaje;
    {
        LimiteDeTamano limite(4096);
        mensaje = pruebas::mensajeDeError(
            [&] { escribirArchivo(carpeta / "zeda_horario.txt", Lineas(1000, std::string(100, 'x'))); });
    }
    EXPECT_EQ(mensaje, "Stream write error");
    EXPECT_EQ(leerBytes(ruta), "anterior\r\n");
    EXPECT_EQ(nombresEn(carpeta.ruta()), std::vector<std::string>{"ZEDA_HORARIO.TXT"});
#endif
}

TEST(Escritura, ConservaLosPermisosDelArchivoAnterior) {
    if (!pruebas::hayPermisosPosix) GTEST_SKIP() << pruebas::kSinPermisosPosix;
    CarpetaTemporal carpeta;
    const auto ruta = carpeta.escribir("a.txt", "x");
    fs::permissions(ruta, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    escribirArchivo(ruta, {"y"});
    EXPECT_EQ(fs::status(ruta).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

}  // namespace
}  // namespace ttz::zeda
