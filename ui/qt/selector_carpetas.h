#pragma once
// The folder chooser: the folder list Directorios and the drive list Unidades. The current
// folder is always the process's current folder.
#include <QComboBox>
#include <QListWidget>
#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "ui/unidades.h"

namespace ttz::ui {

// What the folder list's rows hold beside their text and icon.
inline constexpr int kRolRuta = Qt::UserRole;         // QByteArray: the folder the row opens
inline constexpr int kRolSangria = Qt::UserRole + 1;  // int: pixels before the icon
inline constexpr int kRolIcono = Qt::UserRole + 2;    // int: the IconoCarpeta

// Directorios: path rows down to the current folder, then its subfolders. A double-click
// opens a row; Enter never does (the window routes it to the default button).
class ListaDirectorios : public QListWidget {
    Q_OBJECT
public:
    // Starts in the process's current folder; when the system cannot tell it (the folder was
    // removed before the start) the error is shown and the list starts at the root.
    explicit ListaDirectorios(QWidget* padre = nullptr);
    // The current folder (the process's current folder as last read back), for display, and
    // in the file system's own bytes.
    QString carpetaActual() const;
    const std::string& rutaActual() const { return actual_; }
    // Makes the folder current through the process's current folder; on failure the error
    // box is shown by the caller (ttz::ErrorES raised) and nothing changes.
    void cambiarCarpeta(const QString& carpeta);
    void cambiarRuta(const std::string& ruta);
    // What the user's double-click or drive choice does: cambiarRuta, with a failure given
    // to the error notice, which is called inside the handler of the error so that it can
    // rethrow it. The notice is the application's error box unless another one is given.
    void abrir(const std::string& ruta);
    void ponerAvisoError(std::function<void()> aviso);

signals:
    void carpetaCambiada(const QString& carpeta);

protected:
    void keyPressEvent(QKeyEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;

private:
    void abrirFila(QListWidgetItem* fila);
    void reconstruir();
    void mostrarActual();

    std::function<void()> aviso_;
    std::string actual_;  // the file system's bytes
};

// Unidades: a drop-down without typing, one row per drive (mount point elsewhere). It shows
// the drive of the current folder; choosing a row moves the folder list to that drive's
// current folder.
class ListaUnidades : public QComboBox {
    Q_OBJECT
public:
    explicit ListaUnidades(ListaDirectorios* directorios, QWidget* padre = nullptr);
    ListaUnidades(ListaDirectorios* directorios, std::vector<Unidad> unidades,
                  QWidget* padre = nullptr);

private:
    void seguirCarpeta();
    void elegir(int indice);

    ListaDirectorios* directorios_;
    std::vector<Unidad> unidades_;
    CarpetasPorUnidad carpetas_;
};

// A path in the file system's own bytes as the window shows it.
QString textoDeRuta(const std::string& bytes);

}  // namespace ttz::ui
