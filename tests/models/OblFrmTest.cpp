#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "Pomocnik.h"
#include "core/Matemat.h"
#include "models/Oblouk.h"

using namespace drun;

namespace {

using Pasma = std::array<double, PocetPasem>;

// A bend stored and computed on a new element behind the source.
const TElementSite& Oblouk(DrunVar& var, int druh, double a, double b, double r, double q) {
    var.cesta.VlozElement();
    ZadaniOblouku z;
    z.Druh = druh;
    z.RozmA = a;
    z.RozmB = b;
    z.Radius = r;
    z.Prutok = q;
    z.TextA = "A";
    z.TextB = "B";
    z.TextRadius = "R";
    z.TextPrutok = "Q";
    ZapisOblouk(var, z);
    VypocetOblouku(var);
    return var.cesta.Aktualni();
}

} // namespace

TEST(Oblouk, ZapisPopisATypZTextuPoli) {
    struct Pripad {
        int druh;
        const char* popis;
    };
    for (const Pripad& p : {Pripad{1, "oblouk, koleno s plechy 500x250mm, rádius 150mm, průtok "
                                      "2000m3/hod"},
                            Pripad{2, "koleno bez plechů 500x250mm, rádius 150mm, průtok "
                                      "2000m3/hod"}}) {
        DrunVar var;
        var.cesta.VlozElement();
        ZadaniOblouku z{p.druh, 500, 250, 150, 2000, "500", "250", "150", "2000"};
        ZapisOblouk(var, z);
        const TElementSite& e = var.cesta.Aktualni();
        EXPECT_EQ(e.Typ(), TypOblouk);
        EXPECT_EQ(e.NazevTypu(), "Oblouk");
        const VstupyOblouk& o = e.Vstup<VstupyOblouk>();
        EXPECT_EQ(o.Druh, p.druh);
        EXPECT_EQ(e.Popis, p.popis);
        // stored in millimetres
        EXPECT_EQ(o.A, 500);
        EXPECT_EQ(o.B, 250);
        EXPECT_EQ(o.Radius, 150);
        EXPECT_EQ(o.Prutok, 2000);
    }
}

TEST(Oblouk, VzorovyOblouk) {
    const Pasma drun{31.1, 26.5, 21.3, 15.5, 7.9, 0, 0, 2.9};
    struct Pripad {
        int druh;
        Pasma utlum;
    };
    for (const Pripad& p :
         {Pripad{1, {0, 0, 0, 1, 2, 3, 3, 3}}, Pripad{2, {0, 0, 2, 9, 7, 5, 5, 5}}}) {
        DrunVar var;
        const TElementSite& e = Oblouk(var, p.druh, 500, 250, 150, 2000);
        EXPECT_DOUBLE_EQ(e.Vstup<VstupyOblouk>().A, 500);
        EXPECT_DOUBLE_EQ(e.Vstup<VstupyOblouk>().B, 250);
        EXPECT_DOUBLE_EQ(e.Vstup<VstupyOblouk>().Radius, 150);
        EXPECT_EQ(e.Vstup<VstupyOblouk>().Prutok, 2000);
        ExpectSpektrum(e.Utlum, p.utlum, 0);
        ExpectSpektrum(e.VlastniDrun, drun, 0.05);
        // bands cut to 0 are exactly 0, which the evaluation treats as silence
        EXPECT_EQ(e.VlastniDrun[5], 0);
        EXPECT_EQ(e.VlastniDrun[6], 0);
        Spectrum la = e.VlastniDrun;
        SpoctiLA(la);
        EXPECT_EQ(e.VlastniDrun[LA], la[LA]);
    }
}

TEST(Oblouk, VelkyObloukKladnaKorekceRadiusu) {
    // d = 1.128 m, a = 4.38 dB, b = 2.69 dB; 63 Hz and 125 Hz lie on the line
    // between (2, a) and (50, b), 250 Hz and above use b.
    DrunVar var;
    const TElementSite& e = Oblouk(var, 1, 1000, 1000, 50, 20000);
    ExpectSpektrum(e.VlastniDrun, {47.61, 41.72, 34.82, 26.82, 17.95, 20.96, 23.97, 26.98}, 0.01);
    ExpectSpektrum(e.Utlum, {0, 1, 2, 3, 3, 3, 3, 3}, 0);
}

TEST(Oblouk, RadekUtlumuPodleMensiStranyNaObouStranachMezi) {
    struct Pripad {
        double a, b;
        int radek; // 1..4
    };
    // The 500 Hz band of kind 1 and the 250 Hz band of kind 2 differ in all four rows.
    const double sPlechy500[4] = {0, 1, 2, 3};
    const double bezPlechu250[4] = {0, 2, 9, 7};
    for (const Pripad& p : std::vector<Pripad>{{50, 50, 1},
                                               {225, 3000, 1},
                                               {3000, 225, 1},
                                               {225.1, 3000, 2},
                                               {3000, 225.1, 2},
                                               {450, 450, 2},
                                               {450.1, 500, 3},
                                               {900, 5000, 3},
                                               {5000, 900, 3},
                                               {900.1, 5000, 4},
                                               {5000, 5000, 4}}) {
        DrunVar var;
        EXPECT_EQ(Oblouk(var, 1, p.a, p.b, 150, 1000).Utlum[3], sPlechy500[p.radek - 1])
            << p.a << "x" << p.b;
        EXPECT_EQ(Oblouk(var, 2, p.a, p.b, 150, 1000).Utlum[2], bezPlechu250[p.radek - 1])
            << p.a << "x" << p.b;
    }
}

