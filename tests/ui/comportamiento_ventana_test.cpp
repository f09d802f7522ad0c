// The window's behaviour without a toolkit, through a view that records what it is asked to do:
// creation from the command line, layout per mode, keys, first focus and the hosted close.
#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "comun/carpeta_temporal.h"
#include "tables/almacen_dbase.h"
#include "ui/comportamiento_ventana.h"
#include "comun/puertos_ventana.h"

namespace ttz::pruebas {
namespace {

using ui::IdControl;

// A view whose closes run FormClose.
class VistaPrueba : public ui::VistaVentana {
public:
    void entrarEnAnfitrion(std::uint32_t manejador) override { manejadores.push_back(manejador); }
    std::string carpetaActual() const override { return carpeta; }
    void enfocar(IdControl control) override { sucesos.push_back(std::string("foco ") + ui::nombreDe(control)); }
    void pulsar(IdControl boton) override { sucesos.push_back(std::string("pulsar ") + ui::nombreDe(boton)); }
    bool abierta() const override { return abierta_; }
    void cerrar() override {
        sucesos.push_back("cerrar");
        if (abierta_ && comportamiento->FormClose()) abierta_ = false;
    }
    void terminar() override { sucesos.push_back("terminar"); }

    ui::ComportamientoVentana* comportamiento = nullptr;
    std::string carpeta;
    std::vector<std::uint32_t> manejadores;
    std::vector<std::string> sucesos;

private:
    bool abierta_ = true;
};

// Dialogs that can act when a transfer puts up the busy cursor.
class DialogosConGancho : public DialogosPrueba {
public:
    void ponerCursorOcupado() override {
        DialogosPrueba::ponerCursorOcupado();
        if (alOcupar) alOcupar();
    }
    std::function<void()> alOcupar;
};

class Comportamiento : public testing::Test {
protected:
    ui::ComportamientoVentana& crear(const std::vector<std::string>& parametros) {
        comportamiento.emplace(
            vista, ui::PuertosVentana{estado, dialogos, ayuda, almacen, cotejo, reloj, resultado(), seguimiento});
        vista.comportamiento = &*comportamiento;
        vista.carpeta = trabajo.ruta().string();
        comportamiento->FormCreate(parametros);
        return *comportamiento;
    }
    std::filesystem::path resultado() const { return carpeta / "Tempalix.ini"; }

