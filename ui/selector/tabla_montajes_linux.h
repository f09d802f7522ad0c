#pragma once
// The system's mount table (the text of /proc/self/mounts) and what the drive list makes of
// it: the mounted file systems a user keeps files on, each with its kind.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/selector/unidades.h"

namespace ttz::ui {

struct Montaje {
    std::string origen;  // device or remote source ("/dev/sda1", "servidor:/export")
    std::string punto;   // mount point
    std::string tipo;    // file system type ("ext4", "nfs4")

    bool operator==(const Montaje&) const = default;
};

// One mount per well-formed line, with the octal escapes ("\040" for a blank) undone.
std::vector<Montaje> leerTablaMontajes(std::string_view texto);

// Undoes the table's octal escapes: a backslash and three octal digits give that byte.
std::string desescaparOctal(std::string_view texto);

// The kind of a mount, or nothing for the system's own file systems (proc, sysfs, cgroup,
// devpts, overlay below the root, anything under /dev, /proc, /run, /snap or /sys...), which
// the list leaves out. The root "/" is always kept, also when it is a container's overlay.
// Memory file systems (tmpfs) are RAM disks: the system makes many for its own use, so only
// /tmp, where a user may save files, and those on removable media's folders are kept.
std::optional<TipoUnidad> clasificarMontaje(const Montaje& montaje);

// The drive list's rows: the kept mounts sorted by mount point, a mount point mounted twice
// taken from its last line (the one on top). A network share shows its source, the others
// the volume label that etiqueta gives.
std::vector<Unidad> unidadesDeMontajes(const std::vector<Montaje>& montajes,
                                       const std::function<std::string(const Montaje&)>& etiqueta);

// A volume label as the system spells it in a link name: "\xNN" escapes a byte.
std::string desescaparEtiqueta(std::string_view nombre);

}  // namespace ttz::ui
