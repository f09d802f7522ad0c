#pragma once
// A working folder and a data folder for one import, with the tables written by the store.
#include <string>
#include <vector>

#include "base/cotejo.h"
#include "transfer/estado.h"
#include "base/reloj.h"
#include "transfer/transferencia.h"
#include "comun/carpeta_temporal.h"
#include "comun/interlocutor_prueba.h"
#include "tables/almacen_dbase.h"

namespace ttz::pruebas {

// Gives the moments in turn, then repeats the last one.
class RelojSucesivo : public Reloj {
public:
    explicit RelojSucesivo(std::vector<FechaHora> momentos) : momentos_(std::move(momentos)) {}
    FechaHora ahora() const override {
        const FechaHora momento = momentos_[std::min(leidos_, momentos_.size() - 1)];
        ++leidos_;
        return momento;
    }
    std::size_t leidos() const { return leidos_; }

private:
    std::vector<FechaHora> momentos_;
    mutable std::size_t leidos_ = 0;
};

inline constexpr FechaHora kMomentoCabecera{9, 12, 2026, 7, 5};
inline constexpr FechaHora kMomentoPie{9, 12, 2026, 7, 6};
inline const std::string kFechaCabecera = "091220260705";
inline const std::string kFechaPie = "091220260706";

// Each record gives its fields' values in the table's field order; an empty value leaves the
// field empty.
using Registros = std::vector<std::vector<std::string>>;

class EscenarioImportacion {
public:
    EscenarioImportacion();

    // SOLUC as Tempalix writes it: DIA and HORA numeric, the codes text of four characters.
    static std::vector<tablas::DefinicionCampo> camposSoluc(int anchoCodigos = 4);
    static std::vector<tablas::DefinicionCampo> camposTramos();

    void crearTabla(const std::string& nombre, const std::vector<tablas::DefinicionCampo>& campos,
                    const Registros& registros);
    void crearSoluc(const Registros& registros) { crearTabla("SOLUC", camposSoluc(), registros); }
    // DIASHORAST records: DIA, HORA, CODDIHO.
    void crearTramos(const Registros& tramos);
    // GRUPOST, PROFT, AULAT and ASIGNOMT, opened by the import but never read.
    void crearTablasSinLeer();

    // A subjects file whose header is the given line, and a sessions file whose second line
    // has the given day character in column 9.
    void escribirAsignaturas(const std::string& cabecera);
    void escribirSesiones(const std::string& segundaLinea);
    // Everything an import needs, with no lesson and no time slot.
    void prepararBasico();

    FinTransferencia importar();
    std::string horario() const;
    std::string rutaHorario() const { return (zeda / "ZEDA_HORARIO.TXT").string(); }

    CarpetaTemporal zeda;
    CarpetaTemporal datos;
    Estado estado;
    InterlocutorPrueba interlocutor;
    RelojSucesivo reloj{{kMomentoCabecera, kMomentoPie}};
    Cotejo cotejo{"es_ES"};
    tablas::AlmacenDBase almacen;
    Entorno entorno{estado, interlocutor, almacen, cotejo, reloj};
};

// The expected header and trailer, the code already padded to its place.
std::string cabeceraEsperada(const std::string& codigo8, const std::string& fecha = kFechaCabecera);
std::string pieEsperado(const std::string& codigo8, const std::string& cuenta,
                        const std::string& fecha = kFechaPie);
// Lines joined, each with CR LF.
std::string conSaltos(const std::vector<std::string>& lineas);

}  // namespace ttz::pruebas
