#include "ui/qt/selector_carpetas.h"

#include <QFile>
#include <QKeyEvent>
#include <QPainter>
#include <QStyledItemDelegate>

#include "ui/qt/aplicacion.h"
#include "base/archivos.h"
#include "base/errores.h"
#include "ui/carpeta_proceso.h"
#include "ui/qt/dialogos.h"
#include "ui/filas_carpetas.h"
#include "ui/qt/iconos_selector.h"
#include "ui/subcarpetas.h"

namespace ttz::ui {

namespace {

constexpr int kAltoFila = 16;
constexpr int kAnchoIcono = 16;
constexpr int kSeparacionTexto = 4;

// A row: the icon at its indent, the text 4 pixels after it, only the text highlighted.
class DelegadoFilas : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* pintor, const QStyleOptionViewItem& opcion,
               const QModelIndex& indice) const override {
        const int x = opcion.rect.left() + indice.data(kRolSangria).toInt();
        const auto icono = indice.data(Qt::DecorationRole).value<QPixmap>();
        pintor->drawPixmap(x, opcion.rect.top(), icono);
        const auto texto = indice.data(Qt::DisplayRole).toString();
        const QRect caja(x + kAnchoIcono + kSeparacionTexto, opcion.rect.top(),
                         opcion.fontMetrics.horizontalAdvance(texto) + 2, kAltoFila);
        const bool elegida = opcion.state & QStyle::State_Selected;
        if (elegida) pintor->fillRect(caja, opcion.palette.brush(QPalette::Active, QPalette::Highlight));
        pintor->setPen(opcion.palette.color(QPalette::Active,
                                            elegida ? QPalette::HighlightedText : QPalette::Text));
        pintor->drawText(caja.adjusted(1, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, texto);
    }

    QSize sizeHint(const QStyleOptionViewItem& opcion, const QModelIndex& indice) const override {
        const auto texto = indice.data(Qt::DisplayRole).toString();
        return {indice.data(kRolSangria).toInt() + kAnchoIcono + kSeparacionTexto +
                    opcion.fontMetrics.horizontalAdvance(texto) + 2,
                kAltoFila};
    }
};

std::string carpetaDeArranque(const std::function<void()>& aviso) {
    try {
        return carpetaProceso();
    } catch (const Error&) {
        aviso();
    }
    cambiarCarpetaProceso(carpetaDeRespaldo());
    return carpetaProceso();
}

}  // namespace

QString textoDeRuta(const std::string& bytes) { return QFile::decodeName(QByteArray::fromStdString(bytes)); }

ListaDirectorios::ListaDirectorios(QWidget* padre)
    : QListWidget(padre), aviso_([] {
          DialogosQt dialogos;
          informarExcepcionActual(dialogos);
      }),
      actual_(carpetaDeArranque(aviso_)) {
    setObjectName(QStringLiteral("Directorios"));
    setItemDelegate(new DelegadoFilas(this));
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    QPalette paleta = palette();
    paleta.setColor(QPalette::Base, QColor(240, 251, 255));
    setPalette(paleta);
    connect(this, &QListWidget::itemDoubleClicked, this, &ListaDirectorios::abrirFila);
    reconstruir();
}

QString ListaDirectorios::carpetaActual() const { return textoDeRuta(actual_); }

void ListaDirectorios::cambiarCarpeta(const QString& carpeta) {
    cambiarRuta(QFile::encodeName(carpeta).toStdString());
}

void ListaDirectorios::cambiarRuta(const std::string& ruta) {
    cambiarCarpetaProceso(ruta);
    actual_ = carpetaProceso();
    reconstruir();
    emit carpetaCambiada(carpetaActual());
}

void ListaDirectorios::abrir(const std::string& ruta) {
    try {
        cambiarRuta(ruta);
    } catch (const Error&) {
        aviso_();
    }
}

void ListaDirectorios::ponerAvisoError(std::function<void()> aviso) { aviso_ = std::move(aviso); }

void ListaDirectorios::keyPressEvent(QKeyEvent* evento) {
    // Enter belongs to the window's default button, never to a row.
    if (evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter) {
        evento->ignore();
        return;
    }
    QListWidget::keyPressEvent(evento);
}

void ListaDirectorios::abrirFila(QListWidgetItem* fila) {
    if (static_cast<IconoCarpeta>(fila->data(kRolIcono).toInt()) == IconoCarpeta::Actual) return;
    abrir(fila->data(kRolRuta).toByteArray().toStdString());
}

void ListaDirectorios::reconstruir() {
    clear();
    const QPixmap iconos[] = {iconoCarpeta(IconoCarpeta::Abierta), iconoCarpeta(IconoCarpeta::Actual),
                              iconoCarpeta(IconoCarpeta::Cerrada)};
    for (const auto& fila : filasCarpetas(actual_, listarSubcarpetas(actual_), separadorCarpetas())) {
        auto* elemento = new QListWidgetItem(textoDeRuta(fila.nombre), this);
        elemento->setData(Qt::DecorationRole, iconos[static_cast<int>(fila.icono)]);
        elemento->setData(kRolRuta, QByteArray::fromStdString(fila.ruta));
        elemento->setData(kRolSangria, fila.sangria);
        elemento->setData(kRolIcono, static_cast<int>(fila.icono));
        if (fila.icono == IconoCarpeta::Actual) setCurrentItem(elemento);
    }
    mostrarActual();
}

void ListaDirectorios::resizeEvent(QResizeEvent* evento) {
    QListWidget::resizeEvent(evento);
    // The list gets its size after the first rows: what is in view depends on it.
    mostrarActual();
}

// The current folder's row at the bottom, so that as many path rows above it as fit are seen.
void ListaDirectorios::mostrarActual() { scrollToItem(currentItem(), QAbstractItemView::PositionAtBottom); }

ListaUnidades::ListaUnidades(ListaDirectorios* directorios, QWidget* padre)
    : ListaUnidades(directorios, unidadesDelSistema(), padre) {}

ListaUnidades::ListaUnidades(ListaDirectorios* directorios, std::vector<Unidad> unidades,
                             QWidget* padre)
    : QComboBox(padre), directorios_(directorios), unidades_(std::move(unidades)) {
    setObjectName(QStringLiteral("Unidades"));
    setEditable(false);
    QPalette paleta = palette();
    paleta.setColor(QPalette::Base, QColor(240, 251, 255));
    paleta.setColor(QPalette::Button, QColor(240, 251, 255));
    setPalette(paleta);
    for (const auto& unidad : unidades_) addItem(QIcon(iconoUnidad(unidad.tipo)), textoDeRuta(unidad.texto));
    connect(directorios_, &ListaDirectorios::carpetaCambiada, this, &ListaUnidades::seguirCarpeta);
    connect(this, &QComboBox::activated, this, &ListaUnidades::elegir);
    seguirCarpeta();
}

void ListaUnidades::seguirCarpeta() {
    const auto& ruta = directorios_->rutaActual();
    const int indice = unidadDe(unidades_, ruta, separadorCarpetas());
    if (indice >= 0) carpetas_.visitar(unidades_[indice], ruta);
    setCurrentIndex(indice);
}

void ListaUnidades::elegir(int indice) {
    const auto destino = carpetas_.carpetaDe(unidades_.at(indice));
    if (destino != directorios_->rutaActual()) directorios_->abrir(destino);
}

}  // namespace ttz::ui
