// The rozvod: its evaluation against each path alone, its file and the trunk remedy.
#include <gtest/gtest.h>

#include <chrono>
#include <cstring>

#include "Pomocnik.h"
#include "core/DrunVyp.h"
#include "core/Platforma.h"
#include "core/Soubory.h"
#include "io/DataSoubor.h"
#include "io/RozvodSoubor.h"
#include "io/Zaloha.h"
#include "models/Pomocnik.h"
#include "tools/Pozadavek.h"
#include "tools/Rozvod.h"
#include "tools/Soucet.h"
#include "tools/UpravyRozvodu.h"

using namespace drun;

namespace {

const std::string Drr = "/stavba/rozvod.DRR";
const std::string Tlumice = std::string(DRUN_DATA_DIR) + "/KL385216.CAD";

bool Stejne(const Spectrum& a, const Spectrum& b) {
    return std::memcmp(a.data(), b.data(), sizeof a) == 0;
}

// The rozvod as its file gives it back (inputs rounded as written).
Rozvod Precteny(const Rozvod& r) {
    std::string bajty;
    EXPECT_EQ(TextRozvodu(r, bajty).Zprava, "");
    Rozvod z;
    EXPECT_EQ(CtiRozvodZTextu(bajty, Drr, Tlumice, z).Zprava, "");
    return z;
}

// The end of section u's path saved as a data file and evaluated alone.
Spectrum KonecSamotne(const Rozvod& r, size_t u) {
    DrunVar var;
    var.Akce = r.Akce;
    var.cesta.NastavPrvky(r.PrvkyCesty(u));
    std::string drn;
    EXPECT_TRUE(TextDat(var, drn));
    DrunVar sama;
    sama.SouborTlumice = Tlumice;
    EXPECT_TRUE(NactiDataZTextu(sama, drn).Ok());
    PrepocitejOd(sama, 1);
    return sama.Vysledek;
}

// Every section's end and room's sum equal, bit for bit.
void ExpectStejneVyhodnoceni(const Rozvod& a, const Rozvod& b) {
    ASSERT_EQ(a.Useky().size(), b.Useky().size());
    for (size_t u = 0; u < a.Useky().size(); ++u)
        EXPECT_TRUE(Stejne(a.Konec(u), b.Konec(u))) << u;
    for (size_t m = 0; m < a.Mistnosti().size(); ++m)
        EXPECT_TRUE(Stejne(a.Mistnosti()[m].Konec, b.Mistnosti()[m].Konec)) << m;
}

} // namespace

TEST(Rozvod, KazdaCestaJakoSamaAMistnostJakoSoucetCest) {
    int dvakrat = 0;
    for (unsigned seed = 1; seed <= 12; ++seed) {
        SCOPED_TRACE(seed);
        const Rozvod r = Precteny(NahodnyRozvod(seed, 12));
        for (size_t u = 0; u < r.Useky().size(); ++u)
            EXPECT_TRUE(Stejne(r.Konec(u), KonecSamotne(r, u))) << "úsek " << r.Useky()[u].Id;
        for (const MistnostRozvodu& m : r.Mistnosti()) {
            std::vector<Spectrum> konce;
            for (size_t u : m.Useky)
                konce.push_back(KonecSamotne(r, u));
            dvakrat += konce.size() > 1;
            EXPECT_TRUE(Stejne(m.Konec, SectiCesty(konce, NulaSpektrum()).Soucet)) << m.Nazev;
        }
        // A change re-evaluates what lies behind it as a whole evaluation would.
        Rozvod zmeneny = r;
        std::vector<Usek> useky = r.Useky();
        const size_t u = seed % useky.size();
        const int n = static_cast<int>(useky[u].Prvky.size());
        if (n > 0 && useky[u].Prvky[size_t(n - 1)].Typ() != TypMistnost) {
            // Twice: the second keeps what the first left of its room's other paths.
            const TElementSite e = Obecny(3.5, 31);
            zmeneny.ZmenPrvek(u, n, Obecny(0.5, 50));
            std::vector<int> mistnosti;
            for (size_t s : r.Napajene(u, n))
                if (const int m = r.MistnostUseku(s);
                    m >= 0 && std::find(mistnosti.begin(), mistnosti.end(), m) == mistnosti.end())
                    mistnosti.push_back(m);
            EXPECT_EQ(zmeneny.ZmenPrvek(u, n, e), int(mistnosti.size()));
            useky[u].Prvky[size_t(n - 1)] = e;
        }
        const TElementSite vlozeny = Obecny(1, 44);
        zmeneny.VlozPrvek(0, 1, vlozeny);
        useky[0].Prvky.insert(useky[0].Prvky.begin() + 1, vlozeny);
        for (Usek& s : useky)
            if (s.Rodic == useky[0].Id) ++s.ZaElementem;
        Rozvod cely;
        cely.NastavUseky(useky);
        ExpectStejneVyhodnoceni(zmeneny, cely);
    }
    EXPECT_GT(dvakrat, 3); // rooms fed by two sections were met
}

