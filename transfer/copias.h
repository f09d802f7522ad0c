#pragma once
// The copies that runs keep of what they replace: one folder per run under "copias" in the data
// folder, named "<AAAA-MM-DD hh.mm.ss> <dirección>" (".NN" after the time for a second run in the
// same second), with the files as they were and their description in "descripcion.txt"
// (Windows-1252, CR LF). Only folders named so are ever listed or removed.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "base/reloj.h"

namespace ttz {

// The runs whose copies are kept; older ones are removed after each run.
inline constexpr std::size_t kCopiasGuardadas = 20;
inline constexpr const char* kCarpetaCopias = "copias";
inline constexpr const char* kDescripcionCopia = "descripcion.txt";

struct ArchivoCopiado {
    std::string nombre;            // in the copy folder
    std::filesystem::path origen;  // where it came from and goes back to
    std::uint64_t tamano;
};

struct DescripcionCopia {
    std::string fecha;      // "AAAA-MM-DD hh.mm.ss"
    std::string direccion;  // "exportar", "importar" or "restaurar"
    std::string carpeta;    // the run's working folder, as a message shows it
    std::string resultado;  // "Transformado=1", "Transformado=-1", or "sin terminar"
    std::vector<ArchivoCopiado> archivos;
};

// "AAAA-MM-DD hh.mm.ss".
std::string textoFecha(const FechaHora& momento);

// The description, read back (the last outcome it records wins). Fails with an Error that names
// the copy.
DescripcionCopia leerDescripcion(const std::filesystem::path& carpetaCopia);

// The copy folder of one run, made when the run keeps its first file. Its description grows a
// line at a time: the run's own lines, then one line per file kept, then the outcome.
class CopiaEjecucion {
public:
    CopiaEjecucion(std::filesystem::path carpetaDatos, DescripcionCopia descripcion);

    // Keeps the file as it is now, on disk before this returns (a file kept already in this run
    // stays as it was first kept). Fails with an Error that names the file and the system's
    // reason.
    void conservar(const std::filesystem::path& archivo);
    // Records the outcome in the description; a failure is ignored (it then says "sin terminar").
    void terminar(const std::string& resultado) noexcept;
    // The folder, once something was kept.
    const std::optional<std::filesystem::path>& carpeta() const { return carpeta_; }

private:
    void crearCarpeta();
    void anadirADescripcion(const std::string& lineas);

    std::filesystem::path datos_;
    DescripcionCopia descripcion_;
    std::optional<std::filesystem::path> carpeta_;
};

// The copy folders of the data folder, newest first.
std::vector<std::string> nombresDeCopias(const std::filesystem::path& carpetaDatos);
// Removes the copy folders beyond the newest kCopiasGuardadas; failures are ignored.
void recortarCopias(const std::filesystem::path& carpetaDatos) noexcept;

}  // namespace ttz
