// A rozvod assembled from calculation files, and the flows carried up its tree.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <map>
#include <random>

#include "Pomocnik.h"
#include "core/DrunVyp.h"
#include "core/Platforma.h"
#include "io/DataSoubor.h"
#include "io/Projekt.h"
#include "io/Protokol.h"
#include "io/RozvodSoubor.h"
#include "io/SestaveniZeSouboru.h"
#include "io/SoucetCest.h"
#include "models/Pomocnik.h"
#include "tools/Prutoky.h"
#include "tools/Sestaveni.h"
#include "tools/Soucet.h"

using namespace drun;

namespace {

const std::string Tlumice = std::string(DRUN_DATA_DIR) + "/KL385216.CAD";

bool Stejne(const Spectrum& a, const Spectrum& b) {
    return std::memcmp(a.data(), b.data(), sizeof a) == 0;
}

std::string UlozCestu(const std::filesystem::path& slozka, const std::string& jmeno,
                      const std::vector<TElementSite>& prvky) {
    DrunVar var;
    var.Akce = "Budova";
    var.cesta.NastavPrvky(prvky);
    const std::string soubor = (slozka / jmeno).string();
    EXPECT_TRUE(UlozData(var, soubor).Ok());
    return soubor;
}

// Paths from random shared prefixes: the room paths of a random rozvod (its
// room elements named after their rooms) in a random order, sometimes one twice.
std::vector<std::vector<TElementSite>> NahodneCesty(unsigned seed) {
    const Rozvod r = NahodnyRozvod(seed, 14);
    std::vector<std::vector<TElementSite>> cesty;
    for (size_t u = 0; u < r.Useky().size(); ++u) {
        if (r.Useky()[u].Mistnost.empty()) continue;
        cesty.push_back(r.PrvkyCesty(u));
        cesty.back().back().Popis = r.Useky()[u].Mistnost;
    }
    std::shuffle(cesty.begin(), cesty.end(), std::mt19937(seed));
    if (seed % 3 == 0 && !cesty.empty()) cesty.push_back(cesty.front());
    return cesty;
}

// The section whose own elements start where s branches off, as the tree has
// them: no two sections branching at one point begin with the same record
// (rooms aside: each path keeps its own end), and none continues its parent
// where the parent itself goes on with the same record.
void ExpectNejmensiStrom(const std::vector<Usek>& useky) {
    std::map<int, size_t> index;
    for (size_t i = 0; i < useky.size(); ++i)
        index[useky[i].Id] = i;
    for (size_t s = 1; s < useky.size(); ++s) {
        EXPECT_FALSE(useky[s].Mistnost.empty()) << "úsek bez místnosti by mohl být s dítětem jeden";
        const TElementSite& prvni = useky[s].Prvky.front();
        if (prvni.Typ() == TypMistnost) continue;
        const Usek& rodic = useky[index.at(useky[s].Rodic)];
        if (size_t(useky[s].ZaElementem) < rodic.Prvky.size()) {
            EXPECT_FALSE(StejnyZaznam(rodic.Prvky[size_t(useky[s].ZaElementem)], prvni)) << s;
        }
        for (size_t t = 1; t < useky.size(); ++t)
            if (t != s && useky[t].Rodic == useky[s].Rodic &&
                useky[t].ZaElementem == useky[s].ZaElementem) {
                EXPECT_FALSE(StejnyZaznam(useky[t].Prvky.front(), prvni)) << s << " " << t;
            }
    }
}

} // namespace

