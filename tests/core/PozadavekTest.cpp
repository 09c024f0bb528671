#include <gtest/gtest.h>

#include "core/Cisla.h"
#include "tools/Pozadavek.h"
#include "tools/Soucet.h"

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

// A limit in dB(A): bands L_A + K_A, its L(A) the limit itself, written by its
// name with at most one decimal; the same bands typed as levels stay levels.
TEST(Pozadavek, LimitLA) {
    const struct {
        const char* text;
        std::array<double, PocetPasem> pasma;
        double la;
        const char* zpet;
    } pripady[] = {
        {"LA35", {56, 46, 39, 33, 30, 29, 29, 31}, 35, "LA35"},
        {"la32.5", {53.5, 43.5, 36.5, 30.5, 27.5, 26.5, 26.5, 28.5}, 32.5, "LA32.5"},
        {"LA35.0", {56, 46, 39, 33, 30, 29, 29, 31}, 35, "LA35"},
        {"LA6", {27, 17, 10, 4, 1, 0, 0, 2}, 6, "LA6"},
        {"LA129", {150, 140, 133, 127, 124, 123, 123, 125}, 129, "LA129"},
    };
    for (const auto& p : pripady) {
        SCOPED_TRACE(p.text);
        const auto s = PozadavekZTextu(p.text);
        ASSERT_TRUE(s);
        EXPECT_EQ(CtiPozadavek(p.text), p.pasma);
        EXPECT_EQ((*s)[LA], p.la);
        EXPECT_EQ(TextPozadavku(*s), p.zpet);
        // The difference's L(A) is the distance from the limit.
        Spectrum vysledek{};
        NastavPozadavek(vysledek, {40, 40, 40, 40, 40, 40, 40, 40});
        EXPECT_DOUBLE_EQ(VyhodnotSoucet(vysledek, *s).Rozdil[LA], vysledek[LA] - p.la);
    }
    for (const char* spatne : {"LA5.9", "LA129.1", "LA32.55", "LA", "LA35.", "LA.5", "LA 35",
                               "LA+35", "LA3.5e1", "LA-10", "LAx", "LA35 ", "LB35"})
        EXPECT_FALSE(PozadavekZTextu(spatne)) << spatne;
    const auto pasma = PozadavekZTextu("56 46 39 33 30 29 29 31");
    ASSERT_TRUE(pasma);
    EXPECT_EQ(FormatHodnota((*pasma)[LA]), "39.0");
    EXPECT_EQ(TextPozadavku(*pasma), "56 46 39 33 30 29 29 31");
}
