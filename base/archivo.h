#pragma once
// A file held open by the system: the one place where the core opens, holds, reads, writes and
// replaces files. One implementation per platform (archivo_posix.cpp, archivo_win.cpp): advisory
// locks on POSIX, share modes on Windows.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

#include "base/errores.h"

namespace ttz {

// The system's reason for a system error number, in Windows-1252 whatever the locale: on POSIX
// the tool's own Spanish text for an errno value a school meets, else "Error número N del
// sistema"; on Windows the system's own text (GetLastError() numbers).
std::string textoErrorSistema(int numero);
// The same for an error code of the standard library: its system numbers as above.
std::string textoErrorSistema(const std::error_code& codigo);

// The input/output code of the Spanish error table for a system error number: on POSIX
// ENOENT 2, ENAMETOOLONG/ENOTDIR 3, EMFILE/ENFILE 4, EACCES/EPERM/EISDIR 5, ENOSPC 101, and
// Windows' numbers for the same failures, such as ENOMEDIUM 21 (no disc), EBUSY/ETXTBSY 32
// (in use), ESTALE/ENETDOWN and the other network failures 53 (network gone), EIO 1117 (device
// error); any other errno 31, Windows' general failure, never a number of another meaning. On
// Windows the system's own number, but 101 for a full disk.
int codigoES(int numero);

// A failed operation on a file. Its message is the system's text; callers catch it and raise
// their own message naming the file.
class FalloArchivo : public Error {
public:
    enum class Causa { Inexistente, YaExiste, Retenido, Otra };

    explicit FalloArchivo(int numero);
    int numero() const { return numero_; }
    // Inexistente: the file or a folder of its path is missing; Retenido: another holder is in
    // the way of the hold asked for.
    Causa causa() const;

private:
    int numero_;
};

enum class Acceso { Lectura, LecturaEscritura };

// What the holder lets others do: Ninguna holds nothing (others may even hold it exclusively);
// Compartida lets others read, write and hold it shared; Exclusiva locks every other holder out.
enum class Retencion { Ninguna, Compartida, Exclusiva };

class Archivo {
public:
    // An existing file, not a folder. Fails at once when another holder is in the way.
    static Archivo abrir(const std::filesystem::path& ruta, Acceso acceso, Retencion retencion);
    // A staging file "<name>.~<process>-<n><extension>" of unique name beside destino, open for
    // reading and writing and held exclusively, with the permissions of destino when it exists.
    // The staging files of destino that no process holds any more (left by a process that ended
    // half-way) are removed first. Unpublished, it is removed when it is destroyed.
    static Archivo crearProvisional(const std::filesystem::path& destino);
    // A file for writing at its end, created when missing, held by nobody.
    static Archivo abrirParaAnadir(const std::filesystem::path& ruta);

    Archivo(Archivo&& otro) noexcept;
    Archivo& operator=(Archivo&& otro) noexcept;
    Archivo(const Archivo&) = delete;
    Archivo& operator=(const Archivo&) = delete;
    ~Archivo();

    const std::filesystem::path& ruta() const { return ruta_; }
    std::uint64_t tamano() const;
    // Up to that many bytes from that position; fewer only where the file ends.
    std::size_t leer(std::uint64_t posicion, char* destino, std::size_t bytes) const;
    // All the bytes at that position, else a failure (a full disk included).
    void escribir(std::uint64_t posicion, std::string_view bytes);
    // Everything written reaches the disk.
    void sincronizar();
    // Turns a shared hold into an exclusive one; fails at once while others hold the file.
    void retenerExclusiva();
    // Closes, reporting a failure; a staging file stays until it is published or discarded.
    void cerrar();
    // Closes, ignoring failures.
    void soltar() noexcept;

    // Puts this closed staging file in the place of destino in one step, replacing it whole (a
    // name that exists in another letter case is the caller's to resolve). anterior, when given,
    // is destino held shared by this process: it is first taken exclusively, failing while
    // another holder is in the way, and released as the new file takes its place. On failure the
    // staging file is removed and destino stays as it was.
    void publicar(const std::filesystem::path& destino, Archivo* anterior = nullptr);
    // Closes the staging file and removes it.
    void descartar() noexcept;

private:
    Archivo(std::filesystem::path ruta, std::intptr_t manejador, bool provisional);
    // Per platform: a new staging file of that name, held exclusively, failing with YaExiste when
    // the name is taken; with the permissions of modelo when it exists.
    static Archivo crearNuevo(const std::filesystem::path& ruta, const std::filesystem::path& modelo);
    static std::string identificadorProceso();
    // Per platform: the rename over destino, releasing anterior where the platform needs it.
    void renombrarSobre(const std::filesystem::path& destino, Archivo* anterior);

    std::filesystem::path ruta_;
    std::intptr_t manejador_;
    bool provisional_;
};

// Removes a file; a failure is ignored.
void borrarArchivo(const std::filesystem::path& ruta) noexcept;

// Keeps what origen holds now under the new name copia, on disk before it returns: a hard link
// where the file system allows one (a replacement by rename then leaves the link with the
// earlier bytes), else a copy of its bytes, flushed and published like a staging file. A link
// writes no data: its bytes are the file's, on disk already, and its name is a change of the
// file system's metadata that a journaling file system commits in order, before the replacement
// by rename that follows it, whose folder is flushed.
void conservarCopia(const std::filesystem::path& origen, const std::filesystem::path& copia);
// Replaces destino atomically with a copy of the bytes of origen, flushed; anterior as for
// Archivo::publicar.
void copiarArchivo(const std::filesystem::path& origen, const std::filesystem::path& destino,
                   Archivo* anterior = nullptr);
// Per platform: the hard link; false when the file system cannot make it.
bool enlazarDuro(const std::filesystem::path& origen, const std::filesystem::path& copia) noexcept;

}  // namespace ttz