namespace {

// A path's elements by what they are, levels aside.
std::vector<std::string> Vstupy(const std::vector<TElementSite>& prvky) {
    std::vector<std::string> v;
    for (const TElementSite& e : prvky) {
        std::string t;
        ZapisElement(e, e.Typ(), t);
        v.push_back(t);
    }
    return v;
}

// Every section's path of the changed sections, by Id; a structure the file
// would refuse fails the test.
std::map<int, std::vector<std::string>> Cesty(const std::vector<Usek>& useky) {
    EXPECT_FALSE(ChybaStruktury(useky).has_value()) << ChybaStruktury(useky)->Proc;
    Rozvod r;
    r.NastavUseky(useky);
    std::map<int, std::vector<std::string>> c;
    for (size_t u = 0; u < useky.size(); ++u)
        c[useky[u].Id] = Vstupy(r.PrvkyCesty(u));
    return c;
}

} // namespace

TEST(Rozvod, UpravyStrukturyACestyUseku) {
    for (unsigned seed = 1; seed <= 8; ++seed) {
        SCOPED_TRACE(seed);
        const Rozvod r = Precteny(NahodnyRozvod(seed, 10));
        const auto pred = Cesty(r.Useky());
        for (size_t s = 0; s < r.Useky().size(); ++s) {
            const Usek& us = r.Useky()[s];
            for (int k = s == 0 ? 2 : 1; k <= int(us.Prvky.size()); ++k) {
                // An element removed leaves every path that held it without it, the rest alone.
                std::vector<Usek> useky = r.Useky();
                VypustZUseku(useky, s, k);
                const std::string pryc = Vstupy({us.Prvky[size_t(k - 1)]})[0];
                for (auto& [id, cesta] : Cesty(useky)) {
                    std::vector<std::string> cekana = pred.at(id);
                    const auto pozice = r.PoradiCesty(size_t(r.Index(id)));
                    const auto it = std::find(pozice.begin(), pozice.end(), std::pair{s, k});
                    if (it != pozice.end()) cekana.erase(cekana.begin() + (it - pozice.begin()));
                    EXPECT_EQ(cesta, cekana) << "úsek " << id << " bez " << us.Id << ":" << k;
                    if (it == pozice.end()) {
                        EXPECT_EQ(std::count(cesta.begin(), cesta.end(), pryc),
                                  std::count(pred.at(id).begin(), pred.at(id).end(), pryc));
                    }
                }
                // A branch starts with the path up to there; none behind a room.
                useky = r.Useky();
                const bool mistnost = us.Prvky[size_t(k - 1)].Typ() == TypMistnost;
                EXPECT_EQ(ChybaVetve(useky, s, k).empty(), !mistnost);
                if (mistnost) continue;
                const size_t v = NovaVetev(useky, s, k);
                auto cesty = Cesty(useky);
                const auto& rodic = pred.at(us.Id);
                const auto pozice = r.PoradiCesty(s);
                EXPECT_EQ(cesty.at(useky[v].Id),
                          std::vector<std::string>(
                              rodic.begin(),
                              rodic.begin() + (pozice.size() - us.Prvky.size() + size_t(k))));
            }
            if (s == 0) continue;
            // A copy has the same path and a room of its own; a removal takes the branches.
            std::vector<Usek> useky = r.Useky();
            const size_t kopie = KopirujUsek(useky, s);
            EXPECT_EQ(Cesty(useky).at(useky[kopie].Id), pred.at(us.Id));
            if (!us.Mistnost.empty()) {
                EXPECT_EQ(useky[kopie].Mistnost, us.Mistnost + " (kopie)");
                // A second copy counts on from two.
                const size_t druha = KopirujUsek(useky, s);
                EXPECT_EQ(useky[druha].Mistnost, us.Mistnost + " (kopie) (2)");
            }
            useky = r.Useky();
            OdstranVetev(useky, s);
            EXPECT_EQ(useky.size(), r.Useky().size() - r.Vetve(s).size());
            Cesty(useky);
        }
        // A step of the history shares the sections it did not change, and gives the rozvod back.
        const SnimekRozvodu prvni = SejmiRozvod(r);
        Rozvod zmeneny = r;
        zmeneny.ZmenPrvek(0, 1, r.Useky()[0].Prvky[0]);
        const size_t u = r.Useky().size() - 1;
        if (!r.Useky()[u].Prvky.empty()) zmeneny.ZmenPrvek(u, 1, Obecny(2, 40));
        const SnimekRozvodu druhy = SejmiRozvod(zmeneny, &prvni);
        EXPECT_EQ(druhy.Useky[0].Prvky, prvni.Useky[0].Prvky);
        EXPECT_EQ(druhy.Useky[u].Prvky == prvni.Useky[u].Prvky, r.Useky()[u].Prvky.empty());
        Rozvod zpet;
        zpet.NastavUseky(UsekySnimku(prvni));
        zpet.Akce = prvni.Akce;
        ExpectStejneVyhodnoceni(zpet, r);
    }
}

