// The folder list and the drive list on screen: the rows drawn, double-clicks, clicks, Enter,
// drive choices and failures forwarded to the selector, and the label that follows the folder.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>
#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "base/errores.h"
#include "comun/carpeta_temporal.h"
#include "ui/acortar_ruta.h"
#include "comun/selector_qt.h"
#include "ui/qt/selector_carpetas.h"

namespace ttz::ui {
namespace {

namespace fs = std::filesystem;

QString qt(const fs::path& ruta) { return QString::fromStdString(ruta.string()); }

// A school's folders: escuela/zeda with four subfolders and a file, and a "usb" folder.
class Selector : public testing::Test {
protected:
    Selector() {
        pruebas::aplicacionSinPantalla();
        for (const char* nombre : {"beta", "2024", "Anexos", "2023"})
            fs::create_directories(temporal_ / "escuela" / "zeda" / nombre);
        fs::create_directories(temporal_ / "usb" / "datos");
        temporal_.escribir("escuela/zeda/zeda_prof.txt", "no es una carpeta");
        raiz_ = fs::canonical(temporal_.ruta());
        zeda_ = raiz_ / "escuela" / "zeda";
        fs::current_path(zeda_);
        crearLista(unidadesDelSistema());
    }

    // The folder list over those drives, its errors recorded instead of shown in the error box.
    void crearLista(std::vector<Unidad> unidades) {
        lista_ = std::make_unique<ListaDirectorios>(std::move(unidades), [this] {
            try {
                throw;
            } catch (const ErrorES& error) {
                errores_.emplace_back(error.what());
            }
        });
        lista_->resize(287, 106);
        lista_->show();
    }

    QStringList textos() const {
        QStringList filas;
        for (int i = 0; i < lista_->count(); ++i) filas << lista_->item(i)->text();
        return filas;
    }
    QListWidgetItem* fila(const QString& texto) const { return pruebas::filaConTexto(*lista_, texto); }
    void dobleClic(const QString& texto) {
        auto* elemento = fila(texto);
        ASSERT_NE(elemento, nullptr) << texto.toStdString();
        pruebas::dobleClicEnFila(*lista_, *elemento);
    }
    // The rows below the root, for comparing without the temporary folder's own path.
    QStringList filasDesde(const QString& primera) const {
        const auto filas = textos();
        return filas.mid(filas.indexOf(primera));
    }

