#include "ui/qt/ventana_principal.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "base/archivos.h"
#include "ui/acortar_ruta.h"
#include "ui/qt/glifos.h"
#include "ui/qt/panel_degradado.h"
#include "ui/qt/selector_carpetas.h"

namespace ttz::ui {
namespace {

// "MS Sans Serif" and "Arial" are not found on every system; this family has Arial's metrics.
const QString kFamilia = QStringLiteral("Liberation Sans");

QFont fuenteQt(const Fuente& fuente) { return QFont(kFamilia, fuente.puntos, fuente.negrita ? QFont::Bold : -1); }

QRect rectanguloQt(Rectangulo area) { return {area.x, area.y, area.ancho, area.alto}; }

void colorear(QWidget& control, QPalette::ColorRole papel, ColorRGB color) {
    auto paleta = control.palette();
    paleta.setColor(papel, colorQt(color));
    control.setPalette(paleta);
}

constexpr CodigoTecla kCodigosTeclas[] = {
    {Qt::Key_F1, Tecla::F1}, {Qt::Key_Escape, Tecla::Escape}, {Qt::Key_Return, Tecla::Intro},
    {Qt::Key_Enter, Tecla::Intro}, {Qt::Key_S, Tecla::S},
};

Modificadores modificadoresDe(Qt::KeyboardModifiers modificadores) {
    return {modificadores.testFlag(Qt::AltModifier),
            modificadores.testAnyFlags(Qt::ControlModifier | Qt::MetaModifier | Qt::GroupSwitchModifier),
            modificadores.testFlag(Qt::ShiftModifier)};
}

}  // namespace

TMForm::TMForm(const std::vector<std::string>& parametros, PuertosVentana puertos, Anfitrion& anfitrion)
    : QWidget(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      comportamiento_(*this, std::move(puertos)),
      anfitrion_(anfitrion),
      escala_(logicalDpiY()) {
    setObjectName(QStringLiteral("MForm"));
    setWindowTitle(QString::fromLatin1(kTituloVentana));
    setFont(fuenteQt(kFuenteVentana));
    crearControles();
    comportamiento_.FormCreate(parametros);
    disponer();
}

void TMForm::crearControles() {
    for (const auto& panel : paneles()) {
        widget(panel.id) = new PanelDegradado(panel.colores, this);
        widget(panel.id)->setObjectName(QString::fromLatin1(panel.nombre));
    }
    for (const auto& descripcion : controles()) widget(descripcion.id) = crearControl(descripcion);
    Directorios = static_cast<ListaDirectorios*>(widget(IdControl::Directorios));
    Label2 = static_cast<QLabel*>(widget(IdControl::Label2));
    ordenarTabulacion();
    for (IdControl boton : {IdControl::BExportar, IdControl::BImportar, IdControl::Button1, IdControl::BClose})
        connect(static_cast<QPushButton*>(widget(boton)), &QPushButton::clicked, this,
                [this, boton] { comportamiento_.pulsado(boton); });
    connect(Directorios, &ListaDirectorios::carpetaCambiada, this, &TMForm::actualizarRuta);
    actualizarRuta();
}

QWidget* TMForm::crearControl(const Control& descripcion) {
    QWidget* panel = widget(descripcion.panel);
    const auto texto = QString::fromLatin1(descripcion.texto);
    QWidget* control = nullptr;
    switch (descripcion.clase) {
    case ClaseControl::Texto: {
        auto* etiqueta = new QLabel(texto, panel);
        etiqueta->setWordWrap(descripcion.ajustado);
        if (descripcion.ajustado) etiqueta->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        control = etiqueta;
        break;
    }
    case ClaseControl::Boton: {
        auto* boton = new QPushButton(texto, panel);
        boton->setDefault(descripcion.predeterminado);
        if (descripcion.glifo != Glifo::Ninguno) {
            boton->setIcon(descripcion.glifo == Glifo::Aceptar ? glifoAceptar() : glifoSalir());
            boton->setIconSize({kLadoGlifo, kLadoGlifo});
        }
        control = boton;
        break;
    }
    case ClaseControl::ListaCarpetas:
        control = new ListaDirectorios(panel);
        break;
    case ClaseControl::ListaUnidades:
        control = new ListaUnidades(static_cast<ListaDirectorios*>(widget(IdControl::Directorios)), panel);
        break;
    }
    control->setObjectName(QString::fromLatin1(descripcion.nombre));
    if (descripcion.fuente) control->setFont(fuenteQt(*descripcion.fuente));
    if (descripcion.colorTexto) colorear(*control, QPalette::WindowText, *descripcion.colorTexto);
    if (descripcion.fondo && descripcion.clase == ClaseControl::Texto) {
        colorear(*control, QPalette::Window, *descripcion.fondo);
        control->setAutoFillBackground(true);
    } else if (descripcion.fondo) {
        colorear(*control, QPalette::Base, *descripcion.fondo);
        colorear(*control, QPalette::Button, *descripcion.fondo);
    }
    const auto area = escala_(descripcion.area);
    control->move(area.x, area.y);
    if (area.ancho > 0) control->resize(area.ancho, area.alto);
    else control->adjustSize();
    return control;
}

void TMForm::ordenarTabulacion() {
    const auto orden = ordenTabulacion();
    for (std::size_t i = 0; i + 1 < orden.size(); ++i) setTabOrder(widget(orden[i]), widget(orden[i + 1]));
    for (IdControl id : orden) widget(id)->installEventFilter(this);
}

void TMForm::entrarEnAnfitrion(std::uint32_t manejador) {
    // The frame goes first: changing the window's flags later would recreate the native
    // window and lose the host as its parent.
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    anfitrion_.incrustar(*this, manejador, [this] { comportamiento_.anfitrionDesaparecido(); });
    move(kPosicionAlojada, kPosicionAlojada);
}

void TMForm::disponer() {
    const auto disposicion = comportamiento_.disposicion();
    setFixedSize(escala_(disposicion.ancho()), escala_(disposicion.alto()));
    for (const auto& panel : paneles()) {
        widget(panel.id)->setGeometry(rectanguloQt(escala_(disposicion.area(panel.id))));
        widget(panel.id)->setVisible(disposicion.visible(panel.id));
    }
}

void TMForm::showEvent(QShowEvent* evento) {
    QWidget::showEvent(evento);
    comportamiento_.FormShow();
}

void TMForm::closeEvent(QCloseEvent* evento) {
    // An embedded window is no top-level window, so Qt would not end the message loop itself:
    // the behaviour's terminar does.
    evento->setAccepted(comportamiento_.FormClose());
}

std::string TMForm::carpetaActual() const { return Directorios->rutaActual(); }

void TMForm::enfocar(IdControl control) { widget(control)->setFocus(Qt::ActiveWindowFocusReason); }

void TMForm::pulsar(IdControl boton) { static_cast<QPushButton*>(widget(boton))->click(); }

void TMForm::actualizarRuta() {
    const QFontMetrics medidas(Label2->font());
    const auto medir = [&](const std::string& texto) { return medidas.horizontalAdvance(textoDeRuta(texto)); };
    const int ancho = escala_(control(IdControl::Directorios).area.ancho);
    Label2->setText(textoDeRuta(acortarRuta(Directorios->rutaActual(), ancho, medir, separadorCarpetas())));
    Label2->adjustSize();
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
    const auto cual = teclaDe(tecla.key(), kCodigosTeclas);
    if (cual == Tecla::Otra) return false;
    std::optional<IdControl> enfocado;
    for (IdControl id : ordenTabulacion())
        if (widget(id) == objeto) enfocado = id;
    return comportamiento_.teclaPulsada(cual, modificadoresDe(tecla.modifiers()), enfocado);
}

}  // namespace ttz::ui
