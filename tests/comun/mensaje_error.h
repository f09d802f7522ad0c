#pragma once
// The message of the error that an action raises, or "(sin error)" when it raises none.
#include <string>

#include "base/errores.h"

namespace ttz::pruebas {

template <class Accion>
std::string mensajeDeError(Accion accion) {
    try {
        accion();
    } catch (const Error& error) {
        return error.what();
    }
    return "(sin error)";
}

}  // namespace ttz::pruebas
