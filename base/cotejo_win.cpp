#include <windows.h>

#include "base/cotejo.h"
#include "base/errores.h"
#include "base/windows1252.h"

namespace ttz {
namespace {

std::wstring deWindows1252(std::string_view texto) {
    std::wstring ancho(texto.size(), L'\0');
    for (std::size_t i = 0; i < texto.size(); ++i) ancho[i] = unicodeDeWindows1252(static_cast<unsigned char>(texto[i]));
    return ancho;
}

std::wstring deUtf8(std::string_view texto) {
    if (texto.empty()) return {};
    const int largo = MultiByteToWideChar(CP_UTF8, 0, texto.data(), static_cast<int>(texto.size()), nullptr, 0);
    std::wstring ancho(static_cast<std::size_t>(largo), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, texto.data(), static_cast<int>(texto.size()), ancho.data(), largo);
    return ancho;
}

// "es_ES" names the locale "es-ES" for the system.
std::wstring nombreDeLocale(const std::string& locale) {
    std::wstring nombre(locale.begin(), locale.end());
    for (auto& c : nombre) if (c == L'_') c = L'-';
    return nombre;
}

}  // namespace

// An empty name stands for the user's default locale.
struct Cotejo::Sistema {
    std::wstring locale;
    const wchar_t* nombre() const { return locale.empty() ? LOCALE_NAME_USER_DEFAULT : locale.c_str(); }
    int comparar(const std::wstring& a, const std::wstring& b) const {
        return CompareStringEx(nombre(), NORM_IGNORECASE, a.data(), static_cast<int>(a.size()), b.data(),
                               static_cast<int>(b.size()), nullptr, nullptr, 0) - CSTR_EQUAL;
    }
};

Cotejo::Cotejo(const std::string& locale) : sistema_(std::make_unique<Sistema>(Sistema{nombreDeLocale(locale)})) {
    if (!locale.empty() && !IsValidLocaleName(sistema_->locale.c_str()))
        throw Error("No se pueden comparar textos en el idioma '" + locale +
                    "': revise el idioma y la regi\xF3n de su usuario en el sistema");
}

Cotejo::~Cotejo() = default;

int Cotejo::compararUtf8(std::string_view a, std::string_view b) const {
    return sistema_->comparar(deUtf8(a), deUtf8(b));
}

std::string Cotejo::clave(std::string_view texto) const {
    const std::wstring ancho = deWindows1252(texto);
    const DWORD banderas = LCMAP_SORTKEY | NORM_IGNORECASE;
    const int largo = static_cast<int>(ancho.size());
    const int bytes = LCMapStringEx(sistema_->nombre(), banderas, ancho.data(), largo, nullptr, 0, nullptr, nullptr, 0);
    std::string clave(static_cast<std::size_t>(bytes), '\0');
    LCMapStringEx(sistema_->nombre(), banderas, ancho.data(), largo, reinterpret_cast<LPWSTR>(clave.data()), bytes,
                  nullptr, nullptr, 0);
    if (!clave.empty() && clave.back() == '\0') clave.pop_back();  // the closing zero byte
    return clave;
}

}  // namespace ttz