TEST(Rozvod, SouborTamAZpetAOdmitnuti) {
    // Trunk 1 (source, two elements), rooms A (twice, the same requirement)
    // and B, a section 4 without a room.
    std::vector<Usek> useky(4);
    useky[0] = {1,
                0,
                0,
                "",
                "",
                {Element(TypZdroj,
                         [](TElementSite& e) {
                             e.Popis = "ventilátor";
                             NaplnSpektrum(e.VlastniDrun, 80);
                         }),
                 Obecny(2, 0), Obecny(3, 20)}};
    const TElementSite mistnost = Element(TypMistnost, [](TElementSite& e) {
        e.Vstup<VstupyMistnost>().PlochaSten = 100, e.Vstup<VstupyMistnost>().Vzdalenost = 2;
    });
    useky[1] = {2, 1, 2, "A", "N30", {mistnost}};
    useky[2] = {3, 1, 3, "A", "N30", {Obecny(1, 0), mistnost}};
    useky[3] = {4, 1, 3, "", "", {Obecny(1, 0)}};
    Rozvod r;
    r.Akce = "Dům č. 5";
    r.NastavUseky(useky);
    std::string bajty, znovu;
    ASSERT_TRUE(TextRozvodu(r, bajty).Ok());
    EXPECT_TRUE(bajty.starts_with("[DRUN ROZVOD]\r\nAkce=Dům č. 5\r\n[USEK]\r\nId=1\r\nRodic=0\r\n1"
                                  "\r\nventilátor\r\n"));
    EXPECT_NE(bajty.find("[USEK]\r\nId=2\r\nRodic=1\r\nZa elementem=2\r\nMistnost=A\r\nPozadavek="
                         "N30\r\n10\r\n"),
              std::string::npos);
    EXPECT_TRUE(bajty.ends_with("\r\n0\r\n[KONEC]\r\n"));
    Rozvod z;
    ASSERT_EQ(CtiRozvodZTextu(bajty, Drr, Tlumice, z).Zprava, "");
    ASSERT_TRUE(TextRozvodu(z, znovu).Ok());
    EXPECT_EQ(znovu, bajty);
    // A width typed with more digits than the file keeps reads as it is written back: the
    // silencer computes alike before and after a save (its description with it).
    {
        const std::string tlumic = "8\r\ntlumič\r\n 6.000000000000004E+0002\r\n 500\r\n 1\r\n"
                                   " 9000\r\n2\r\n 100\r\n0\r\n";
        const std::string s = bajty.substr(0, bajty.size() - 12) + tlumic + "[KONEC]\r\n";
        std::string t1, t2;
        Rozvod a, b;
        ASSERT_EQ(CtiRozvodZTextu(s, Drr, Tlumice, a).Zprava, "");
        ASSERT_TRUE(TextRozvodu(a, t1).Ok());
        ASSERT_EQ(CtiRozvodZTextu(t1, Drr, Tlumice, b).Zprava, "");
        ASSERT_TRUE(TextRozvodu(b, t2).Ok());
        EXPECT_EQ(t2, t1);
        EXPECT_EQ(t1.find("tlumič"), std::string::npos);
    }
    ASSERT_EQ(z.Mistnosti().size(), 1u);
    EXPECT_EQ(z.Mistnosti()[0].Useky.size(), 2u);
    // Written through the platform unit, atomically; read back from the disk.
    const auto slozka = SlozkaTestu("drun-rozvod-");
    std::filesystem::create_directories(slozka);
    const std::string f = TextCesty(slozka / "dům.DRR");
    ASSERT_TRUE(UlozRozvod(z, f).Ok());
    Rozvod zDisku;
    ASSERT_TRUE(NactiRozvod(f, Tlumice, zDisku).Ok());
    ExpectStejneVyhodnoceni(zDisku, z);
    EXPECT_EQ(NactiRozvod(TextCesty(slozka), Tlumice, zDisku).Kod, KodVysledku::NelzeCist);
    std::filesystem::remove_all(slozka);

    // Sections 5 to `po` nested one in another below the trunk, Id k at level k - 3.
    const auto retez = [](int po) {
        std::string t;
        for (int id = 5; id <= po; ++id) {
            t += "[USEK]\r\nId=" + std::to_string(id) +
                 "\r\nRodic=" + std::to_string(id == 5 ? 1 : id - 1) + "\r\nZa elementem=1\r\n";
            ZapisElement(Obecny(1, 0), TypObecny, t);
            t += "0\r\n";
        }
        return t;
    };
    const struct {
        std::vector<std::pair<std::string, std::string>> zmeny; // replaced, each once
        std::string radek; // the line named: the first one of these bytes in the changed file
        std::string proc;
    } pripady[] = {
        {{{"DRUN ROZVOD", "DRUN PROJEKT"}}, "[DRUN", "chybí záhlaví [DRUN ROZVOD]"},
        {{{"Id=2\r\nRodic=1", "Id=2\r\nRodic=9"}}, "Rodic=9", "neznámý rodič 9"},
        {{{"Id=2\r\nRodic=1", "Id=2\r\nRodic=2"}},
         "Rodic=2",
         "úsek nemůže být svým vlastním rodičem (smyčka)"},
        {{{"Id=3\r\nRodic=1", "Id=3\r\nRodic=4"}, {"Id=4\r\nRodic=1", "Id=4\r\nRodic=3"}},
         "Rodic=4",
         "úseky tvoří smyčku"},
        {{{"Id=3\r\nRodic=1", "Id=3\r\nRodic=4"}},
         "Rodic=4",
         "rodič 4 stojí v souboru až za úsekem"},
        {{{"Za elementem=2", "Za elementem=4"}},
         "Za elementem=4",
         "rodič 1 má elementy 1 až 3, ne 4"},
        {{{"Id=4\r\nRodic=1\r\nZa elementem=3", "Id=4\r\nRodic=2\r\nZa elementem=1"}},
         "Za elementem=1",
         "za místností nelze větvit"},
        {{{"Id=4\r\nRodic=1\r\nZa elementem=3\r\n",
           "Id=4\r\nRodic=1\r\nZa elementem=3\r\nPozadavek=N25\r\n"}},
         "Pozadavek=N25",
         "požadavek smí mít jen úsek, který končí místností"},
        {{{"Mistnost=A\r\nPozadavek=N30\r\n2", "Mistnost=A\r\nPozadavek=N35\r\n2"}},
         "Pozadavek=N35",
         "místnost „A“ už má jiný požadavek: N30"},
        {{{"Id=4\r\nRodic=1\r\nZa elementem=3\r\n",
           "Id=4\r\nRodic=1\r\nZa elementem=3\r\nMistnost=B\r\n"}},
         "Mistnost=B",
         "úsek nekončí místností"},
        {{{"Id=3", "Id=2"}}, "Id=2\r\nRodic=1\r\nZa elementem=3", "úsek s Id 2 už je"},
        {{{"Id=4", "Id=0"}}, "Id=0", "očekáván řádek Id= s celým číslem od 1"},
        {{{"Rodic=0\r\n", "Rodic=0\r\nZa elementem=1\r\n"}},
         "Za elementem=1",
         "úsek se zdrojem (Rodic=0) nemá řádek Za elementem="},
        {{{"Mistnost=A\r\nPozadavek=N30\r\n10", "Pozadavek=N30\r\n10"}},
         "[USEK]\r\nId=2",
         "úsek končí místností, chybí řádek Mistnost="},
        {{{"\r\n10\r\n", "\r\n16\r\n"}}, "16\r\n", "element typu 16, který tato verze DRUN nezná"},
        {{{"\r\n10\r\n", "\r\n1O\r\n"}}, "1O", "očekáván typ elementu, nebo 0 na konci úseku"},
        {{{"[USEK]\r\nId=4", retez(1004) + "[USEK]\r\nId=4"}},
         "Rodic=1003\r\n",
         "úsek 1004 leží v 1001. úrovni, rozvod smí mít nejvýše 1000 úrovní úseků"},
        {{{"Akce=Dům č. 5", "Akce=Dům → 5"}},
         "Akce",
         "název akce smí mít nejvýše 60 znaků kódu Windows-1250 na jednom řádku"},
        // A value out of range is named with its field, as the dialogs name it.
        {{{" 1.00000000000000E+0002", " 1.0E+0300"}},
         "1.0E+0300",
         "element typu 10: Plocha stěn: 1.0E+0300 není číslo od 1 do 1000"},
        {{{" 2.00000000000000E+0000", " -2"}},
         "-2",
         "element typu 10: Vzdálenost: -2 není číslo od 1 do 100"},
        {{{" 2.00000000000000E+0000", " 2m"}}, " 2m", "element typu 10: Vzdálenost: 2m není číslo"},
        // A room's name has something to see and nothing that hides or reorders it.
        {{{"Mistnost=A\r\nPozadavek=N30\r\n1", "Mistnost= \r\nPozadavek=N30\r\n1"}},
         "Mistnost= ",
         "neplatný název místnosti (žádný viditelný znak)"},
        {{{"Mistnost=A\r\nPozadavek=N30\r\n1", "Mistnost=A\u202E\r\nPozadavek=N30\r\n1"}},
         "Mistnost=A\u202E",
         "neplatný název místnosti (formátovací znak U+202E)"},
        {{{"Mistnost=A\r\nPozadavek=N30\r\n1", "Mistnost=A\x07\r\nPozadavek=N30\r\n1"}},
         "Mistnost=A\x07",
         "neplatný název místnosti (řídicí znak U+0007)"},
        {{{"[KONEC]\r\n", "[KONEC]\r\nnavíc\r\n"}}, "navíc", "za řádkem [KONEC] nesmí nic být"},
        // The encoding and the line ends are told as what they are.
        {{{"Akce=Dům č. 5", "Akce=D\xf9m \xe8. 5"}}, "Akce", "soubor není v kódování UTF-8"},
        {{{"Id=3\r\n", "Id=3\r"}}, "Id=3", "konce řádků nejsou CR LF"},
    };
    for (const auto& p : pripady) {
        SCOPED_TRACE(p.proc);
        std::string t = bajty;
        for (const auto& [co, cim] : p.zmeny) {
            const size_t i = t.find(co);
            ASSERT_NE(i, std::string::npos) << co;
            t.replace(i, co.size(), cim);
        }
        const size_t radek =
            size_t(std::count(t.begin(), t.begin() + long(t.find(p.radek)), '\n')) + 1;
        Rozvod kopie = z;
        const VysledekSouboru v = CtiRozvodZTextu(t, Drr, Tlumice, kopie);
        EXPECT_EQ(v.Zprava, ChybaRadku("rozvodu", Drr, radek, p.proc).Zprava);
        ASSERT_TRUE(TextRozvodu(kopie, znovu).Ok());
        EXPECT_EQ(znovu, bajty); // nothing changed
    }
    // Nested as deep as allowed, read; a branch one level deeper refused.
    {
        std::string t = bajty;
        t.insert(t.find("[USEK]\r\nId=4"), retez(1003));
        Rozvod hluboky;
        ASSERT_EQ(CtiRozvodZTextu(t, Drr, Tlumice, hluboky).Zprava, "");
        EXPECT_EQ(ChybaVetve(hluboky.Useky(), size_t(hluboky.Index(1002)), 1), "");
        EXPECT_EQ(ChybaVetve(hluboky.Useky(), size_t(hluboky.Index(1003)), 1),
                  "Nová větev by ležela v 1001. úrovni, rozvod smí mít nejvýše 1000 úrovní úseků.");
    }
    // Cut short anywhere, the file is refused or read with the notice that
    // it has no end line, never taken silently as a smaller rozvod.
    const std::string bezKonce = ZpravaBezKonce("rozvodu", Drr);
    for (size_t n = 0; n + 2 < bajty.size(); ++n) {
        Rozvod kus = z;
        const VysledekSouboru v = CtiRozvodZTextu(bajty.substr(0, n), Drr, Tlumice, kus);
        EXPECT_TRUE(!v.Ok() || v.Zprava == bezKonce) << n;
    }
    // Whole files of another form: read as they are (with their notice), or
    // refused at the line that shows it.
    const auto nahradVse = [](std::string s, const std::string& co, const std::string& cim) {
        for (size_t i = s.find(co); i != std::string::npos; i = s.find(co, i + cim.size()))
            s.replace(i, co.size(), cim);
        return s;
    };
    const auto utf16 = [](const std::string& s, bool bom) {
        std::string t = bom ? "\xFF\xFE" : "";
        for (char c : s)
            t += std::string{c, '\0'}; // the test text's non-ASCII bytes do not matter here
        return t;
    };
    const std::string staryKonec = bajty.substr(0, bajty.size() - 9);
    const struct {
        const char* nazev;
        std::string text;
        std::string zprava; // empty: read, the same rozvod
    } formy[] = {
        {"CR CR LF", nahradVse(bajty, "\r\n", "\r\r\n"), ""},
        {"LF", nahradVse(bajty, "\r\n", "\n"), ""},
        {"bez [KONEC]", staryKonec, bezKonce},
        {"CR", nahradVse(bajty, "\r\n", "\r"),
         ChybaRadku("rozvodu", Drr, 1, "konce řádků nejsou CR LF").Zprava},
        {"UTF-16", utf16(bajty, true),
         ChybaRadku("rozvodu", Drr, 1, "soubor není v kódování UTF-8").Zprava},
        {"UTF-16 bez BOM", utf16(bajty, false),
         ChybaRadku("rozvodu", Drr, 1, "soubor není v kódování UTF-8").Zprava},
    };
    for (const auto& f : formy) {
        SCOPED_TRACE(f.nazev);
        Rozvod r2 = z;
        const VysledekSouboru v = CtiRozvodZTextu(f.text, Drr, Tlumice, r2);
        EXPECT_EQ(v.Zprava, f.zprava);
        ASSERT_TRUE(TextRozvodu(r2, znovu).Ok());
        EXPECT_EQ(znovu, bajty);
    }
}

