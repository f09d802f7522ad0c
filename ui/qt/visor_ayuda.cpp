#include "ui/qt/visor_ayuda.h"

#include <QDesktopServices>
#include <QFile>
#include <QUrl>

namespace ttz::ui {

void VisorEscritorio::mostrar(const std::filesystem::path& archivo, unsigned, std::uintptr_t) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(archivo, error)) return;
    QDesktopServices::openUrl(QUrl::fromLocalFile(QFile::decodeName(QByteArray::fromStdString(archivo.native()))));
}

}  // namespace ttz::ui
