// Another program holding one of the six tables: the import fails, writes nothing and, once the
// table is free again, runs.
#include "comun/nombre_caso.h"
#include "import/importacion.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

#include "base/errores.h"
#include "comun/escenario_importacion.h"

namespace ttz::pruebas {
namespace {

// Opens one table exclusively and keeps it until liberar(): on Windows an opening of this process,
// as share modes stand against every other opening, this process's too; elsewhere a child
// process, as POSIX locks stand only against other processes.
#ifdef _WIN32
class OtroPrograma {
public:
    OtroPrograma(const std::filesystem::path& datos, const std::string& tabla)
        : almacen_(datos, ','), abierta_(almacen_.abrir(tabla, tablas::ModoApertura::LecturaEscrituraExclusiva)) {}

    void liberar() { abierta_.reset(); }

private:
    tablas::AlmacenDBase almacen_;
    std::unique_ptr<tablas::Tabla> abierta_;
};
#else
class OtroPrograma {
public:
    OtroPrograma(const std::filesystem::path& datos, const std::string& tabla) {
        if (::pipe(abierta_) != 0 || ::pipe(liberada_) != 0) throw std::runtime_error("pipe");
        hijo_ = ::fork();
        if (hijo_ == 0) retenerEnHijo(datos, tabla);
        char respuesta = 0;
        if (::read(abierta_[0], &respuesta, 1) != 1 || respuesta != 'a') {
            throw std::runtime_error("the other program could not open " + tabla);
        }
    }
    ~OtroPrograma() { liberar(); }

    void liberar() {
        if (hijo_ <= 0) return;
        [[maybe_unused]] const auto escritos = ::write(liberada_[1], "l", 1);
        ::waitpid(hijo_, nullptr, 0);
        hijo_ = 0;
        for (int descriptor : {abierta_[0], abierta_[1], liberada_[0], liberada_[1]}) ::close(descriptor);
    }

private:
    [[noreturn]] void retenerEnHijo(const std::filesystem::path& datos, const std::string& tabla) {
        char respuesta = 'a';
        std::unique_ptr<tablas::Tabla> abierta;
        try {
            tablas::AlmacenDBase almacen(datos, ',');
            abierta = almacen.abrir(tabla, tablas::ModoApertura::LecturaEscrituraExclusiva);
        } catch (...) {
            respuesta = 'e';
        }
        [[maybe_unused]] auto escritos = ::write(abierta_[1], &respuesta, 1);
        char orden;
        [[maybe_unused]] auto leidos = ::read(liberada_[0], &orden, 1);
        ::_exit(0);
    }

    int abierta_[2]{-1, -1};
    int liberada_[2]{-1, -1};
    pid_t hijo_ = 0;
};
#endif

class TablaRetenida : public ::testing::TestWithParam<const char*> {};

TEST_P(TablaRetenida, FallaSinEscribirYLuegoImporta) {
    EscenarioImportacion e;
    e.prepararBasico();
    const std::string anterior = "0ANTERIOR\r\n9ANTERIOR 0\r\n";
    e.zeda.escribir("ZEDA_HORARIO.TXT", anterior);
    e.estado.Transformado = 1;

    OtroPrograma otro(e.datos.ruta(), GetParam());
    EXPECT_THROW(e.importar(), Error);
    EXPECT_EQ(e.estado.Transformado, -1);
    EXPECT_EQ(e.horario(), anterior);
    EXPECT_EQ(e.interlocutor.ocupado, 0);

    otro.liberar();
    EXPECT_EQ(e.importar(), FinTransferencia::Finalizada);
    EXPECT_EQ(e.estado.Transformado, 1);
    EXPECT_EQ(e.horario(), conSaltos({cabeceraEsperada("28001234", kFechaPie), pieEsperado("28001234", "0")}));
}

INSTANTIATE_TEST_SUITE_P(Casos, TablaRetenida, ::testing::Values("SOLUC", "AULAT", "DIASHORAST"), NombreDelValor());

}  // namespace
}  // namespace ttz::pruebas
