#include <gtest/gtest.h>

#include "core/Cisla.h"
#include "core/DrunVar.h"
#include "core/DrunVyp.h"
#include "io/DataSoubor.h"
#include "io/Protokol.h"
#include "tools/Pozadavek.h"

using namespace drun;

namespace {

// Element blocks only read the evaluated spectra, so the types are set directly.
void Pridej(DrunVar& var, std::uint8_t typ, const std::string& popis = "popis") {
    var.cesta.NajdiElement(var.cesta.Pocet());
    var.cesta.VlozElement();
    TElementSite& e = var.cesta.Aktualni();
    e.NastavTyp(typ);
    e.Popis = popis;
    if (typ == TypVice) e.Vstup<VstupyVice>().PocetZdroju = 2;
}

// Pages of the stream: a line starting with a form feed opens the next one.
std::vector<std::vector<std::string>> Stranky(const std::vector<std::string>& radky) {
    std::vector<std::vector<std::string>> s(1);
    for (const std::string& r : radky) {
        if (!r.empty() && r[0] == '\f') {
            s.emplace_back();
            s.back().push_back(r.substr(1));
        } else {
            s.back().push_back(r);
        }
    }
    return s;
}

// Element numbers whose header lines stand on each page.
std::vector<std::vector<int>> ElementyNaStrankach(const std::vector<std::string>& radky) {
    std::vector<std::vector<int>> out;
    for (const auto& str : Stranky(radky)) {
        out.emplace_back();
        for (const std::string& r : str) {
            const size_t pomlcka = r.find('-');
            if (r.size() > 5 && r.compare(0, 5, "     ") == 0 && r[5] >= '1' && r[5] <= '9' &&
                pomlcka != std::string::npos && r.find('\t') == std::string::npos)
                out.back().push_back(std::stoi(r.substr(5, pomlcka - 5)));
        }
    }
    return out;
}

const std::string Cara = "     " + std::string(79, '_') + " ";

} // namespace

TEST(Protokol, JenZdrojNaJedneStrance) {
    DrunVar var;
    var.Akce = "Kancelář";
    var.cesta.Prvni().Popis = "Ventilátor";
    NaplnSpektrum(var.cesta.Prvni().VlastniDrun, 80);
    PrepocitejOd(var, 1);
    const auto r = TextProtokolu(var, "7.12.2026");
    const std::vector<std::string> ocekavane{
        "",
        "",
        "",
        "     VÝPOČET DRUNU VE VZT ZAŘÍZENÍ" + std::string(41, ' ') + "Ver. 3.010",
        Cara,
        "     7.12.2026",
        "",
        "     Akce:Kancelář",
        "     " + std::string(69, '_') + "list č. 1",
        "",
        "     OKTÁVY\t63Hz\t125Hz\t250Hz\t500Hz\t1kHz\t2kHz\t4kHz\t8kHz\tL(A)",
        Cara,
        "     ZDROJ DRUNU: Ventilátor",
        "     \t\t80.0\t80.0\t80.0\t80.0\t80.0\t80.0\t80.0\t80.0\t87.0",
        "",
        Cara,
        "     VÝSLEDEK CELÉ SÍTĚ:",
        "     \t\t80.0\t80.0\t80.0\t80.0\t80.0\t80.0\t80.0\t80.0\t87.0",
        "     POŽADAVEK NA KONCI SÍTĚ:",
        "     \t\t0.0\t0.0\t0.0\t0.0\t0.0\t0.0\t0.0\t0.0\t7.0",
        "     ROZDÍL:",
        "     \t\t80.0\t80.0\t80.0\t80.0\t80.0\t80.0\t80.0\t80.0\t80.0",
        Cara,
    };
    EXPECT_EQ(r, ocekavane);
}

