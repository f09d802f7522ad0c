#pragma once
// Help requests: the contents and the topic of a context, on the compiled help file.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace ttz {

class Ayuda {
public:
    virtual ~Ayuda() = default;
    virtual void contenido() = 0;
    virtual void contexto(int numero) = 0;
};

// The help viewer's commands.
constexpr unsigned kMostrarIndice = 1;   // table of contents, data 0
constexpr unsigned kMostrarContexto = 15; // topic, data the context number

class VisorAyuda {
public:
    virtual ~VisorAyuda() = default;
    virtual void mostrar(const std::filesystem::path& archivo, unsigned comando, std::uintptr_t dato) = 0;
};

constexpr const char* kArchivoAyuda = "ZEDA.chm";

// The help file a request goes to: a name without a folder is taken from the executable's
// folder; only a name ending in ".chm" (letter case ignored) goes to the viewer.
std::optional<std::filesystem::path> resolverArchivoAyuda(const std::string& nombre,
                                                          const std::filesystem::path& carpetaEjecutable);

class AyudaHtml : public Ayuda {
public:
    AyudaHtml(std::filesystem::path carpetaEjecutable, VisorAyuda& visor);
    // The application help file.
    void ponerArchivo(std::string nombre) { archivo_ = std::move(nombre); }
    void contenido() override;
    void contexto(int numero) override;

private:
    void pedir(unsigned comando, std::uintptr_t dato);

    std::filesystem::path carpetaEjecutable_;
    VisorAyuda& visor_;
    std::string archivo_;
};

}  // namespace ttz