TEST(Sestaveni, NejmensiStromPresneJakoSoubory) {
    const auto slozka = SlozkaTestu("drun-sestaveni-");
    std::filesystem::create_directories(slozka);
    int sdilenych = 0;
    for (unsigned seed = 1; seed <= 10; ++seed) {
        SCOPED_TRACE(seed);
        const auto cesty = NahodneCesty(seed);
        std::vector<std::string> soubory;
        for (size_t i = 0; i < cesty.size(); ++i)
            soubory.push_back(UlozCestu(slozka, "c" + std::to_string(i) + ".DRN", cesty[i]));
        Rozvod r;
        ASSERT_EQ(SestavZeSouboru(soubory, Tlumice, r).Zprava, "");
        ASSERT_EQ(r.Useky().size(), cesty.size());
        ExpectNejmensiStrom(r.Useky());
        size_t prvku = 0;
        for (const Usek& u : r.Useky())
            prvku += u.Prvky.size();
        size_t vsech = 0;
        for (const auto& c : cesty)
            vsech += c.size();
        sdilenych += prvku < vsech;
        // Each room as the sum of its files, each evaluated alone, to the bit.
        for (const MistnostRozvodu& m : r.Mistnosti()) {
            std::vector<Spectrum> konce;
            for (size_t i = 0; i < cesty.size(); ++i)
                if (cesty[i].back().Popis == m.Nazev) {
                    CestaSouctu c{soubory[i], soubory[i]};
                    NactiCestu(c, Tlumice);
                    konce.push_back(c.Konec);
                }
            EXPECT_EQ(konce.size(), m.Useky.size()) << m.Nazev;
            EXPECT_TRUE(Stejne(m.Konec, SectiCesty(konce, NulaSpektrum()).Soucet)) << m.Nazev;
        }
        // A section's protocol is its file's, the header's Akce aside.
        for (size_t u = 0; u < r.Useky().size(); ++u) {
            DrunVar usek, sam;
            NastavCestuUseku(r, u, usek);
            PrepocitejOd(usek, 1);
            ASSERT_TRUE(NactiData(sam, soubory[u]).Ok());
            PrepocitejOd(sam, 1);
            usek.Akce = sam.Akce;
            EXPECT_EQ(TextProtokolu(usek, "1.1.2027"), TextProtokolu(sam, "1.1.2027")) << u;
        }
    }
    EXPECT_GT(sdilenych, 5); // paths did share their sections
    std::filesystem::remove_all(slozka);
}

TEST(Sestaveni, OdmitnutiSeJmenemSouboru) {
    const auto slozka = SlozkaTestu("drun-sestaveni-");
    std::filesystem::create_directories(slozka);
    const auto cesty = NahodneCesty(4);
    ASSERT_GE(cesty.size(), 2u);
    const std::string dobra = UlozCestu(slozka, "dobra.DRN", cesty[0]);
    auto jiny = cesty[1];
    jiny.front().VlastniDrun[3] += 0.5;
    auto bezMistnosti = cesty[1];
    bezMistnosti.pop_back();
    const std::string jinyZdroj = UlozCestu(slozka, "jiny.DRN", jiny);
    const std::string bez = UlozCestu(slozka, "bez.DRN", bezMistnosti);
    const std::string chybi = (slozka / "chybi.DRN").string();
    // A project room without a path.
    const std::string drp = (slozka / "p.DRP").string();
    ASSERT_TRUE(UlozProjekt({{{"Sál", "N30", {"dobra.DRN"}}, {"Chodba", "N30", {}}}}, drp).Ok());
    const struct {
        std::vector<std::string> soubory;
        std::string zprava;
    } radky[] = {
        {{dobra, jinyZdroj},
         "Soubor " + jinyZdroj + " začíná jiným zdrojem než soubor " + dobra +
             ": rozvod má jeden zdroj."},
        {{dobra, bez},
         "Soubor " + bez + " nekončí místností: cesta rozvodu musí vést do místnosti."},
        {{dobra, chybi}, "Datový soubor " + chybi + " nenalezen, nebo je prázdný."},
        {{}, "Není z čeho sestavit rozvod: žádná cesta."},
        {{drp}, "Místnost „Chodba“ projektu " + drp + " nemá žádnou cestu."},
    };
    for (const auto& radek : radky) {
        Rozvod r;
        r.Akce = "beze změny";
        const VysledekSouboru v = radek.soubory.size() == 1 && radek.soubory[0] == drp
                                      ? SestavZProjektu(drp, Tlumice, r)
                                      : SestavZeSouboru(radek.soubory, Tlumice, r);
        EXPECT_EQ(v.Zprava, radek.zprava);
        EXPECT_FALSE(v.Ok());
        EXPECT_EQ(r.Akce, "beze změny");
        EXPECT_TRUE(r.Useky().empty());
    }
    // The project's rooms keep their names and requirements; a file named twice is one path each.
    ASSERT_TRUE(
        UlozProjekt(
            {{{"Sál", "N30", {"dobra.DRN", "dobra.DRN"}}, {"Chodba", "N35", {"dobra.DRN"}}}}, drp)
            .Ok());
    Rozvod r;
    ASSERT_EQ(SestavZProjektu(drp, Tlumice, r).Zprava, "");
    ASSERT_EQ(r.Mistnosti().size(), 2u);
    EXPECT_EQ(r.Mistnosti()[0].Nazev, "Sál");
    EXPECT_EQ(r.Mistnosti()[0].Pozadavek, "N30");
    EXPECT_EQ(r.Mistnosti()[0].Useky.size(), 2u);
    EXPECT_EQ(r.Useky().size(), 3u);
    std::filesystem::remove_all(slozka);
}

