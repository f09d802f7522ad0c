#pragma once
// The six table components of the import, bound to their Tempalix tables.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "tables/tabla.h"

namespace ttz::importacion {

// A table opened read-write and exclusive under its component's name, which prefixes the
// message of a field that the table lacks.
class TablaComponente {
public:
    TablaComponente(std::string nombreComponente, tablas::AlmacenTablas& almacen, const std::string& tabla);

    const std::string& nombre() const { return nombre_; }
    tablas::Tabla& tabla() { return *tabla_; }
    const tablas::Tabla& tabla() const { return *tabla_; }
    // The field's index; a missing one raises "<component>: No se encuentra el campo '<name>'".
    int campo(std::string_view nombreCampo) const;
    void cerrar() { tabla_->cerrar(); }

private:
    std::string nombre_;
    std::unique_ptr<tablas::Tabla> tabla_;
};

// A field of a component, looked up by its name when it is first read, so that a missing field
// fails only where it is read.
class CampoComponente {
public:
    CampoComponente(const TablaComponente& componente, std::string nombre)
        : componente_(componente), nombre_(std::move(nombre)) {}

    std::string texto() const { return componente_.tabla().comoTexto(indice()); }
    std::int32_t entero() const { return componente_.tabla().comoEntero(indice()); }

private:
    int indice() const;

    const TablaComponente& componente_;
    std::string nombre_;
    mutable std::optional<int> indice_;
};

// Opened in this order; closed in the same order by cerrar(), released on destruction when an
// error comes first.
struct TablasImportacion {
    explicit TablasImportacion(tablas::AlmacenTablas& almacen);
    void cerrar();

    TablaComponente wwTableSoluc;
    TablaComponente wwTableGrupos;
    TablaComponente wwTableProfesor;
    TablaComponente wwTableAulas;
    TablaComponente wwTableNomAsg;
    TablaComponente wwTableTramos;
};

}  // namespace ttz::importacion
