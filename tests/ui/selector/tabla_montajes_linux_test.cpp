// The drives of Linux: the mount table, the kinds of drive and the system's own drives.
#include <gtest/gtest.h>

#include <map>

#include "comun/nombre_caso.h"
#include "ui/selector/tabla_montajes_linux.h"
#include "ui/selector/unidades.h"

namespace ttz::ui {
namespace {

using enum TipoUnidad;

constexpr const char* kTablaEjemplo =
    "proc /proc proc rw,nosuid,nodev,noexec,relatime 0 0\n"
    "sysfs /sys sysfs rw,nosuid,nodev,noexec,relatime 0 0\n"
    "udev /dev devtmpfs rw,nosuid,relatime,size=8112356k 0 0\n"
    "devpts /dev/pts devpts rw,nosuid,noexec,relatime 0 0\n"
    "tmpfs /run tmpfs rw,nosuid,nodev,noexec,relatime 0 0\n"
    "/dev/sda2 / ext4 rw,relatime,errors=remount-ro 0 0\n"
    "securityfs /sys/kernel/security securityfs rw 0 0\n"
    "cgroup2 /sys/fs/cgroup cgroup2 rw 0 0\n"
    "tmpfs /tmp tmpfs rw,nosuid,nodev 0 0\n"
    "/dev/sda1 /boot/efi vfat rw,relatime 0 0\n"
    "/dev/sda3 /home ext4 rw,relatime 0 0\n"
    "systemd-1 /proc/sys/fs/binfmt_misc autofs rw 0 0\n"
    "tmpfs /run/user/1000 tmpfs rw,nosuid,nodev 0 0\n"
    "gvfsd-fuse /run/user/1000/gvfs fuse.gvfsd-fuse rw 0 0\n"
    "/dev/sdb1 /media/ana/USB\\040ZEDA vfat rw,nosuid,nodev 0 0\n"
    "/dev/sr0 /media/ana/CD\\040ZEDA iso9660 ro,nosuid,nodev 0 0\n"
    "/dev/sdc1 /run/media/ana/Pendrive ext4 rw 0 0\n"
    "//servidor/datos /mnt/centro cifs rw,vers=3.0 0 0\n"
    "servidor:/export /mnt/red nfs4 rw,relatime 0 0\n"
    "ana@casa:/srv /home/ana/remoto fuse.sshfs rw 0 0\n"
    "/dev/loop0 /snap/core/123 squashfs ro 0 0\n"
    "overlay /var/lib/docker/overlay2/abc/merged overlay rw 0 0\n"
    "incompleta /mnt\n"
    "\n";

const std::map<std::string, std::string> kEtiquetas{{"/dev/sda2", "sistema"},
                                                     {"/dev/sr0", "ZEDA 2024"}};

std::string etiquetaDe(const Montaje& montaje) {
    const auto etiqueta = kEtiquetas.find(montaje.origen);
    return etiqueta == kEtiquetas.end() ? std::string() : etiqueta->second;
}

TEST(TablaMontajes, LeeOrigenPuntoYTipoConEscapes) {
    const auto montajes = leerTablaMontajes(kTablaEjemplo);
    ASSERT_EQ(montajes.size(), 22u);  // the incomplete and the empty line are left out
    EXPECT_EQ(montajes[0], (Montaje{"proc", "/proc", "proc"}));
    EXPECT_EQ(montajes[14], (Montaje{"/dev/sdb1", "/media/ana/USB ZEDA", "vfat"}));
}

TEST(TablaMontajes, DeshaceLosEscapesOctales) {
    EXPECT_EQ(desescaparOctal("/mnt/a\\040b\\011c\\012d\\134e"), "/mnt/a b\tc\nd\\e");
    EXPECT_EQ(desescaparOctal("/mnt/\\08x\\12"), "/mnt/\\08x\\12");
    EXPECT_EQ(desescaparOctal("/mnt/\\101"), "/mnt/A");
}

TEST(TablaMontajes, UnidadesDeSistemaDeEjemplo) {
    const std::vector<Unidad> esperadas{
        {"/", "/ [sistema]", Fija},
        {"/boot/efi", "/boot/efi []", Fija},
        {"/home", "/home []", Fija},
        {"/home/ana/remoto", "/home/ana/remoto ana@casa:/srv", Red},
        {"/media/ana/CD ZEDA", "/media/ana/CD ZEDA [ZEDA 2024]", Optica},
        {"/media/ana/USB ZEDA", "/media/ana/USB ZEDA", Extraible},
        {"/mnt/centro", "/mnt/centro //servidor/datos", Red},
        {"/mnt/red", "/mnt/red servidor:/export", Red},
        {"/run/media/ana/Pendrive", "/run/media/ana/Pendrive", Extraible},
        {"/tmp", "/tmp []", Ram},
    };
    EXPECT_EQ(unidadesDeMontajes(leerTablaMontajes(kTablaEjemplo), etiquetaDe), esperadas);
}

TEST(TablaMontajes, LaRaizDeUnContenedorSeQueda) {
    const auto unidades = unidadesDeMontajes(
        leerTablaMontajes("overlay / overlay rw,lowerdir=/l,upperdir=/u 0 0\n"
                          "overlay /var/lib/x overlay rw 0 0\n"),
        etiquetaDe);
    EXPECT_EQ(unidades, (std::vector<Unidad>{{"/", "/ []", Fija}}));
}

TEST(TablaMontajes, UnPuntoMontadoDosVecesTomaLaUltimaLinea) {
    const auto unidades = unidadesDeMontajes(
        leerTablaMontajes("/dev/sdb1 /mnt/datos ext4 rw 0 0\n"
                          "srv:/datos /mnt/datos nfs rw 0 0\n"),
        etiquetaDe);
    EXPECT_EQ(unidades, (std::vector<Unidad>{{"/mnt/datos", "/mnt/datos srv:/datos", Red}}));
}

struct CasoClase {
    Montaje montaje;
    std::optional<TipoUnidad> tipo;
};

class ClaseDeMontaje : public testing::TestWithParam<CasoClase> {};

TEST_P(ClaseDeMontaje, Tipo) {
    EXPECT_EQ(clasificarMontaje(GetParam().montaje), GetParam().tipo);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, ClaseDeMontaje,
    testing::Values(CasoClase{{"/dev/sr0", "/run/media/ana/DVD", "udf"}, Optica},
                    CasoClase{{"srv:/x", "/media/red", "nfs"}, Red},
                    CasoClase{{"/dev/sdb1", "/media", "ext4"}, Extraible},
                    CasoClase{{"/dev/sdb1", "/mediateca", "ext4"}, Fija},
                    CasoClase{{"tmpfs", "/dev/shm", "tmpfs"}, std::nullopt},
                    CasoClase{{"/dev/vdb", "/run/algo", "ext4"}, std::nullopt},
                    CasoClase{{"mqueue", "/dev/mqueue", "mqueue"}, std::nullopt},
                    CasoClase{{"/dev/sr0", "/", "iso9660"}, Optica},
                    CasoClase{{"tmpfs", "/tmp", "tmpfs"}, Ram},
                    CasoClase{{"tmpfs", "/mnt/secretos", "tmpfs"}, std::nullopt},
                    CasoClase{{"tmpfs", "/media/ana/RAM", "tmpfs"}, Extraible}),
    [](const auto& info) { return pruebas::nombreDeCaso(info.param.montaje.punto); });

TEST(TablaMontajes, EtiquetasComoLasEscribeElSistema) {
    EXPECT_EQ(desescaparEtiqueta("ZEDA\\x202024"), "ZEDA 2024");
    EXPECT_EQ(desescaparEtiqueta("a\\x2fb\\x"), "a/b\\x");
    EXPECT_EQ(desescaparEtiqueta("sin\\xZZ"), "sin\\xZZ");
}

TEST(Unidades, ElSistemaTieneRaizYNingunaCarpetaDelSistema) {
    const auto unidades = unidadesDelSistema();
    ASSERT_FALSE(unidades.empty());
    EXPECT_EQ(unidades.front().raiz, "/");
    for (const auto& unidad : unidades) {
        EXPECT_FALSE(unidad.raiz.starts_with("/proc")) << unidad.raiz;
        EXPECT_FALSE(unidad.raiz.starts_with("/sys")) << unidad.raiz;
        EXPECT_FALSE(unidad.raiz.starts_with("/dev")) << unidad.raiz;
    }
}

}  // namespace
}  // namespace ttz::ui
