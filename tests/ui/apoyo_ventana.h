#pragma once
// Recording ports and a bench that builds the window for tests.
#include <QApplication>
#include <memory>
#include <string>
#include <vector>

#include "base/cotejo.h"
#include "transfer/estado.h"
#include "comun/carpeta_temporal.h"
#include "tables/almacen_dbase.h"
#include "comun/puertos_ventana.h"
#include "ui/qt/anfitrion.h"
#include "ui/qt/ventana_principal.h"

namespace ttz::pruebas {

// A host that records the handles; a window exists for every handle unless told otherwise.
class AnfitrionPrueba : public ui::Anfitrion {
public:
    void incrustar(QWidget&, std::uint32_t manejador, std::function<void()> alDesaparecer) override {
        manejadores.push_back(manejador);
        if (manejador != 0 && !hayVentana) throw ui::ErrorAnfitrion(manejador);
        desaparecer = std::move(alDesaparecer);
    }
    std::vector<std::uint32_t> manejadores;
    std::function<void()> desaparecer;  // what the host window's destruction would call
    bool hayVentana = true;
};

// The dialogs the application object reports escaped errors to (set up by the test main).
DialogosPrueba& dialogosAplicacion();

// Everything a window needs, with the result file and the data folder in a temporary folder.
class BancoVentana {
public:
    BancoVentana();

    std::unique_ptr<ui::TMForm> crear(const std::vector<std::string>& parametros);
    std::filesystem::path archivoResultado() const { return carpeta / "bin" / "Tempalix.ini"; }

    CarpetaTemporal carpeta;
    Estado estado;
    DialogosPrueba dialogos;
    AyudaPrueba ayuda;
    AnfitrionPrueba anfitrion;
    tablas::AlmacenDBase almacen;
    Cotejo cotejo{"es_ES"};
    RelojFijo reloj{{9, 12, 2026, 8, 30}};
};

// Makes the process's current folder another one for one scope.
class CarpetaActualPrestada : private CarpetaProcesoGuardada {
public:
    explicit CarpetaActualPrestada(const std::filesystem::path& carpeta) { std::filesystem::current_path(carpeta); }
};

}  // namespace ttz::pruebas
