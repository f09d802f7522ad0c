#include "ui/comportamiento_ventana.h"

#include "app/resultado_ini.h"
#include "base/errores.h"
#include "export/exportacion.h"
#include "import/importacion.h"

namespace ttz::ui {
namespace {

// Sets a flag for one scope.
class Mientras {
public:
    explicit Mientras(bool& bandera) : bandera_(bandera) { bandera_ = true; }
    ~Mientras() { bandera_ = false; }
    Mientras(const Mientras&) = delete;
    Mientras& operator=(const Mientras&) = delete;

private:
    bool& bandera_;
};

}  // namespace

ComportamientoVentana::ComportamientoVentana(VistaVentana& vista, PuertosVentana puertos)
    : vista_(vista), puertos_(std::move(puertos)) {}

void ComportamientoVentana::FormCreate(const std::vector<std::string>& parametros) {
    puertos_.estado.Transformado = 0;
    if (parametros.size() != 2) return;
    std::uint32_t manejador = 0;
    try {
        manejador = leerManejadorAnfitrion(parametros[1]);
    } catch (const Error&) {
        informarExcepcionActual(puertos_.dialogos);
        return;
    }
    vista_.entrarEnAnfitrion(manejador);
    puertos_.estado.NumParametros = 2;
    lado_ = ladoPedido(parametros[0]);
    direccionPedida_ = parametros[0];
}

void ComportamientoVentana::FormShow() {
    if (!primeraVez_) return;
    primeraVez_ = false;
    vista_.enfocar(primerFoco(disposicion()));
}

bool ComportamientoVentana::FormClose() {
    bool sale = !puertos_.estado.alojado();
    if (puertos_.estado.alojado())
        ejecutarProtegido(puertos_.dialogos, [&] {
            escribirResultado(puertos_.archivoResultado, puertos_.estado.Transformado);
            sale = true;
        });
    // Without a host there is no window left to stay open in: the error box has told the user.
    if (sinAnfitrion_) sale = true;
    if (sale) vista_.terminar();
    return sale;
}

void ComportamientoVentana::pulsado(IdControl boton) {
    if (boton == IdControl::BClose) return vista_.cerrar();
    ejecutarProtegido(puertos_.dialogos, [&] {
        if (boton == IdControl::BExportar) transferir(&exportacion::ejecutarExportacion);
        if (boton == IdControl::BImportar) transferir(&importacion::ejecutarImportacion);
        if (boton == IdControl::Button1) puertos_.ayuda.contenido();
    });
    // A host lost during a transfer, also one that an error cut short, ends the tool now.
    if (sinAnfitrion_ && vista_.abierta()) vista_.cerrar();
}

void ComportamientoVentana::transferir(Ejecucion ejecucion) {
    carpeta_ = componerCarpeta(vista_.carpetaActual());
    Entorno entorno{puertos_.estado, puertos_.dialogos, puertos_.almacen, puertos_.cotejo, puertos_.reloj,
                    puertos_.seguimiento};
    if (puertos_.seguimiento != nullptr)
        puertos_.seguimiento->modo =
            puertos_.estado.alojado() ? "alojado en Tempalix (" + direccionPedida_ + ")" : "independiente";
    {
        const Mientras enCurso(transfiriendo_);
        ejecucion(carpeta_, entorno);
    }
    if (puertos_.estado.alojado()) vista_.cerrar();
}

bool ComportamientoVentana::teclaPulsada(Tecla tecla, Modificadores modificadores,
                                         std::optional<IdControl> enfocado) {
    switch (accionDeTecla(tecla, modificadores, enfocado)) {
    case AccionTecla::DelSistema:
        return false;
    case AccionTecla::Ninguna:
        break;
    case AccionTecla::AyudaContexto:
        ejecutarProtegido(puertos_.dialogos, [this] { puertos_.ayuda.contexto(kContextoAyuda); });
        break;
    case AccionTecla::PulsarEnfocado:
        vista_.pulsar(*enfocado);
        break;
    case AccionTecla::PulsarPredeterminado:
        vista_.pulsar(botonPredeterminado(disposicion()));
        break;
    case AccionTecla::PulsarSalir:
        vista_.pulsar(IdControl::BClose);
        break;
    }
    return true;
}

void ComportamientoVentana::anfitrionDesaparecido() {
    sinAnfitrion_ = true;
    if (!transfiriendo_) vista_.cerrar();
}

}  // namespace ttz::ui
