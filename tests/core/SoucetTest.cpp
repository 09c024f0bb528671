#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "core/Cisla.h"
#include "core/Matemat.h"
#include "tools/Pozadavek.h"
#include "tools/Soucet.h"

using namespace drun;

namespace {

Spectrum Spektrum(std::array<double, PocetPasem> pasma) {
    Spectrum s{};
    for (int i = 0; i < PocetPasem; ++i)
        s[i] = pasma[static_cast<size_t>(i)];
    SpoctiLA(s);
    return s;
}

} // namespace

TEST(Soucet, RucneSpocteneHodnoty) {
    const Spectrum a = Spektrum({80, 75, 70, 65, 60, 55, 50, 45});
    const Spectrum ticho = Spektrum({60, 55, 50, 45, 40, 35, 30, 25});
    const Spectrum nuly = Spektrum({60, 0, 50, 0, 40, 0, 0, 0});
    struct Pripad {
        const char* nazev;
        std::vector<Spectrum> cesty;
        std::array<double, PocetPasem> ocekavano;
    } pripady[] = {
        // 10 lg 2 = 3.0103 above each band
        {"dvě stejné",
         {a, a},
         {83.0103, 78.0103, 73.0103, 68.0103, 63.0103, 58.0103, 53.0103, 48.0103}},
        // 20 dB quieter adds 10 lg 1.01 = 0.0432
        {"s tichou",
         {a, ticho},
         {80.0432, 75.0432, 70.0432, 65.0432, 60.0432, 55.0432, 50.0432, 45.0432}},
        // a band of 0 carries nothing: the other path's level stands alone
        {"nulová pásma", {ticho, nuly}, {63.0103, 55, 53.0103, 45, 43.0103, 35, 30, 25}},
        {"nula všude zůstane", {nuly, nuly}, {63.0103, 0, 53.0103, 0, 43.0103, 0, 0, 0}},
        {"jediná", {a}, {80, 75, 70, 65, 60, 55, 50, 45}},
        {"žádná", {}, {0, 0, 0, 0, 0, 0, 0, 0}},
        // far beyond any real level, still finite and honest
        {"obrovské",
         {Spektrum({8000, 8000, 8000, 8000, 8000, 8000, 8000, 8000}),
          Spektrum({8000, 8000, 8000, 8000, 8000, 8000, 8000, 8000})},
         {8003.0103, 8003.0103, 8003.0103, 8003.0103, 8003.0103, 8003.0103, 8003.0103, 8003.0103}},
    };
    for (const Pripad& p : pripady) {
        SCOPED_TRACE(p.nazev);
        const Spectrum s = SoucetSpekter(p.cesty);
        for (int i = 0; i < PocetPasem; ++i)
            EXPECT_NEAR(s[i], p.ocekavano[static_cast<size_t>(i)], 1e-4) << i;
        Spectrum la = s;
        SpoctiLA(la);
        EXPECT_DOUBLE_EQ(s[LA], la[LA]);
    }
    // One path alone is its own end spectrum, L(A) included.
    EXPECT_EQ(FormatHodnota(SoucetSpekter({a})[LA]), FormatHodnota(a[LA]));
}

// Files summed once, then the edited calculation added to them change after
// change: the same bits as summing everything again, in either order, and as
// close to summing in floating point as a rounding error.
TEST(Soucet, PridanaCestaJakoCelySoucet) {
    const Spectrum a = Spektrum({80, 75, 70, 65, 60, 55, 50, 45});
    const Spectrum ticho = Spektrum({60, 55, 50, 45, 40, 35, 30, 25});
    const Spectrum nuly = Spektrum({60, 0, 50, 0, 40, 0, 0, 0});
    const Spectrum velke = Spektrum({8000, 8000, 8000, 8000, 8000, 8000, 8000, 8000});
    Spectrum nekonecno = a;
    nekonecno[3] = HUGE_VAL;
    struct Pripad {
        const char* nazev;
        std::vector<Spectrum> soubory;
        std::vector<Spectrum> zmeny; // the calculation, one change after another
    } pripady[] = {
        // below the files' largest, over the next 10 dB grid line and back, to
        // the largest itself, silent, between
        {"pod, nad a zpět",
         {a, ticho, nuly, ticho},
         {ticho, Spektrum({95, 85.5, 70.1, 65, 71, 55, 50, 45}), ticho, a, NulaSpektrum(),
          Spektrum({95, 85.5, 70.1, 65, 71, 55, 50, 45}), nuly}},
        {"jediný soubor", {nuly}, {nuly, ticho, NulaSpektrum()}},
        {"žádný soubor", {}, {a, NulaSpektrum()}},
        {"obrovské", {velke, a}, {velke, a}},
        {"nekonečno", {a, nekonecno}, {ticho}},
    };
    for (const Pripad& p : pripady) {
        SCOPED_TRACE(p.nazev);
        const CastecnySoucet soubory(p.soubory);
        EXPECT_EQ(soubory.Soucet(), SoucetSpekter(p.soubory));
        for (size_t z = 0; z < p.zmeny.size(); ++z) {
            SCOPED_TRACE(z);
            std::vector<Spectrum> vse{p.zmeny[z]};
            vse.insert(vse.end(), p.soubory.begin(), p.soubory.end());
            const Spectrum s = soubory.Soucet(&p.zmeny[z]);
            EXPECT_EQ(s, SoucetSpekter(vse));
            std::reverse(vse.begin(), vse.end());
            EXPECT_EQ(s, SoucetSpekter(vse));
            for (int i = 0; i < PocetPasem; ++i) {
                std::vector<double> hladiny;
                for (const Spectrum& x : vse)
                    if (x[i] != 0) hladiny.push_back(x[i]);
                if (std::isfinite(s[i]))
                    EXPECT_NEAR(s[i], SoucetHladin(hladiny), 1e-12 * std::fabs(s[i])) << i;
                else
                    EXPECT_EQ(s[i], SoucetHladin(hladiny)) << i;
            }
        }
    }
}

