// generar_escuela FOLDER [FACTOR]: writes the seven ZEDA export files of a synthetic school
// FACTOR times the size of the sample school (1 writes the sample itself).
#include <cstdlib>
#include <exception>
#include <iostream>
#include <string>

#include "bench/escuela_sintetica.h"

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::cerr << "usage: generar_escuela FOLDER [FACTOR]\n";
        return 64;
    }
    try {
        const int factor = argc == 3 ? std::stoi(argv[2]) : 1;
        if (factor < 1) throw std::invalid_argument("factor");
        ttz::bancos::escribirEscuela(argv[1], factor);
    } catch (const std::exception& error) {
        std::cerr << "generar_escuela: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
