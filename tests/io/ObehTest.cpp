// Calculations built through the models' own store steps, written, read and
// written again: the bytes and the evaluated levels must come back unchanged.
#include <gtest/gtest.h>

#include <random>

#include "Pomocnik.h"
#include "core/Druhy.h"
#include "core/DrunVyp.h"
#include "io/DataSoubor.h"
#include "io/Kodovani.h"
#include "models/HrPotrubi.h"
#include "models/KuPotrubi.h"
#include "models/Mistnost.h"
#include "models/Obecny.h"
#include "models/Oblouk.h"
#include "models/Odbocka.h"
#include "models/Tlumic.h"
#include "models/Vice.h"
#include "models/Vypocet.h"
#include "models/Vyustka.h"
#include "models/Zdroj.h"

using namespace drun;

namespace {

const std::string Nuly = "    0.0    0.0    0.0    0.0    0.0    0.0    0.0    0.0";

// Adds an element behind the last one through the store and compute steps.
template <typename F> void Pridej(DrunVar& var, F&& zapisAVypocet) {
    var.cesta.NajdiElement(var.cesta.Pocet());
    var.cesta.VlozElement();
    zapisAVypocet();
}

std::string Txt(double x) {
    char b[32];
    std::snprintf(b, sizeof b, "%g", x);
    return b;
}

class Generator {
  public:
    explicit Generator(unsigned seed) : rng_(seed) {}
    int Cele(int od, int po) { return std::uniform_int_distribution<int>(od, po)(rng_); }
    // A value with the given decimals, as a field or the file would hold it.
    double Desetinne(double od, double po, int desetin) {
        const double k = std::pow(10, desetin);
        return Cele(int(std::ceil(od * k)), int(std::floor(po * k))) / k;
    }
    std::string Popis() {
        static const char* slova[] = {"Tlumicí", "vložka",  "č.", "2", "kancelář",
                                      "Ř",       "žaluzie", "€",  "x"};
        std::string s;
        for (int i = Cele(0, 4); i > 0; --i)
            s += std::string(slova[Cele(0, 8)]) + " ";
        return s;
    }
    std::array<double, 8> Pasma() {
        std::array<double, 8> p{};
        for (double& x : p)
            x = Desetinne(0, 150, 1);
        return p;
    }

