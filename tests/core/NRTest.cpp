#include <gtest/gtest.h>

#include <cmath>

#include "core/Cisla.h"
#include "tools/NR.h"
#include "tools/Pozadavek.h"

using namespace drun;

namespace {

Spectrum Pasma(std::array<double, PocetPasem> p) {
    Spectrum s{};
    for (size_t i = 0; i < PocetPasem; ++i)
        s[i] = p[i];
    SpoctiLA(s);
    return s;
}

} // namespace

TEST(NR, RucneSpocteneHodnoty) {
    struct Radek {
        const char* co;
        std::array<double, PocetPasem> pasma;
        const char* n;
        int pasmo;
    };
    const Radek tabulka[] = {
        // (59.2 - 35.5) / 0.79 is 30.000000000000004 in doubles, still 30.0
        {"63 Hz exactly on N30", {59.2, 0, 0, 0, 0, 0, 0, 0}, "30.0", 0},
        {"4 kHz exactly on N84", {0, 0, 0, 0, 0, 0, 80, 0}, "84.0", 6},
        {"8 kHz just under N30", {0, 0, 0, 0, 0, 0, 0, 22.9}, "30.0", 7},
        {"1 kHz a hair over 30", {0, 0, 0, 0, 30.01, 0, 0, 0}, "30.1", 4},
        {"1 kHz a hair under 30", {0, 0, 0, 0, 29.99, 0, 0, 0}, "30.0", 4},
        // the tabulated N30 rounds 24.65 at 4 kHz up to 24.7, which rates 30.05
        {"tabulated N30", {59.2, 48.1, 39.9, 34.0, 30.0, 26.9, 24.7, 22.9}, "30.1", 6},
        // 8 kHz: 88 / 1.03 = 85.44; 4 kHz gives 84.0, 1 kHz 80
        {"all bands 80", {80, 80, 80, 80, 80, 80, 80, 80}, "85.5", 7},
        // 0 at 8 kHz is already N7.77 because the curve starts at -8 dB there
        {"zero spectrum", {0, 0, 0, 0, 0, 0, 0, 0}, "7.8", 7},
        // below N0 everywhere: (-20 + 8) / 1.03 = -11.65 rounds up to -11.6
        {"below N0", {-20, -20, -20, -20, -20, -20, -20, -20}, "-11.6", 7},
        // equal deciders: the lowest band is named
        {"63 Hz and 1 kHz both on 30", {59.2, 0, 0, 0, 30.0, 0, 0, 0}, "30.0", 0},
        {"1 kHz and 8 kHz both on 30", {0, 0, 0, 0, 30.0, 0, 0, 22.9}, "30.0", 4},
        {"low bands loud", {90, 60, 40, 30, 20, 10, 0, 0}, "69.0", 0},
    };
    for (const Radek& r : tabulka) {
        const HodnoceniNR h = SpoctiNR(Pasma(r.pasma));
        EXPECT_EQ(FormatHodnota(h.N), r.n) << r.co;
        EXPECT_DOUBLE_EQ(h.N, *CtiDouble(r.n)) << r.co;
        EXPECT_EQ(h.Pasmo, r.pasmo) << r.co;
    }
}

TEST(NR, LAneRozhoduje) {
    Spectrum s = Pasma({0, 0, 0, 0, 30, 0, 0, 0});
    s[LA] = 140;
    EXPECT_DOUBLE_EQ(SpoctiNR(s).N, 30.0);
}

TEST(NR, KrivkaSeSvymCislemHodnotiPresne) {
    for (double n : {-5.0, 0.0, 10.0, 30.0, 37.3, 55.0, 75.0, 99.9}) {
        const HodnoceniNR h = SpoctiNR(NKrivka(n));
        EXPECT_DOUBLE_EQ(h.N, n) << n;
    }
}

TEST(NR, TabulkaPozadavkuJeZaokrouhlenyVzorec) {
    for (int k = 1; k <= PocetNKrivek; ++k) {
        const Spectrum c = NKrivka(CisloNKrivky(k));
        for (size_t i = 0; i < PocetPasem; ++i)
            EXPECT_NEAR(c[i], NKrivky[static_cast<size_t>(k - 1)][i], 0.05 + 1e-9)
                << "N" << CisloNKrivky(k) << " band " << i;
    }
    EXPECT_DOUBLE_EQ(NKrivka(30)[0], 35.5 + 0.79 * 30);
    EXPECT_DOUBLE_EQ(NKrivka(0)[7], -8.0);
}

TEST(NR, ZaokrouhleniNahoru) {
    const std::pair<double, double> tabulka[] = {
        {30.000000000000004, 30.0},
        {29.999999999999996, 30.0},
        {30.01, 30.1},
        {30.0499, 30.1},
        {-0.04, 0.0},
        {-11.65, -11.6},
        {0.0, 0.0},
    };
    for (auto [x, y] : tabulka)
        EXPECT_DOUBLE_EQ(NahoruNaDesetiny(x), y) << x;
    EXPECT_FALSE(std::signbit(NahoruNaDesetiny(-0.04)));
}
