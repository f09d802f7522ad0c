#include <fstream>
#include <iterator>

#include "app/archivos.h"
#include "app/perfil_privado.h"

namespace ttz {

bool escribirPerfilPrivado(const std::filesystem::path& archivo, const std::string& seccion,
                           const std::string& clave, const std::string& valor) {
    const auto ruta = resolverMayusculas(archivo);
    std::string contenido;
    std::error_code error;
    if (std::filesystem::exists(ruta, error)) {
        std::ifstream entrada(ruta, std::ios::binary);
        if (!entrada) return false;
        contenido.assign(std::istreambuf_iterator<char>(entrada), std::istreambuf_iterator<char>());
        if (entrada.bad()) return false;
    }
    try {
        reemplazarArchivo(ruta, ponerClavePerfil(contenido, seccion, clave, valor));
    } catch (const std::exception&) {
        return false;
    }
    return true;
}

}  // namespace ttz
