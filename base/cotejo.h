#pragma once
// Text comparison of the user's locale that ignores letter case (accents count), on
// Windows-1252 bytes.
#include <memory>
#include <string>
#include <string_view>

namespace ttz {

class Cotejo {
public:
    // An empty locale name takes the user's default locale.
    explicit Cotejo(const std::string& locale = {});
    ~Cotejo();
    Cotejo(const Cotejo&) = delete;
    Cotejo& operator=(const Cotejo&) = delete;

    // A byte key: two texts are equal for this comparison exactly when their keys are equal,
    // and keys order like the texts.
    std::string clave(std::string_view texto) const;
    // Negative, zero or positive like strcmp, on UTF-8 text (names of files and folders as
    // the system stores them).
    int compararUtf8(std::string_view a, std::string_view b) const;

private:
    // The platform's comparison: ICU's collator, or the locale's name for Windows.
    struct Sistema;
    std::unique_ptr<Sistema> sistema_;
};

}  // namespace ttz
