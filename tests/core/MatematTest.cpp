#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "../VektorovyStav.h"
#include "core/Cisla.h"
#include "core/DrunVar.h"
#include "core/DrunVyp.h"
#include "core/Matemat.h"

using namespace drun;

TEST(Matemat, LogaritmusAMocnina) {
    EXPECT_NEAR(Log10(1000), 3.0, 1e-12);
    EXPECT_NEAR(Mocnina10(2.5), 316.227766, 1e-6);
    EXPECT_NEAR(Mocnina10(-1), 0.1, 1e-15);
}

// The exponentials and logarithms leave the upper register halves clean even
// when the code before them left them dirty (without it the C library's AVX
// exp and log run many times slower inside the program).
TEST(Matemat, CistiHorniPulkyVektoru) {
    ZaspinHorniPulky();
    if (HorniPulkySpinave() != 1) GTEST_SKIP() << "the processor does not show the state";
    VycistiHorniPulky();
    if (HorniPulkySpinave() != 0) GTEST_SKIP() << "the processor does not show the state";
    DrunVar var;
    NaplnSpektrum(var.cesta.Prvni().VlastniDrun, 90);
    var.cesta.VlozElement();
    const std::pair<const char*, std::function<void()>> volani[] = {
        {"Log10", [] { Log10(2); }},
        {"Mocnina10", [] { Mocnina10(2); }},
        {"PrepocitejOd", [&var] { PrepocitejOd(var, 1); }},
    };
    for (const auto& [nazev, f] : volani) {
        ZaspinHorniPulky();
        f();
        EXPECT_EQ(HorniPulkySpinave(), 0) << nazev;
    }
}

TEST(Matemat, InterpolaceBezOmezeni) {
    EXPECT_DOUBLE_EQ(Interpolace(2, 5, 2, 9, 7), 5); // equal abscissae
    EXPECT_DOUBLE_EQ(Interpolace(0, 0, 10, 100, 15), 150);
    EXPECT_DOUBLE_EQ(Interpolace(0, 0, 10, 100, -5), -50);
    EXPECT_DOUBLE_EQ(Interpolace(1, 10, 3, 20, 2), 15);
}

TEST(Spektrum, NulaAHodnotyLA) {
    Spectrum s{};
    s[LA] = 1234; // SpoctiLA must ignore what position 9 held
    NaplnSpektrum(s, 0);
    for (int i = 0; i < PocetPasem; ++i)
        EXPECT_EQ(s[i], 0);
    EXPECT_NEAR(s[LA], 6.987, 0.0005);
    EXPECT_EQ(FormatHodnota(s[LA]), "7.0");
    NaplnSpektrum(s, 80);
    EXPECT_NEAR(s[LA], 86.987, 0.0005);
    NaplnSpektrum(s, 150);
    EXPECT_NEAR(s[LA], 156.987, 0.0005);
}

TEST(Spektrum, DevataVahaSeNecte) {
    Spectrum s{};
    NaplnSpektrum(s, 50);
    auto vaha = VahaA;
    vaha[8] = 1000;
    const double puvodni = s[LA];
    SpoctiLA(s, vaha);
    EXPECT_DOUBLE_EQ(s[LA], puvodni);
}

TEST(Spektrum, ZaporneRozdilyDavajiKonecneLA) {
    Spectrum s{-10, -20, -30, -5, -1, -100, -3, -7, 0};
    SpoctiLA(s);
    EXPECT_TRUE(std::isfinite(s[LA]));
}

TEST(Cisla, ZobrazeniJednoDesetinneMisto) {
    const std::pair<double, const char*> pripady[] = {
        {0, "0.0"},           {6.987, "7.0"},         {86.9871, "87.0"}, {-3.24, "-3.2"},
        {149.96, "150.0"},    {0.001, "0.0"},         {-0.04, "0.0"},    {-0.0, "0.0"},
        {99999.9, "99999.9"}, {100000, "1.0000E+05"},
    };
    for (auto [x, text] : pripady)
        EXPECT_EQ(FormatHodnota(x), text) << x;
    EXPECT_EQ(FormatCislo(2000, 0), "2000");
    EXPECT_EQ(FormatCislo(0.05, 2), "0.05");
}

