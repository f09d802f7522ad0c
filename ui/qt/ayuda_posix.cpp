// Without the compiled help viewer, the help file goes to the desktop's viewer for its type;
// a topic opens the file as a whole.
#include <QDesktopServices>
#include <QString>
#include <QUrl>

#include "app/ayuda.h"

namespace ttz {
namespace {

class VisorEscritorio : public VisorAyuda {
public:
    void mostrar(const std::filesystem::path& archivo, unsigned, std::uintptr_t) override {
        std::error_code error;
        if (!std::filesystem::is_regular_file(archivo, error)) return;
        QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(archivo.string())));
    }
};

}  // namespace

std::unique_ptr<VisorAyuda> crearVisorAyuda() { return std::make_unique<VisorEscritorio>(); }

}  // namespace ttz