    void Prvek(DrunVar& var, int typ) {
        switch (typ) {
        case TypObecny:
            Pridej(var, [&] {
                ZapisObecElement(var, {Popis(), Pasma(), Pasma()});
                VypocetObecElementu(var);
            });
            break;
        case TypHrPotrubi: {
            ZadaniHrPotrubi z;
            z.A = Cele(50, 5000), z.B = Cele(50, 5000), z.Delka = Desetinne(1, 100, 1);
            z.Prutok = Cele(10, 100000);
            z.TextA = Txt(z.A), z.TextB = Txt(z.B), z.TextDelka = Txt(z.Delka);
            z.TextPrutok = Txt(z.Prutok);
            Pridej(var, [&] {
                ZapisHrPotrubi(var, z);
                VypocetHrPotrubi(var);
            });
            break;
        }
        case TypKuPotrubi: {
            ZadaniKuPotrubi z;
            z.Prumer = Cele(50, 5000), z.Delka = Desetinne(1, 100, 1), z.Prutok = Cele(10, 100000);
            z.TextPrumer = Txt(z.Prumer), z.TextDelka = Txt(z.Delka), z.TextPrutok = Txt(z.Prutok);
            Pridej(var, [&] {
                ZapisKuPotrubi(var, z);
                VypocetKuPotrubi(var);
            });
            break;
        }
        case TypOblouk: {
            ZadaniOblouku z;
            z.Druh = Cele(1, 2), z.RozmA = Cele(50, 5000), z.RozmB = Cele(50, 5000);
            z.Radius = Desetinne(50, 500, 1), z.Prutok = Cele(10, 100000);
            z.TextA = Txt(z.RozmA), z.TextB = Txt(z.RozmB), z.TextRadius = Txt(z.Radius);
            z.TextPrutok = Txt(z.Prutok);
            Pridej(var, [&] {
                ZapisOblouk(var, z);
                VypocetOblouku(var);
            });
            break;
        }
        case TypOdbocka: {
            ZadaniOdbocky z;
            z.RozmA1 = Cele(50, 5000), z.RozmB1 = Cele(50, 5000), z.RozmA2 = Cele(50, 5000);
            z.RozmB2 = Cele(50, 5000), z.Radius = Desetinne(50, 500, 1);
            z.CelkPrutok = Cele(10, 100000), z.OdbPrutok = Cele(10, 100000);
            z.TextA1 = Txt(z.RozmA1), z.TextB1 = Txt(z.RozmB1), z.TextA2 = Txt(z.RozmA2);
            z.TextB2 = Txt(z.RozmB2), z.TextRadius = Txt(z.Radius);
            z.TextCelkPrutok = Txt(z.CelkPrutok), z.TextOdbPrutok = Txt(z.OdbPrutok);
            Pridej(var, [&] {
                ZapisOdbocku(var, z);
                VypocetOdbocky(var);
            });
            break;
        }
        case TypVyustka: {
            ZadaniVyustky z;
            z.A = Cele(50, 5000), z.B = Cele(50, 5000), z.Prutok = Cele(10, 100000);
            z.Druh = static_cast<std::uint8_t>(Cele(1, 7));
            z.Umisteni = static_cast<std::uint8_t>(Cele(1, 4));
            z.TextA = Txt(z.A), z.TextB = Txt(z.B), z.TextPrutok = Txt(z.Prutok);
            Pridej(var, [&] {
                ZapisVyustku(var, z);
                VypocetVyustky(var);
            });
            break;
        }
        case TypTlumic: {
            // Passages the data file tabulates and a velocity it holds a row for.
            ZadaniTlumice z;
            z.PocetVlozek = Cele(1, 3);
            z.SirkaVlozek = 200;
            const double s = Cele(100, 200);
            z.A = z.PocetVlozek * (z.SirkaVlozek + s);
            z.B = Cele(300, 1000);
            z.Delka = Cele(1, 3);
            z.Prutok = std::round(Desetinne(5, 20, 1) * 3600 * s * z.PocetVlozek * z.B / 1e6);
            Pridej(var, [&] {
                ZapisTlumic(var, z);
                ASSERT_TRUE(VypocetTlumice(var).Ok());
            });
            break;
        }
        case TypVice: {
            ZadaniVice z;
            z.Pocet = Cele(1, 100);
            z.TextPocet = std::to_string(z.Pocet);
            Pridej(var, [&] {
                ZapisVice(var, z);
                VypocetVice(var);
            });
            break;
        }
        case TypMistnost: {
            ZadaniMistnosti z;
            z.Popis = Popis();
            z.PlochaSten = Desetinne(1, 1000, 1), z.Vzdalenost = Desetinne(1, 100, 1);
            for (double& a : z.Pohltivost)
                a = Desetinne(0.01, 1, 2);
            for (double& q : z.Smerovost)
                q = Desetinne(1, 10, 1);
            Pridej(var, [&] {
                ZapisMistnost(var, z);
                VypocetMistnosti(var);
            });
            break;
        }
        default:
            PrvekZTabulky(var, typ);
            break;
        }
    }

