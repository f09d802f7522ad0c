#pragma once
// The batch tool run as a program on temporary folders: its exit status, standard output and
// standard error.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <sstream>
#include <string>

#include "comun/carpeta_temporal.h"
#include "comun/consola.h"

namespace ttz::pruebas {

namespace fs = std::filesystem;

inline const fs::path kLote = TTZ_LOTE;
inline const fs::path kEscuela = fs::path(TTZ_FUENTES) / "examples/escuela";

struct Salida {
    int estado;
    std::string salida;
    std::string errores;

    // The output without the closing lines of what was written and where the copy is.
    std::string avisos() const {
        std::istringstream lineas(salida);
        std::string avisos;
        for (std::string l; std::getline(lineas, l);)
            if (!l.starts_with("Escrito \"") && !l.starts_with("Copia de lo reemplazado: ")) avisos += l + "\n";
        return avisos;
    }
};

class Lote : public ::testing::Test {
protected:
    // The arguments are passed as they are to the shell. With a limit, the tool may not take more
    // than that many KiB of memory (POSIX only: cmd has no such limit).
    Salida ejecutar(const std::string& argumentos, [[maybe_unused]] long limiteKiB = 0) {
#ifdef _WIN32
        const std::string irALaCarpeta = "cd /d ";
        const std::string limite;
#else
        const std::string irALaCarpeta = "cd ";
        const std::string limite = limiteKiB > 0 ? "ulimit -v " + std::to_string(limiteKiB) + " && " : "";
#endif
        const std::string orden = limite + irALaCarpeta + citar(trabajo.ruta()) + " && " + citar(kLote) + " " +
                                  argumentos + " >" + citar(salidas / "out") + " 2>" + citar(salidas / "err");
        return {ejecutarEnConsola(orden), leerBytes(salidas / "out"), leerBytes(salidas / "err")};
    }

    std::string opciones() const { return "--carpeta " + citar(trabajo.ruta()) + " --datos " + citar(datos.ruta()); }

    void copiarEscuela() {
        for (const auto& entrada : fs::directory_iterator(kEscuela))
            if (entrada.path().extension() == ".txt") fs::copy_file(entrada.path(), trabajo.ruta() / entrada.path().filename());
    }

    // The data folder's files but the record, the date of each table's last change left out.
    std::map<std::string, std::string> tablas() const {
        std::map<std::string, std::string> bytes;
        for (const auto& entrada : fs::directory_iterator(datos.ruta())) {
            if (!entrada.is_regular_file() || entrada.path().filename() == "transtempaloszeda.log") continue;
            std::string contenido = leerBytes(entrada.path());
            contenido.replace(1, 3, 3, '\0');
            bytes[entrada.path().filename().string()] = contenido;
        }
        return bytes;
    }

    CarpetaTemporal trabajo, datos, salidas;
};

}  // namespace ttz::pruebas
