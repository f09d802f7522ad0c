#pragma once
// Sets or removes environment variables for one test and puts them back afterwards.
#include <cstdlib>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace ttz::pruebas {

class Entorno {
public:
    Entorno() = default;
    Entorno(const Entorno&) = delete;
    Entorno& operator=(const Entorno&) = delete;
    ~Entorno() {
        for (auto it = guardados_.rbegin(); it != guardados_.rend(); ++it) restaurar(it->first, it->second);
    }

    // A null value removes the variable.
    void poner(const char* nombre, const char* valor) {
        const char* actual = std::getenv(nombre);
        guardados_.emplace_back(nombre, actual ? std::optional<std::string>(actual) : std::nullopt);
        restaurar(nombre, valor ? std::optional<std::string>(valor) : std::nullopt);
    }

private:
    static void restaurar(const std::string& nombre, const std::optional<std::string>& valor) {
#ifdef _WIN32
        _putenv_s(nombre.c_str(), valor ? valor->c_str() : "");  // an empty value removes it
#else
        if (valor)
            setenv(nombre.c_str(), valor->c_str(), 1);
        else
            unsetenv(nombre.c_str());
#endif
    }

    std::vector<std::pair<std::string, std::optional<std::string>>> guardados_;
};

}  // namespace ttz::pruebas
