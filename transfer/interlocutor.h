#pragma once
// What a transfer shows the user: modal message boxes and the busy cursor. The window
// implements it with dialogs, the batch tool with printed lines.
#include <string>

namespace ttz {

class Interlocutor {
public:
    virtual ~Interlocutor() = default;
    // A modal message box with the single button "Aceptar"; returns when it is closed.
    virtual void mostrarMensaje(const std::string& texto) = 0;
    virtual void ponerCursorOcupado() = 0;
    virtual void ponerCursorNormal() = 0;
};

// The busy cursor for a scope: restored by restaurar() on the normal path, or on
// destruction when an error leaves the scope.
class CursorOcupado {
public:
    explicit CursorOcupado(Interlocutor& interlocutor) : interlocutor_(interlocutor) {
        interlocutor_.ponerCursorOcupado();
    }
    ~CursorOcupado() { restaurar(); }
    CursorOcupado(const CursorOcupado&) = delete;
    CursorOcupado& operator=(const CursorOcupado&) = delete;

    void restaurar() {
        if (activo_) {
            activo_ = false;
            interlocutor_.ponerCursorNormal();
        }
    }

private:
    Interlocutor& interlocutor_;
    bool activo_ = true;
};

}  // namespace ttz
