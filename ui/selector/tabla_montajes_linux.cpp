#include "ui/selector/tabla_montajes_linux.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <map>
#include <sstream>

namespace ttz::ui {

namespace {

constexpr std::array kTiposSistema = {
    "autofs",   "binfmt_misc", "bpf",        "cgroup",      "cgroup2",    "configfs",
    "debugfs",  "devfs",       "devpts",     "devtmpfs",    "efivarfs",   "fuse.gvfsd-fuse",
    "fuse.lxcfs", "fuse.portal", "fusectl",  "hugetlbfs",   "mqueue",     "nfsd",
    "nsfs",     "overlay",     "pipefs",     "proc",        "pstore",     "rpc_pipefs",
    "securityfs", "selinuxfs", "sockfs",     "squashfs",    "sysfs",      "tracefs",
};
constexpr std::array kTiposRed = {
    "9p",     "afs",    "ceph",         "cifs",       "davfs",     "fuse.rclone",
    "fuse.s3fs", "fuse.sshfs", "glusterfs", "ncpfs", "nfs", "nfs4", "smb3", "smbfs", "sshfs",
};
constexpr std::array kTiposOpticos = {"iso9660", "udf"};
constexpr std::array kTiposRam = {"ramfs", "tmpfs"};
// Folders where the system mounts its own file systems.
constexpr std::array kAreasSistema = {"/dev", "/proc", "/run", "/snap", "/sys"};
constexpr std::array kAreasExtraibles = {"/media", "/run/media"};

template <std::size_t N>
bool contiene(const std::array<const char*, N>& lista, const std::string& valor) {
    return std::find(lista.begin(), lista.end(), valor) != lista.end();
}

// The path is the folder or lies below it.
bool dentroDe(const std::string& ruta, std::string_view carpeta) {
    return ruta.starts_with(carpeta) &&
           (ruta.size() == carpeta.size() || ruta[carpeta.size()] == '/');
}

template <std::size_t N>
bool dentroDeAlguna(const std::string& ruta, const std::array<const char*, N>& carpetas) {
    return std::any_of(carpetas.begin(), carpetas.end(),
                       [&](const char* carpeta) { return dentroDe(ruta, carpeta); });
}

bool esOctal(char c) { return c >= '0' && c <= '7'; }

}  // namespace

std::string desescaparOctal(std::string_view texto) {
    std::string resultado;
    for (std::size_t i = 0; i < texto.size(); ++i) {
        if (texto[i] == '\\' && i + 3 < texto.size() && esOctal(texto[i + 1]) &&
            esOctal(texto[i + 2]) && esOctal(texto[i + 3])) {
            resultado += static_cast<char>((texto[i + 1] - '0') * 64 + (texto[i + 2] - '0') * 8 +
                                           (texto[i + 3] - '0'));
            i += 3;
        } else {
            resultado += texto[i];
        }
    }
    return resultado;
}

std::vector<Montaje> leerTablaMontajes(std::string_view texto) {
    std::vector<Montaje> montajes;
    std::istringstream lineas{std::string(texto)};
    std::string linea;
    while (std::getline(lineas, linea)) {
        std::istringstream campos(linea);
        std::string origen, punto, tipo;
        if (campos >> origen >> punto >> tipo)
            montajes.push_back({desescaparOctal(origen), desescaparOctal(punto),
                                desescaparOctal(tipo)});
    }
    return montajes;
}

std::optional<TipoUnidad> clasificarMontaje(const Montaje& montaje) {
    const auto& punto = montaje.punto;
    if (contiene(kTiposRed, montaje.tipo)) return TipoUnidad::Red;
    if (contiene(kTiposOpticos, montaje.tipo)) return TipoUnidad::Optica;
    if (punto == "/") return TipoUnidad::Fija;
    if (contiene(kTiposSistema, montaje.tipo)) return std::nullopt;
    if (dentroDeAlguna(punto, kAreasExtraibles)) return TipoUnidad::Extraible;
    if (dentroDeAlguna(punto, kAreasSistema)) return std::nullopt;
    if (contiene(kTiposRam, montaje.tipo)) {
        if (!dentroDe(punto, "/tmp")) return std::nullopt;
        return TipoUnidad::Ram;
    }
    return TipoUnidad::Fija;
}

std::vector<Unidad> unidadesDeMontajes(const std::vector<Montaje>& montajes,
                                       const std::function<std::string(const Montaje&)>& etiqueta) {
    std::map<std::string, const Montaje*> porPunto;
    for (const auto& montaje : montajes) porPunto[montaje.punto] = &montaje;
    std::vector<Unidad> unidades;
    for (const auto& [punto, montaje] : porPunto) {
        const auto tipo = clasificarMontaje(*montaje);
        if (!tipo) continue;
        const auto detalle = *tipo == TipoUnidad::Red ? montaje->origen : etiqueta(*montaje);
        unidades.push_back({punto, textoUnidad(punto, *tipo, detalle), *tipo});
    }
    return unidades;
}

std::string desescaparEtiqueta(std::string_view nombre) {
    std::string resultado;
    for (std::size_t i = 0; i < nombre.size(); ++i) {
        if (nombre.substr(i, 2) == "\\x" && i + 3 < nombre.size() &&
            std::isxdigit(static_cast<unsigned char>(nombre[i + 2])) &&
            std::isxdigit(static_cast<unsigned char>(nombre[i + 3]))) {
            resultado += static_cast<char>(std::stoi(std::string(nombre.substr(i + 2, 2)), nullptr, 16));
            i += 3;
        } else {
            resultado += nombre[i];
        }
    }
    return resultado;
}

}  // namespace ttz::ui
