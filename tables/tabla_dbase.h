#pragma once
// An open dBase table: a cursor over its records in stored order, one record at a time
// being changed, deleted records hidden. Text comes in Windows-1252 whatever the table's code
// page; a table of another writer's format is read only.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "tables/archivo_tabla.h"
#include "tables/cabecera_dbf.h"
#include "tables/registros_dbf.h"
#include "tables/tabla.h"

namespace ttz::tablas {

// What a recreated table, staged in its own file, replaces when it is closed: the earlier table,
// held shared until then, and its index file, removed once the new table is in place so that a
// failed publication leaves the earlier table together with its index.
struct Reemplazo {
    std::optional<ArchivoTabla> anterior;
    std::filesystem::path indice;
    Testigo* testigo;  // may be none
};

class TablaDBase final : public Tabla {
public:
    // reemplazo: for a recreated table, what cerrar() publishes it over.
    TablaDBase(ArchivoTabla archivo, const CabeceraDBF& cabecera, bool escritura, char separadorDecimal,
               std::optional<Reemplazo> reemplazo);
    TablaDBase(const TablaDBase&) = delete;
    TablaDBase& operator=(const TablaDBase&) = delete;
    // Without cerrar(): a recreated table is discarded; in any other, what was posted stays.
    ~TablaDBase() override;

    int campo(std::string_view nombre) const override;
    void primero() override;
    void siguiente() override;
    bool finDeTabla() const override;
    void anadir() override;
    void editar() override;
    void ponerTexto(int campo, std::string_view valor) override;
    void ponerFlotante(int campo, double valor) override;
    void grabar() override;
    std::string comoTexto(int campo) const override;
    std::int32_t comoEntero(int campo) const override;
    double comoFlotante(int campo) const override;
    void cerrar() override;

    using Tabla::comoEntero;
    using Tabla::comoFlotante;
    using Tabla::comoTexto;
    using Tabla::ponerFlotante;
    using Tabla::ponerTexto;

private:
    enum class Cambio { Ninguno, Alta, Edicion };

    void exigirAbierta() const;
    void exigirEscritura() const;
    const CampoDBF& definicion(int campo) const;
    const CampoDBF& numerico(int campo) const;
    std::string& registroEnCambio();
    // Runs a change of the record; a value too long for its field is reported with the table's name.
    template <class Accion>
    void nombrandoLaTabla(Accion accion);
    std::string_view registroActual() const;
    void saltarBorrados();
    void cerrarArchivo();
    void avisarAntesDeReemplazar();

    ArchivoTabla archivo_;
    std::vector<CampoDBF> campos_;
    PaginaCodigos pagina_;
    bool modificable_;
    mutable std::size_t ultimoCampo_ = 0;
    mutable RegistrosDBF registros_;
    bool escritura_;
    char separador_;
    std::optional<Reemplazo> reemplazo_;
    std::string vacio_;
    std::uint32_t actual_ = 0;
    Cambio cambio_ = Cambio::Ninguno;
    std::string enCambio_;
    bool abierta_ = true;
};

}  // namespace ttz::tablas
