#include "base/cotejo.h"

#include <unicode/coll.h>
#include <unicode/locid.h>
#include <unicode/unistr.h>

#include "base/errores.h"
#include "base/windows1252.h"

namespace ttz {
namespace {

icu::UnicodeString aUnicode(std::string_view texto) {
    icu::UnicodeString unicode;
    const auto largo = static_cast<int32_t>(texto.size());
    char16_t* destino = unicode.getBuffer(largo);
    for (int32_t i = 0; i < largo; ++i) destino[i] = unicodeDeWindows1252(static_cast<unsigned char>(texto[i]));
    unicode.releaseBuffer(largo);
    return unicode;
}

// The POSIX locale that a bare "C" environment gives sorts capitals apart from small letters;
// the neutral order of the root locale ignores case as the tool needs.
icu::Locale localeDe(const std::string& nombre) {
    const icu::Locale locale = nombre.empty() ? icu::Locale::getDefault() : icu::Locale(nombre.c_str());
    return std::string_view(locale.getVariant()) == "POSIX" ? icu::Locale::getRoot() : locale;
}

}  // namespace

struct Cotejo::Sistema {
    std::unique_ptr<icu::Collator> collator;
};

Cotejo::Cotejo(const std::string& locale) : sistema_(std::make_unique<Sistema>()) {
    UErrorCode estado = U_ZERO_ERROR;
    sistema_->collator.reset(icu::Collator::createInstance(localeDe(locale), estado));
    if (U_FAILURE(estado) || !sistema_->collator)
        throw Error("No se pueden comparar textos en el idioma '" + locale +
                    "': revise el idioma y la regi\xF3n de su usuario en el sistema");
    sistema_->collator->setStrength(icu::Collator::SECONDARY);
}

Cotejo::~Cotejo() = default;

int Cotejo::compararUtf8(std::string_view a, std::string_view b) const {
    UErrorCode estado = U_ZERO_ERROR;
    return sistema_->collator->compareUTF8(icu::StringPiece(a.data(), static_cast<int32_t>(a.size())),
                                            icu::StringPiece(b.data(), static_cast<int32_t>(b.size())), estado);
}

std::string Cotejo::clave(std::string_view texto) const {
    const icu::UnicodeString unicode = aUnicode(texto);
    std::string clave(texto.size() * 4 + 16, '\0');
    auto destino = [&clave] { return reinterpret_cast<uint8_t*>(clave.data()); };
    int32_t largo = sistema_->collator->getSortKey(unicode, destino(), static_cast<int32_t>(clave.size()));
    if (largo > static_cast<int32_t>(clave.size())) {
        clave.resize(largo);
        largo = sistema_->collator->getSortKey(unicode, destino(), largo);
    }
    clave.resize(largo > 0 ? largo - 1 : 0);  // without the closing zero byte
    return clave;
}

}  // namespace ttz
