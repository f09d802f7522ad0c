#include <cerrno>
#include <string>
#include <system_error>

#include "base/archivo.h"

namespace ttz {
namespace {

// The C library's texts follow the process's locale: English under C (the batch tool), and UTF-8
// under a Spanish UTF-8 locale (the Qt window), which messages in Windows-1252 would garble. The
// reasons a school meets are therefore the tool's own, in Windows-1252 like every message.
const char* textoPropio(int numero) {
    switch (numero) {
    case ENOENT: return "No existe el archivo o la carpeta";
    case EACCES: return "Permiso denegado: su usuario no puede usar ese archivo o carpeta";
    case EPERM: return "Operaci\xF3n no permitida para su usuario";
    case EROFS: return "El disco es de solo lectura";
    case ENOSPC: return "No queda espacio en el disco";
    case EDQUOT: return "Su usuario ha agotado su cuota de disco";
    case EISDIR: return "Es una carpeta, no un archivo";
    case ENOTDIR: return "Una parte de la ruta no es una carpeta";
    case ENAMETOOLONG: return "El nombre o la ruta son demasiado largos";
    case ELOOP: return "La ruta tiene demasiados enlaces simb\xF3licos";
    case EMFILE:
    case ENFILE: return "Hay demasiados archivos abiertos";
    case EIO: return "Error de lectura o escritura en el disco";
    case EBUSY:
    case ETXTBSY: return "El archivo est\xE1 en uso";
    case EWOULDBLOCK: return "Otro programa lo tiene bloqueado";
    case EEXIST: return "Ya existe";
    case ENOTEMPTY: return "La carpeta no est\xE1 vac\xED" "a";
    case EXDEV: return "No se puede mover de un disco a otro";
    case EFBIG: return "El archivo es demasiado grande";
    case ENOMEM: return "No hay memoria suficiente";
    case ENXIO:
    case ENODEV: return "El dispositivo no est\xE1 disponible";
#ifdef ENOMEDIUM
    case ENOMEDIUM: return "No hay ning\xFAn disco en la unidad";
#endif
    case ESTALE:
    case ENOTCONN:
    case EHOSTDOWN:
    case EHOSTUNREACH:
    case ENETDOWN:
    case ENETUNREACH:
    case ETIMEDOUT:
    case ECONNRESET: return "El recurso de red ya no est\xE1 disponible";
    default: return nullptr;
    }
}

}  // namespace

std::string textoErrorSistema(int numero) {
    if (const char* texto = textoPropio(numero)) return texto;
    return "Error n\xFAmero " + std::to_string(numero) + " del sistema";
}

std::string textoErrorSistema(const std::error_code& codigo) {
    if (codigo.category() == std::generic_category() || codigo.category() == std::system_category())
        return textoErrorSistema(codigo.value());
    return codigo.message();
}

}  // namespace ttz