// The fast fixed notation prints exactly what printf prints: ties of the
// binary value (0.25, 2.5), values just beside a tie (0.35, 0.45, 2.675),
// negative values that round to zero, and a sweep of ordinary values.
TEST(Cisla, PevnaCarkaJakoPrintf) {
    auto printfem = [](double x, int d) {
        char buf[64];
        std::snprintf(buf, sizeof buf, "%.*f", d, x);
        std::string s = buf;
        if (s.front() == '-' && s.find_first_not_of("-0.") == std::string::npos) s.erase(0, 1);
        return s;
    };
    std::vector<double> hodnoty = {0.25,  0.35,  0.45, 2.5,      3.5,      -2.5,      2.675, 1.005,
                                   -0.05, -0.04, 0.05, 99999.95, 99999.94, -99999.96, 1e-300};
    std::uint64_t z = 88172645463325252ull;
    for (int i = 0; i < 20000; ++i) {
        hodnoty.push_back((i - 10000) * 0.05);
        hodnoty.push_back((i - 10000) * 0.001);
        z ^= z << 13, z ^= z >> 7, z ^= z << 17;
        hodnoty.push_back((double(z % 2000000000) - 1e9) * 1e-4);
    }
    for (double x : hodnoty)
        for (int d = 0; d <= 3; ++d)
            ASSERT_EQ(FormatCislo(x, d), printfem(x, d)) << x << " " << d;
}

TEST(Cisla, ObecnyTvarMezi) {
    EXPECT_EQ(FormatObecne(0), "0");
    EXPECT_EQ(FormatObecne(150), "150");
    EXPECT_EQ(FormatObecne(0.5), "0.5");
    EXPECT_EQ(FormatObecne(100000), "100000");
    EXPECT_EQ(FormatObecne(0.01), "0.01");
}

// The shortest text that reads back equal, in both forms.
TEST(Cisla, PresnyTvar) {
    const std::string nejmensi = "0." + std::string(323, '0') + "5";
    const std::tuple<double, std::string, std::string> pripady[] = {
        {81.25, "81.25", "81.25"},
        {1e-4, "1e-04", "0.0001"},
        {1.5e-5, "1.5e-05", "0.000015"},
        {0.1 + 0.2, "0.30000000000000004", "0.30000000000000004"},
        {100, "100", "100"},
        {1e21, "1e+21", "1000000000000000000000"},
        {-0.0, "-0", "-0"},
        {-5e-324, "-5e-324", "-" + nejmensi},
    };
    for (const auto& [x, kratsi, pevny] : pripady) {
        EXPECT_EQ(FormatPresne(x), kratsi);
        EXPECT_EQ(FormatPresne(x, TvarPresne::Pevny), pevny);
    }
}

TEST(Cisla, PrisneCteniReal) {
    const std::pair<const char*, double> dobre[] = {
        {"12.5", 12.5}, {"0", 0},  {"-3", -3},  {"1e2", 100}, {"1.5E-1", 0.15},
        {" 7 ", 7},     {"+4", 4}, {".5", 0.5}, {"5.", 5},
    };
    for (auto [t, v] : dobre) {
        auto r = CtiDouble(t);
        ASSERT_TRUE(r.has_value()) << t;
        EXPECT_DOUBLE_EQ(*r, v) << t;
    }
    const char* spatne[] = {"",     "nan", "inf", "-inf", "0x10", "12abc", "1,5",
                            "1.5,", "abc", "1e",  "--1",  "1 2",  "+",     "1e999"};
    for (const char* t : spatne)
        EXPECT_FALSE(CtiDouble(t).has_value()) << t;
}

TEST(Cisla, PrisneCteniInt) {
    EXPECT_EQ(CtiInt("42"), 42);
    EXPECT_EQ(CtiInt(" -7"), -7);
    const char* spatne[] = {"", "1.0", "1e2", "0x1", "12a", "99999999999", "nan"};
    for (const char* t : spatne)
        EXPECT_FALSE(CtiInt(t).has_value()) << t;
}

// Every size a dialog accepts comes back as typed: whole millimetres and the
// radius's tenths alike.
TEST(Matemat, MilimetryBezSumuPrevodu) {
    for (int mm = 50; mm <= 5000; ++mm) {
        ASSERT_EQ(NaMilimetry(mm * 0.001), mm);
        ASSERT_EQ(FormatCislo(NaMilimetry(mm * 0.001), 0), std::to_string(mm));
    }
    for (int desetiny = 500; desetiny <= 5000; ++desetiny) {
        const double mm = desetiny / 10.0;
        ASSERT_EQ(FormatCislo(NaMilimetry(mm * 0.001), 1), FormatCislo(mm, 1)) << desetiny;
    }
}

TEST(Matemat, DoMezi) {
    struct R {
        double x, ocekavano;
    };
    for (const R& r : {R{49.9, 50}, R{50, 50}, R{120, 120}, R{5000, 5000}, R{5000.1, 5000},
                       R{-1, 50}, R{std::nan(""), 50}, R{HUGE_VAL, 5000}, R{-HUGE_VAL, 50}})
        EXPECT_EQ(DoMezi(r.x, 50, 5000), r.ocekavano) << r.x;
}
