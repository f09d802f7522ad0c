#pragma once
// Names for the cases of a parameterised suite, readable and the same on every run (without a
// name, CTest lists a case by its parameter's bytes).
#include <string>
#include <string_view>
#include <type_traits>

namespace ttz::pruebas {

// The text as a test name can carry it: letters and digits kept, a few signs spelt out or as "_", any
// other byte as "x" and two hexadecimal digits; the empty text is "Vacio".
std::string nombreDeCaso(std::string_view texto);
std::string nombreDeCaso(double valor);

inline std::string nombreDeCaso(const char* texto) { return texto ? nombreDeCaso(std::string_view(texto)) : "Nulo"; }
inline std::string nombreDeCaso(const std::string& texto) { return nombreDeCaso(std::string_view(texto)); }
inline std::string nombreDeCaso(char letra) { return nombreDeCaso(std::string_view(&letra, 1)); }
template <class Entero>
    requires std::is_integral_v<Entero>
std::string nombreDeCaso(Entero valor) {
    return nombreDeCaso(std::to_string(valor));
}

// Names each case after its parameter, a text or a number:
// INSTANTIATE_TEST_SUITE_P(Casos, Suite, testing::Values("SOLUC", "PROFT"), NombreDelValor());
struct NombreDelValor {
    template <class Informacion>
    std::string operator()(const Informacion& informacion) const {
        return nombreDeCaso(informacion.param);
    }
};

// Names each case after the given fields of its parameter, joined by "_":
// INSTANTIATE_TEST_SUITE_P(Casos, Suite, testing::Values(...), NombrePor<&Caso::texto>());
// With more than one field, the generator goes in parentheses (the macro would split it).
template <auto... Campos>
struct NombrePor {
    template <class Informacion>
    std::string operator()(const Informacion& informacion) const {
        std::string nombre;
        ((nombre += (nombre.empty() ? "" : "_") + nombreDeCaso(informacion.param.*Campos)), ...);
        return nombre;
    }
};

}  // namespace ttz::pruebas
