#include <windows.h>

#include "app/perfil_privado.h"

#include "base/texto_ruta.h"

namespace ttz {

bool escribirPerfilPrivado(const std::filesystem::path& archivo, const std::string& seccion,
                           const std::string& clave, const std::string& valor) {
    const auto ruta = textoDeRuta(archivo);
    if (!WritePrivateProfileStringA(seccion.c_str(), clave.c_str(), valor.c_str(), ruta.c_str()))
        return false;
    // Flushes the system's profile cache so that the host reads the new value at once.
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, ruta.c_str());
    return true;
}

}  // namespace ttz
