#include "fallos/disco_lleno.h"

#include <sched.h>
#include <sys/mount.h>
#include <sys/statvfs.h>

#include <algorithm>
#include <fstream>
#include <string>

namespace ttz::pruebas {

DiscoLleno::DiscoLleno(std::filesystem::path punto) : punto_(std::move(punto)) {
    montado_ = ::unshare(CLONE_NEWNS) == 0 && ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
               ::mount("ttz-lleno", punto_.c_str(), "tmpfs", 0, "size=1m") == 0;
}

void DiscoLleno::llenarHasta(int kbLibres) const {
    struct statvfs sistema {};
    ::statvfs(punto_.c_str(), &sistema);
    const auto libres = static_cast<long long>(sistema.f_bavail) * static_cast<long long>(sistema.f_frsize);
    std::ofstream(punto_ / "relleno", std::ios::binary) << std::string(std::max(0LL, libres - kbLibres * 1024LL), 'r');
}

void DiscoLleno::vaciar() const { std::filesystem::remove(punto_ / "relleno"); }

}  // namespace ttz::pruebas
