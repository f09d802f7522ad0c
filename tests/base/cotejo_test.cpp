#include "base/cotejo.h"

#include <gtest/gtest.h>

#include <string>

#include "comun/nombre_caso.h"

namespace ttz {
namespace {

int signo(int valor) { return (valor > 0) - (valor < 0); }

struct CasoCotejo {
    std::string a;
    std::string b;
    int orden;
};

void PrintTo(const CasoCotejo& caso, std::ostream* salida) {
    *salida << testing::PrintToString(caso.a) << ", " << testing::PrintToString(caso.b);
}

class CotejoEspanol : public testing::TestWithParam<CasoCotejo> {
protected:
    Cotejo cotejo{"es_ES"};
};

TEST_P(CotejoEspanol, LasClavesOrdenanIgual) {
    const auto a = cotejo.clave(GetParam().a);
    const auto b = cotejo.clave(GetParam().b);
    EXPECT_EQ(signo(a.compare(b)), GetParam().orden);
}

INSTANTIATE_TEST_SUITE_P(Textos, CotejoEspanol, testing::Values(
    CasoCotejo{"abc", "ABC", 0},
    CasoCotejo{"Mat", "MAT", 0},
    CasoCotejo{"\xF1" "a", "\xD1" "A", 0},
    CasoCotejo{"a", "\xE1", -1},
    CasoCotejo{"1000", "800", -1},
    CasoCotejo{"", "a", -1},
    CasoCotejo{"", "", 0},
    CasoCotejo{"ab", "abc", -1},
    CasoCotejo{"n", "\xF1", -1},
    CasoCotejo{"\xF1", "o", -1},
    CasoCotejo{"MATES", "lengua", 1}), (pruebas::NombrePor<&CasoCotejo::a, &CasoCotejo::b>()));

TEST(Cotejo, LocalePOSIXIgnoraMayusculas) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows has no POSIX locale";
#endif
    const Cotejo cotejo("en_US_POSIX");
    EXPECT_EQ(cotejo.clave("abc"), cotejo.clave("ABC"));
    EXPECT_LT(cotejo.clave("a"), cotejo.clave("B"));
}

TEST(Cotejo, LocalePredeterminado) {
    const Cotejo cotejo;
    EXPECT_EQ(cotejo.clave("abc"), cotejo.clave("ABC"));
    EXPECT_NE(cotejo.clave("a"), cotejo.clave("\xE1"));
}

TEST(Cotejo, ClaveDeTextoLargoYBytesAltos) {
    const Cotejo cotejo("es_ES");
    const std::string largo(5000, '\x9C');
    EXPECT_EQ(cotejo.clave(largo), cotejo.clave(std::string(5000, '\x8C')));
    EXPECT_EQ(cotejo.clave(""), cotejo.clave(""));
    EXPECT_EQ(cotejo.clave("").find('\0'), std::string::npos);
}

}  // namespace
}  // namespace ttz
