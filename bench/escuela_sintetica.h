#pragma once
// A small invented secondary school as ZEDA's seven export files, and larger synthetic
// schools made of copies of it (factor 1 is the sample school itself).
#include <filesystem>
#include <string>
#include <vector>

namespace ttz::bancos {

struct ArchivoZEDA {
    std::string nombre;     // as ZEDA names it, e.g. "zeda_prof.txt"
    std::string contenido;  // Windows-1252 bytes, CR LF line ends
};

std::vector<ArchivoZEDA> generarEscuela(int factor);
void escribirEscuela(const std::filesystem::path& carpeta, int factor);

}  // namespace ttz::bancos