namespace {

// Each section's end flow as the flows tool must take it, found apart.
std::vector<double> KonceProudu(const Rozvod& r, const std::map<std::string, double>& zadane) {
    const auto& useky = r.Useky();
    std::vector<double> q(useky.size());
    std::map<std::string, int> bez;
    std::vector<int> vyustka(useky.size());
    for (size_t s = 0; s < useky.size(); ++s) {
        int vetev = 0;
        for (const Usek& c : useky)
            if (c.Rodic == useky[s].Id) vetev = std::max(vetev, c.ZaElementem);
        for (int k = int(useky[s].Prvky.size()); k > vetev && !vyustka[s]; --k)
            if (useky[s].Prvky[size_t(k - 1)].Typ() == TypVyustka) vyustka[s] = k;
        if (!vyustka[s] && !useky[s].Mistnost.empty()) ++bez[useky[s].Mistnost];
    }
    for (size_t s = 0; s < useky.size(); ++s)
        if (vyustka[s])
            q[s] = useky[s].Prvky[size_t(vyustka[s] - 1)].Vstup<VstupyVyustka>().Prutok;
        else if (!useky[s].Mistnost.empty())
            q[s] = zadane.at(useky[s].Mistnost) / bez.at(useky[s].Mistnost);
    return q;
}

std::vector<double*> Prutoky(TElementSite& e) {
    std::vector<double*> v;
    if (const DruhElementu* d = Druh(e.Typ()))
        for (const VstupDruhu& p : d->Vstupy)
            if (p.Role != RoleVstupu::Zadna) v.push_back(p.Real(e.Vstupy));
    return v;
}

} // namespace

TEST(Prutoky, KazdyPrvekNeseSoucetMistnostiADruhyBehNicNemeni) {
    int zmen = 0, nevyhovi = 0;
    for (unsigned seed = 1; seed <= 16; ++seed) {
        SCOPED_TRACE(seed);
        const Rozvod r = NahodnyRozvod(seed, 14);
        std::map<std::string, double> zadane;
        int i = 0;
        for (const std::string& m : MistnostiBezVyustky(r.Useky()))
            zadane[m] = 150 + 37 * ++i;
        const VysledekPrutoku v = PrutokyPodleMistnosti(r.Useky(), zadane, Tlumice);
        ASSERT_TRUE(v.BezPrutoku.empty());
        zmen += int(v.Zmeny.size());
        nevyhovi += int(v.Nevyhovi.size());
        const std::vector<double> konce = KonceProudu(r, zadane);
        for (size_t s = 0; s < v.Useky.size(); ++s)
            for (int k = 1; k <= int(v.Useky[s].Prvky.size()); ++k) {
                TElementSite e = v.Useky[s].Prvky[size_t(k - 1)];
                TElementSite puvodni = r.Useky()[s].Prvky[size_t(k - 1)];
                const bool nechany =
                    std::any_of(v.Nevyhovi.begin(), v.Nevyhovi.end(), [&](const NevyhoviPrutok& n) {
                        return n.Usek == v.Useky[s].Id && n.Prvek == k;
                    });
                double ocekavany = 0;
                for (size_t t : r.Napajene(s, k))
                    ocekavany += konce[t];
                const auto q = Prutoky(e), q0 = Prutoky(puvodni);
                for (size_t j = 0; j < q.size(); ++j)
                    EXPECT_DOUBLE_EQ(*q[j], nechany || ocekavany == 0 ? *q0[j] : ocekavany)
                        << "úsek " << v.Useky[s].Id << " prvek " << k;
            }
        // The changed elements as their models compute them.
        for (const ZmenaPrutoku& z : v.Zmeny) {
            TElementSite e = v.Useky[size_t(r.Index(z.Usek))].Prvky[size_t(z.Prvek - 1)];
            TElementSite znovu = e;
            DrunVar var;
            var.SouborTlumice = Tlumice;
            ASSERT_TRUE(SpoctiSamotny(var, znovu));
            EXPECT_TRUE(Stejne(e.VlastniDrun, znovu.VlastniDrun));
        }
        const VysledekPrutoku znovu = PrutokyPodleMistnosti(v.Useky, zadane, Tlumice);
        EXPECT_TRUE(znovu.Zmeny.empty());
        EXPECT_EQ(znovu.Nevyhovi.size(), v.Nevyhovi.size());
    }
    EXPECT_GT(zmen, 20);
    EXPECT_GT(nevyhovi, 0); // too fast air in a narrow duct is met and left alone
}

