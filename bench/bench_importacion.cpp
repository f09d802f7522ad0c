// Measures the import run: 50,000, 100,000 and 200,000 lessons against 60 time slots, then the
// 200,000 lessons in a SOLUC as dBase 7 and Visual FoxPro write it (binary integers).
// Each size runs in a child process of its own, so that its peak memory is its own.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "base/cotejo.h"
#include "transfer/estado.h"
#include "transfer/interlocutor.h"
#include "base/reloj.h"
#include "comun/carpeta_temporal.h"
#include "comun/dbf_a_mano.h"
#include "import/importacion.h"
#include "tables/almacen_dbase.h"

namespace fs = std::filesystem;
using ttz::tablas::DefinicionCampo;

namespace {

constexpr int kDias = 5;
constexpr int kTramosPorDia = 12;
constexpr int kVeces = 3;

class InterlocutorMudo : public ttz::Interlocutor {
public:
    void mostrarMensaje(const std::string&) override {}
    void ponerCursorOcupado() override {}
    void ponerCursorNormal() override {}
};

void escribir(const fs::path& ruta, const std::string& texto) {
    std::FILE* archivo = std::fopen(ruta.c_str(), "wb");
    std::fwrite(texto.data(), 1, texto.size(), archivo);
    std::fclose(archivo);
}

// Days written as letters, so that every lesson also goes through the day letters.
void escribirArchivosZeda(const fs::path& carpeta) {
    escribir(carpeta / "zeda_asignat.txt", "0ZEDA_ASIGNAT.TXT" + std::string(34, ' ') + "28001234\r\n");
    escribir(carpeta / "zeda_sesiones.txt", "0ZEDA_SESIONES.TXT\r\n1   T01 L08000900\r\n");
}

void crearTramos(ttz::tablas::AlmacenTablas& almacen) {
    auto tramos = almacen.recrear("DIASHORAST", {DefinicionCampo::texto("DIA", 20), DefinicionCampo::texto("HORA", 8),
                                                 DefinicionCampo::texto("CODDIHO", 10)});
    for (int dia = 0; dia < kDias; ++dia) {
        for (int hora = 1; hora <= kTramosPorDia; ++hora) {
            tramos->anadir();
            tramos->ponerTexto("DIA", std::string(1, "LMXJV"[dia]));
            tramos->ponerTexto("HORA", std::to_string(hora));
            tramos->ponerTexto("CODDIHO", "T" + std::to_string(dia * kTramosPorDia + hora));
            tramos->grabar();
        }
    }
    tramos->cerrar();
}

struct Leccion {
    int dia;
    int hora;
    std::string prof, grupo, asig, aula;
};

// Lessons spread over the week; one in twenty has DIA 0 and one in fifty a slot that is missing.
Leccion leccion(long i) {
    return {i % 20 == 0 ? 0 : static_cast<int>(i % kDias + 1),
            static_cast<int>(i % 50 == 1 ? 99 : i / kDias % kTramosPorDia + 1),
            "P" + std::to_string(i % 97), "G" + std::to_string(i % 40), "A" + std::to_string(i % 31),
            "R" + std::to_string(i % 23)};
}

void crearSoluc(ttz::tablas::AlmacenTablas& almacen, long lecciones) {
    auto soluc = almacen.recrear("SOLUC", {DefinicionCampo::entero("DIA"), DefinicionCampo::entero("HORA"),
                                           DefinicionCampo::texto("PROF", 4), DefinicionCampo::texto("CODGRUPO", 4),
                                           DefinicionCampo::texto("ASIG", 4), DefinicionCampo::texto("AULA", 4)});
    for (long i = 0; i < lecciones; ++i) {
        const Leccion l = leccion(i);
        soluc->anadir();
        soluc->ponerFlotante("DIA", l.dia);
        soluc->ponerFlotante("HORA", l.hora);
        soluc->ponerTexto("PROF", l.prof);
        soluc->ponerTexto("CODGRUPO", l.grupo);
        soluc->ponerTexto("ASIG", l.asig);
        soluc->ponerTexto("AULA", l.aula);
        soluc->grabar();
    }
    soluc->cerrar();
}

// The same lessons with DIA and HORA as binary integers ('I') of dBase 7 or Visual FoxPro.
void escribirSolucAjena(const fs::path& datos, long lecciones, const ttz::pruebas::FormatoAMano& formato) {
    const bool dBase7 = ttz::pruebas::esDBase7(formato.version);
    const auto entero = [dBase7](int valor) {
        std::string bytes(4, '\0');
        ttz::pruebas::ponerEntero(bytes, 0, static_cast<std::uint32_t>(valor) ^ (dBase7 ? 0x80000000u : 0), 4);
        return dBase7 ? std::string(bytes.rbegin(), bytes.rend()) : bytes;
    };
    const auto texto = [](std::string valor) { return valor.append(4 - valor.size(), ' '); };
    std::vector<std::string> registros;
    registros.reserve(static_cast<std::size_t>(lecciones));
    for (long i = 0; i < lecciones; ++i) {
        const Leccion l = leccion(i);
        registros.push_back(" " + entero(l.dia) + entero(l.hora) + texto(l.prof) + texto(l.grupo) + texto(l.asig) +
                            texto(l.aula));
    }
    escribir(datos / "SOLUC.DBF",
             ttz::pruebas::dbfAMano({{"DIA", 'I', 4}, {"HORA", 'I', 4}, {"PROF", 'C', 4}, {"CODGRUPO", 'C', 4},
                                     {"ASIG", 'C', 4}, {"AULA", 'C', 4}},
                                    registros, formato));
}

void crearTablasSinLeer(ttz::tablas::AlmacenTablas& almacen) {
    for (const char* nombre : {"GRUPOST", "PROFT", "AULAT", "ASIGNOMT"}) {
        almacen.recrear(nombre, {DefinicionCampo::texto("ABREV", 4)})->cerrar();
    }
}

long rssPicoKb() {
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    return uso.ru_maxrss;
}

enum class Formato { DBase3, DBase7, VisualFoxPro };

const char* nombre(Formato formato) {
    switch (formato) {
    case Formato::DBase7: return "dBase 7";
    case Formato::VisualFoxPro: return "Visual FoxPro";
    case Formato::DBase3: break;
    }
    return "dBase III";
}

// Child process: prepares the folders, then times the import alone.
int medir(long lecciones, Formato formato) {
    const ttz::pruebas::CarpetaTemporal temporal;
    const fs::path& raiz = temporal.ruta();
    fs::create_directories(raiz / "zeda");
    fs::create_directories(raiz / "datos");
    ttz::tablas::AlmacenDBase almacen(raiz / "datos", ',');
    escribirArchivosZeda(raiz / "zeda");
    crearTramos(almacen);
    if (formato == Formato::DBase3) crearSoluc(almacen, lecciones);
    if (formato == Formato::DBase7) escribirSolucAjena(raiz / "datos", lecciones, {'\x04', '\x57', "DBWINUS0"});
    if (formato == Formato::VisualFoxPro) escribirSolucAjena(raiz / "datos", lecciones, {'\x30', '\x03'});
    crearTablasSinLeer(almacen);
    const long rssAntes = rssPicoKb();

    ttz::Estado estado;
    InterlocutorMudo interlocutor;
    ttz::Cotejo cotejo;
    ttz::RelojLocal reloj;
    ttz::Entorno entorno{estado, interlocutor, almacen, cotejo, reloj};
    double segundos = 1e9;  // the best of a few runs: the machine is shared
    for (int vez = 0; vez < kVeces; ++vez) {
        const auto inicio = std::chrono::steady_clock::now();
        ttz::importacion::ejecutarImportacion((raiz / "zeda").string() + "/", entorno);
        segundos = std::min(segundos, std::chrono::duration<double>(std::chrono::steady_clock::now() - inicio).count());
    }

    std::printf("%-13s lecciones %7ld  segundos %7.3f  microsegundos/leccion %6.2f  rss antes %6ld KB  pico %6ld KB\n",
                nombre(formato), lecciones, segundos, segundos * 1e6 / static_cast<double>(lecciones), rssAntes,
                rssPicoKb());
    std::fflush(stdout);  // the child ends with _exit, which flushes nothing
    return estado.Transformado == 1 ? 0 : 1;
}

}  // namespace

int main() {
    std::printf("import, %d time slots, best of %d runs\n", kDias * kTramosPorDia, kVeces);
    std::fflush(stdout);
    int fallos = 0;
    const std::pair<long, Formato> medidas[] = {{50'000L, Formato::DBase3}, {100'000L, Formato::DBase3},
                                                {200'000L, Formato::DBase3}, {200'000L, Formato::DBase7},
                                                {200'000L, Formato::VisualFoxPro}};
    for (const auto& [lecciones, formato] : medidas) {
        const pid_t hijo = fork();
        if (hijo == 0) {
            try {
                _exit(medir(lecciones, formato));
            } catch (const std::exception& error) {
                std::fprintf(stderr, "%s\n", error.what());
                _exit(2);
            }
        }
        int estado = 0;
        waitpid(hijo, &estado, 0);
        if (!WIFEXITED(estado) || WEXITSTATUS(estado) != 0) ++fallos;
    }
    return fallos == 0 ? 0 : 1;
}
