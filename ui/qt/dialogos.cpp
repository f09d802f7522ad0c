#include "ui/qt/dialogos.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "base/texto.h"

namespace ttz::ui {
namespace {

QString aQString(const std::string& windows1252) { return QString::fromStdString(aUtf8(windows1252)); }

void prepararCaja(QMessageBox& caja, QMessageBox::Icon icono, const std::string& texto) {
    caja.setIcon(icono);
    caja.setWindowTitle(QCoreApplication::applicationName());
    caja.setTextFormat(Qt::PlainText);
    caja.setText(aQString(texto));
}

}  // namespace

void DialogosQt::mostrarMensaje(const std::string& texto) {
    QMessageBox caja;
    prepararCaja(caja, QMessageBox::NoIcon, texto);
    auto* aceptar = caja.addButton(QStringLiteral("Aceptar"), QMessageBox::AcceptRole);
    caja.setDefaultButton(aceptar);
    caja.setEscapeButton(aceptar);
    caja.exec();
}

void DialogosQt::mostrarCajaError(const std::string& texto) {
    QMessageBox caja;
    prepararCaja(caja, QMessageBox::Critical, texto);
    caja.setStandardButtons(QMessageBox::Ok);
    caja.exec();
}

void DialogosQt::ponerCursorOcupado() { QApplication::setOverrideCursor(Qt::WaitCursor); }

void DialogosQt::ponerCursorNormal() { QApplication::restoreOverrideCursor(); }

}  // namespace ttz::ui
