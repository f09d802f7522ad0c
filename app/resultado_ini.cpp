#include "app/resultado_ini.h"

#include <string>

#include "base/errores.h"
#include "base/texto_ruta.h"
#include "app/perfil_privado.h"

namespace ttz {

std::filesystem::path rutaResultado(const std::filesystem::path& ejecutable) {
    return ejecutable.parent_path() / "Tempalix.ini";
}

void escribirResultado(const std::filesystem::path& archivo, std::int32_t transformado) {
    if (!escribirPerfilPrivado(archivo, "Transformadores", "Transformado", std::to_string(transformado)))
        throw Error("Unable to write to " + rutaEnMensaje(archivo));
}

}  // namespace ttz
