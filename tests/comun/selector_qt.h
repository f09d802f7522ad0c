#pragma once
// What the folder chooser's Qt tests share: a Qt application without a screen and rows found
// and double-clicked as the user does.
#include <QApplication>
#include <QListWidget>
#include <QTest>
#include <QString>
#include <ostream>

#include "comun/carpeta_temporal.h"

// Readable QString values in failure messages.
inline void PrintTo(const QString& texto, std::ostream* salida) {
    *salida << '"' << texto.toStdString() << '"';
}

namespace ttz::pruebas {

inline QApplication& aplicacionSinPantalla() {
    static int argc = 1;
    static char nombre[] = "pruebas_selector";
    static char* argv[] = {nombre, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed: at exit the test library's pointing device would outlive it.
    static auto* aplicacion = new QApplication(argc, argv);
    return *aplicacion;
}

// A double-click on a row as the system delivers it: a click, then the second press as a
// double-click.
inline void dobleClicEnFila(QListWidget& lista, QListWidgetItem& fila) {
    lista.scrollToItem(&fila);
    const auto punto = lista.visualItemRect(&fila).center();
    QTest::mouseClick(lista.viewport(), Qt::LeftButton, {}, punto);
    QTest::mouseDClick(lista.viewport(), Qt::LeftButton, {}, punto);
    QTest::mouseRelease(lista.viewport(), Qt::LeftButton, {}, punto);
}

// The row with that text.
inline QListWidgetItem* filaConTexto(const QListWidget& lista, const QString& texto) {
    const auto filas = lista.findItems(texto, Qt::MatchExactly);
    return filas.isEmpty() ? nullptr : filas.front();
}

}  // namespace ttz::pruebas
