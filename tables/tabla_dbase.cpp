#include "tables/tabla_dbase.h"

#include "base/archivos.h"
#include "base/errores.h"
#include "base/texto.h"
#include "tables/mensajes_tabla.h"

namespace ttz::tablas {

TablaDBase::TablaDBase(ArchivoTabla archivo, const CabeceraDBF& cabecera, bool escritura, char separadorDecimal,
                       std::optional<Reemplazo> reemplazo)
    : archivo_(std::move(archivo)),
      campos_(cabecera.campos),
      pagina_(cabecera.pagina),
      modificable_(cabecera.modificable),
      registros_(archivo_, cabecera),
      escritura_(escritura),
      separador_(separadorDecimal),
      reemplazo_(std::move(reemplazo)),
      vacio_(cabecera.longitudRegistro, ' ') {
    saltarBorrados();
}

TablaDBase::~TablaDBase() {
    if (!abierta_) return;
    if (!reemplazo_) {
        try {
            registros_.volcar();
        } catch (const Error&) {
            // Nobody is left to tell; what reached the file stays.
        }
    }
    archivo_.cerrar();
}

// Fields are mostly asked for in their order, so the search starts after the last one found.
int TablaDBase::campo(std::string_view nombre) const {
    const std::size_t cuantos = campos_.size();
    std::size_t i = ultimoCampo_;
    for (std::size_t paso = 0; paso < cuantos; ++paso) {
        if (++i == cuantos) i = 0;
        if (!campos_[i].oculto() && igualesSinMayusculas(nombre, campos_[i].nombre())) {
            ultimoCampo_ = i;
            return static_cast<int>(i);
        }
    }
    throw ErrorCampo(std::string(nombre));
}

void TablaDBase::exigirAbierta() const {
    if (!abierta_) throw Error(mensajes::cerrada(archivo_.mostrada()));
}

void TablaDBase::exigirEscritura() const {
    exigirAbierta();
    if (!escritura_) throw Error(mensajes::soloLectura(archivo_.mostrada()));
    if (!modificable_) throw Error(mensajes::soloLegible(archivo_.mostrada()));
}

const CampoDBF& TablaDBase::definicion(int campo) const {
    exigirAbierta();
    if (campo < 0 || static_cast<std::size_t>(campo) >= campos_.size()) throw ErrorCampo(std::to_string(campo));
    return campos_[static_cast<std::size_t>(campo)];
}

void TablaDBase::saltarBorrados() {
    while (actual_ < registros_.cuenta() && registros_.leer(actual_).front() == marcaBorrado) ++actual_;
}

void TablaDBase::primero() {
    grabar();
    actual_ = 0;
    saltarBorrados();
}

void TablaDBase::siguiente() {
    grabar();
    if (actual_ < registros_.cuenta()) ++actual_;
    saltarBorrados();
}

bool TablaDBase::finDeTabla() const { return cambio_ != Cambio::Alta && actual_ >= registros_.cuenta(); }

void TablaDBase::anadir() {
    exigirEscritura();
    grabar();
    enCambio_ = vacio_;
    cambio_ = Cambio::Alta;
    actual_ = registros_.cuenta();
}

void TablaDBase::editar() {
    exigirEscritura();
    if (cambio_ != Cambio::Ninguno) return;
    if (actual_ >= registros_.cuenta()) throw Error(mensajes::sinRegistroActual(archivo_.mostrada()));
    enCambio_ = registros_.leer(actual_);
    cambio_ = Cambio::Edicion;
}

std::string& TablaDBase::registroEnCambio() {
    if (cambio_ == Cambio::Ninguno) throw Error(mensajes::sinEdicion(archivo_.mostrada()));
    return enCambio_;
}

template <class Accion>
void TablaDBase::nombrandoLaTabla(Accion accion) {
    try {
        accion();
    } catch (const ValorQueNoCabe& error) {
        throw Error(mensajes::deLaTabla(error.what(), archivo_.mostrada()));
    }
}

void TablaDBase::ponerTexto(int campo, std::string_view valor) {
    nombrandoLaTabla([&] { definicion(campo).ponerTexto(registroEnCambio(), valor, separador_); });
}

void TablaDBase::ponerFlotante(int campo, double valor) {
    nombrandoLaTabla([&] { definicion(campo).ponerFlotante(registroEnCambio(), valor, separador_); });
}

void TablaDBase::grabar() {
    exigirAbierta();
    if (cambio_ == Cambio::Alta) {
        registros_.anadir(enCambio_);
        actual_ = registros_.cuenta() - 1;
    } else if (cambio_ == Cambio::Edicion) {
        registros_.reescribir(actual_, enCambio_);
    }
    cambio_ = Cambio::Ninguno;
}

std::string_view TablaDBase::registroActual() const {
    if (cambio_ != Cambio::Ninguno) return enCambio_;
    if (actual_ < registros_.cuenta()) return registros_.leer(actual_);
    return vacio_;
}

std::string TablaDBase::comoTexto(int campo) const {
    const CampoDBF& d = definicion(campo);
    if (!d.leibleComoTexto()) throw Error(mensajes::noEsTexto(archivo_.mostrada(), d.nombre(), d.tipoEnPalabras()));
    std::string texto = d.comoTexto(registroActual(), separador_);
    if (pagina_ == PaginaCodigos::Windows1252 || d.clase() != TipoCampo::Texto) return texto;
    auto convertido = aWindows1252(texto, pagina_);
    if (convertido.sinEquivalente) {
        throw Error(mensajes::sinEquivalente(archivo_.mostrada(), d.nombre(), actual_ + 1));
    }
    return std::move(convertido.texto);
}

const CampoDBF& TablaDBase::numerico(int campo) const {
    const CampoDBF& d = definicion(campo);
    if (!d.leibleComoNumero()) throw Error(mensajes::noEsNumero(archivo_.mostrada(), d.nombre(), d.tipoEnPalabras()));
    return d;
}

std::int32_t TablaDBase::comoEntero(int campo) const { return numerico(campo).comoEntero(registroActual()); }

double TablaDBase::comoFlotante(int campo) const {
    return numerico(campo).comoFlotante(registroActual(), separador_);
}

// A record still being changed is dropped, as closing a dataset cancels it.
void TablaDBase::cerrar() {
    if (!abierta_) return;
    cambio_ = Cambio::Ninguno;
    abierta_ = false;
    try {
        cerrarArchivo();
    } catch (...) {
        archivo_.cerrar();
        reemplazo_.reset();
        throw;
    }
}

void TablaDBase::cerrarArchivo() {
    registros_.volcar();
    if (reemplazo_) {
        archivo_.sincronizar();
        avisarAntesDeReemplazar();
        archivo_.publicar(reemplazo_->anterior ? &*reemplazo_->anterior : nullptr);
        borrarArchivo(reemplazo_->indice);
        if (reemplazo_->testigo) reemplazo_->testigo->archivoEscrito(archivo_.mostrada(), registros_.cuenta());
    }
    archivo_.cerrar();
}

void TablaDBase::avisarAntesDeReemplazar() {
    Testigo* testigo = reemplazo_->testigo;
    if (testigo == nullptr) return;
    if (reemplazo_->anterior) testigo->antesDeReemplazar(archivo_.mostrada());
    if (existeArchivo(reemplazo_->indice)) testigo->antesDeReemplazar(reemplazo_->indice);
}

}  // namespace ttz::tablas