    // An element of a kind whose inputs the table describes whole, entered as
    // its table-built dialog enters it: values within the ranges, drawn again
    // until the kind's check takes them.
    void PrvekZTabulky(DrunVar& var, int typ) {
        const DruhElementu& d = *Druh(typ);
        VstupyElementu v;
        TextyVstupu texty;
        do {
            v = VychoziVstupy(typ);
            texty.clear();
            for (const VstupDruhu& p : d.Vstupy) {
                if (p.Real) {
                    *p.Real(v) = Desetinne(p.Min, p.Max, p.Desetin);
                    texty.push_back(Txt(*p.Real(v)));
                } else if (p.Cele) {
                    *p.Cele(v) = Cele(int(p.Min), int(p.Max));
                    texty.push_back(std::to_string(*p.Cele(v)));
                } else if (p.Rada) {
                    for (double& x : *p.Rada(v))
                        x = Desetinne(p.Min, p.Max, p.Desetin);
                    texty.emplace_back();
                }
            }
        } while (d.Kontrola && !d.Kontrola(v).empty());
        Pridej(var, [&] {
            ZapisPrvek(var, v, texty);
            ASSERT_TRUE(SpoctiPrvek(var));
        });
    }

  private:
    std::mt19937 rng_;
};

} // namespace

TEST(Obeh, NahodneVypoctyVsechTypu) {
    int typu[PocetTypu + 1] = {};
    for (unsigned seed = 1; seed <= 200; ++seed) {
        SCOPED_TRACE(seed);
        Generator g(seed);
        DrunVar var;
        var.SouborTlumice = DRUN_DATA_DIR "/KL385216.CAD";
        var.Akce = g.Popis();
        ZadaniZdroje zdroj{g.Popis(), g.Pasma()};
        ZapisZdroj(var, zdroj);
        const int prvku = g.Cele(0, 12);
        const int mistnost = g.Cele(0, prvku); // at most one room, anywhere
        for (int i = 1; i <= prvku; ++i) {
            // Any kind but the source and the room.
            int typ = i == mistnost ? int(TypMistnost) : g.Cele(TypObecny, PocetTypu - 1);
            if (i != mistnost && typ >= TypMistnost) ++typ;
            g.Prvek(var, typ);
            ++typu[typ];
        }
        if (HasFatalFailure()) return;
        PrepocitejOd(var, 1);

        std::string prvni, druhy;
        ASSERT_TRUE(TextDat(var, prvni));
        DrunVar cteny;
        cteny.SouborTlumice = var.SouborTlumice;
        const VysledekSouboru v = NactiDataZTextu(cteny, prvni);
        ASSERT_TRUE(v.Ok()) << prvni;
        PrepocitejOd(cteny, 1);
        ASSERT_TRUE(TextDat(cteny, druhy));
        EXPECT_EQ(druhy, prvni);
        ASSERT_EQ(cteny.cesta.Pocet(), var.cesta.Pocet());
        EXPECT_EQ(cteny.Akce, var.Akce);
        for (int n = 1; n <= var.cesta.Pocet(); ++n) {
            const TElementSite& a = var.cesta.Prvek(n);
            const TElementSite& b = cteny.cesta.Prvek(n);
            EXPECT_EQ(b.Typ(), a.Typ()) << n;
            EXPECT_EQ(b.Popis, a.Popis) << n;
            EXPECT_EQ(b.Utlum, a.Utlum) << n;
            EXPECT_EQ(b.VlastniDrun, a.VlastniDrun) << n;
            EXPECT_EQ(b.ZaElementem, a.ZaElementem) << n;
        }
        EXPECT_EQ(cteny.Vysledek, var.Vysledek);
        if (MistnostVCeste(var)) {
            EXPECT_EQ(cteny.vstupy.Pohltivost, var.vstupy.Pohltivost);
            EXPECT_EQ(cteny.vstupy.Smerovost, var.vstupy.Smerovost);
        }
    }
    for (int t = TypObecny; t <= PocetTypu; ++t)
        EXPECT_GT(typu[t], 20) << t;
}