    CarpetaTemporal carpeta, trabajo;
    Estado estado{5, 0};
    DialogosConGancho dialogos;
    AyudaPrueba ayuda;
    tablas::AlmacenDBase almacen{carpeta.ruta(), ','};
    Cotejo cotejo{"es_ES"};
    RelojFijo reloj{{9, 12, 2026, 8, 30}};
    VistaPrueba vista;
    std::optional<ui::ComportamientoVentana> comportamiento;
    Seguimiento* seguimiento = nullptr;
};

struct CasoCreacion {
    const char* nombre;
    std::vector<std::string> parametros;
    bool alojado;
    bool exportarVisible;
    bool importarVisible;
    std::vector<std::uint32_t> manejadores;  // what reached the host
    std::string error;                       // the error box, empty when none
};

const std::string kInvalido = "' no es un valor entero v\xE1lido.";

class Creacion : public Comportamiento, public testing::WithParamInterface<CasoCreacion> {};

TEST_P(Creacion, ModoYLados) {
    const auto& caso = GetParam();
    const auto& ventana = crear(caso.parametros);
    EXPECT_EQ(estado.Transformado, 0);
    EXPECT_EQ(estado.NumParametros, caso.alojado ? 2 : 0);
    EXPECT_EQ(vista.manejadores, caso.manejadores);
    EXPECT_EQ(dialogos.errores, caso.error.empty() ? std::vector<std::string>{} : std::vector<std::string>{caso.error});
    EXPECT_EQ(ventana.disposicion().visible(IdControl::BExportar), caso.exportarVisible);
    EXPECT_EQ(ventana.disposicion().visible(IdControl::BImportar), caso.importarVisible);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, Creacion,
    testing::Values(
        CasoCreacion{"SinParametros", {}, false, true, true, {}, ""},
        CasoCreacion{"UnParametro", {"importar"}, false, true, true, {}, ""},
        CasoCreacion{"TresParametros", {"importar", "1A2B", "x"}, false, true, true, {}, ""},
        CasoCreacion{"ImportarMayusculas", {"IMPORTAR", "1A2B"}, true, false, true, {0x1A2B}, ""},
        CasoCreacion{"ImportarCapitalizado", {"Importar", "1A2B"}, true, false, true, {0x1A2B}, ""},
        CasoCreacion{"Exportar", {"exportar", "1a2b"}, true, true, false, {0x1A2B}, ""},
        CasoCreacion{"CerosALaIzquierda", {"exportar", "00000000001A2B"}, true, true, false, {0x1A2B}, ""},
        CasoCreacion{"DireccionConBlancos", {" importar ", "1A2B"}, true, true, true, {0x1A2B}, ""},
        CasoCreacion{"ManejadorCero", {"importar", "0"}, true, false, true, {0}, ""},
        CasoCreacion{"PrefijoHexadecimal", {"exportar", "0x1A2B"}, false, true, true, {}, "'$0x1A2B" + kInvalido},
        CasoCreacion{"Signo", {"exportar", "-1A2B"}, false, true, true, {}, "'$-1A2B" + kInvalido},
        CasoCreacion{"BlancoDetras", {"exportar", "1A2B "}, false, true, true, {}, "'$1A2B " + kInvalido},
        CasoCreacion{"MasDe32Bits", {"exportar", "100000000"}, false, true, true, {}, "'$100000000" + kInvalido}),
    [](const auto& info) { return std::string(info.param.nombre); });

struct CasoDisposicion {
    const char* nombre;
    bool alojado;
    Lado lado;
    ui::Rectangulo exportar, importar, inferior;
    const char* primerFoco;  // also the button that Enter presses from the lists
};

class DisposicionPorModo : public testing::TestWithParam<CasoDisposicion> {};

// Hosted, the window keeps the framed dialog's outer size (605 x 295); hidden sides are empty.
TEST_P(DisposicionPorModo, PanelesYPrimerFoco) {
    const auto& caso = GetParam();
    const ui::Disposicion disposicion(caso.alojado, caso.lado);
    EXPECT_EQ(disposicion.ancho(), caso.alojado ? 605 : 599);
    EXPECT_EQ(disposicion.alto(), caso.alojado ? 295 : 270);
    EXPECT_EQ(disposicion.area(IdControl::Draw3D2), caso.exportar);
    EXPECT_EQ(disposicion.area(IdControl::Draw3D3), caso.importar);
    EXPECT_EQ(disposicion.area(IdControl::Draw3D1), caso.inferior);
    EXPECT_EQ(disposicion.visible(IdControl::Draw3D2), caso.exportar.ancho > 0);
    EXPECT_EQ(disposicion.visible(IdControl::Draw3D3), caso.importar.ancho > 0);
    EXPECT_STREQ(ui::nombreDe(ui::primerFoco(disposicion)), caso.primerFoco);
    EXPECT_STREQ(ui::nombreDe(ui::botonPredeterminado(disposicion)), caso.primerFoco);
}

INSTANTIATE_TEST_SUITE_P(
    Modos, DisposicionPorModo,
    testing::Values(
        CasoDisposicion{"Independiente", false, Lado::Ambos, {0, 0, 289, 101}, {289, 0, 310, 101}, {0, 101, 599, 169}, "BExportar"},
        CasoDisposicion{"AlojadoAmbos", true, Lado::Ambos, {0, 0, 289, 126}, {289, 0, 316, 126}, {0, 126, 605, 169}, "BExportar"},
        CasoDisposicion{"AlojadoImportar", true, Lado::Importar, {0, 0, 0, 126}, {0, 0, 605, 126}, {0, 126, 605, 169}, "BImportar"},
        CasoDisposicion{"AlojadoExportar", true, Lado::Exportar, {0, 0, 605, 126}, {605, 0, 0, 126}, {0, 126, 605, 169}, "BExportar"}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST(Escala, PorLosPuntosPorPulgadaEntre96Redondeando) {
    EXPECT_EQ(ui::Escala(96)(ui::Rectangulo{385, 105, 89, 25}), (ui::Rectangulo{385, 105, 89, 25}));
    EXPECT_EQ(ui::Escala(120)(ui::Rectangulo{385, 105, 89, 25}), (ui::Rectangulo{481, 131, 111, 31}));
}

TEST(Escala, PorLaAlturaDelTextoEntre13) {
    EXPECT_EQ(ui::Escala::porAlturaTexto(13)(ui::Rectangulo{385, 105, 89, 25}), (ui::Rectangulo{385, 105, 89, 25}));
    EXPECT_EQ(ui::Escala::porAlturaTexto(16)(ui::Rectangulo{385, 105, 89, 25}), (ui::Rectangulo{474, 129, 110, 31}));
}

// Tab walks BExportar, BImportar, BClose, Directorios, Unidades, Button1, round, over hidden ones.
TEST(Tabulacion, SiguienteVisibleEnOrdenYVuelta) {
    const ui::Disposicion ambos(false, Lado::Ambos), importar(true, Lado::Importar);
    EXPECT_EQ(ui::siguienteEnTabulacion(ambos, IdControl::BExportar, false), IdControl::BImportar);
    EXPECT_EQ(ui::siguienteEnTabulacion(ambos, IdControl::Button1, false), IdControl::BExportar);
    EXPECT_EQ(ui::siguienteEnTabulacion(ambos, IdControl::BExportar, true), IdControl::Button1);
    EXPECT_EQ(ui::siguienteEnTabulacion(importar, IdControl::Button1, false), IdControl::BImportar);
    EXPECT_EQ(ui::siguienteEnTabulacion(importar, IdControl::BImportar, true), IdControl::Button1);
    EXPECT_EQ(ui::siguienteEnTabulacion(importar, std::nullopt, false), IdControl::BImportar);
    EXPECT_EQ(ui::siguienteEnTabulacion(importar, IdControl::Label2, true), IdControl::Button1);
}

struct CasoTecla {
    const char* nombre;
    ui::Tecla tecla;
    ui::Modificadores modificadores;
    std::optional<IdControl> enfocado;
    ui::AccionTecla accion;
};

class Teclas : public testing::TestWithParam<CasoTecla> {};

TEST_P(Teclas, Accion) {
    const auto& caso = GetParam();
    EXPECT_EQ(ui::accionDeTecla(caso.tecla, caso.modificadores, caso.enfocado), caso.accion);
}

using enum ui::Tecla;
using enum ui::AccionTecla;
constexpr ui::Modificadores kNinguno{}, kAlt{true, false, false}, kCtrlAlt{true, true, false}, kMayus{false, false, true};

INSTANTIATE_TEST_SUITE_P(
    Casos, Teclas,
    testing::Values(CasoTecla{"F1EnLaVentana", F1, kNinguno, std::nullopt, AyudaContexto},
                    CasoTecla{"F1EnLaListaDeCarpetas", F1, kNinguno, IdControl::Directorios, AyudaContexto},
                    CasoTecla{"EscapeEnUnBoton", Escape, kNinguno, IdControl::BExportar, Ninguna},
                    CasoTecla{"EscapeEnLaVentana", Escape, kNinguno, std::nullopt, Ninguna},
                    CasoTecla{"IntroEnSalir", Intro, kNinguno, IdControl::BClose, PulsarEnfocado},
                    CasoTecla{"IntroEnAyuda", Intro, kNinguno, IdControl::Button1, PulsarEnfocado},
                    CasoTecla{"IntroEnCarpetas", Intro, kNinguno, IdControl::Directorios, PulsarPredeterminado},
                    CasoTecla{"IntroEnUnidades", Intro, kNinguno, IdControl::Unidades, PulsarPredeterminado},
                    CasoTecla{"IntroEnLaVentana", Intro, kNinguno, std::nullopt, DelSistema},
                    CasoTecla{"SEnUnBoton", S, kNinguno, IdControl::Button1, PulsarSalir},
                    CasoTecla{"SEnCarpetas", S, kNinguno, IdControl::Directorios, DelSistema},
                    CasoTecla{"AltSEnCarpetas", S, kAlt, IdControl::Directorios, PulsarSalir},
                    CasoTecla{"AltSEnLaVentana", S, kAlt, std::nullopt, PulsarSalir},
                    CasoTecla{"MayusculasSEnUnBoton", S, kMayus, IdControl::BExportar, DelSistema},
                    CasoTecla{"ControlAltSEnUnBoton", S, kCtrlAlt, IdControl::BExportar, DelSistema},
                    CasoTecla{"OtraEnUnBoton", Otra, kNinguno, IdControl::BExportar, DelSistema}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST_F(Comportamiento, LasTeclasLleganAlBotonQueCorrespondeYF1PideElContexto3) {
    auto& ventana = crear({"importar", "1A2B"});
    EXPECT_TRUE(ventana.teclaPulsada(Intro, kNinguno, IdControl::Directorios));
    EXPECT_TRUE(ventana.teclaPulsada(S, kAlt, IdControl::Unidades));
    EXPECT_TRUE(ventana.teclaPulsada(F1, kNinguno, std::nullopt));
    EXPECT_FALSE(ventana.teclaPulsada(Otra, kNinguno, IdControl::BImportar));
    EXPECT_EQ(vista.sucesos, (std::vector<std::string>{"pulsar BImportar", "pulsar BClose"}));
    EXPECT_EQ(ayuda.pedidos, std::vector<std::string>{"contexto 3"});
}

TEST_F(Comportamiento, ElPrimerFocoSoloAlMostrarsePorPrimeraVez) {
    auto& ventana = crear({"importar", "1A2B"});
    ventana.FormShow();
    ventana.FormShow();
    EXPECT_EQ(vista.sucesos, std::vector<std::string>{"foco BImportar"});
}

// Closes: what reaches the result file, whether the close goes through and ends the process.
TEST_F(Comportamiento, CierreIndependienteNoEscribeYTermina) {
    crear({});
    estado.Transformado = 1;
    vista.cerrar();
    EXPECT_FALSE(vista.abierta());
    EXPECT_EQ(vista.sucesos, (std::vector<std::string>{"cerrar", "terminar"}));
    EXPECT_FALSE(std::filesystem::exists(resultado()));
}

TEST_F(Comportamiento, CierreAlojadoQueNoPuedeEscribirSeAbandonaHastaQueSinAnfitrionTermina) {
    auto& ventana = crear({"exportar", "1A2B"});
    std::filesystem::create_directory(resultado());
    ventana.pulsado(IdControl::BClose);
    EXPECT_TRUE(vista.abierta());
    EXPECT_EQ(dialogos.errores, std::vector<std::string>{"Unable to write to " + resultado().string() + "."});
    ventana.anfitrionDesaparecido();
    EXPECT_FALSE(vista.abierta());
    EXPECT_EQ(vista.sucesos, (std::vector<std::string>{"cerrar", "cerrar", "terminar"}));
}

// The host goes when a transfer starts: the window closes once the transfer, cut short by an
// error, has ended.
TEST_F(Comportamiento, SinAnfitrionDuranteUnaTransferenciaCierraAlAcabarla) {
    auto& ventana = crear({"importar", "1A2B"});
    bool cerradaDurante = false;
    dialogos.alOcupar = [&] {
        ventana.anfitrionDesaparecido();
        cerradaDurante = !vista.abierta();
    };
    ventana.pulsado(IdControl::BImportar);  // no zeda_asignat.txt to read
    EXPECT_FALSE(cerradaDurante);
    EXPECT_EQ(dialogos.errores.size(), 1u);
    EXPECT_FALSE(vista.abierta());
    EXPECT_EQ(leerBytes(resultado()), "[Transformadores]\r\nTransformado=-1\r\n");
}

// Standalone or hosted, an export leaves in the data folder's record its start, every message,
// each table written, the copy of what it replaced and its outcome.
class RegistroDeLaVentana : public Comportamiento,
                            public testing::WithParamInterface<std::pair<std::vector<std::string>, std::string>> {};

TEST_P(RegistroDeLaVentana, AnotaLaEjecucion) {
    Seguimiento seguido{"transtempaloszeda 9.9", ""};
    seguimiento = &seguido;
    trabajo.escribir("zeda_aulas.txt", "0ZEDA_AULAS.TXT\r\n1          A01\r\n");
    carpeta.escribir("AULAT.DBF", "la tabla anterior");
    crear(GetParam().first).pulsado(IdControl::BExportar);
    const std::string falta = "  Mensaje: No existe archivo de ";
    EXPECT_EQ(leerBytes(carpeta / "transtempaloszeda.log"),
              "2026-12-09 08:30:00 Inicio: transtempaloszeda 9.9, " + GetParam().second +
                  ", exportar, carpeta de trabajo \"" + trabajo.conSeparador() + "\"\r\n" + falta +
                  "asignaturas (ZEDA_ASIGNAT.TXT)\r\n" + falta + "profesores (ZEDA_PROF.TXT)\r\n  Escrito \"" +
                  (carpeta / "AULAT.DBF").string() + "\": 1 registros\r\n" + falta + "grupos (ZEDA_GRUPO.TXT)\r\n" +
                  falta + "grupos (ZEDA_ASIGNATGRUPO.TXT)\r\n" + falta +
                  "grupos (ZEDA_SESIONES.TXT)\r\n  Mensaje: Proceso finalizado\r\n  Copia de lo reemplazado: \"" +
                  (carpeta / "copias" / "2026-12-09 08.30.00 exportar").string() +
                  "\"\r\n2026-12-09 08:30:00 Fin: Transformado=-1\r\n");
    EXPECT_EQ(leerBytes(carpeta / "copias" / "2026-12-09 08.30.00 exportar" / "AULAT.DBF"), "la tabla anterior");
}

INSTANTIATE_TEST_SUITE_P(Modos, RegistroDeLaVentana,
                         testing::Values(std::pair{std::vector<std::string>{}, std::string("independiente")},
                                         std::pair{std::vector<std::string>{"EXPORTAR", "1A2B"},
                                                   std::string("alojado en Tempalix (EXPORTAR)")}),
                         [](const auto& caso) { return caso.param.first.empty() ? "Independiente" : "Alojado"; });

}  // namespace
}  // namespace ttz::pruebas