TEST(Rozvod, PrehledJakoProjektATlumicBezDat) {
    Rozvod r = Precteny(NahodnyRozvod(3, 10));
    const PrehledRozvodu p = SpoctiPrehledRozvodu(r);
    const std::string t = TabulkaRozvodu(p, false);
    EXPECT_TRUE(
        t.starts_with("Místnost\tCest\tL(A)\tNR\tNC\tPožadavek\tPásmo\tRezerva\tCesta\tStav\n"));
    EXPECT_TRUE(t.ends_with("Nevyhoví\t" + std::to_string(p.Prehled.Nevyhovi) + "\n"));
    EXPECT_NE(t.find("\túsek "), std::string::npos);
    // A silencer its data cannot compute: its rooms "chyba", counted at the end.
    std::vector<Usek> useky = r.Useky();
    TElementSite tlumic;
    tlumic.NastavTyp(TypTlumic);
    tlumic.Vstup<VstupyTlumic>() = {350, 500, 1, 2700, 1, 200};
    useky[0].Prvky.push_back(tlumic);
    r.NastavUseky(useky);
    std::string bajty;
    ASSERT_TRUE(TextRozvodu(r, bajty).Ok());
    Rozvod bezDat;
    ASSERT_TRUE(CtiRozvodZTextu(bajty, Drr, "/neni/KL385216.CAD", bezDat).Ok());
    const PrehledRozvodu chyba = SpoctiPrehledRozvodu(bezDat);
    int fed = 0;
    for (size_t u = 0; u < useky.size(); ++u)
        fed += useky[u].Rodic == useky[0].Id &&
               useky[u].ZaElementem == int(useky[0].Prvky.size()) && !useky[u].Mistnost.empty();
    EXPECT_EQ(chyba.Chyb > 0, fed > 0);
    if (chyba.Chyb > 0) {
        EXPECT_TRUE(TabulkaRozvodu(chyba, false)
                        .ends_with("\nChyba\t" + std::to_string(chyba.Chyb) + "\n"));
    }
}

