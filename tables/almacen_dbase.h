#pragma once
// The table store on dBase files (<NAME>.DBF in the data folder), written by hand.
#include "tables/tabla.h"

namespace ttz::tablas {

class AlmacenDBase : public AlmacenTablas {
public:
    // separadorDecimal: the user's decimal separator for floats read as text.
    explicit AlmacenDBase(std::filesystem::path carpetaDatos, char separadorDecimal);

    std::unique_ptr<Tabla> recrear(const std::string& nombre,
                                   const std::vector<DefinicionCampo>& campos) override;
    std::unique_ptr<Tabla> abrir(const std::string& nombre, ModoApertura modo) override;
    // Tempalix makes its data folder; one that is missing is a mistyped TTEMP or Tempalix is
    // not installed, and tables written anywhere else would never be seen.
    void exigirCarpeta() const override;
    std::filesystem::path carpeta() const override { return carpetaDatos_; }

    // "<carpeta>/<NAME>.DBF" as found on disk (letter case ignored), or in upper case.
    std::filesystem::path rutaTabla(const std::string& nombre) const;

private:
    std::filesystem::path carpetaDatos_;
    char separadorDecimal_;
};

}  // namespace ttz::tablas
