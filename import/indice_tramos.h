#pragma once
// The time slots of DIASHORAST by day text and slot text, built in one pass.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "import/tablas_importacion.h"

namespace ttz::importacion {

class IndiceTramos {
public:
    // Walks every record of the time-slot table once.
    explicit IndiceTramos(TablaComponente& wwTableTramos);

    // CODDIHO of the first record, in record order, whose DIA and HORA equal the texts exactly;
    // empty when none does.
    std::string_view codigo(const std::string& dia, const std::string& hora) const;

private:
    struct Clave {
        std::string dia, hora;
        bool operator==(const Clave&) const = default;
    };
    struct HashClave {
        std::size_t operator()(const Clave& clave) const;
    };

    int campoCodigo(const TablaComponente& wwTableTramos);

    std::unordered_map<Clave, std::string, HashClave> codigos_;
    // A table without CODDIHO fails only when a slot is found, where its code would be read.
    std::optional<std::string> faltaCodigo_;
};

}  // namespace ttz::importacion
