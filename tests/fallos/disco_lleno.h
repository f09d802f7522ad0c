#pragma once
// A small memory file system that a test can fill up, mounted in a mount namespace of the
// calling process only (call it in a child: see enHijo). Needs the right to mount; Linux.
#include <filesystem>

namespace ttz::pruebas {

class DiscoLleno {
public:
    // Mounts 1 MiB on the folder; montado() is false when the system refuses it.
    explicit DiscoLleno(std::filesystem::path punto);

    bool montado() const { return montado_; }
    // Fills the file system until only that many KiB are free.
    void llenarHasta(int kbLibres) const;
    void vaciar() const;

private:
    std::filesystem::path punto_;
    bool montado_ = false;
};

}  // namespace ttz::pruebas
