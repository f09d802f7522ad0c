#include "apoyo_ventana.h"

namespace ttz::pruebas {

BancoVentana::BancoVentana() : almacen(carpeta / "TTEMP", ',') {
    std::filesystem::create_directories(carpeta / "bin");
    std::filesystem::create_directories(carpeta / "TTEMP");
}

std::unique_ptr<ui::TMForm> BancoVentana::crear(const std::vector<std::string>& parametros) {
    return std::make_unique<ui::TMForm>(
        parametros, ui::PuertosVentana{estado, dialogos, ayuda, almacen, cotejo, reloj, archivoResultado()}, anfitrion);
}

}  // namespace ttz::pruebas
