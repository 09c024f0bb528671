#include <gtest/gtest.h>

#include "core/Cisla.h"
#include "tools/Pozadavek.h"

using namespace drun;

TEST(Pozadavek, KrivkaN30) {
    DrunVar var;
    NastavPozadavek(var, NKrivky[4]);
    EXPECT_EQ(CisloNKrivky(5), 30);
    EXPECT_DOUBLE_EQ(var.Pozadavek[0], 59.2);
    EXPECT_DOUBLE_EQ(var.Pozadavek[7], 22.9);
    EXPECT_EQ(FormatHodnota(var.Pozadavek[LA]), "39.2");
}

TEST(Pozadavek, KrivkyMajiCisloNaKilohertzu) {
    for (int i = 1; i <= PocetNKrivek; ++i) {
        EXPECT_DOUBLE_EQ(NKrivky[static_cast<size_t>(i - 1)][4], CisloNKrivky(i));
        // falling with frequency, as every noise-rating curve does
        for (int b = 1; b < PocetPasem; ++b)
            EXPECT_LT(NKrivky[static_cast<size_t>(i - 1)][static_cast<size_t>(b)],
                      NKrivky[static_cast<size_t>(i - 1)][static_cast<size_t>(b - 1)]);
    }
    EXPECT_EQ(CisloNKrivky(14), 75);
}
