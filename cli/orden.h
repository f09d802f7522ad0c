#pragma once
// The batch tool's command line: what to run and with which folders.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "base/errores.h"

namespace ttz::lote {

enum class Accion { Exportar, Importar, Copias, Restaurar, Ayuda, Version };

struct Orden {
    Accion accion = Accion::Ayuda;
    std::optional<std::filesystem::path> carpeta;  // the ZEDA files' folder; the current one by default
    std::optional<std::filesystem::path> datos;    // the tables' folder; the application's one by default
    std::string copia;                             // restaurar's copy; the newest when empty
};

// A command line that cannot be understood; the usage follows its message.
class ErrorUso : public Error {
public:
    using Error::Error;
};

extern const char* const kUso;

// The arguments after the program name.
Orden leerOrden(const std::vector<std::string>& argumentos);

// Carpeta for a run: the folder, made absolute, followed by the platform's separator.
std::string carpetaDeTrabajo(const std::optional<std::filesystem::path>& carpeta);

}  // namespace ttz::lote