TEST(Prutoky, OdbockaPopisAZmeny) {
    const auto prvek = [](int kod, const char* popis, auto nastav) {
        return Element(kod, [&](TElementSite& e) {
            e.Popis = popis;
            nastav(e);
        });
    };
    const auto vyustka = [&](double q) {
        return prvek(TypVyustka, "Vyústka 300x200mm, průtok1000m3/hod", [q](TElementSite& e) {
            e.Vstup<VstupyVyustka>() = {300, 200, q, 1, 1};
        });
    };
    const auto mistnost = [&]() {
        return prvek(TypMistnost, "", [](TElementSite& e) {
            e.Vstup<VstupyMistnost>().PlochaSten = 100, e.Vstup<VstupyMistnost>().Vzdalenost = 2;
        });
    };
    std::vector<Usek> useky(2);
    useky[0] = {1, 0, 0, "A", "", {}};
    useky[0].Prvky = {Obecny(0, 0, "ventilátor"),
                      prvek(TypHrPotrubi, "500x400mm, délka 2m, průtok 1000m3/hod",
                            [](TElementSite& e) {
                                e.Vstup<VstupyHrPotrubi>() = {500, 400, 2, 1000};
                            }),
                      prvek(TypOdbocka,
                            "Odbočka 300x200 / 400x400mm, rádius 100mm, průtok 1000 / 400.0m3/hod",
                            [](TElementSite& e) {
                                e.Vstup<VstupyOdbocka>() = {300, 200, 400, 400, 100, 400, 1000};
                            }),
                      vyustka(250), mistnost()};
    useky[0].Prvky[0].NastavTyp(TypZdroj);
    useky[1] = {2, 1, 2, "B", "", {vyustka(300), mistnost()}};
    ASSERT_FALSE(ChybaStruktury(useky));
    const VysledekPrutoku v = PrutokyPodleMistnosti(useky, {}, Tlumice);
    EXPECT_EQ(v.Useky[0].Prvky[1].Popis, "500x400mm, délka 2m, průtok 550m3/hod");
    EXPECT_EQ(v.Useky[0].Prvky[2].Popis,
              "Odbočka 300x200 / 400x400mm, rádius 100mm, průtok 550 / 250.0m3/hod");
    EXPECT_EQ(TabulkaRadku(RadkyZmenPrutoku(useky, v)),
              "Úsek\tElement\tTyp\tVstup\tPůvodní\tNový\n"
              "1\t2\tHranaté potrubí\tPrůtok\t1000.0\t550.0\n"
              "1\t3\tOdbočka\tPrůtok odbočkou\t400.0\t250.0\n"
              "1\t3\tOdbočka\tPrůtok\t1000.0\t550.0\n"
              "Změn\t3\n");
    // A room without an outlet needs its flow; shared by its paths without one.
    useky[1].Prvky.erase(useky[1].Prvky.begin());
    EXPECT_EQ(PrutokyPodleMistnosti(useky, {}, Tlumice).BezPrutoku, std::vector<std::string>{"B"});
    useky[1].Prvky.insert(useky[1].Prvky.begin(), Obecny(1, 0, "x"));
    const VysledekPrutoku w = PrutokyPodleMistnosti(useky, {{"B", 30000}}, Tlumice);
    ASSERT_EQ(w.Nevyhovi.size(), 1u); // the duct; the branch limits its own direction only
    EXPECT_EQ(w.Nevyhovi[0].Proc, "Příliš vysoká rychlost vzduchu v průřezu.");
    EXPECT_EQ(w.Useky[0].Prvky[1].Vstup<VstupyHrPotrubi>().Prutok, 1000);
}
