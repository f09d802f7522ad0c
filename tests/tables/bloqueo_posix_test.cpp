// Holds on tables between two processes: a second process holds a table while this one tries.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

#include "base/errores.h"
#include "comun/carpeta_temporal.h"
#include "tables/almacen_dbase.h"

namespace ttz::tablas {
namespace {

namespace fs = std::filesystem;
using pruebas::CarpetaTemporal;
using pruebas::leerBytes;

// A child process that does something with the store of the folder, reports whether it
// succeeded, and keeps what it opened until it is told to let go.
class OtroProceso {
public:
    OtroProceso(const fs::path& carpeta, const std::function<std::unique_ptr<Tabla>(AlmacenDBase&)>& accion) {
        int aviso[2];
        int orden[2];
        if (::pipe(aviso) != 0 || ::pipe(orden) != 0) throw std::runtime_error("pipe");
        pid_ = ::fork();
        if (pid_ == 0) {
            ::close(aviso[0]);
            ::close(orden[1]);
            char hecho = '0';
            std::unique_ptr<Tabla> tabla;
            try {
                AlmacenDBase almacen(carpeta, ',');
                tabla = accion(almacen);
                hecho = '1';
            } catch (const Error&) {
            }
            (void)!::write(aviso[1], &hecho, 1);
            char fin;
            (void)!::read(orden[0], &fin, 1);
            try {
                if (tabla) tabla->cerrar();
            } catch (const Error&) {
            }
            ::_exit(0);
        }
        ::close(aviso[1]);
        ::close(orden[0]);
        orden_ = orden[1];
        char hecho = '0';
        exito_ = ::read(aviso[0], &hecho, 1) == 1 && hecho == '1';
        ::close(aviso[0]);
    }
    ~OtroProceso() { soltar(); }

    bool exito() const { return exito_; }
    void soltar() {
        if (pid_ <= 0) return;
        ::close(orden_);
        int estado = 0;
        ::waitpid(pid_, &estado, 0);
        pid_ = -1;
    }

private:
    pid_t pid_ = -1;
    int orden_ = -1;
    bool exito_ = false;
};

std::function<std::unique_ptr<Tabla>(AlmacenDBase&)> abre(ModoApertura modo) {
    return [modo](AlmacenDBase& almacen) { return almacen.abrir("SOLUC", modo); };
}

std::function<std::unique_ptr<Tabla>(AlmacenDBase&)> recrea() {
    return [](AlmacenDBase& almacen) {
        return almacen.recrear("SOLUC", {DefinicionCampo::texto("COD", 2)});
    };
}

class Bloqueo : public ::testing::Test {
protected:
    void SetUp() override {
        auto tabla = almacen.recrear("SOLUC", {DefinicionCampo::texto("COD", 2)});
        tabla->anadir();
        tabla->ponerTexto("COD", "A");
        tabla->grabar();
        tabla->cerrar();
    }

    std::string abiertaEnOtro() const {
        return "La tabla \"" + (carpeta / "SOLUC.DBF").string() + "\" est\xE1 abierta en otro programa";
    }

    void esperarError(const std::function<void()>& accion) const {
        try {
            accion();
            FAIL() << "sin error";
        } catch (const Error& e) {
            EXPECT_EQ(std::string(e.what()), abiertaEnOtro());
        }
    }

    CarpetaTemporal carpeta;
    AlmacenDBase almacen{carpeta.ruta(), ','};
};

TEST_F(Bloqueo, LaAperturaExclusivaFallaMientrasOtroLeeYLograDespues) {
    OtroProceso otro(carpeta.ruta(), abre(ModoApertura::SoloLecturaCompartida));
    ASSERT_TRUE(otro.exito());
    esperarError([&] { almacen.abrir("SOLUC", ModoApertura::LecturaEscrituraExclusiva); });
    otro.soltar();
    EXPECT_NO_THROW(almacen.abrir("SOLUC", ModoApertura::LecturaEscrituraExclusiva)->cerrar());
}

TEST_F(Bloqueo, LaAperturaExclusivaExcluyeATodos) {
    OtroProceso otro(carpeta.ruta(), abre(ModoApertura::LecturaEscrituraExclusiva));
    ASSERT_TRUE(otro.exito());
    esperarError([&] { almacen.abrir("SOLUC", ModoApertura::SoloLecturaCompartida); });
    esperarError([&] { almacen.abrir("SOLUC", ModoApertura::LecturaEscrituraExclusiva); });
    esperarError([&] { almacen.recrear("SOLUC", {DefinicionCampo::texto("COD", 2)}); });
}

TEST_F(Bloqueo, LasLecturasCompartidasConviven) {
    OtroProceso otro(carpeta.ruta(), abre(ModoApertura::SoloLecturaCompartida));
    ASSERT_TRUE(otro.exito());
    auto tabla = almacen.abrir("SOLUC", ModoApertura::SoloLecturaCompartida);
    tabla->primero();
    EXPECT_EQ(tabla->comoTexto("COD"), "A");
}

TEST_F(Bloqueo, OtroNoAbreEnExclusivaLoQueEsteTieneAbierto) {
    auto tabla = almacen.abrir("SOLUC", ModoApertura::SoloLecturaCompartida);
    OtroProceso otro(carpeta.ruta(), abre(ModoApertura::LecturaEscrituraExclusiva));
    EXPECT_FALSE(otro.exito());
    OtroProceso lector(carpeta.ruta(), abre(ModoApertura::SoloLecturaCompartida));
    EXPECT_TRUE(lector.exito());
}

TEST_F(Bloqueo, UnaTablaRecreadaNoSePublicaMientrasOtroLaLee) {
    const std::string antes = leerBytes(carpeta / "SOLUC.DBF");
    OtroProceso otro(carpeta.ruta(), abre(ModoApertura::SoloLecturaCompartida));
    ASSERT_TRUE(otro.exito());
    auto tabla = almacen.recrear("SOLUC", {DefinicionCampo::texto("COD", 2)});
    tabla->anadir();
    tabla->ponerTexto("COD", "B");
    tabla->grabar();
    esperarError([&] { tabla->cerrar(); });
    EXPECT_EQ(leerBytes(carpeta / "SOLUC.DBF"), antes);
    EXPECT_EQ(std::distance(fs::directory_iterator(carpeta.ruta()), fs::directory_iterator()), 1);
    otro.soltar();
    almacen.recrear("SOLUC", {DefinicionCampo::texto("COD", 2)})->cerrar();
    EXPECT_NE(leerBytes(carpeta / "SOLUC.DBF"), antes);
}

TEST_F(Bloqueo, UnaTablaQueOtroRecreaNoSeAbreEnExclusiva) {
    OtroProceso otro(carpeta.ruta(), recrea());
    ASSERT_TRUE(otro.exito());
    esperarError([&] { almacen.abrir("SOLUC", ModoApertura::LecturaEscrituraExclusiva); });
    EXPECT_NO_THROW(almacen.abrir("SOLUC", ModoApertura::SoloLecturaCompartida));
}

TEST_F(Bloqueo, DentroDelMismoProcesoTambienExcluye) {
    auto exclusiva = almacen.abrir("SOLUC", ModoApertura::LecturaEscrituraExclusiva);
    esperarError([&] { almacen.abrir("SOLUC", ModoApertura::SoloLecturaCompartida); });
    exclusiva->cerrar();
    EXPECT_NO_THROW(almacen.abrir("SOLUC", ModoApertura::SoloLecturaCompartida));
}

}  // namespace
}  // namespace ttz::tablas
