// The Qt message boxes, the error box and the application-level error handler.
#include <QAbstractButton>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <new>

#include "ui/qt/aplicacion.h"
#include "ui/qt/dialogos.h"
#include "base/errores.h"
#include "apoyo_ventana.h"
#include "comun/nombre_caso.h"

namespace ttz::ui {
namespace {

struct CajaVista {
    QString titulo, texto;
    QMessageBox::Icon icono = QMessageBox::NoIcon;
    QStringList botones;
    bool cerrada = false;
};

// Looks at the modal box once it is open, then closes it with the key.
void mirarCajaYPulsar(CajaVista& vista, Qt::Key tecla) {
    QTimer::singleShot(0, [&vista, tecla] {
        auto* caja = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!caja) return;
        vista.titulo = caja->windowTitle();
        vista.texto = caja->text();
        vista.icono = caja->icon();
        for (auto* boton : caja->buttons()) vista.botones << boton->text();
        QTest::keyClick(caja, tecla);
        vista.cerrada = true;
    });
}

class CajaMensaje : public testing::TestWithParam<Qt::Key> {};

TEST_P(CajaMensaje, SinIconoConAceptarQueCierraConLaTecla) {
    CajaVista vista;
    mirarCajaYPulsar(vista, GetParam());
    DialogosQt().mostrarMensaje("No existe archivo de aulas (ZEDA_AULAS.TXT)");
    EXPECT_TRUE(vista.cerrada);
    EXPECT_EQ(vista.titulo, "transTempalosZeda");
    EXPECT_EQ(vista.texto, "No existe archivo de aulas (ZEDA_AULAS.TXT)");
    EXPECT_EQ(vista.icono, QMessageBox::NoIcon);
    EXPECT_EQ(vista.botones, QStringList{"Aceptar"});
}

INSTANTIATE_TEST_SUITE_P(Teclas, CajaMensaje, testing::Values(Qt::Key_Return, Qt::Key_Escape),
                         [](const auto& info) { return info.param == Qt::Key_Return ? "Intro" : "Escape"; });

TEST(CajaError, IconoDeErrorYUnSoloBotonAceptarConElTextoEnWindows1252) {
    CajaVista vista;
    mirarCajaYPulsar(vista, Qt::Key_Return);
    DialogosQt().mostrarCajaError("'$0x1A2B' no es un valor entero v\xE1lido.");
    EXPECT_TRUE(vista.cerrada);
    EXPECT_EQ(vista.titulo, "transTempalosZeda");
    EXPECT_EQ(vista.texto, QString::fromUtf8("'$0x1A2B' no es un valor entero v\u00E1lido."));
    EXPECT_EQ(vista.icono, QMessageBox::Critical);
    EXPECT_EQ(vista.botones, QStringList{"Aceptar"});
}

TEST(CursorOcupado, ParaTodaLaAplicacion) {
    DialogosQt dialogos;
    {
        CursorOcupado cursor(dialogos);
        ASSERT_NE(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// A failure that is none of the tool's own errors still reaches the error box in Spanish.
TEST(ErrorAjeno, SinMemoriaLlegaEnEspanolALaCajaDeError) {
    struct SinMemoria : QObject {
        bool event(QEvent*) override { throw std::bad_alloc(); }
    } sinMemoria;
    auto& dialogos = pruebas::dialogosAplicacion();
    dialogos.errores.clear();
    QEvent evento(QEvent::User);
    QCoreApplication::sendEvent(&sinMemoria, &evento);
    EXPECT_EQ(dialogos.errores, std::vector<std::string>{"No hay memoria suficiente para terminar el proceso."});
}

// An object whose event handler fails.
class Fallon : public QObject {
public:
    explicit Fallon(std::string mensaje) : mensaje_(std::move(mensaje)) {}
    bool event(QEvent*) override { throw Error(mensaje_); }

private:
    std::string mensaje_;
};

struct CasoEscapado {
    const char* mensaje;
    const char* mostrado;
};

class ErrorEscapado : public testing::TestWithParam<CasoEscapado> {};

TEST_P(ErrorEscapado, LlegaAlManejadorDeLaAplicacionYElBucleSigue) {
    auto& dialogos = pruebas::dialogosAplicacion();
    dialogos.errores.clear();
    Fallon fallon(GetParam().mensaje);
    QEvent evento(QEvent::User);
    QCoreApplication::sendEvent(&fallon, &evento);
    EXPECT_EQ(dialogos.errores, std::vector<std::string>{GetParam().mostrado});
}

INSTANTIATE_TEST_SUITE_P(Casos, ErrorEscapado,
                         testing::Values(CasoEscapado{"Disco lleno", "Disco lleno."},
                                         CasoEscapado{"Termina en punto.", "Termina en punto."},
                                         CasoEscapado{"Termina en coma,", "Termina en coma,"},
                                         CasoEscapado{"'$1A2B ' no es un valor entero v\xE1lido",
                                                      "'$1A2B ' no es un valor entero v\xE1lido."}),
                         pruebas::NombrePor<&CasoEscapado::mensaje>());

}  // namespace
}  // namespace ttz::ui
