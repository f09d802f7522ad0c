#pragma once
// A program run through the system's shell by std::system: cmd on Windows, sh elsewhere.
#ifndef _WIN32
#include <sys/wait.h>
#endif

#include <cstdlib>
#include <filesystem>
#include <string>

namespace ttz::pruebas {

// The shell's quotes around a path that holds none.
inline std::string citar(const std::filesystem::path& ruta) {
#ifdef _WIN32
    return '"' + ruta.string() + '"';
#else
    return '\'' + ruta.string() + '\'';
#endif
}

// Runs the command line through the shell; the program's exit status, -1 when it ended by a
// signal. cmd takes away the first and the last quote of a line that starts with one, so the
// line goes to it within one more pair.
inline int ejecutarEnConsola(const std::string& orden) {
#ifdef _WIN32
    return std::system(('"' + orden + '"').c_str());
#else
    const int estado = std::system(orden.c_str());
    return WIFEXITED(estado) ? WEXITSTATUS(estado) : -1;
#endif
}

}  // namespace ttz::pruebas