TEST(Rozvod, NavrhKmeneProVsechnyMistnosti) {
    // A loud trunk: three rooms behind its duct, one of them fed twice, one
    // room fed from before element K and so counted as it is.
    std::vector<Usek> useky;
    const auto mistnost = [](double plocha) {
        return Element(TypMistnost, [=](TElementSite& e) {
            e.Vstup<VstupyMistnost>().PlochaSten = plocha, e.Vstup<VstupyMistnost>().Vzdalenost = 2;
        });
    };
    const TElementSite potrubi = Element(TypHrPotrubi, [](TElementSite& e) {
        e.Vstup<VstupyHrPotrubi>() = {600, 400, 8, 4000};
    });
    useky.push_back({1,
                     0,
                     0,
                     "",
                     "",
                     {Element(TypZdroj,
                              [](TElementSite& e) {
                                  const double v[] = {80, 78, 76, 72, 68, 64, 60, 56};
                                  std::copy(std::begin(v), std::end(v), e.VlastniDrun.begin());
                              }),
                      Obecny(1, 0), potrubi}});
    useky.push_back({2, 1, 3, "Kancelář", "N45", {Obecny(2, 0), mistnost(120)}});
    useky.push_back({3, 1, 3, "Sál", "N45", {mistnost(300)}});
    useky.push_back({4, 1, 3, "Kancelář", "", {Obecny(6, 0), mistnost(120)}});
    useky.push_back({5, 1, 2, "Sklad", "N20", {Obecny(30, 0), mistnost(50)}});
    Rozvod r;
    r.NastavUseky(useky);
    r = Precteny(r);
    EXPECT_EQ(ChybaNavrhuRozvodu(r, 1, 9), "Element 9 v úseku 1 není; úsek má elementů: 3.");
    EXPECT_EQ(ChybaNavrhuRozvodu(r, 2, 2),
              "Za elementem 2:2 nelze navrhovat: útlum se vkládá jen před místnost.");
    ASSERT_EQ(ChybaNavrhuRozvodu(r, 1, 3), "");
    DrunVar var;
    var.SouborTlumice = Tlumice;
    DataTlumice data;
    ASSERT_TRUE(NactiDataTlumice(Tlumice, data).Ok());
    const NavrhRozvodu n = SpoctiNavrhRozvodu(r, 1, 3, var, 600, 400, 4000, &data);
    // Meets with the attenuation needed, fails with a tenth less in any band.
    const auto splni = [&](const TElementSite& e, int* pasmo) {
        Rozvod s = r;
        s.VlozPrvek(0, 3, e);
        bool vse = true;
        for (const MistnostRozvodu& m : s.Mistnosti()) {
            if (m.Nazev == "Sklad") continue; // not fed behind K
            const Spectrum poz = PozadavekZTextu(m.Pozadavek).value_or(NulaSpektrum());
            for (int i = 0; i < PocetPasem; ++i)
                if (poz[i] != 0 && m.Konec[i] > poz[i] && (!pasmo || *pasmo == i)) vse = false;
        }
        return vse;
    };
    TElementSite utlum = Obecny(0, 0);
    int tlumenych = 0;
    for (int i = 0; i < PocetPasem; ++i) {
        ASSERT_EQ(n.Utlum.Stav[size_t(i)], StavPasma::Utlum) << i;
        utlum.Utlum[size_t(i)] = n.Utlum.Utlum[size_t(i)];
    }
    EXPECT_TRUE(splni(utlum, nullptr));
    for (int i = 0; i < PocetPasem; ++i) {
        if (n.Utlum.Utlum[size_t(i)] == 0) continue;
        ++tlumenych;
        TElementSite mene = utlum;
        mene.Utlum[size_t(i)] -= 0.1;
        EXPECT_FALSE(splni(mene, &i)) << i;
    }
    EXPECT_GT(tlumenych, 2);
    // Every listed silencer makes every fed room meet.
    ASSERT_FALSE(n.Tlumice.empty());
    for (const KandidatTlumice& k : n.Tlumice) {
        TElementSite t;
        t.NastavTyp(TypTlumic);
        t.Utlum = k.Utlum;
        ASSERT_TRUE(SpektraTlumice(data, k.Rozmery, t.Utlum, t.VlastniDrun));
        EXPECT_TRUE(splni(t, nullptr));
    }
    // And so does every listed lining, as the element it is inserted as.
    ASSERT_FALSE(n.Oblozeni.empty());
    for (const KandidatOblozeni& o : n.Oblozeni) {
        TElementSite t = Obecny(0, 0);
        SpektraObHrPotrubi(VstupyOblozeni(o, 600, 400, 4000), t.Utlum, t.VlastniDrun);
        EXPECT_TRUE(splni(t, nullptr)) << o.Tloustka;
    }
    const std::string text = TextNavrhuRozvodu(r, 1, 3, n, 2);
    EXPECT_TRUE(text.starts_with("Za elementem\t1:3\tHranaté potrubí\nPotřebný útlum\t")) << text;
    // A room fed also from before K: the source's own noise reaches it there
    // and no attenuation at K removes it.
    useky.push_back({6, 1, 2, "Chodba", "N10", {mistnost(50)}});
    useky.push_back({7, 1, 3, "Chodba", "", {mistnost(50)}});
    r.NastavUseky(useky);
    r = Precteny(r);
    const NavrhRozvodu nelze = SpoctiNavrhRozvodu(r, 1, 3, var, 600, 400, 4000, nullptr);
    int blokovanych = 0;
    for (size_t i = 0; i < PocetPasem; ++i) {
        if (nelze.Utlum.Stav[i] != StavPasma::Nelze) continue;
        ++blokovanych;
        EXPECT_EQ(nelze.Blokuje[i].Usek, 1);
        EXPECT_EQ(nelze.Blokuje[i].Cislo, 1);
        EXPECT_EQ(nelze.Blokuje[i].Mistnost, "Chodba");
    }
    EXPECT_GT(blokovanych, 0);
    EXPECT_NE(TextNavrhuRozvodu(r, 1, 3, nelze, 1).find("\t1:1\tZdroj drunu\tChodba\n"),
              std::string::npos);
}

