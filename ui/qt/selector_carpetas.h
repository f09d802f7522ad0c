#pragma once
// The folder chooser drawn by Qt: the folder list Directorios and the drive list Unidades, both
// over the one SelectorCarpetas that the folder list holds. What they do is the selector's; the
// widgets draw its rows and forward double-clicks and drive choices.
#include <QComboBox>
#include <QListWidget>
#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "ui/selector/selector_carpetas.h"

namespace ttz::ui {

// What the folder list's rows hold beside their text and icon: pixels before the icon.
inline constexpr int kRolSangria = Qt::UserRole;

// Directorios: path rows down to the current folder, then its subfolders. A double-click
// opens a row; Enter never does (the window routes it to the default button).
class ListaDirectorios : public QListWidget {
    Q_OBJECT
public:
    // Over the system's drives; a failure, at start-up too, goes to the application's error
    // box unless another notice is given.
    explicit ListaDirectorios(QWidget* padre = nullptr);
    // The error notice is called inside the handler of the error, so that it can rethrow it.
    ListaDirectorios(std::vector<Unidad> unidades, std::function<void()> aviso, QWidget* padre = nullptr);
    const SelectorCarpetas& selector() const { return selector_; }
    // The current folder (the process's current folder as last read back), for display, and
    // in the file system's own bytes.
    QString carpetaActual() const;
    const std::string& rutaActual() const { return selector_.actual(); }
    // Makes the folder current through the process's current folder; on failure ttz::ErrorES
    // is raised and nothing changes.
    void cambiarRuta(const std::string& ruta);
    // A choice in the drive list; a failure goes to the error notice and changes nothing.
    void elegirUnidad(std::size_t unidad);

signals:
    void carpetaCambiada(const QString& carpeta);

protected:
    void keyPressEvent(QKeyEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;

private:
    void abrirFila(QListWidgetItem* fila);
    // Runs a change of the selector; when it changed the folder, the rows follow.
    void cambiar(const std::function<bool()>& cambio);
    void reconstruir();
    void mostrarActual();

    std::function<void()> aviso_;
    SelectorCarpetas selector_;
};

// Unidades: a drop-down without typing, one row per drive (mount point elsewhere). It shows
// the drive of the current folder; choosing a row moves the folder list to that drive's
// current folder.
class ListaUnidades : public QComboBox {
    Q_OBJECT
public:
    // The drives of the folder list's selector.
    explicit ListaUnidades(ListaDirectorios* directorios, QWidget* padre = nullptr);

private:
    void seguirCarpeta();

    ListaDirectorios* directorios_;
};

// A path in the file system's own bytes as the window shows it.
QString textoDeRuta(const std::string& bytes);

}  // namespace ttz::ui