// Every kind of the table alone behind the source: written, read and written
// again byte for byte, its inputs and description as they were.
TEST(Obeh, KazdyDruhTabulky) {
    for (const DruhElementu& d : Druhy()) {
        SCOPED_TRACE(d.Nazev);
        Generator g(d.Kod);
        DrunVar var;
        var.SouborTlumice = DRUN_DATA_DIR "/KL385216.CAD";
        ZapisZdroj(var, {g.Popis(), g.Pasma()});
        if (d.Kod != TypZdroj) g.Prvek(var, d.Kod);
        if (HasFatalFailure()) return;
        std::string prvni, druhy;
        ASSERT_TRUE(TextDat(var, prvni));
        DrunVar cteny;
        cteny.SouborTlumice = var.SouborTlumice;
        ASSERT_TRUE(NactiDataZTextu(cteny, prvni).Ok()) << prvni;
        ASSERT_TRUE(TextDat(cteny, druhy));
        EXPECT_EQ(druhy, prvni);
        const TElementSite& e = cteny.cesta.Posledni();
        EXPECT_EQ(e.Typ(), d.Kod);
        EXPECT_EQ(e.Vstupy, var.cesta.Posledni().Vstupy);
        EXPECT_EQ(e.Popis, var.cesta.Posledni().Popis);
    }
}

TEST(Obeh, PrikladovySoubor) {
    const std::string priklad = Soubor({"[DRUN]",
                                        "Kancelář 2.12",
                                        "[ZDROJ DRUNU]",
                                        "1",
                                        "Zdroj drunu",
                                        Nuly,
                                        "   85.0   82.0   80.0   78.0   75.0   72.0   68.0   62.0",
                                        "2",
                                        "Tlumicí vložka",
                                        "    2.0    4.0    8.0   12.0   15.0   15.0   12.0   10.0",
                                        Nuly,
                                        "9",
                                        "korekce na počet zdrojů drunu. Počet= 3",
                                        "3",
                                        "4",
                                        "průměr 250mm, délka 5m, průtok 1200m3/hod",
                                        " 2.50000000000000E+0002",
                                        " 5.00000000000000E+0000",
                                        " 1.20000000000000E+0003",
                                        "0"});
    // Written: the same calculation entered through the dialogs' store steps.
    DrunVar var;
    var.Akce = "Kancelář 2.12";
    ZapisZdroj(var, {"Zdroj drunu", {85, 82, 80, 78, 75, 72, 68, 62}});
    Pridej(var, [&] {
        ZapisObecElement(var, {"Tlumicí vložka", {2, 4, 8, 12, 15, 15, 12, 10}, {}});
        VypocetObecElementu(var);
    });
    Pridej(var, [&] {
        ZapisVice(var, {3, "3"});
        VypocetVice(var);
    });
    Pridej(var, [&] {
        ZadaniKuPotrubi z;
        z.Prumer = 250, z.Delka = 5, z.Prutok = 1200;
        z.TextPrumer = "250", z.TextDelka = "5", z.TextPrutok = "1200";
        ZapisKuPotrubi(var, z);
        VypocetKuPotrubi(var);
    });
    std::string b;
    ASSERT_TRUE(TextDat(var, b));
    EXPECT_EQ(b, priklad);

    // Read: the right path, computed by the models.
    DrunVar cteny;
    ASSERT_TRUE(NactiDataZTextu(cteny, priklad).Ok());
    ASSERT_EQ(cteny.cesta.Pocet(), 4);
    EXPECT_EQ(cteny.Akce, "Kancelář 2.12");
    EXPECT_EQ(cteny.cesta.Prvek(2).NazevTypu(), "Obecný element");
    EXPECT_EQ(cteny.cesta.Prvek(3).Typ(), TypVice);
    EXPECT_EQ(cteny.cesta.Prvek(3).Vstup<VstupyVice>().PocetZdroju, 3);
    const TElementSite& d = cteny.cesta.Prvek(4);
    EXPECT_EQ(d.Typ(), TypKuPotrubi);
    EXPECT_EQ(d.Popis, "průměr 250mm, délka 5m, průtok 1200m3/hod");
    EXPECT_DOUBLE_EQ(d.Vstup<VstupyKuPotrubi>().Prumer, 250);
    EXPECT_DOUBLE_EQ(d.Vstup<VstupyKuPotrubi>().Delka, 5);
    EXPECT_DOUBLE_EQ(d.Vstup<VstupyKuPotrubi>().Prutok, 1200);
    EXPECT_EQ(d.Utlum, var.cesta.Prvek(4).Utlum);
    EXPECT_EQ(d.VlastniDrun, var.cesta.Prvek(4).VlastniDrun);
}

