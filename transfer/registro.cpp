#include "transfer/registro.h"

#include <system_error>

#include "base/archivo.h"
#include "base/archivos.h"
#include "base/texto_ruta.h"

namespace ttz {

namespace fs = std::filesystem;

Registro::Registro(const fs::path& carpetaDatos)
    : ruta_(carpetaDatos / kArchivoRegistro), activo_(existeCarpeta(carpetaDatos)) {
    std::error_code error;
    const auto tamano = fs::file_size(ruta_, error);
    if (error || tamano <= kTamanoRegistro) return;
    fs::path anterior = ruta_;
    anterior += ".1";
    borrarArchivo(anterior);
    fs::rename(ruta_, anterior, error);
    if (error) fallar(textoErrorSistema(error));
}

void Registro::anotar(std::string_view linea) noexcept {
    if (!activo_) return;
    try {
        Archivo archivo = Archivo::abrirParaAnadir(ruta_);
        archivo.escribir(archivo.tamano(), std::string(linea) + "\r\n");
        archivo.cerrar();
    } catch (const std::exception& error) {
        fallar(error.what());
    }
}

void Registro::fallar(const std::string& razon) noexcept {
    if (!fallo_) fallo_ = "No se puede escribir el registro \"" + rutaEnMensaje(ruta_) + "\". " + razon;
}

}  // namespace ttz