    pruebas::CarpetaProcesoGuardada guardada_;
    pruebas::CarpetaTemporal temporal_;
    fs::path raiz_, zeda_;
    std::unique_ptr<ListaDirectorios> lista_;
    using Errores = std::vector<std::string>;
    Errores errores_;
};

TEST_F(Selector, EmpiezaEnLaCarpetaDelProcesoConSusFilas) {
    EXPECT_EQ(lista_->objectName(), "Directorios");
    EXPECT_EQ(lista_->carpetaActual(), qt(zeda_));
    EXPECT_EQ(lista_->item(0)->text(), "/");
    EXPECT_EQ(filasDesde("escuela"), QStringList({"escuela", "zeda", "2023", "2024", "Anexos", "beta"}));
    EXPECT_EQ(lista_->currentItem()->text(), "zeda");
    EXPECT_TRUE(lista_->currentItem()->isSelected());
}

TEST_F(Selector, FilasDe16PixelesConSangriasYFondo) {
    const auto separadores = static_cast<int>(zeda_.string().size() -
                                              QString(qt(zeda_)).remove('/').size());
    EXPECT_EQ(fila("zeda")->data(kRolSangria).toInt(), 2 + 4 * separadores);
    EXPECT_EQ(fila("2024")->data(kRolSangria).toInt(), 6 + 4 * separadores);
    EXPECT_EQ(lista_->visualItemRect(fila("2024")).height(), 16);
    EXPECT_EQ(lista_->visualItemRect(fila("/")).height(), 16);
    EXPECT_EQ(lista_->palette().color(QPalette::Base), QColor(240, 251, 255));
}

// The current folder's row selected at the bottom of the view with as many rows above it as
// fit: when the list starts in a deep folder inside a panel, as in the window, where it gets
// its size only after its rows, and after a change into a deep folder.
TEST_F(Selector, EnUnaCarpetaProfundaSeVenLaFilaActualYLasDeEncima) {
    const auto profunda = zeda_ / "2024" / "Centro" / "Secretaria" / "Exportaciones" / "Junio";
    fs::create_directories(profunda / "copia");
    const auto comprobar = [](ListaDirectorios& lista) {
        const int actual = lista.row(lista.currentItem());
        const int caben = lista.viewport()->height() / 16;
        ASSERT_GT(actual, caben);
        EXPECT_EQ(lista.currentItem()->text(), "Junio");
        EXPECT_TRUE(lista.currentItem()->isSelected());
        EXPECT_EQ(lista.row(lista.itemAt(1, 1)), actual - caben + 1);
        EXPECT_TRUE(lista.viewport()->rect().contains(lista.visualItemRect(lista.currentItem())));
    };
    fs::current_path(profunda);
    QWidget panel;
    auto* enPanel = new ListaDirectorios(&panel);
    enPanel->setGeometry(8, 34, 287, 106);
    panel.show();
    comprobar(*enPanel);
    lista_->cambiarRuta(profunda.string());
    comprobar(*lista_);
}

TEST_F(Selector, DobleClicEnUnaSubcarpetaLaHaceActual) {
    QSignalSpy avisos(lista_.get(), &ListaDirectorios::carpetaCambiada);
    dobleClic("2024");
    const auto destino = zeda_ / "2024";
    EXPECT_EQ(lista_->carpetaActual(), qt(destino));
    EXPECT_EQ(fs::current_path(), destino);
    ASSERT_EQ(avisos.count(), 1);
    EXPECT_EQ(avisos.at(0).at(0).toString(), qt(destino));
    EXPECT_EQ(filasDesde("escuela"), QStringList({"escuela", "zeda", "2024"}));
    EXPECT_EQ(lista_->currentItem()->text(), "2024");
}

TEST_F(Selector, DobleClicEnLaFilaActualNoCambiaNiReconstruye) {
    QSignalSpy avisos(lista_.get(), &ListaDirectorios::carpetaCambiada);
    QSignalSpy quitadas(lista_->model(), &QAbstractItemModel::rowsRemoved);
    fila("2023")->setData(Qt::UserRole + 10, "marca");
    dobleClic("zeda");
    EXPECT_EQ(avisos.count(), 0);
    EXPECT_EQ(quitadas.count(), 0);
    EXPECT_EQ(fila("2023")->data(Qt::UserRole + 10).toString(), "marca");
    EXPECT_EQ(lista_->carpetaActual(), qt(zeda_));
}

TEST_F(Selector, UnClicSoloSelecciona) {
    QTest::mouseClick(lista_->viewport(), Qt::LeftButton, {},
                      lista_->visualItemRect(fila("Anexos")).center());
    EXPECT_EQ(lista_->currentItem()->text(), "Anexos");
    EXPECT_EQ(lista_->carpetaActual(), qt(zeda_));
    EXPECT_EQ(fs::current_path(), zeda_);
}

TEST_F(Selector, EnterNuncaAbreUnaCarpeta) {
    lista_->setCurrentItem(fila("beta"));
    lista_->setFocus();
    QTest::keyClick(lista_.get(), Qt::Key_Return);
    QTest::keyClick(lista_.get(), Qt::Key_Enter);
    EXPECT_EQ(lista_->carpetaActual(), qt(zeda_));
    EXPECT_EQ(fs::current_path(), zeda_);
}

TEST_F(Selector, LaEtiquetaSigueALaCarpeta) {
    QLabel Label2;
    QFont negrita = Label2.font();
    negrita.setBold(true);
    Label2.setFont(negrita);
    const auto mostrar = [&](const QString& carpeta) {
        const QFontMetrics medidas(Label2.font());
        const auto medir = [&](const std::string& t) { return medidas.horizontalAdvance(QString::fromStdString(t)); };
        Label2.setText(QString::fromStdString(acortarRuta(carpeta.toStdString(), 287, medir, '/')));
    };
    QObject::connect(lista_.get(), &ListaDirectorios::carpetaCambiada, &Label2, mostrar);
    dobleClic("beta");
    EXPECT_TRUE(Label2.text().endsWith("/zeda/beta")) << Label2.text().toStdString();
    EXPECT_LE(QFontMetrics(Label2.font()).horizontalAdvance(Label2.text()), 287);
}

// A name that is not UTF-8 is shown as well as it can be and opened by its own bytes.
TEST_F(Selector, NombreQueNoEsUtf8SeAbrePorSusBytes) {
    const std::string nombre = "caf\xE9";
    fs::create_directories(zeda_ / nombre);
    lista_->cambiarRuta(zeda_.string());
    dobleClic(textoDeRuta(nombre));
    EXPECT_EQ(fs::current_path(), zeda_ / nombre);
    EXPECT_EQ(lista_->rutaActual(), (zeda_ / nombre).string());
}

// The folder is removed after the list was built: the error notice gets "No se encuentra el
// archivo" and the folder list, the process and the rows stay where they were.
TEST_F(Selector, CarpetaBorradaTrasConstruirLaLista) {
    QSignalSpy avisos(lista_.get(), &ListaDirectorios::carpetaCambiada);
    const auto filasAntes = textos();
    fs::remove(zeda_ / "2023");
    dobleClic("2023");
    EXPECT_EQ(errores_, Errores{"No se encuentra el archivo"});
    EXPECT_EQ(avisos.count(), 0);
    EXPECT_EQ(lista_->carpetaActual(), qt(zeda_));
    EXPECT_EQ(fs::current_path(), zeda_);
    EXPECT_EQ(textos(), filasAntes);
}

// The drive list over three drives: the root, the "usb" folder and one that is gone.
class SelectorUnidades : public Selector {
protected:
    SelectorUnidades() {
        crearLista({{"/", "/ [sistema]", TipoUnidad::Fija},
                    {(raiz_ / "usb").string(), "usb", TipoUnidad::Extraible},
                    {(raiz_ / "cd").string(), "cd []", TipoUnidad::Optica}});
        unidades_ = std::make_unique<ListaUnidades>(lista_.get());
        unidades_->show();
    }
    void elegir(int fila) {
        unidades_->setCurrentIndex(fila);
        emit unidades_->activated(fila);
    }