namespace {
int prejmenovani = 0, selzePrejmenovani = 0; // the rename that fails, counted from 1
bool SelzeJednou() {
    return ++prejmenovani == selzePrejmenovani;
}
} // namespace

// The automatic save cut short at either file, with and without branches: the next start
// finds the last whole state, the path beside a rozvod always one of its paths.
TEST(Rozvod, ZalohaPrerusenaKdykoli) {
    const auto slozka = SlozkaTestu("drun-zaloha-");
    std::filesystem::create_directories(slozka);
    const std::string drn = TextCesty(slozka / "DRUN.DRN"), drr = TextCesty(slozka / "DRUN.DRR");
    EXPECT_EQ(SouborRozvoduZalohy(drn), drr);
    const Rozvod a = Precteny(NahodnyRozvod(1, 8)), b = Precteny(NahodnyRozvod(2, 8));
    // Section u's path as a data file holds it.
    const auto cesta = [](const Rozvod& r, size_t u, DrunVar& var) {
        NastavCestuUseku(r, u, var);
        std::string t;
        EXPECT_TRUE(TextDat(var, t));
        return t;
    };
    const auto rozvod = [](const Rozvod& r) {
        std::string t;
        EXPECT_TRUE(TextRozvodu(r, t).Ok());
        return t;
    };
    const size_t prvniB = b.Mistnosti().front().Useky.front(), posledniB = b.Useky().size() - 1;
    ASSERT_NE(prvniB, posledniB);
    DrunVar var;
    const std::string drnA = cesta(a, 3, var), drnB = cesta(b, posledniB, var),
                      drnPrvniB = cesta(b, prvniB, var), drrA = rozvod(a), drrB = rozvod(b);
    const struct {
        bool vetve;       // B is saved with its branches
        int selze;        // the rename that fails (0 none): as a kill there
        std::string cDrn; // the files after the next start
        std::string cDrr;
        const char* selhal;
    } pripady[] = {
        {true, 0, drnB, drrB, "DRUN.DRN"},      {true, 1, drnA, drrA, "DRUN.DRR"},
        {true, 2, drnPrvniB, drrB, "DRUN.DRN"}, {false, 0, drnB, drrA, "DRUN.DRN"},
        {false, 1, drnA, drrA, "DRUN.DRN"},
    };
    for (const auto& p : pripady) {
        SCOPED_TRACE(std::to_string(p.vetve) + " " + std::to_string(p.selze));
        // A saved by an earlier run.
        std::string selhal;
        DrunVar va;
        cesta(a, 3, va);
        ASSERT_TRUE(UlozZalohu(va, &a, drn, selhal).Ok());
        for (const std::string& f : {drn, drr})
            std::filesystem::last_write_time(CestaSouboru(f),
                                             std::filesystem::file_time_type::clock::now() -
                                                 std::chrono::hours(1));
        DrunVar vb;
        cesta(b, posledniB, vb);
        prejmenovani = 0;
        selzePrejmenovani = p.selze;
        NastavSelhaniPrejmenovani(SelzeJednou);
        EXPECT_EQ(UlozZalohu(vb, p.vetve ? &b : nullptr, drn, selhal).Ok(), p.selze == 0);
        NastavSelhaniPrejmenovani(nullptr);
        EXPECT_EQ(CestaSouboru(selhal).filename(), p.selhal);
        EXPECT_EQ(SrovnejZalohu(drn, Tlumice), p.cDrn == drnPrvniB);
        EXPECT_FALSE(SrovnejZalohu(drn, Tlumice)); // mended once, then whole
        std::string t;
        CtiSoubor(drn, t);
        EXPECT_EQ(t, p.cDrn);
        CtiSoubor(drr, t);
        EXPECT_EQ(t, p.cDrr);
    }
    std::filesystem::remove_all(slozka);
}
