#pragma once

namespace ttz {

struct FechaHora {
    int dia, mes, anio, hora, minuto;
    int segundo = 0;
};

// Local date and time, injected so that tests are exact.
class Reloj {
public:
    virtual ~Reloj() = default;
    virtual FechaHora ahora() const = 0;
};

class RelojLocal : public Reloj {
public:
    FechaHora ahora() const override;
};

}  // namespace ttz
