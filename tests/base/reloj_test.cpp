// The local clock: its reading, taken back to a moment by the C library's mktime, is now.
#include <gtest/gtest.h>

#include <ctime>

#include "base/reloj.h"

namespace ttz {
namespace {

TEST(RelojLocal, SuLecturaEnHoraLocalEsAhora) {
    const FechaHora leida = RelojLocal().ahora();
    std::tm local{};
    local.tm_year = leida.anio - 1900;
    local.tm_mon = leida.mes - 1;
    local.tm_mday = leida.dia;
    local.tm_hour = leida.hora;
    local.tm_min = leida.minuto;
    local.tm_isdst = -1;
    const double transcurrido = std::difftime(std::time(nullptr), std::mktime(&local));
    EXPECT_GE(transcurrido, 0);
    EXPECT_LT(transcurrido, 120);
}

}  // namespace
}  // namespace ttz
