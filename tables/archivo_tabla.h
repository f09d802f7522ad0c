#pragma once
// A table file held open under the hold its use needs, shared or exclusive, so that another
// program cannot change what this one reads nor read what this one rewrites. Its failures are
// the table store's messages, naming the table.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "base/archivo.h"

namespace ttz::tablas {

class ArchivoTabla {
public:
    // An existing table file. Fails at once, naming the file, when it is missing or when another
    // program holds it in a way that excludes this hold.
    static ArchivoTabla abrir(const std::filesystem::path& ruta, bool escritura, Retencion retencion);
    // A staging file beside the table destino, open for reading and writing and held
    // exclusively; its errors name destino. Unpublished, it is removed.
    static ArchivoTabla crearProvisional(const std::filesystem::path& destino);

    // The table file that errors name.
    const std::filesystem::path& mostrada() const { return mostrada_; }
    std::uint64_t tamano() const;
    // Exactly that many bytes from that position, else an error.
    void leer(std::uint64_t posicion, char* destino, std::size_t bytes) const;
    void escribir(std::uint64_t posicion, std::string_view bytes);
    // Everything written reaches the disk.
    void sincronizar();
    // Puts this staging file, written and synchronised, in the place of its table; anterior is
    // the earlier table held shared, taken exclusively first (failing at once while another
    // program has it open). On failure the staging file is removed and the table stays as it was.
    void publicar(ArchivoTabla* anterior);
    // Closes; a staging file left unpublished is removed.
    void cerrar() noexcept;

private:
    ArchivoTabla(Archivo archivo, std::filesystem::path mostrada);

    // The operation's result; its failure raised again as the message that names the table.
    template <typename Operacion>
    auto conMensaje(std::string (*mensaje)(const std::filesystem::path&, const std::string&),
                    Operacion&& operacion) const {
        try {
            return operacion();
        } catch (const FalloArchivo& fallo) {
            throw Error(mensaje(mostrada_, fallo.what()));
        }
    }

    Archivo archivo_;
    std::filesystem::path mostrada_;
};

}  // namespace ttz::tablas
