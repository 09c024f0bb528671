#include <gtest/gtest.h>

#include <cmath>

#include "Pomocnik.h"
#include "models/Oblouk.h"
#include "models/Odbocka.h"

using namespace drun;

namespace {

using Pasma = std::array<double, PocetPasem>;

const TElementSite& Odbocka(DrunVar& var, double a1, double b1, double a2, double b2, double r,
                            double celk, double odb) {
    var.cesta.VlozElement();
    ZadaniOdbocky z{a1, b1, a2, b2, r, celk, odb, "a1", "b1", "a2", "b2", "r", "q", "q2"};
    ZapisOdbocku(var, z);
    VypocetOdbocky(var);
    return var.cesta.Aktualni();
}

} // namespace

TEST(Odbocka, ZapisPopisZTextuPoli) {
    DrunVar var;
    var.cesta.VlozElement();
    ZadaniOdbocky z{400,   200,   500,   300,   50,   3000,   1000,
                    "400", "200", "500", "300", "50", "3000", "1000"};
    ZapisOdbocku(var, z);
    const TElementSite& e = var.cesta.Aktualni();
    EXPECT_EQ(e.Typ(), TypOdbocka);
    EXPECT_EQ(e.NazevTypu(), "Odbočka");
    EXPECT_EQ(e.Popis, "Odbočka 400x200 / 500x300mm, rádius 50mm, průtok 3000 / 1000m3/hod");
    const VstupyOdbocka& o = e.Vstup<VstupyOdbocka>();
    EXPECT_EQ(o.A, 400);
    EXPECT_EQ(o.B, 200);
    EXPECT_EQ(o.A2, 500);
    EXPECT_EQ(o.B2, 300);
    EXPECT_EQ(o.Radius, 50);
    EXPECT_EQ(o.Prutok, 3000);
    EXPECT_EQ(o.OdbPrutok, 1000);
}

TEST(Odbocka, VzoroveOdbocky) {
    struct Pripad {
        double a1, b1, a2, b2, r, celk, odb;
        double utlum;
        Pasma drun;
    };
    const Pripad pripady[] = {
        {400, 200, 500, 300, 50, 3000, 1000, 4.59, {25.3, 20.8, 15.5, 9.7, 2.1, 0, 0, 0}},
        // a small duct fed from a fast main stream: velocity ratio 3.04, class 12
        {200,
         200,
         500,
         500,
         50,
         10000,
         500,
         10 * std::log10(0.29 / 0.04),
         {39.7, 36.9, 34.5, 31.1, 26.6, 21.9, 19.4, 22.4}},
    };
    for (const Pripad& p : pripady) {
        DrunVar var;
        const TElementSite& e = Odbocka(var, p.a1, p.b1, p.a2, p.b2, p.r, p.celk, p.odb);
        for (size_t i = 0; i < PocetPasem; ++i) {
            EXPECT_NEAR(e.Utlum[i], p.utlum, 0.005) << i;
            EXPECT_NEAR(e.VlastniDrun[i], p.drun[i], 0.05) << i;
        }
        const VstupyOdbocka& o = e.Vstup<VstupyOdbocka>();
        EXPECT_DOUBLE_EQ(o.A, p.a1);
        EXPECT_DOUBLE_EQ(o.B, p.b1);
        EXPECT_DOUBLE_EQ(o.A2, p.a2);
        EXPECT_DOUBLE_EQ(o.B2, p.b2);
        EXPECT_DOUBLE_EQ(o.Radius, p.r);
        EXPECT_EQ(o.Prutok, p.celk);
        EXPECT_EQ(o.OdbPrutok, p.odb);
    }
}

TEST(Odbocka, StejnePrurezyDeliVykonNapul) {
    struct Pripad {
        double a1, b1, a2, b2, celk, odb;
    };
    for (const Pripad& p :
         {Pripad{500, 500, 500, 500, 2000, 1000}, Pripad{500, 500, 500, 500, 100000, 10},
          Pripad{200, 800, 400, 400, 500, 500}, Pripad{200, 800, 800, 200, 10, 3000}}) {
        DrunVar var;
        const TElementSite& e = Odbocka(var, p.a1, p.b1, p.a2, p.b2, 100, p.celk, p.odb);
        for (size_t i = 0; i < PocetPasem; ++i)
            EXPECT_NEAR(e.Utlum[i], 3.0103, 0.0001);
    }
}

TEST(Odbocka, OdbockovyPrutokNadCelkovymJeTridaJedna) {
    // Nothing or less than nothing left for the other directions: the ratio is
    // <= 0 and falls in class 1, as a slow other stream (ratio 0.5) does.
    for (double odb : {3000.0, 3001.0, 100000.0}) {
        DrunVar var;
        const TElementSite& e = Odbocka(var, 400, 200, 500, 300, 50, 3000, odb);
        const double vc = odb / 3600 / 0.08;
        const double pomalyPrutok = 0.5 * vc * 3600 * 0.15;
        for (int k = 1; k <= PocetPasem; ++k) {
            const double lw = e.VlastniDrun[static_cast<size_t>(k - 1)];
            EXPECT_TRUE(std::isfinite(lw));
            EXPECT_DOUBLE_EQ(lw, ZvukTvarovky(k, 0.5, 0.3, pomalyPrutok, 0.4, 0.2, odb, 0.05))
                << odb << " band " << k;
        }
    }
}

TEST(Odbocka, KrajniMezeVypoctu) {
    // Every corner of the field limits: bit j of m picks the low or high end of field j.
    const double meze[7][2] = {{50, 5000}, {50, 5000},   {50, 5000},  {50, 5000},
                               {50, 500},  {10, 100000}, {10, 100000}};
    for (int m = 0; m < 128; ++m) {
        double x[7];
        for (int j = 0; j < 7; ++j)
            x[j] = meze[j][(m >> j) & 1];
        DrunVar var;
        const TElementSite& e = Odbocka(var, x[0], x[1], x[2], x[3], x[4], x[5], x[6]);
        for (size_t i = 0; i < 9; ++i) {
            ASSERT_TRUE(std::isfinite(e.Utlum[i])) << m;
            ASSERT_TRUE(std::isfinite(e.VlastniDrun[i])) << m;
        }
        for (size_t i = 0; i < PocetPasem; ++i) {
            ASSERT_GE(e.VlastniDrun[i], 0) << m;
            ASSERT_GT(e.Utlum[i], 0) << m;
        }
    }
    ExpectPoskozeneSlotyNaMezi<VstupyOdbocka>(VypocetOdbocky);
}
