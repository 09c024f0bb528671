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

TEST(NC, Hodnoceni) {
    struct Radek {
        const char* co;
        std::array<double, PocetPasem> pasma;
        const char* nc;    // as the sum protocol prints it
        const char* popis; // as the window shows it
        int pasmo;
    };
    const Radek tabulka[] = {
        // 63 Hz: 25 + 5 * (55 - 54) / (57 - 54) = 26.67
        {"worked spectrum", {55, 45, 32, 26, 23, 25, 22, 12}, "26.7", "NC 26.7", 0},
        {"the NC30 curve", {57, 48, 41, 35, 32, 29, 28, 27}, "30.0", "NC 30.0", 0},
        {"the NC70 curve", {84, 79, 75, 72, 71, 70, 68, 68}, "70.0", "NC 70.0", 0},
        {"the NC15 curve", {47, 36, 28, 22, 18, 14, 12, 11}, "15.0", "NC 15.0", 0},
        // extrapolated along NC15..NC20: 2 kHz 15 + 5 * (5 - 14) / 6 = 7.5
        {"quiet room", {30, 20, 15, 12, 10, 5, 0, 0}, "<15", "NC < 15", 5},
        // along NC65..NC70: 8 kHz 70 + 5 * (80 - 68) / 6 = 80
        {"loud hiss", {60, 60, 60, 60, 60, 70, 70, 80}, ">70", "NC > 70", 7},
        {"a hair over NC70", {0, 0, 0, 0, 71.01, 0, 0, 0}, ">70", "NC > 70", 4},
        // 500 Hz and 2 kHz both exactly on NC40: the lower band is named
        {"tie", {0, 0, 0, 44, 0, 39, 0, 0}, "40.0", "NC 40.0", 3},
        // rounded up like N: 4 kHz 35 + 5 * 0.02 / 5 = 35.02 -> 35.1
        {"rounded up", {0, 0, 0, 0, 0, 0, 33.02, 0}, "35.1", "NC 35.1", 6},
    };
    for (const Radek& r : tabulka) {
        const HodnoceniNC h = SpoctiNC(Pasma(r.pasma));
        EXPECT_EQ(TextNC(h), r.nc) << r.co;
        EXPECT_EQ(PopisNC(h), r.popis) << r.co;
        EXPECT_EQ(h.Pasmo, r.pasmo) << r.co;
    }
    // the curve of any NC rates as that NC, inside and outside the table
    for (double nc : {5.0, 15.0, 26.7, 30.0, 62.5, 70.0, 80.0})
        EXPECT_DOUBLE_EQ(SpoctiNC(NCKrivka(nc)).NC, nc) << nc;
    EXPECT_EQ(NCKrivka(45)[0], 67);
}

TEST(RC, Hodnoceni) {
    struct Radek {
        const char* co;
        std::array<double, PocetPasem> pasma;
        const char* rc;    // as the sum protocol prints it
        const char* popis; // as the window shows it
        int pasmo;         // furthest above the curve
        double prebytek;
    };
    const Radek tabulka[] = {
        // mean 24.67 -> 25; 63 Hz 10 dB above 45
        {"rumble", {55, 45, 32, 26, 23, 25, 22, 12}, "25 R", "RC 25 (R)", 0, 10},
        // mean 31.67 -> 32; 2 to 8 kHz exactly 3 dB above: not hiss
        {"neutral at the limit", {50, 45, 40, 35, 30, 30, 25, 20}, "32 N", "RC 32 (N)", 5, 3},
        {"hiss", {40, 38, 36, 34, 32, 30, 28, 26}, "32 H", "RC 32 (H)", 7, 9},
        // exactly 5 dB above at 63 Hz is not rumble; 5.1 is
        {"low limit", {55, 0, 0, 35, 30, 25, 0, 0}, "30 N", "RC 30 (N)", 0, 5},
        {"just over", {55.1, 0, 0, 35, 30, 25, 0, 0}, "30 R", "RC 30 (R)", 0, 5.1},
        // 500 Hz belongs to the low bands: 4 dB above is neither, 6 dB above is rumble
        {"500 Hz within", {0, 0, 0, 39, 27, 23, 0, 0}, "30 N", "RC 30 (N)", 3, 4},
        {"500 Hz rumble", {0, 0, 0, 41, 26, 23, 0, 0}, "30 R", "RC 30 (R)", 3, 6},
        // rumble wins over hiss; mean 30.5 goes up to 31
        {"both", {60, 0, 0, 30, 30, 31.5, 40, 0}, "31 R", "RC 31 (R)", 6, 19},
        // the sum 91.5 is a hair under it in doubles, still upwards
        {"half upwards", {0, 0, 0, 35.4, 30.5, 25.6, 0, 0}, "31 N", "RC 31 (N)", 5, -0.4},
        {"extreme levels",
         {8000, 8000, 8000, 8000, 8000, 8000, 8000, 8000},
         "8000 H",
         "RC 8000 (H)",
         7,
         15},
    };
    for (const Radek& r : tabulka) {
        const HodnoceniRC h = SpoctiRC(Pasma(r.pasma));
        EXPECT_EQ(TextRC(h), r.rc) << r.co;
        EXPECT_EQ(PopisRC(h), r.popis) << r.co;
        EXPECT_EQ(h.Pasmo, r.pasmo) << r.co;
        EXPECT_NEAR(h.Prebytek, r.prebytek, 1e-9) << r.co;
    }
    EXPECT_EQ(RCKrivka(61)[0], 81);
    EXPECT_EQ(RCKrivka(61)[7], 46);
}
