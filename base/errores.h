#pragma once
// Errors that end a transfer. Each carries the exact text that the error box shows.
#include <stdexcept>
#include <string>

namespace ttz {

class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Input/output error of the file routines: the system's numeric code and its Spanish text.
class ErrorES : public Error {
public:
    explicit ErrorES(int codigo);
    static std::string mensaje(int codigo);
};

// A field name that a table lacks: "No se encuentra el campo '%s'".
class ErrorCampo : public Error {
public:
    explicit ErrorCampo(const std::string& campo);
};

// The message of the exception being handled, for the user: the tool's own errors give theirs;
// any other failure (out of memory, a system or library error) a Spanish text with no C++ or
// library name in it. Call only inside a catch block.
std::string mensajeExcepcionActual();

// The text the error box shows: the message, plus a full stop when its last character's
// code is greater than that of the full stop.
std::string textoCajaError(const std::string& mensaje);

}  // namespace ttz
