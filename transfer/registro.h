#pragma once
// The record of the runs: "transtempaloszeda.log" in the data folder, in Windows-1252 with CR LF
// so that Notepad shows its accents. Past kTamanoRegistro it moves to "transtempaloszeda.log.1",
// replacing the older one. A record that cannot be written never stops a run: the first failure
// is kept for the front end to tell. Without a data folder there is no record: the run itself
// fails naming the folder.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace ttz {

inline constexpr std::uint64_t kTamanoRegistro = 1024 * 1024;
inline constexpr const char* kArchivoRegistro = "transtempaloszeda.log";

class Registro {
public:
    // Moves a record grown past its size aside.
    explicit Registro(const std::filesystem::path& carpetaDatos);

    // Appends the line and CR LF at once, so that a run cut short keeps what it recorded.
    void anotar(std::string_view linea) noexcept;
    // "No se puede escribir el registro "<file>". <reason>", after the first failure.
    const std::optional<std::string>& fallo() const { return fallo_; }

private:
    void fallar(const std::string& razon) noexcept;

    std::filesystem::path ruta_;
    bool activo_;
    std::optional<std::string> fallo_;
};

}  // namespace ttz