TEST(Soucet, RozdilANR) {
    const Spectrum a = Spektrum({60, 55, 50, 45, 40, 35, 30, 25});
    Spectrum poz{};
    NastavPozadavek(poz, NKrivky[4]); // N30
    const VysledekSouctu v = SectiCesty({a, a}, poz);
    for (int k = 0; k <= LA; ++k)
        EXPECT_DOUBLE_EQ(v.Rozdil[k], v.Soucet[k] - poz[k]);
    EXPECT_EQ(FormatHodnota(v.Rozdil[0]), "3.8"); // 63.0 - 59.2
    EXPECT_DOUBLE_EQ(v.NR.N, SpoctiNR(v.Soucet).N);
}

TEST(Soucet, TextPozadavkuSeCteZpet) {
    struct Pripad {
        std::array<double, PocetPasem> pasma;
        std::string text;
    } pripady[] = {
        {NKrivky[4], "N30"},
        {NKrivky[13], "N75"},
        {NCKrivky[3], "NC30"},
        {NCKrivky[11], "NC70"},
        {{0, 0, 0, 0, 0, 0, 0, 0}, "0 0 0 0 0 0 0 0"},
        {{59.2, 48.1, 39.9, 34, 30, 26.9, 24.7, 23}, "59.2 48.1 39.9 34 30 26.9 24.7 23"},
        {{0.1 + 0.2, 150, 1e-7, 12.345678901234567, 1, 2, 3, 4},
         "0.30000000000000004 150 0.0000001 12.345678901234567 1 2 3 4"},
        // Tiny levels are written whole, never cut.
        {{4.9406564584124654e-324, 7.11e-87, 0, 0, 0, 0, 0, 0},
         "0." + std::string(323, '0') + "5 0." + std::string(86, '0') + "711 0 0 0 0 0 0"},
    };
    for (const Pripad& p : pripady) {
        SCOPED_TRACE(p.text);
        Spectrum s{};
        NastavPozadavek(s, p.pasma);
        EXPECT_EQ(TextPozadavku(s), p.text);
        const auto zpet = CtiPozadavek(p.text);
        ASSERT_TRUE(zpet);
        EXPECT_EQ(*zpet, p.pasma);
    }
    for (const char* spatne : {"", "N12", "N", "N30x", "1 2 3", "1 2 3 4 5 6 7 8 9",
                               "1 2 3 4 5 6 7 151", "1 2 3 4 5 6 7 -1", "1,5 2 3 4 5 6 7 8",
                               "nan 2 3 4 5 6 7 8", "NC", "NC10", "NC75", "NC32", "NCx"})
        EXPECT_FALSE(CtiPozadavek(spatne)) << spatne;
    EXPECT_EQ(CtiPozadavek("nc30"), NCKrivky[3]);
    EXPECT_EQ(CtiPozadavek("n30"), NKrivky[4]);
    const auto nazvy = NazvyKrivek();
    ASSERT_EQ(nazvy.size(), size_t{PocetNKrivek + PocetNCKrivek});
    EXPECT_EQ(nazvy.front(), "N10");
    EXPECT_EQ(nazvy[PocetNKrivek], "NC15");
    EXPECT_EQ(nazvy.back(), "NC70");
    EXPECT_DOUBLE_EQ(SoucetHladin({}), 0);
}
