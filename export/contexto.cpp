#include "export/contexto.h"

#include "base/archivos.h"

namespace ttz::exportacion {

bool Contexto::hayArchivoDelPaso(const std::filesystem::path& ruta, const std::string& mensajeSiFalta) const {
    if (existeArchivo(ruta)) return true;
    entorno.interlocutor.mostrarMensaje(mensajeSiFalta);
    entorno.estado.Transformado = -1;
    return false;
}

}  // namespace ttz::exportacion
