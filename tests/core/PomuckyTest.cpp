#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/Cisla.h"
#include "tools/AkTlak.h"
#include "tools/Prevod.h"

using namespace drun;

namespace {
Spectrum Vsude(double v) {
    Spectrum s{};
    NaplnSpektrum(s, v);
    return s;
}
} // namespace

TEST(AkTlak, ZakonVzdalenosti) {
    struct Radek {
        double r1, r2, vstup, vystup;
    };
    const Radek tab[] = {
        {1, 1, 60, 60},          // same distance, same levels
        {1, 2, 60, 60 - 6.0206}, // doubling lowers by 6.0 dB
        {2, 1, 60, 60 + 6.0206}, // halving raises by the same
        {1, 100, 60, 20},        // 1 -> 100 m is 40 dB
        {1, 100, 39.9, 0},       // below zero becomes 0
        {100, 1, 110, 150},      // no ceiling
        {50, 50, 0, 0},
    };
    for (const Radek& r : tab) {
        const auto s = PrevedTlak(Vsude(r.vstup), r.r1, r.r2);
        ASSERT_TRUE(s) << r.r1 << " -> " << r.r2;
        for (int i = 0; i < PocetPasem; ++i)
            EXPECT_NEAR((*s)[i], r.vystup, 1e-4);
        EXPECT_NEAR((*s)[LA], Vsude(r.vystup)[LA], 1e-4);
    }
    EXPECT_EQ(FormatHodnota(60 - (*PrevedTlak(Vsude(60), 1, 2))[0]), "6.0");
}

TEST(AkTlak, PasmaSePrevadejiKazdeZvlast) {
    Spectrum s{30, 35, 40, 45, 50, 55, 60, 65, 0};
    SpoctiLA(s);
    const auto v = PrevedTlak(s, 1, 100);
    ASSERT_TRUE(v);
    const std::array<const char*, PocetPasem> cekane{"0.0",  "0.0",  "0.0",  "5.0",
                                                     "10.0", "15.0", "20.0", "25.0"};
    for (int i = 0; i < PocetPasem; ++i)
        EXPECT_EQ(FormatHodnota((*v)[i]), cekane[i]);
    Spectrum ocekavane{0, 0, 0, 5, 10, 15, 20, 25, 0};
    SpoctiLA(ocekavane);
    EXPECT_NEAR((*v)[LA], ocekavane[LA], 1e-9);
}

TEST(AkTlak, VzdalenostMimoRozsahNicNemeni) {
    AkTlakStav stav;
    ASSERT_TRUE(PrevedAkTlak(stav, {70, 70, 70, 70, 70, 70, 70, 70}, 1, 2));
    const AkTlakStav pred = stav;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (auto [r1, r2] : {std::pair{0.0, 2.0},
                          {-1.0, 2.0},
                          {1.0, 0.0},
                          {0.99, 2.0},
                          {1.0, 100.01},
                          {nan, 2.0},
                          {1.0, INFINITY}}) {
        EXPECT_FALSE(PrevedTlak(Vsude(50), r1, r2)) << r1 << " " << r2;
        EXPECT_FALSE(PrevedAkTlak(stav, {10, 10, 10, 10, 10, 10, 10, 10}, r1, r2));
        EXPECT_EQ(stav.Vstup, pred.Vstup);
        EXPECT_EQ(stav.Vystup, pred.Vystup);
        EXPECT_EQ(stav.Vzd1, 1);
        EXPECT_EQ(stav.Vzd2, 2);
    }
    // the limits themselves are accepted
    EXPECT_TRUE(PrevedTlak(Vsude(50), MinVzdalenost, MaxVzdalenost));
    EXPECT_TRUE(PrevedTlak(Vsude(50), MaxVzdalenost, MinVzdalenost));
}

TEST(AkTlak, StavDrziVzdalenostiAZdrojSeNacitaZnovu) {
    DrunVar var;
    AkTlakStav stav;
    EXPECT_EQ(stav.Vzd1, 1);
    EXPECT_EQ(stav.Vzd2, 2);
    ASSERT_TRUE(PrevedAkTlak(stav, {80, 80, 80, 80, 80, 80, 80, 80}, 4, 8));
    EXPECT_EQ(stav.Vzd1, 4);
    EXPECT_EQ(stav.Vzd2, 8);
    EXPECT_NEAR(stav.Vstup[LA], 86.987, 5e-4);
    EXPECT_EQ(FormatHodnota(stav.Vystup[0]), "74.0");

    Spectrum& zdroj = var.cesta.Prvek(1).VlastniDrun;
    zdroj = {90, 85, 80, 75, 70, 65, 60, 55, 0};
    SpoctiLA(zdroj);
    NactiZdroj(stav, var);
    EXPECT_EQ(stav.Vstup, zdroj); // L(A) included
    EXPECT_EQ(stav.Vzd1, 4);
    EXPECT_EQ(stav.Vzd2, 8);
}

TEST(Prevod, VazenaHladina) {
    struct Radek {
        std::array<double, PocetPasem> hladiny;
        const char* a;
        const char* b;
        const char* c;
    };
    const Radek tab[] = {
        {{0, 0, 0, 0, 0, 0, 0, 0}, "7.0", "7.4", "8.5"},     // the corrections alone
        {{0, 0, 0, 0, 80, 0, 0, 0}, "80.0", "80.0", "80.0"}, // 0 dB at 1 kHz everywhere
        {{0, 60, 0, 0, 0, 0, 0, 0}, "43.9", "55.8", "59.8"},
        {{80, 80, 80, 80, 80, 80, 80, 80}, "87.0", "87.4", "88.5"},
    };
    for (const Radek& r : tab) {
        EXPECT_EQ(FormatHodnota(PrevedNaLx(r.hladiny, VazeniA)), r.a);
        EXPECT_EQ(FormatHodnota(PrevedNaLx(r.hladiny, VazeniB)), r.b);
        EXPECT_EQ(FormatHodnota(PrevedNaLx(r.hladiny, VazeniC)), r.c);
    }
}

TEST(Prevod, TabulkyANazvy) {
    EXPECT_EQ(VahaPrevodu(VazeniA), VahaA);
    EXPECT_EQ(VahaPrevodu(VazeniB), VahaB);
    EXPECT_EQ(VahaPrevodu(VazeniC), VahaC);
    EXPECT_STREQ(NazevPrevodu(VazeniA), "L(A)");
    EXPECT_STREQ(NazevPrevodu(VazeniB), "L(B)");
    EXPECT_STREQ(NazevPrevodu(VazeniC), "L(C)");
    // an unknown choice falls back to A instead of reading past the tables
    EXPECT_EQ(VahaPrevodu(3), VahaA);
    EXPECT_EQ(VahaPrevodu(-1), VahaA);
    EXPECT_STREQ(NazevPrevodu(7), "L(A)");
    // the A weighting here is the one every L(A) of the program uses
    Spectrum s{50, 55, 60, 65, 70, 65, 60, 55, 0};
    SpoctiLA(s);
    EXPECT_DOUBLE_EQ(PrevedNaLx({50, 55, 60, 65, 70, 65, 60, 55}, VazeniA), s[LA]);
}
