#pragma once
// A table file held open under the hold its use needs, shared or exclusive, so that another
// program cannot change what this one reads nor read what this one rewrites.
// One implementation per platform (advisory locks on POSIX, share modes on Windows).
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace ttz::tablas {

enum class Retencion { Compartida, Exclusiva };

class ArchivoTabla {
public:
    // An existing table file. Fails at once, naming the file, when it is missing or when another
    // program holds it in a way that excludes this hold.
    static ArchivoTabla abrir(const std::filesystem::path& ruta, bool escritura, Retencion retencion);
    // A new file of unique name "<base>.~<n>.dbf" in the folder, open for reading and writing
    // and held exclusively; its errors name the table it stands for (mostrada).
    static ArchivoTabla crearTemporal(const std::filesystem::path& carpeta, const std::string& base,
                                      const std::filesystem::path& mostrada);

    ArchivoTabla(ArchivoTabla&& otro) noexcept;
    ArchivoTabla& operator=(ArchivoTabla&& otro) noexcept;
    ArchivoTabla(const ArchivoTabla&) = delete;
    ArchivoTabla& operator=(const ArchivoTabla&) = delete;
    ~ArchivoTabla();

    const std::filesystem::path& ruta() const { return ruta_; }
    // The table file that errors name.
    const std::filesystem::path& mostrada() const { return mostrada_; }
    std::uint64_t tamano() const;
    // Exactly that many bytes from that position, else an error.
    void leer(std::uint64_t posicion, char* destino, std::size_t bytes) const;
    void escribir(std::uint64_t posicion, std::string_view bytes);
    // Everything written reaches the disk.
    void sincronizar();
    // Turns a shared hold into an exclusive one; fails at once while others hold the file.
    void retenerExclusiva();
    // Puts the staged file in the place of this held one in one step, replacing it whole;
    // the hold ends.
    void reemplazarCon(const std::filesystem::path& temporal);
    void cerrar() noexcept;

private:
    ArchivoTabla(std::filesystem::path ruta, std::filesystem::path mostrada, std::intptr_t manejador);

    std::filesystem::path ruta_;
    std::filesystem::path mostrada_;
    std::intptr_t manejador_;
};

// Removes the staging files "<base>.~<n>.dbf" of the folder that nobody holds any more: those
// left behind by a process that ended without closing its table.
void borrarTemporalesAbandonados(const std::filesystem::path& carpeta, const std::string& base);
// Puts the staged file in the place of a table that does not exist yet.
void publicarArchivo(const std::filesystem::path& temporal, const std::filesystem::path& destino);
// Removes a file; a failure is ignored.
void borrarArchivo(const std::filesystem::path& ruta) noexcept;

}  // namespace ttz::tablas