TEST(Protokol, BlokyPodleTypu) {
    DrunVar var;
    var.Akce = "";
    NaplnSpektrum(var.cesta.Prvni().VlastniDrun, 60);
    Pridej(var, TypHrPotrubi, "500x250mm, délka 10m, průtok 2000m3/hod");
    NaplnSpektrum(var.cesta.Aktualni().Utlum, 3);
    Pridej(var, TypVice, "korekce na počet zdrojů drunu. Počet= 2");
    Pridej(var, TypMistnost, "Kancelář");
    TElementSite& m = var.cesta.Aktualni();
    m.Vstup<VstupyMistnost>() = {
        30, 2.5, {0.1, 0.1, 0.15, 0.2, 0.25, 0.3, 0.3, 1}, {2, 2, 2, 2, 4, 4, 8, 10}};
    NaplnSpektrum(m.Utlum, 5);
    NaplnSpektrum(var.Pozadavek, 70);
    PrepocitejOd(var, 1);
    const auto r = TextProtokolu(var, "d");
    auto najdi = [&](const std::string& zacatek) {
        for (size_t i = 0; i < r.size(); ++i)
            if (r[i].rfind(zacatek, 0) == 0) return i;
        ADD_FAILURE() << zacatek;
        return size_t{0};
    };
    EXPECT_EQ(r[7], "     Akce:");
    size_t i = najdi("     2-Hranaté potrubí-500x250mm");
    EXPECT_EQ(r[i + 1], "     útlum\t3.0\t3.0\t3.0\t3.0\t3.0\t3.0\t3.0\t3.0\t10.0");
    EXPECT_EQ(r[i + 2], "     mezisoučet\t57.0\t57.0\t57.0\t57.0\t57.0\t57.0\t57.0\t57.0\t64.0");
    EXPECT_EQ(r[i + 3], "     vl. drun\t0.0\t0.0\t0.0\t0.0\t0.0\t0.0\t0.0\t0.0\t7.0");
    EXPECT_EQ(r[i + 4], "     za elem.\t57.0\t57.0\t57.0\t57.0\t57.0\t57.0\t57.0\t57.0\t64.0");
    EXPECT_EQ(r[i + 5], "");
    i = najdi("     3-Více zdrojů-korekce");
    EXPECT_EQ(r[i + 1], "     za elem.\t60.0\t60.0\t60.0\t60.0\t60.0\t60.0\t60.0\t60.0\t67.0");
    EXPECT_EQ(r[i + 2], "");
    i = najdi("     4-Místnost-Kancelář");
    EXPECT_EQ(r[i + 1], "     Plocha stěn  30.0m2, vzdálenost od zdroje   2.5m");
    EXPECT_EQ(r[i + 2], "     Součinitel pohltivosti stěn");
    EXPECT_EQ(r[i + 3], "     \t\t0.10\t0.10\t0.15\t0.20\t0.25\t0.30\t0.30\t1.00");
    EXPECT_EQ(r[i + 4], "     Směrový součinitel");
    EXPECT_EQ(r[i + 5], "     \t\t2.0\t2.0\t2.0\t2.0\t4.0\t4.0\t8.0\t10.0");
    EXPECT_EQ(r[i + 6], "     útlum\t5.0\t5.0\t5.0\t5.0\t5.0\t5.0\t5.0\t5.0\t12.0");
    EXPECT_EQ(r[i + 7], "     za elem.\t55.0\t55.0\t55.0\t55.0\t55.0\t55.0\t55.0\t55.0\t62.0");
    EXPECT_EQ(r[i + 8], "");
    EXPECT_EQ(r[i + 9], Cara);
    i = najdi("     ROZDÍL:");
    EXPECT_EQ(r[i + 1], "     \t\t-15.0\t-15.0\t-15.0\t-15.0\t-15.0\t-15.0\t-15.0\t-15.0\t-15.0");
}

TEST(Protokol, StrankovaniStandardnichBloku) {
    struct Pripad {
        int delka;
        int prvku;
        std::vector<std::vector<int>> stranky;
    };
    const Pripad pripady[] = {
        // 60: a break once the counter exceeds 51; page 1 holds elements 2..8, later pages eight.
        {60,
         25,
         {{2, 3, 4, 5, 6, 7, 8},
          {9, 10, 11, 12, 13, 14, 15, 16},
          {17, 18, 19, 20, 21, 22, 23, 24},
          {25}}},
        // 25: a break above 16; page 1 holds one block, later pages two.
        {25, 6, {{2}, {3, 4}, {5, 6}}},
    };
    for (const auto& p : pripady) {
        SCOPED_TRACE(p.delka);
        DrunVar var;
        var.parametry.DelkaStranky = p.delka;
        for (int n = 2; n <= p.prvku; ++n)
            Pridej(var, TypObecny);
        PrepocitejOd(var, 1);
        const auto r = TextProtokolu(var, "d");
        const auto el = ElementyNaStrankach(r);
        ASSERT_GE(el.size(), p.stranky.size());
        for (size_t s = 0; s < p.stranky.size(); ++s)
            EXPECT_EQ(el[s], p.stranky[s]) << s;
    }
}

