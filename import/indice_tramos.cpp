#include "import/indice_tramos.h"

#include <functional>

#include "base/errores.h"

namespace ttz::importacion {

IndiceTramos::IndiceTramos(TablaComponente& wwTableTramos) {
    auto& tabla = wwTableTramos.tabla();
    tabla.primero();
    if (tabla.finDeTabla()) return;
    const CampoComponente dia(wwTableTramos, "DIA");
    const CampoComponente hora(wwTableTramos, "HORA");
    const int codigo = campoCodigo(wwTableTramos);
    for (; !tabla.finDeTabla(); tabla.siguiente()) {
        Clave clave{dia.texto(), hora.texto()};
        // try_emplace keeps the first record of a day and slot.
        codigos_.try_emplace(std::move(clave), faltaCodigo_ ? std::string() : tabla.comoTexto(codigo));
    }
}

int IndiceTramos::campoCodigo(const TablaComponente& wwTableTramos) {
    try {
        return wwTableTramos.campo("CODDIHO");
    } catch (const Error& error) {
        faltaCodigo_ = error.what();
        return -1;
    }
}

std::string_view IndiceTramos::codigo(const std::string& dia, const std::string& hora) const {
    const auto encontrado = codigos_.find(Clave{dia, hora});
    if (encontrado == codigos_.end()) return {};
    if (faltaCodigo_) throw Error(*faltaCodigo_);
    return encontrado->second;
}

std::size_t IndiceTramos::HashClave::operator()(const Clave& clave) const {
    const std::hash<std::string> hash;
    return hash(clave.dia) * 31 + hash(clave.hora);
}

}  // namespace ttz::importacion
