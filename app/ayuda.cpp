#include "app/ayuda.h"

#include "base/texto.h"
#include "base/texto_ruta.h"

namespace ttz {

std::optional<std::filesystem::path> resolverArchivoAyuda(const std::string& nombre,
                                                          const std::filesystem::path& carpetaEjecutable) {
    const auto punto = nombre.rfind('.');
    if (punto == std::string::npos) return std::nullopt;
    if (!igualesSinMayusculas(nombre.substr(punto), ".chm")) return std::nullopt;
    const std::filesystem::path ruta = rutaDeTexto(nombre);
    return ruta.has_parent_path() ? ruta : carpetaEjecutable / ruta;
}

AyudaHtml::AyudaHtml(std::filesystem::path carpetaEjecutable, VisorAyuda& visor)
    : carpetaEjecutable_(std::move(carpetaEjecutable)), visor_(visor), archivo_(kArchivoAyuda) {}

void AyudaHtml::contenido() {
    archivo_ = kArchivoAyuda;
    pedir(kMostrarIndice, 0);
}

void AyudaHtml::contexto(int numero) { pedir(kMostrarContexto, static_cast<std::uintptr_t>(numero)); }

void AyudaHtml::pedir(unsigned comando, std::uintptr_t dato) {
    if (const auto archivo = resolverArchivoAyuda(archivo_, carpetaEjecutable_))
        visor_.mostrar(*archivo, comando, dato);
}

}  // namespace ttz