TEST(Obeh, MistnostATlumic) {
    const std::string soubor = Soubor({"[DRUN]",
                                       "",
                                       "[ZDROJ DRUNU]",
                                       "1",
                                       "Z",
                                       Nuly,
                                       Nuly,
                                       "8",
                                       "cokoli, model popíše znovu",
                                       " 6.00000000000000E+0002",
                                       " 5.00000000000000E+0002",
                                       " 1.00000000000000E+0000",
                                       " 2.00000000000000E+0003",
                                       "2",
                                       " 1.00000000000000E+0002",
                                       "10",
                                       "Kancelář",
                                       " 3.00000000000000E+0001",
                                       " 2.50000000000000E+0000",
                                       " 0.10 0.10 0.15 0.20 0.25 0.30 0.30 1.00",
                                       "  2.0  2.0  2.0  2.0  4.0  4.0  8.0 10.0",
                                       "0"});
    DrunVar var;
    var.SouborTlumice = DRUN_DATA_DIR "/KL385216.CAD";
    const VysledekSouboru v = NactiDataZTextu(var, soubor);
    ASSERT_TRUE(v.Ok()) << v.Zprava;
    const TElementSite& t = var.cesta.Prvek(2);
    EXPECT_EQ(t.Typ(), TypTlumic);
    EXPECT_NE(t.Popis, "cokoli, model popíše znovu");
    EXPECT_DOUBLE_EQ(t.Vstup<VstupyTlumic>().A, 600);
    EXPECT_EQ(t.Vstup<VstupyTlumic>().PocetVlozek, 2);
    EXPECT_DOUBLE_EQ(t.Vstup<VstupyTlumic>().SirkaVlozek, 100);
    const TElementSite& m = var.cesta.Prvek(3);
    EXPECT_EQ(m.Popis, "Kancelář");
    EXPECT_DOUBLE_EQ(m.Vstup<VstupyMistnost>().PlochaSten, 30);
    EXPECT_DOUBLE_EQ(m.Vstup<VstupyMistnost>().Vzdalenost, 2.5);
    EXPECT_EQ(m.Vstup<VstupyMistnost>().Pohltivost[2], 0.15);
    EXPECT_EQ(m.Vstup<VstupyMistnost>().Smerovost[7], 10);
    EXPECT_TRUE(MistnostVCeste(var));
    std::string znovu;
    ASSERT_TRUE(TextDat(var, znovu));
    EXPECT_NE(znovu.find(*Utf8DoCp1250("10\r\nKancelář\r\n 3.00000000000000E+0001\r\n "
                                       "2.50000000000000E+0000\r\n 0.10 0.10 0.15 0.20 0.25 "
                                       "0.30 0.30 1.00\r\n  2.0  2.0  2.0  2.0  4.0  4.0  8.0 "
                                       "10.0\r\n0\r\n")),
              std::string::npos)
        << znovu;

    // Without the silencer data the message says where the fault lies.
    DrunVar bez;
    bez.SouborTlumice = "/neni/KL385216.CAD";
    const VysledekSouboru b = NactiDataZTextu(bez, soubor);
    EXPECT_EQ(b.Kod, KodVysledku::DataTlumice);
    EXPECT_EQ(b.Zprava, "Soubor dat tlumičů " + bez.SouborTlumice +
                            " nenalezen, nebo je prázdný.\nChyba při čtení datového souboru.");
    EXPECT_EQ(bez.cesta.Pocet(), 1);
}

