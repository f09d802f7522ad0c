#pragma once
// Records what a transfer shows the user, in order.
#include <string>
#include <vector>

#include "transfer/interlocutor.h"
#include "base/reloj.h"

namespace ttz::pruebas {

class InterlocutorPrueba : public Interlocutor {
public:
    void mostrarMensaje(const std::string& texto) override {
        mensajes.push_back(texto);
        sucesos.push_back("mensaje:" + texto);
    }
    void ponerCursorOcupado() override {
        ++ocupado;
        sucesos.push_back("cursor:ocupado");
    }
    void ponerCursorNormal() override {
        --ocupado;
        sucesos.push_back("cursor:normal");
    }

    std::vector<std::string> mensajes;
    std::vector<std::string> sucesos;
    int ocupado = 0;  // busy minus normal: 0 when every busy cursor was restored
};

class RelojFijo : public Reloj {
public:
    explicit RelojFijo(FechaHora momento) : momento_(momento) {}
    FechaHora ahora() const override { return momento_; }

private:
    FechaHora momento_;
};

}  // namespace ttz::pruebas
