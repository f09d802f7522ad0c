#include <fstream>
#include <iterator>
#include <stdexcept>

#include "base/archivos.h"
#include "app/perfil_privado.h"

namespace ttz {
namespace {

// The file's bytes, empty when there is no file.
std::string leerSiExiste(const std::filesystem::path& ruta) {
    if (!std::filesystem::exists(ruta)) return {};
    std::ifstream entrada(ruta, std::ios::binary);
    if (!entrada || !std::filesystem::is_regular_file(ruta)) throw std::runtime_error("unreadable");
    std::string contenido(std::istreambuf_iterator<char>(entrada), {});
    if (entrada.bad()) throw std::runtime_error("unreadable");
    return contenido;
}

}  // namespace

bool escribirPerfilPrivado(const std::filesystem::path& archivo, const std::string& seccion,
                           const std::string& clave, const std::string& valor) {
    try {
        const auto ruta = resolverMayusculas(archivo);
        reemplazarArchivo(ruta, ponerClavePerfil(leerSiExiste(ruta), seccion, clave, valor));
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace ttz