    std::unique_ptr<ListaUnidades> unidades_;
};

TEST_F(SelectorUnidades, MuestraLaUnidadDeLaCarpetaActual) {
    EXPECT_EQ(unidades_->objectName(), "Unidades");
    EXPECT_FALSE(unidades_->isEditable());
    ASSERT_EQ(unidades_->count(), 3);
    EXPECT_EQ(unidades_->itemText(0), "/ [sistema]");
    EXPECT_EQ(unidades_->itemText(1), "usb");
    EXPECT_EQ(unidades_->currentIndex(), 0);
    lista_->cambiarRuta((raiz_ / "usb" / "datos").string());
    EXPECT_EQ(unidades_->currentIndex(), 1);
}

TEST_F(SelectorUnidades, ElegirUnaUnidadMueveLaListaDeCarpetas) {
    QSignalSpy avisos(lista_.get(), &ListaDirectorios::carpetaCambiada);
    QTest::keyClick(unidades_.get(), Qt::Key_Down);
    EXPECT_EQ(unidades_->currentIndex(), 1);
    EXPECT_EQ(lista_->carpetaActual(), qt(raiz_ / "usb"));
    EXPECT_EQ(fs::current_path(), raiz_ / "usb");
    EXPECT_EQ(avisos.count(), 1);
    EXPECT_EQ(lista_->currentItem()->text(), "usb");
    EXPECT_EQ(textos().back(), "datos");
}

TEST_F(SelectorUnidades, UnaUnidadQueNoSePuedeAbrirDejaLaCarpeta) {
    const auto filasAntes = textos();
    elegir(2);
    EXPECT_EQ(errores_, Errores{"No se encuentra el archivo"});
    EXPECT_EQ(unidades_->currentIndex(), 2);
    EXPECT_EQ(lista_->carpetaActual(), qt(zeda_));
    EXPECT_EQ(fs::current_path(), zeda_);
    EXPECT_EQ(textos(), filasAntes);
}

TEST(SelectorInicio, SinCarpetaDeArranqueMuestraElErrorYEmpiezaEnLaRaiz) {
    pruebas::aplicacionSinPantalla();
    pruebas::CarpetaProcesoGuardada guardada;
    pruebas::CarpetaTemporal temporal;
    fs::create_directories(temporal / "borrada");
    fs::current_path(temporal / "borrada");
    fs::remove(temporal / "borrada");
    QString caja;
    QTimer::singleShot(0, [&] {
        if (auto* mensaje = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            caja = mensaje->text();
            mensaje->done(0);
        }
    });
    ListaDirectorios lista;
    EXPECT_EQ(caja, "No se encuentra el archivo.");
    EXPECT_EQ(lista.carpetaActual(), "/");
    EXPECT_EQ(fs::current_path(), fs::path("/"));
    EXPECT_EQ(lista.currentItem()->text(), "/");
}

TEST(SelectorInicio, LaListaDeUnidadesDelSistemaMuestraLaRaiz) {
    pruebas::aplicacionSinPantalla();
    pruebas::CarpetaProcesoGuardada guardada;
    fs::current_path("/");
    ListaDirectorios lista;
    ListaUnidades unidades(&lista);
    ASSERT_GE(unidades.currentIndex(), 0);
    EXPECT_TRUE(unidades.currentText().startsWith("/ ")) << unidades.currentText().toStdString();
}

}  // namespace
}  // namespace ttz::ui
