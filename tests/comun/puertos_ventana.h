#pragma once
// Recording ports of the window, without a toolkit.
#include <string>
#include <vector>

#include "app/ayuda.h"
#include "comun/interlocutor_prueba.h"
#include "ui/dialogos.h"

namespace ttz::pruebas {

// Message boxes, cursor changes and error boxes in the order they were shown.
class DialogosPrueba : public ui::Dialogos {
public:
    void mostrarMensaje(const std::string& texto) override { registro.mostrarMensaje(texto); }
    void ponerCursorOcupado() override { registro.ponerCursorOcupado(); }
    void ponerCursorNormal() override { registro.ponerCursorNormal(); }
    void mostrarCajaError(const std::string& texto) override {
        errores.push_back(texto);
        registro.sucesos.push_back("error:" + texto);
    }

    const std::vector<std::string>& sucesos() const { return registro.sucesos; }

    InterlocutorPrueba registro;
    std::vector<std::string> errores;
};

class AyudaPrueba : public Ayuda {
public:
    void contenido() override { pedidos.push_back("contenido"); }
    void contexto(int numero) override { pedidos.push_back("contexto " + std::to_string(numero)); }
    std::vector<std::string> pedidos;
};

}  // namespace ttz::pruebas
