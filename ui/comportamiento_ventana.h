#pragma once
// What the window MForm does, whatever toolkit draws it: creation from the command line,
// hosted mode, the buttons, the keys, the first focus and the close with its result file.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "app/ayuda.h"
#include "app/linea_ordenes.h"
#include "base/cotejo.h"
#include "base/reloj.h"
#include "tables/tabla.h"
#include "transfer/estado.h"
#include "transfer/transferencia.h"
#include "ui/dialogos.h"
#include "ui/disposicion.h"
#include "ui/teclado.h"

namespace ttz::ui {

// Everything the window reaches outside itself, apart from its toolkit.
struct PuertosVentana {
    Estado& estado;
    Dialogos& dialogos;
    Ayuda& ayuda;
    tablas::AlmacenTablas& almacen;
    const Cotejo& cotejo;
    const Reloj& reloj;
    std::filesystem::path archivoResultado;
    // Where the runs keep their copies and record; none: not followed.
    Seguimiento* seguimiento = nullptr;
};

// What a view (Qt, Win32) does for the window's behaviour.
class VistaVentana {
public:
    virtual ~VistaVentana() = default;
    // The hosted look: no frame or caption, a child of the host window (handle 0: none), at
    // (kPosicionAlojada, kPosicionAlojada). Raises ErrorAnfitrion when the handle names no
    // window. When the host window goes away the view calls anfitrionDesaparecido.
    virtual void entrarEnAnfitrion(std::uint32_t manejador) = 0;
    // The folder chooser's current folder, in the file system's own bytes.
    virtual std::string carpetaActual() const = 0;
    virtual void enfocar(IdControl control) = 0;
    // Presses a button as a click does (its click reaches pulsado).
    virtual void pulsar(IdControl boton) = 0;
    virtual bool abierta() const = 0;
    // Asks the window to close, which runs FormClose.
    virtual void cerrar() = 0;
    // The window has closed for good: the tool's work is over and the process ends.
    virtual void terminar() = 0;
};

class ComportamientoVentana {
public:
    ComportamientoVentana(VistaVentana& vista, PuertosVentana puertos);

    // parametros: the command line's parameters after the program name. Transformado 0; with
    // exactly two, hosted mode and the side asked for. A bad handle gets the error box and
    // leaves the window standalone.
    void FormCreate(const std::vector<std::string>& parametros);
    // Each time the window is shown; the first time the focus goes to primerFoco.
    void FormShow();
    // Whether the close goes through. Hosted, it writes the result file and is abandoned when
    // that fails (the error box tells why), unless the host has gone. A close that goes
    // through ends the process.
    bool FormClose();
    // A click on a button.
    void pulsado(IdControl boton);
    // A key pressed on a control (none: the window itself); false when it is not the window's.
    bool teclaPulsada(Tecla tecla, Modificadores modificadores, std::optional<IdControl> enfocado);
    // The host window has been destroyed and ours with it: the window closes as on any other
    // close, once a transfer under way has finished.
    void anfitrionDesaparecido();

    Disposicion disposicion() const { return {puertos_.estado.alojado(), lado_}; }
    // The working folder of the last transfer, empty before the first.
    const std::string& Carpeta() const { return carpeta_; }

private:
    using Ejecucion = FinTransferencia (*)(const std::string&, Entorno&);

    void transferir(Ejecucion ejecucion);

    VistaVentana& vista_;
    PuertosVentana puertos_;
    std::string carpeta_;
    Lado lado_ = Lado::Ambos;
    std::string direccionPedida_;  // the host's first parameter, for the record
    bool primeraVez_ = true;
    bool transfiriendo_ = false;
    bool sinAnfitrion_ = false;
};

}  // namespace ttz::ui