TEST(Obeh, HodnotyTesneMimoRozsah) {
    struct Pripad {
        const char* nazev;
        std::vector<std::string> zaznam;
    };
    auto p = [](double x) {
        char b[40];
        std::snprintf(b, sizeof b, " %.14E", x);
        return std::string(b); // a three-digit exponent reads just as well
    };
    const Pripad pripady[] = {
        {"prutok_9", {"3", "d", p(500), p(250), p(10), p(9)}},
        {"hrana_49", {"3", "d", p(49), p(250), p(10), p(2000)}},
        {"delka_100_1", {"4", "d", p(250), p(100.1), p(2000)}},
        {"druh_oblouku_3", {"5", "d", "3", p(500), p(300), p(150), p(2000)}},
        {"radius_501", {"5", "d", "1", p(500), p(300), p(501), p(2000)}},
        {"odbocka_prutok_100001",
         {"6", "d", p(400), p(300), p(500), p(500), p(150), p(100001), p(3000)}},
        {"vyustka_druh_8", {"7", "d", p(600), p(300), p(1500), "8", "1"}},
        {"vyustka_umisteni_0", {"7", "d", p(600), p(300), p(1500), "1", "0"}},
        {"tlumic_delka_4", {"8", "d", p(600), p(500), p(4), p(2000), "2", p(100)}},
        {"tlumic_vlozek_0", {"8", "d", p(600), p(500), p(1), p(2000), "0", p(100)}},
        {"tlumic_mimo_tabulku", {"8", "d", p(500), p(500), p(1), p(2000), "1", p(100)}},
        {"vice_0", {"9", "d", "0"}},
        {"vice_101", {"9", "d", "101"}},
        {"mistnost_plocha_0_5",
         {"10", "d", p(0.5), p(2), " 0.10 0.10 0.10 0.10 0.10 0.10 0.10 0.10",
          "  2.0  2.0  2.0  2.0  2.0  2.0  2.0  2.0"}},
        {"pohltivost_0",
         {"10", "d", p(30), p(2), " 0.10 0.10 0.00 0.10 0.10 0.10 0.10 0.10",
          "  2.0  2.0  2.0  2.0  2.0  2.0  2.0  2.0"}},
        {"smerovost_10_1",
         {"10", "d", p(30), p(2), " 0.10 0.10 0.10 0.10 0.10 0.10 0.10 0.10",
          "  2.0  2.0  2.0  2.0  2.0  2.0  2.0 10.1"}},
        {"oblouk_500mm", {"5", "d", "1", " 500mm", p(300), p(150), p(2000)}},
        {"dve_mistnosti",
         {"10", "d", p(30), p(2), " 0.10 0.10 0.10 0.10 0.10 0.10 0.10 0.10",
          "  2.0  2.0  2.0  2.0  2.0  2.0  2.0  2.0", "10", "e", p(30), p(2),
          " 0.10 0.10 0.10 0.10 0.10 0.10 0.10 0.10", "  2.0  2.0  2.0  2.0  2.0  2.0  2.0  2.0"}},
    };
    for (const auto& c : pripady) {
        SCOPED_TRACE(c.nazev);
        std::string t = "[DRUN]\r\n\r\n[ZDROJ DRUNU]\r\n1\r\nZ\r\n" + Nuly + "\r\n" + Nuly + "\r\n";
        for (const auto& r : c.zaznam)
            t += r + "\r\n";
        t += "0\r\n";
        DrunVar var;
        var.SouborTlumice = DRUN_DATA_DIR "/KL385216.CAD";
        const VysledekSouboru v = NactiDataZTextu(var, t);
        EXPECT_FALSE(v.Ok());
        // The line where it broke and why, or a silencer its data do not cover.
        EXPECT_TRUE(v.Zprava.starts_with("Chyba při čtení datového souboru, řádek ") ||
                    v.Kod == KodVysledku::DataTlumice)
            << v.Zprava;
        EXPECT_EQ(var.cesta.Pocet(), 1);
        EXPECT_FALSE(MistnostVCeste(var));
    }
}
