#include "base/errores.h"

#include <filesystem>
#include <new>
#include <system_error>

#include "base/archivo.h"
#include "base/texto_ruta.h"

namespace ttz {

ErrorES::ErrorES(int codigo) : Error(mensaje(codigo)) {}

std::string ErrorES::mensaje(int codigo) {
    switch (codigo) {
    case 2: return "No se encuentra el archivo";
    case 3: return "Nombre de archivo inv\xE1lido";
    case 4: return "Demasiados archivos abiertos";
    case 5: return "Acceso al archivo denegado";
    case 100: return "Se intenta leer despu\xE9s del fin del archivo";
    case 101: return "Disco lleno";
    case 106: return "Valor num\xE9rico de entrada inv\xE1lido";
    default: return "Error de E/S " + std::to_string(codigo);
    }
}

ErrorCampo::ErrorCampo(const std::string& campo)
    : Error("No se encuentra el campo '" + campo + "'") {}

namespace {

std::string textoErrorDelSistema(const std::system_error& error, const std::filesystem::path& ruta) {
    std::string texto = "Error del sistema";
    if (!ruta.empty()) texto += " con \"" + rutaEnMensaje(ruta) + "\"";
    return texto + ": " + textoErrorSistema(error.code());
}

}  // namespace

std::string mensajeExcepcionActual() {
    try {
        throw;
    } catch (const Error& error) {
        return error.what();
    } catch (const std::bad_alloc&) {
        return "No hay memoria suficiente para terminar el proceso";
    } catch (const std::filesystem::filesystem_error& error) {
        return textoErrorDelSistema(error, error.path1());
    } catch (const std::system_error& error) {
        return textoErrorDelSistema(error, {});
    } catch (...) {
        return "Error interno inesperado";
    }
}

std::string textoCajaError(const std::string& mensaje) {
    if (!mensaje.empty() && static_cast<unsigned char>(mensaje.back()) > '.')
        return mensaje + ".";
    return mensaje;
}

}  // namespace ttz
