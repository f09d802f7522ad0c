#pragma once
// The folder chooser: the folder list Directorios, the drive list Unidades and the path
// shortening of Label2. The current folder is always the process's current folder.
#include <QComboBox>
#include <QListWidget>
#include <QString>
#include <functional>

namespace ttz::ui {

// Directorios: path rows down to the current folder, then its subfolders. A double-click
// opens a row; Enter never does (the window routes it to the default button).
class ListaDirectorios : public QListWidget {
    Q_OBJECT
public:
    explicit ListaDirectorios(QWidget* padre = nullptr);
    // The current folder (the process's current folder as last read back).
    QString carpetaActual() const;
    // Makes the folder current through the process's current folder; on failure the error
    // box is shown by the caller (ttz::ErrorES raised) and nothing changes.
    void cambiarCarpeta(const QString& carpeta);

signals:
    void carpetaCambiada(const QString& carpeta);
};

// Unidades: a drop-down without typing, one row per drive (mount point elsewhere).
class ListaUnidades : public QComboBox {
    Q_OBJECT
public:
    explicit ListaUnidades(ListaDirectorios* directorios, QWidget* padre = nullptr);
};

// Label2's text: the path whole when it fits the width, else shortened step by step.
QString acortarRuta(const QString& ruta, int anchoMaximo,
                    const std::function<int(const QString&)>& medirAncho, QChar separador);

}  // namespace ttz::ui
