#include "ui/qt/selector_carpetas.h"

#include <QFile>
#include <QKeyEvent>
#include <QPainter>
#include <QStyledItemDelegate>

#include "base/errores.h"
#include "ui/qt/dialogos.h"
#include "ui/disposicion.h"
#include "ui/qt/iconos_selector.h"
#include "ui/qt/panel_degradado.h"

namespace ttz::ui {

namespace {

// A row: the icon at its indent, the text 4 pixels after it, only the text highlighted.
class DelegadoFilas : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* pintor, const QStyleOptionViewItem& opcion,
               const QModelIndex& indice) const override {
        const auto texto = indice.data(Qt::DisplayRole).toString();
        const auto fila = geometria(opcion, indice);
        const int x = opcion.rect.left();
        pintor->drawPixmap(x + fila.icono, opcion.rect.top(), indice.data(Qt::DecorationRole).value<QPixmap>());
        const QRect caja(x + fila.caja, opcion.rect.top(), fila.anchoCaja, kAltoFila);
        const bool elegida = opcion.state & QStyle::State_Selected;
        if (elegida) pintor->fillRect(caja, opcion.palette.brush(QPalette::Active, QPalette::Highlight));
        pintor->setPen(opcion.palette.color(QPalette::Active,
                                            elegida ? QPalette::HighlightedText : QPalette::Text));
        pintor->drawText(caja.adjusted(fila.texto - fila.caja, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, texto);
    }

    QSize sizeHint(const QStyleOptionViewItem& opcion, const QModelIndex& indice) const override {
        const auto fila = geometria(opcion, indice);
        return {fila.caja + fila.anchoCaja, kAltoFila};
    }

private:
    static GeometriaFila geometria(const QStyleOptionViewItem& opcion, const QModelIndex& indice) {
        const int anchoTexto = opcion.fontMetrics.horizontalAdvance(indice.data(Qt::DisplayRole).toString());
        return geometriaFila(indice.data(kRolSangria).toInt(), anchoTexto, [](int pixeles) { return pixeles; });
    }
};

QColor fondoListas() { return colorQt(*control(IdControl::Directorios).fondo); }

}  // namespace

QString textoDeRuta(const std::string& bytes) { return QFile::decodeName(QByteArray::fromStdString(bytes)); }

ListaDirectorios::ListaDirectorios(QWidget* padre)
    : ListaDirectorios(
          unidadesDelSistema(),
          [] {
              DialogosQt dialogos;
              informarExcepcionActual(dialogos);
          },
          padre) {}

ListaDirectorios::ListaDirectorios(std::vector<Unidad> unidades, std::function<void()> aviso, QWidget* padre)
    : QListWidget(padre), aviso_(std::move(aviso)), selector_(std::move(unidades), [this] { aviso_(); }) {
    setObjectName(QStringLiteral("Directorios"));
    setItemDelegate(new DelegadoFilas(this));
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    QPalette paleta = palette();
    paleta.setColor(QPalette::Base, fondoListas());
    setPalette(paleta);
    connect(this, &QListWidget::itemDoubleClicked, this, &ListaDirectorios::abrirFila);
    reconstruir();
}

QString ListaDirectorios::carpetaActual() const { return textoDeRuta(selector_.actual()); }

void ListaDirectorios::cambiarRuta(const std::string& ruta) {
    selector_.cambiarCarpeta(ruta);
    reconstruir();
    emit carpetaCambiada(carpetaActual());
}

void ListaDirectorios::elegirUnidad(std::size_t unidad) {
    cambiar([&] { return selector_.elegirUnidad(unidad); });
}

void ListaDirectorios::keyPressEvent(QKeyEvent* evento) {
    // Enter belongs to the window's default button, never to a row.
    if (evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter) {
        evento->ignore();
        return;
    }
    QListWidget::keyPressEvent(evento);
}

void ListaDirectorios::abrirFila(QListWidgetItem* fila) {
    cambiar([&] { return selector_.abrirFila(static_cast<std::size_t>(row(fila))); });
}

void ListaDirectorios::cambiar(const std::function<bool()>& cambio) {
    try {
        if (!cambio()) return;
    } catch (const Error&) {
        aviso_();
        return;
    }
    reconstruir();
    emit carpetaCambiada(carpetaActual());
}

void ListaDirectorios::reconstruir() {
    clear();
    const QPixmap iconos[] = {iconoCarpeta(IconoCarpeta::Abierta), iconoCarpeta(IconoCarpeta::Actual),
                              iconoCarpeta(IconoCarpeta::Cerrada)};
    for (const auto& fila : selector_.filas()) {
        auto* elemento = new QListWidgetItem(textoDeRuta(fila.nombre), this);
        elemento->setData(Qt::DecorationRole, iconos[static_cast<int>(fila.icono)]);
        elemento->setData(kRolSangria, fila.sangria);
    }
    setCurrentRow(static_cast<int>(selector_.filaActual()));
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
    : QComboBox(padre), directorios_(directorios) {
    setObjectName(QStringLiteral("Unidades"));
    setEditable(false);
    QPalette paleta = palette();
    paleta.setColor(QPalette::Base, fondoListas());
    paleta.setColor(QPalette::Button, fondoListas());
    setPalette(paleta);
    for (const auto& unidad : directorios_->selector().unidades())
        addItem(QIcon(iconoUnidad(unidad.tipo)), textoDeRuta(unidad.texto));
    connect(directorios_, &ListaDirectorios::carpetaCambiada, this, &ListaUnidades::seguirCarpeta);
    // A drive that cannot be entered stays chosen while the folder list stays where it was.
    connect(this, &QComboBox::activated, this,
            [this](int indice) { directorios_->elegirUnidad(static_cast<std::size_t>(indice)); });
    seguirCarpeta();
}

void ListaUnidades::seguirCarpeta() { setCurrentIndex(directorios_->selector().unidadActual()); }

}  // namespace ttz::ui
