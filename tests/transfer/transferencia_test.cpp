#include "transfer/transferencia.h"

#include <gtest/gtest.h>

#include <ctime>

#include "base/archivos.h"
#include "base/reloj.h"
#include "base/sistema.h"

namespace ttz {
namespace {

TEST(ComponerCarpeta, AnadeElSeparador) {
    const std::string separador(1, separadorCarpetas());
    EXPECT_EQ(componerCarpeta("/home/ana/zeda"), "/home/ana/zeda" + separador);
    EXPECT_EQ(componerCarpeta("/"), "/" + separador);
}

TEST(RelojLocal, DaLaHoraLocalDeAhora) {
    const std::time_t antes = std::time(nullptr);
    const FechaHora ahora = RelojLocal().ahora();
    const std::tm local = horaLocal(antes);
    EXPECT_EQ(ahora.anio, local.tm_year + 1900);
    EXPECT_EQ(ahora.mes, local.tm_mon + 1);
    EXPECT_EQ(ahora.dia, local.tm_mday);
    EXPECT_EQ(ahora.hora, local.tm_hour);
    EXPECT_GE(ahora.minuto, 0);
    EXPECT_LE(ahora.minuto, 59);
}

}  // namespace
}  // namespace ttz
