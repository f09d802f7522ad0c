#include "ui/qt/ventana_principal.h"

#include <QCloseEvent>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScopedValueRollback>
#include <cmath>

#include "ui/qt/aplicacion.h"
#include "base/errores.h"
#include "base/archivos.h"
#include "app/resultado_ini.h"
#include "export/exportacion.h"
#include "import/importacion.h"
#include "ui/qt/glifos.h"
#include "ui/qt/panel_degradado.h"
#include "ui/qt/selector_carpetas.h"

namespace ttz::ui {
namespace {

// Sizes at 96 dots per inch.
constexpr int kAnchoVentana = 599;
constexpr int kAltoVentana = 270;
// Without frame and caption the window keeps its framed outer size: a dialog frame of
// 3 pixels on each side and a caption bar of 19.
constexpr int kAnchoMarco = 6;
constexpr int kAltoMarco = 25;
constexpr int kAltoInferior = 169;
constexpr int kAnchoExportar = 289;
constexpr int kAnchoCarpetas = 287;
constexpr int kContextoAyuda = 3;

const QString kFamilia = QStringLiteral("Liberation Sans");

QFont fuenteVentana() {
    QFont fuente(kFamilia);
    fuente.setPointSize(8);
    return fuente;
}

QFont negrita(QFont fuente) {
    fuente.setBold(true);
    return fuente;
}

void colorear(QWidget& control, QPalette::ColorRole papel, const QColor& color) {
    auto paleta = control.palette();
    paleta.setColor(papel, color);
    control.setPalette(paleta);
}

}  // namespace

TMForm::TMForm(const std::vector<std::string>& parametros, PuertosVentana puertos)
    : QWidget(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      puertos_(std::move(puertos)) {
    setObjectName(QStringLiteral("MForm"));
    setWindowTitle(QStringLiteral("Exportar e importar datos entre Tempalix y ZEDA"));
    setFont(fuenteVentana());
    escala_ = logicalDpiY() / 96.0;
    crearControles();
    FormCreate(parametros);
    disponer();
}

int TMForm::escalar(int pixeles) const { return static_cast<int>(std::lround(pixeles * escala_)); }

QRect TMForm::escalar(QRect area) const {
    return {escalar(area.x()), escalar(area.y()), escalar(area.width()), escalar(area.height())};
}

QLabel* TMForm::crearEtiqueta(QWidget* panel, const char* nombre, const QString& texto, QPoint posicion) {
    auto* etiqueta = new QLabel(texto, panel);
    etiqueta->setObjectName(QString::fromLatin1(nombre));
    etiqueta->move(escalar(posicion.x()), escalar(posicion.y()));
    return etiqueta;
}

QPushButton* TMForm::crearBoton(QWidget* panel, const char* nombre, const QString& texto, QRect area) {
    auto* boton = new QPushButton(texto, panel);
    boton->setObjectName(QString::fromLatin1(nombre));
    boton->setGeometry(escalar(area));
    return boton;
}

void TMForm::crearControles() {
    Draw3D2 = new PanelDegradado(kColoresLados, this);
    Draw3D3 = new PanelDegradado(kColoresLados, this);
    Draw3D1 = new PanelDegradado(kColoresInferior, this);
    Draw3D1->setObjectName(QStringLiteral("Draw3D1"));
    Draw3D2->setObjectName(QStringLiteral("Draw3D2"));
    Draw3D3->setObjectName(QStringLiteral("Draw3D3"));
    crearLados();
    crearPanelInferior();
    ordenarTabulacion();
    conectar();
}

void TMForm::crearLados() {
    Label3 = crearEtiqueta(Draw3D2, "Label3", QStringLiteral("Transformar datos desde ZEDA hacia Tempalix "), {24, 24});
    Label4 = crearEtiqueta(Draw3D3, "Label4", QStringLiteral("Transformar datos desde Tempalix hacia ZEDA"), {8, 24});
    for (auto [etiqueta, ancho] : {std::pair{Label3, 265}, std::pair{Label4, 305}}) {
        etiqueta->setFont(QFont(kFamilia, 12, QFont::Bold));
        etiqueta->setWordWrap(true);
        etiqueta->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        etiqueta->resize(escalar(ancho), escalar(57));
    }
    BExportar = crearBoton(Draw3D2, "BExportar", QStringLiteral("Aceptar"), {88, 72, 89, 25});
    BImportar = crearBoton(Draw3D3, "BImportar", QStringLiteral("Aceptar"), {96, 72, 89, 25});
    for (auto* aceptar : {BExportar, BImportar}) {
        aceptar->setIcon(glifoAceptar());
        aceptar->setIconSize({kLadoGlifo, kLadoGlifo});
        aceptar->setDefault(true);
    }
}

void TMForm::crearPanelInferior() {
    const QColor azul(0, 0, 255), rojo(255, 0, 0), fondoInferior(204, 216, 230), fondoListas(240, 251, 255);
    Label5 = crearEtiqueta(Draw3D1, "Label5", QStringLiteral("Carpeta en la que se encuentran los Ficheros TXT de ZEDA"), {9, 5});
    Label6 = crearEtiqueta(Draw3D1, "Label6", QStringLiteral("Ruta Actual:"), {9, 19});
    for (auto* opaca : {Label5, Label6}) {
        colorear(*opaca, QPalette::WindowText, azul);
        colorear(*opaca, QPalette::Window, fondoInferior);
        opaca->setAutoFillBackground(true);
        opaca->adjustSize();
    }
    Label2 = crearEtiqueta(Draw3D1, "Label2", {}, {70, 20});
    Label1 = crearEtiqueta(Draw3D1, "Label1", QStringLiteral("TransTempalixZEDA para TM11 V-1.0"), {368, 142});
    for (auto* roja : {Label2, Label1}) {
        roja->setFont(negrita(fuenteVentana()));
        colorear(*roja, QPalette::WindowText, rojo);
    }
    Label1->adjustSize();

    Directorios = new ListaDirectorios(Draw3D1);
    Directorios->setGeometry(escalar(QRect(8, 34, 287, 106)));
    Unidades = new ListaUnidades(Directorios, Draw3D1);
    Unidades->setGeometry(escalar(QRect(8, 142, 137, 19)));
    for (QWidget* lista : {static_cast<QWidget*>(Directorios), static_cast<QWidget*>(Unidades)}) {
        colorear(*lista, QPalette::Base, fondoListas);
        colorear(*lista, QPalette::Button, fondoListas);
    }
    Button1 = crearBoton(Draw3D1, "Button1", QStringLiteral("F1 AYUDA"), {220, 142, 75, 21});
    BClose = crearBoton(Draw3D1, "BClose", QStringLiteral("&Salir"), {385, 105, 89, 25});
    BClose->setIcon(glifoSalir());
    BClose->setIconSize({kLadoGlifo, kLadoGlifo});
}

void TMForm::conectar() {
    auto protegido = [this](void (TMForm::*manejador)()) {
        return [this, manejador] {
            ejecutarProtegido(puertos_.dialogos, [this, manejador] { (this->*manejador)(); });
            // A host lost during a transfer, also one that an error cut short, ends the tool now.
            if (sinAnfitrion_ && isVisible()) close();
        };
    };
    connect(BExportar, &QPushButton::clicked, this, protegido(&TMForm::BExportarClick));
    connect(BImportar, &QPushButton::clicked, this, protegido(&TMForm::BImportarClick));
    connect(Button1, &QPushButton::clicked, this, protegido(&TMForm::Button1Click));
    connect(BClose, &QPushButton::clicked, this, &QWidget::close);
    connect(Directorios, &ListaDirectorios::carpetaCambiada, this, &TMForm::actualizarRuta);
    actualizarRuta(Directorios->carpetaActual());
}

void TMForm::ordenarTabulacion() {
    const QList<QWidget*> orden{BExportar, BImportar, BClose, Directorios, Unidades, Button1};
    for (qsizetype i = 0; i + 1 < orden.size(); ++i) setTabOrder(orden[i], orden[i + 1]);
    for (auto* control : orden) control->installEventFilter(this);
}

void TMForm::FormCreate(const std::vector<std::string>& parametros) {
    puertos_.estado.Transformado = 0;
    if (parametros.size() != 2) return;
    std::uint32_t manejador = 0;
    try {
        manejador = leerManejadorAnfitrion(parametros[1]);
    } catch (const Error&) {
        informarExcepcionActual(puertos_.dialogos);
        return;
    }
    entrarEnAnfitrion(manejador);
    puertos_.estado.NumParametros = 2;
    lado_ = ladoPedido(parametros[0]);
}

void TMForm::entrarEnAnfitrion(std::uint32_t manejador) {
    // The frame goes first: changing the window's flags later would recreate the native
    // window and lose the host as its parent.
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    puertos_.anfitrion.incrustar(*this, manejador, [this] { anfitrionDesaparecido(); });
    move(2, 2);
}

void TMForm::disponer() {
    const bool alojado = puertos_.estado.alojado();
    const int ancho = kAnchoVentana + (alojado ? kAnchoMarco : 0);
    const int alto = kAltoVentana + (alojado ? kAltoMarco : 0);
    const int superior = alto - kAltoInferior;
    setFixedSize(escalar(ancho), escalar(alto));
    Draw3D1->setGeometry(escalar(QRect(0, superior, ancho, kAltoInferior)));
    Draw3D2->setVisible(lado_ != Lado::Importar);
    Draw3D3->setVisible(lado_ != Lado::Exportar);
    const int divisoria = lado_ == Lado::Ambos ? kAnchoExportar : (lado_ == Lado::Exportar ? ancho : 0);
    Draw3D2->setGeometry(escalar(QRect(0, 0, divisoria, superior)));
    Draw3D3->setGeometry(escalar(QRect(divisoria, 0, ancho - divisoria, superior)));
}

void TMForm::showEvent(QShowEvent* evento) {
    QWidget::showEvent(evento);
    if (!primeraVez_) return;
    primeraVez_ = false;
    for (QWidget* control : {static_cast<QWidget*>(BExportar), static_cast<QWidget*>(BImportar)})
        if (control->isVisibleTo(this)) return control->setFocus(Qt::ActiveWindowFocusReason);
    BClose->setFocus(Qt::ActiveWindowFocusReason);
}

void TMForm::closeEvent(QCloseEvent* evento) {
    evento->setAccepted(!puertos_.estado.alojado());
    if (puertos_.estado.alojado())
        ejecutarProtegido(puertos_.dialogos, [&] {
            escribirResultado(puertos_.archivoResultado, puertos_.estado.Transformado);
            evento->accept();
        });
    // Without a host there is no window left to stay open in: the error box has told the user.
    if (sinAnfitrion_) evento->accept();
    // An embedded window is no top-level window, so Qt would not end the message loop itself.
    if (evento->isAccepted()) emit cerrada();
}

// The host window has been destroyed and ours with it: the window closes as on any other close
// (the result file is written), once a transfer under way has finished.
void TMForm::anfitrionDesaparecido() {
    sinAnfitrion_ = true;
    if (!transfiriendo_) close();
}

void TMForm::BExportarClick() { transferir(&exportacion::ejecutarExportacion); }

void TMForm::BImportarClick() { transferir(&importacion::ejecutarImportacion); }

void TMForm::Button1Click() { puertos_.ayuda.contenido(); }

void TMForm::transferir(Ejecucion ejecucion) {
    carpeta_ = componerCarpeta(QFile::encodeName(Directorios->carpetaActual()).toStdString());
    Entorno entorno{puertos_.estado, puertos_.dialogos, puertos_.almacen, puertos_.cotejo, puertos_.reloj};
    {
        const QScopedValueRollback enCurso(transfiriendo_, true);
        ejecucion(carpeta_, entorno);
    }
    if (puertos_.estado.alojado()) close();
}

void TMForm::actualizarRuta(const QString& carpeta) {
    const QFontMetrics medidas(Label2->font());
    Label2->setText(acortarRuta(
        carpeta, escalar(kAnchoCarpetas), [&](const QString& texto) { return medidas.horizontalAdvance(texto); },
        QChar(separadorCarpetas())));
    Label2->adjustSize();
}

QPushButton* TMForm::botonPredeterminado() const {
    return BExportar->isVisibleTo(this) ? BExportar : BImportar;
}

void TMForm::keyPressEvent(QKeyEvent* evento) {
    if (!atenderTecla(this, *evento)) QWidget::keyPressEvent(evento);
}

bool TMForm::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() == QEvent::KeyPress && atenderTecla(objeto, static_cast<QKeyEvent&>(*evento)))
        return true;
    return QWidget::eventFilter(objeto, evento);
}

// The window's own keys; true when the key was used.
bool TMForm::atenderTecla(QObject* objeto, const QKeyEvent& tecla) {
    auto* pulsador = qobject_cast<QPushButton*>(objeto);
    switch (tecla.key()) {
    case Qt::Key_F1:
        ejecutarProtegido(puertos_.dialogos, [this] { puertos_.ayuda.contexto(kContextoAyuda); });
        return true;
    case Qt::Key_Escape:
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (pulsador) pulsador->click();
        else if (objeto == Directorios || objeto == Unidades) botonPredeterminado()->click();
        else return false;
        return true;
    case Qt::Key_S:
        if (!pulsador || (tecla.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
        BClose->click();
        return true;
    default:
        return false;
    }
}

}  // namespace ttz::ui