TEST(Protokol, DalsiStrankaZacinaTremiPrazdnymiRadkyAZahlavim) {
    DrunVar var;
    var.parametry.DelkaStranky = 25;
    var.Akce = "X";
    for (int n = 2; n <= 4; ++n)
        Pridej(var, TypObecny);
    PrepocitejOd(var, 1);
    const auto s = Stranky(TextProtokolu(var, "d"));
    ASSERT_GE(s.size(), 2u);
    const auto& d = s[1];
    ASSERT_GE(d.size(), 9u);
    EXPECT_EQ(d[0], "");
    EXPECT_EQ(d[1], "");
    EXPECT_EQ(d[2], "");
    EXPECT_EQ(d[3], "     Akce:X");
    EXPECT_EQ(d[4], "     " + std::string(69, '_') + "list č. 2");
    EXPECT_EQ(d[5], "");
    EXPECT_EQ(d[6].substr(0, 12), "     OKTÁVY");
    EXPECT_EQ(d[7], Cara);
    EXPECT_EQ(d[8], "     3-Obecný element-popis");
}

// Whatever the mix of blocks and the page length, no page holds more lines
// than the page length, the closing block with its rule included.
TEST(Protokol, ZadnaStrankaNePresahneDelku) {
    const std::uint8_t typy[] = {TypObecny, TypVice, TypMistnost, TypHrPotrubi, TypVice};
    for (int delka = 25; delka <= 100; delka += 5) {
        for (int prvku = 1; prvku <= 40; ++prvku) {
            for (int posun = 0; posun < 5; ++posun) {
                DrunVar var;
                var.parametry.DelkaStranky = delka;
                for (int n = 2; n <= prvku; ++n)
                    Pridej(var, typy[(n + posun) % 5]);
                PrepocitejOd(var, 1);
                const auto r = TextProtokolu(var, "d");
                const auto s = Stranky(r);
                for (size_t k = 0; k < s.size(); ++k)
                    ASSERT_LE(static_cast<int>(s[k].size()), delka)
                        << "length " << delka << ", " << prvku << " elements, page " << k + 1;
                // the closing block stays together
                ASSERT_EQ(s.back().back(), Cara);
                ASSERT_EQ(s.back()[s.back().size() - 8], Cara);
                ASSERT_EQ(s.back()[s.back().size() - 7], "     VÝSLEDEK CELÉ SÍTĚ:");
            }
        }
    }
}

TEST(Protokol, UzaviraciCaraJdeSBlokem) {
    // Page length 25 with two standard blocks on page 2 leaves the counter at 20,
    // above 25 - 10: the closing block, rule first, moves to page 3 whole.
    DrunVar var;
    var.parametry.DelkaStranky = 25;
    for (int n = 2; n <= 4; ++n)
        Pridej(var, TypObecny);
    PrepocitejOd(var, 1);
    const auto s = Stranky(TextProtokolu(var, "d"));
    ASSERT_EQ(s.size(), 3u);
    EXPECT_EQ(s[1].size(), 20u);
    EXPECT_EQ(s[1].back(), "");
    EXPECT_EQ(s[2].size(), 8u + 8u);
    EXPECT_EQ(s[2][8], Cara);
}

// The example calculation at every page length: the result, the requirement
// and the difference stand on the last page together, the result as the
// last element leaves it.
TEST(Protokol, ZaverPrikladuNaJedneStrance) {
    DrunVar var;
    ASSERT_TRUE(NactiData(var, std::string(DRUN_TEST_DATA) + "/Kancelar.DRN").Ok());
    NastavPozadavek(var, NKrivky[4]);
    PrepocitejOd(var, 1);
    std::string vysledek = "     \t\t";
    for (int k = 0; k <= LA; ++k)
        vysledek += (k > 0 ? "\t" : "") + FormatHodnota(var.Vysledek[static_cast<size_t>(k)]);
    for (int delka = 25; delka <= 100; ++delka) {
        SCOPED_TRACE(delka);
        var.parametry.DelkaStranky = delka;
        const auto posledni = Stranky(TextProtokolu(var, "d")).back();
        ASSERT_GE(posledni.size(), 8u);
        const auto zaver = posledni.end() - 8;
        EXPECT_EQ(std::vector<std::string>(zaver, zaver + 4),
                  (std::vector<std::string>{Cara, "     VÝSLEDEK CELÉ SÍTĚ:", vysledek,
                                            "     POŽADAVEK NA KONCI SÍTĚ:"}));
        EXPECT_EQ(zaver[5], "     ROZDÍL:");
        EXPECT_EQ(posledni.back(), Cara);
    }
}

TEST(Protokol, TextovyProud) {
    DrunVar var;
    var.parametry.DelkaStranky = 25;
    for (int n = 2; n <= 3; ++n)
        Pridej(var, TypObecny);
    PrepocitejOd(var, 1);
    const std::string t = ProtokolJakoText(TextProtokolu(var, "d"));
    EXPECT_NE(t.find("\n\f\n\n\n     Akce:"), std::string::npos);
    EXPECT_EQ(t.back(), '\n');
}