TEST(Tvarovka, TridaPomeruRychlostiNaObouStranachMezi) {
    struct Pripad {
        double r;
        int trida;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (const Pripad& p : std::vector<Pripad>{{-5, 1},
                                               {0, 1},
                                               {0.9, 1},
                                               {0.9000001, 2},
                                               {1, 2},
                                               {1.1, 2},
                                               {1.1000001, 3},
                                               {3.04, 12},
                                               {3.1, 12},
                                               {4.7, 20},
                                               {4.7000001, 21},
                                               {4.9, 21},
                                               {4.9000001, 22},
                                               {1e9, 22},
                                               {nan, 1}})
        EXPECT_EQ(TridaTvarovky(p.r), p.trida) << p.r;
}

TEST(Tvarovka, HlukNaBodechMrizkyPresneAKoncePodrzene) {
    const double mrizka[18] = {0.5, 1,  1.5, 2,  3,  4,  6,   8,   10,
                               15,  20, 30,  40, 60, 80, 100, 150, 200};
    // Spot values of the table, away from the rows the other tests use.
    EXPECT_EQ(HlukTvarovky(1, 0.5), 13);
    EXPECT_EQ(HlukTvarovky(1, 200), -58);
    EXPECT_EQ(HlukTvarovky(12, 10), 11.5);
    EXPECT_EQ(HlukTvarovky(14, 80), -7);
    EXPECT_EQ(HlukTvarovky(17, 10), 17);
    EXPECT_EQ(HlukTvarovky(22, 3), 28.5);
    EXPECT_EQ(HlukTvarovky(22, 100), 0.5);
    for (int k = 1; k <= 22; ++k) {
        const double prvni = HlukTvarovky(k, mrizka[0]);
        const double posledni = HlukTvarovky(k, mrizka[17]);
        EXPECT_EQ(HlukTvarovky(k, 0.1), prvni) << k;
        EXPECT_EQ(HlukTvarovky(k, 1e-9), prvni) << k;
        EXPECT_EQ(HlukTvarovky(k, 200.0001), posledni) << k;
        EXPECT_EQ(HlukTvarovky(k, 1e12), posledni) << k;
        for (int i = 0; i + 1 < 18; ++i) {
            const double y1 = HlukTvarovky(k, mrizka[i]);
            const double y2 = HlukTvarovky(k, mrizka[i + 1]);
            // exactly halfway between two grid points is their mean
            EXPECT_DOUBLE_EQ(HlukTvarovky(k, (mrizka[i] + mrizka[i + 1]) / 2), (y1 + y2) / 2);
            // the table falls with the Strouhal number in every class
            EXPECT_LE(y2, y1) << k << " " << mrizka[i];
        }
    }
}

TEST(Tvarovka, KrajniMezeDavajiKonecneNezaporneHodnoty) {
    // Every corner of the field limits: sides 50..5000 mm, radius 50..500 mm,
    // flow 10..100000 m3/h, converted to m as the models do.
    const double strany[] = {0.05, 5};
    const double radiusy[] = {0.05, 0.5};
    const double prutoky[] = {10, 100000};
    for (double a : strany)
        for (double b : strany)
            for (double r : radiusy)
                for (double q : prutoky)
                    for (int k = 1; k <= PocetPasem; ++k) {
                        const double lw = ZvukTvarovky(k, a, b, q, a, b, q, r);
                        EXPECT_TRUE(std::isfinite(lw) && lw >= 0) << a << b << r << q << k;
                    }
    // Streams that a file or a caller could leave empty give silence, not a fault.
    for (int k = 1; k <= PocetPasem; ++k) {
        EXPECT_EQ(ZvukTvarovky(k, 0.5, 0.5, 1000, 0, 0.5, 1000, 0.1), 0);
        EXPECT_EQ(ZvukTvarovky(k, 0.5, 0.5, 1000, 0.5, 0.5, 0, 0.1), 0);
        EXPECT_TRUE(std::isfinite(ZvukTvarovky(k, 0, 0, 1000, 0.5, 0.5, 1000, 0.1)));
    }
}

TEST(Oblouk, KrajniMezeVypoctu) {
    // Every corner of the field limits and both kinds: bit j of m picks the end of field j.
    const double meze[4][2] = {{50, 5000}, {50, 5000}, {50, 500}, {10, 100000}};
    for (int m = 0; m < 32; ++m) {
        double x[4];
        for (int j = 0; j < 4; ++j)
            x[j] = meze[j][(m >> j) & 1];
        DrunVar var;
        const TElementSite& e = Oblouk(var, 1 + (m >> 4), x[0], x[1], x[2], x[3]);
        SCOPED_TRACE(m);
        ExpectKonecne(e);
    }
    ExpectPoskozeneSlotyNaMezi<VstupyOblouk>(VypocetOblouku);
}

TEST(Oblouk, RychlostProKontroluDialogu) {
    EXPECT_DOUBLE_EQ(RychlostVPrurezu(500, 250, 2000), 2000.0 / 3600 / 0.125);
    EXPECT_EQ(RychlostVPrurezu(100, 100, 1080), 30);
    EXPECT_LT(RychlostVPrurezu(100, 100, 1079), 30);
    EXPECT_GT(RychlostVPrurezu(0, 100, 10), MaxRychlostTvarovky);
}
