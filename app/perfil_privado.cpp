#include "app/perfil_privado.h"

#include <optional>
#include <vector>

#include "base/texto.h"

namespace ttz {
namespace {

constexpr std::string_view kFinLinea = "\r\n";

struct Linea {
    std::string texto;       // without its line end
    std::string terminador;  // "\r\n", "\n" or empty at the end of the file
};

std::vector<Linea> partirLineas(std::string_view contenido) {
    std::vector<Linea> lineas;
    while (!contenido.empty()) {
        const auto salto = contenido.find('\n');
        const auto largo = salto == std::string_view::npos ? contenido.size() : salto + 1;
        auto entera = contenido.substr(0, largo);
        auto texto = entera;
        if (!texto.empty() && texto.back() == '\n') texto.remove_suffix(1);
        if (!texto.empty() && texto.back() == '\r') texto.remove_suffix(1);
        lineas.push_back({std::string(texto), std::string(entera.substr(texto.size()))});
        contenido.remove_prefix(largo);
    }
    return lineas;
}

std::string_view recortar(std::string_view texto) {
    const auto blanco = [](char c) { return c == ' ' || c == '\t'; };
    while (!texto.empty() && blanco(texto.front())) texto.remove_prefix(1);
    while (!texto.empty() && blanco(texto.back())) texto.remove_suffix(1);
    return texto;
}

// The section's name when the line heads a section.
std::optional<std::string_view> nombreSeccion(std::string_view linea) {
    linea = recortar(linea);
    if (linea.size() < 2 || linea.front() != '[') return std::nullopt;
    const auto cierre = linea.find(']');
    if (cierre == std::string_view::npos) return std::nullopt;
    return recortar(linea.substr(1, cierre - 1));
}

std::optional<std::string_view> nombreClave(std::string_view linea) {
    const auto igual = linea.find('=');
    if (igual == std::string_view::npos) return std::nullopt;
    return recortar(linea.substr(0, igual));
}

class EditorPerfil {
public:
    explicit EditorPerfil(std::string_view contenido) : lineas_(partirLineas(contenido)) {}

    std::string poner(std::string_view seccion, std::string_view clave, std::string_view valor) {
        const auto asignacion = std::string(clave) + "=" + std::string(valor);
        const auto inicio = buscarSeccion(seccion);
        if (!inicio) {
            insertar(lineas_.size(), "[" + std::string(seccion) + "]");
            insertar(lineas_.size(), asignacion);
            return unir();
        }
        const auto fin = finSeccion(*inicio);
        for (auto i = *inicio + 1; i < fin; ++i) {
            const auto nombre = nombreClave(lineas_[i].texto);
            if (nombre && igualesSinMayusculas(*nombre, clave)) {
                lineas_[i].texto = std::string(*nombre) + "=" + std::string(valor);
                return unir();
            }
        }
        insertar(ultimaConTexto(*inicio, fin) + 1, asignacion);
        return unir();
    }

private:
    std::optional<std::size_t> buscarSeccion(std::string_view seccion) const {
        for (std::size_t i = 0; i < lineas_.size(); ++i) {
            const auto nombre = nombreSeccion(lineas_[i].texto);
            if (nombre && igualesSinMayusculas(*nombre, seccion)) return i;
        }
        return std::nullopt;
    }

    std::size_t finSeccion(std::size_t inicio) const {
        auto i = inicio + 1;
        while (i < lineas_.size() && !nombreSeccion(lineas_[i].texto)) ++i;
        return i;
    }

    std::size_t ultimaConTexto(std::size_t inicio, std::size_t fin) const {
        auto ultima = inicio;
        for (auto i = inicio + 1; i < fin; ++i)
            if (!recortar(lineas_[i].texto).empty()) ultima = i;
        return ultima;
    }

    void insertar(std::size_t posicion, std::string texto) {
        lineas_.insert(lineas_.begin() + static_cast<std::ptrdiff_t>(posicion),
                       Linea{std::move(texto), std::string(kFinLinea)});
    }

    std::string unir() const {
        std::string salida;
        for (const auto& linea : lineas_)
            salida += linea.texto + (linea.terminador.empty() ? std::string(kFinLinea) : linea.terminador);
        return salida;
    }

    std::vector<Linea> lineas_;
};

}  // namespace

std::string ponerClavePerfil(std::string_view contenido, std::string_view seccion,
                             std::string_view clave, std::string_view valor) {
    return EditorPerfil(contenido).poner(seccion, clave, valor);
}

}  // namespace ttz
