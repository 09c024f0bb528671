// The sum's paths read from files, its table and the set file *.DRS.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "core/Cisla.h"
#include "core/Platforma.h"
#include "core/Soubory.h"
#include "io/DataSoubor.h"
#include "io/Protokol.h"
#include "io/SoucetCest.h"
#include "models/Pomocnik.h"
#include "models/Zdroj.h"
#include "tools/Pozadavek.h"

using namespace drun;
namespace fs = std::filesystem;

namespace {

class SoucetCest : public ::testing::Test {
  protected:
    void SetUp() override {
        slozka = SlozkaTestu("drun-soucet-");
        fs::create_directories(slozka / "podsložka");
    }
    void TearDown() override { fs::remove_all(slozka); }
    // A calculation of the source alone with all bands at `uroven`.
    std::string Vypocet(const std::string& jmeno, double uroven, const std::string& akce) {
        const std::string s = (slozka / jmeno).string();
        UlozZdrojSam(s, uroven, akce);
        return s;
    }
    fs::path slozka;
};

} // namespace

TEST_F(SoucetCest, CestyZeSouboruATabulka) {
    std::vector<CestaSouctu> cesty{{"a.DRN", Vypocet("a.DRN", 60, "Přívod")},
                                   {"b.DRN", Vypocet("b.DRN", 60, "Odvod\tzpět")},
                                   {"c.DRN", (slozka / "c.DRN").string()}};
    for (CestaSouctu& c : cesty)
        NactiCestu(c, "KL385216.CAD");
    EXPECT_TRUE(cesty[0].Ok);
    EXPECT_EQ(cesty[0].Akce, "Přívod");
    EXPECT_EQ(FormatHodnota(cesty[0].Konec[3]), "60.0");
    EXPECT_FALSE(cesty[2].Ok);
    EXPECT_EQ(cesty[2].Zprava, "Datový soubor " + cesty[2].Soubor + " nenalezen, nebo je prázdný.");
    ASSERT_TRUE(
        ZapisAtomicky(cesty[2].Soubor, "[DRUN]\r\n\r\n[ZDROJ DRUNU]\r\n1\r\nZ\r\n500mm\r\n"));
    NactiCestu(cesty[2], "KL385216.CAD");
    EXPECT_EQ(cesty[2].Zprava, "Chyba při čtení datového souboru " + cesty[2].Soubor +
                                   ", řádek 6: element typu 1: Útlum 63Hz: 500mm není číslo.");

    Spectrum poz{};
    NastavPozadavek(poz, NKrivky[4]);
    EXPECT_EQ(KonceCest(cesty).size(), 2u);
    const std::string t = TabulkaSouctu(cesty, SectiCesty(KonceCest(cesty), poz));
    EXPECT_EQ(t, "Soubor\tAkce\t63Hz\t125Hz\t250Hz\t500Hz\t1kHz\t2kHz\t4kHz\t8kHz\tL(A)\n"
                 "a.DRN\tPřívod\t60.0\t60.0\t60.0\t60.0\t60.0\t60.0\t60.0\t60.0\t67.0\n"
                 "b.DRN\tOdvod zpět\t60.0\t60.0\t60.0\t60.0\t60.0\t60.0\t60.0\t60.0\t67.0\n"
                 "Součet\t\t63.0\t63.0\t63.0\t63.0\t63.0\t63.0\t63.0\t63.0\t70.0\n"
                 "Požadavek\t\t59.2\t48.1\t39.9\t34.0\t30.0\t26.9\t24.7\t22.9\t39.2\n"
                 "Rozdíl\t\t3.8\t14.9\t23.1\t29.0\t33.0\t36.1\t38.3\t40.1\t30.8\n"
                 "NR\t69.0\nNC\t65.9\nRC\t63 H\n");
    // A difference that rounds to zero keeps its sign, as the verdict beside it does.
    Spectrum tesne{};
    NastavPozadavek(tesne, {60.04, 59.96, 60.06, 60, 0, 0, 0, 0});
    const std::string r = TabulkaSouctu({cesty[0]}, SectiCesty({cesty[0].Konec}, tesne));
    EXPECT_NE(r.find("\nRozdíl\t\t-0.0\t0.0\t-0.1\t0.0\t"), std::string::npos) << r;
}

TEST_F(SoucetCest, SadaTamAZpetBajtProBajt) {
    const std::string sada = (slozka / "pokoj.DRS").string();
    SadaSouctu s;
    s.Soubory = {TextCesty(slozka / CestaSouboru("přívod.DRN")),
                 TextCesty(slozka / CestaSouboru("podsložka") / "odvod.DRN"),
                 (slozka.parent_path() / "jinde.DRN").string()};
    NastavPozadavek(s.Pozadavek, NKrivky[4]);
    ASSERT_TRUE(UlozSadu(s, sada).Ok());
    std::string bajty;
    ASSERT_EQ(CtiSoubor(sada, bajty), KodVysledku::Ok);
    EXPECT_EQ(bajty, "[DRUN SOUCET]\r\npřívod.DRN\r\npodsložka/odvod.DRN\r\n../jinde.DRN\r\n"
                     "[POZADAVEK]\r\nN30\r\n[KONEC]\r\n");
    SadaSouctu zpet;
    ASSERT_EQ(NactiSadu(sada, zpet).Zprava, "");
    EXPECT_EQ(zpet.Soubory, s.Soubory);
    // Cut short anywhere before its end line is whole, the file is refused or
    // read with the notice that the end line is missing; never taken silently
    // as a smaller set.
    for (size_t n = 0; n + 2 < bajty.size(); ++n) {
        SadaSouctu kus;
        const VysledekSouboru v = CtiSaduZTextu(bajty.substr(0, n), sada, kus);
        EXPECT_TRUE(!v.Ok() || v.Zprava == ZpravaBezKonce("sady", sada)) << n;
    }
    EXPECT_EQ(zpet.Pozadavek, s.Pozadavek);
    // Written again from what was read, the file is the same byte for byte.
    ASSERT_TRUE(UlozSadu(zpet, sada).Ok());
    std::string znovu;
    CtiSoubor(sada, znovu);
    EXPECT_EQ(znovu, bajty);

    // Eight levels, no files; LF line ends and trailing blank lines are read too.
    ASSERT_TRUE(CtiSaduZTextu("\xEF\xBB\xBF[DRUN SOUCET]\n[POZADAVEK]\n40 35 30 25 20 15 10 5\n\n",
                              sada, zpet)
                    .Ok());
    EXPECT_TRUE(zpet.Soubory.empty());
    EXPECT_EQ(TextPozadavku(zpet.Pozadavek), "40 35 30 25 20 15 10 5");
    EXPECT_EQ(FormatHodnota(zpet.Pozadavek[LA]), FormatHodnota([] {
                  Spectrum p{};
                  NastavPozadavek(p, {40, 35, 30, 25, 20, 15, 10, 5});
                  return p[LA];
              }()));
    // An NC curve by its name, written back by its name.
    // A file of the previous version, without the end line, is read with a notice.
    const VysledekSouboru stara =
        CtiSaduZTextu("[DRUN SOUCET]\r\n[POZADAVEK]\r\nNC30\r\n", sada, zpet);
    ASSERT_TRUE(stara.Ok());
    EXPECT_EQ(stara.Zprava, "Soubor sady " + sada +
                                " nemá na konci řádek [KONEC]: je ze starší verze DRUN, nebo byl "
                                "zkrácen. Přečten je tak, jak je.");
    EXPECT_EQ(zpet.Pozadavek[0], 57);
    ASSERT_TRUE(TextSady(zpet, sada, znovu));
    EXPECT_EQ(znovu, "[DRUN SOUCET]\r\n[POZADAVEK]\r\nNC30\r\n[KONEC]\r\n");
    // A limit in dB(A) keeps its L(A) and its name.
    ASSERT_TRUE(
        CtiSaduZTextu("[DRUN SOUCET]\r\n[POZADAVEK]\r\nla32.5\r\n[KONEC]\r\n", sada, zpet).Ok());
    EXPECT_EQ(zpet.Pozadavek[LA], 32.5);
    ASSERT_TRUE(TextSady(zpet, sada, znovu));
    EXPECT_EQ(znovu, "[DRUN SOUCET]\r\n[POZADAVEK]\r\nLA32.5\r\n[KONEC]\r\n");
    // The root however many slashes name it, so that it is written back the same.
    SadaSouctu koren;
    ASSERT_TRUE(CtiSaduZTextu("[DRUN SOUCET]\n/\n[POZADAVEK]\nN30\n", sada, koren).Ok());
    ASSERT_TRUE(CtiSaduZTextu("[DRUN SOUCET]\n//\n[POZADAVEK]\nN30\n", sada, zpet).Ok());
    EXPECT_EQ(zpet.Soubory, koren.Soubory);
    // A folder's name ends without a separator however it was written.
    ASSERT_TRUE(CtiSaduZTextu("[DRUN SOUCET]\n..\na/\n[POZADAVEK]\nN30\n", sada, zpet).Ok());
    EXPECT_EQ(zpet.Soubory, (std::vector<std::string>{TextCesty(Slozka(sada).parent_path()),
                                                      TextCesty(Slozka(sada) / "a")}));
}

TEST_F(SoucetCest, PoskozenaSadaSeOdmitne) {
    const std::string sada = (slozka / "pokoj.DRS").string();
    SadaSouctu s;
    s.Soubory = {"/x/a.DRN"};
    const SadaSouctu puvodni = s;
    // The text, then the first bad line and why.
    const std::string poz =
        "požadavek není křivka N10 až N75 ani NC15 až NC70 ani osm hladin od 0 do 150 dB";
    for (const auto& [text, chyba] : std::vector<std::pair<std::string, std::string>>{
             {"", "1: chybí záhlaví [DRUN SOUCET]"},
             {"[DRUN]\r\na.DRN\r\n[POZADAVEK]\r\nN30\r\n", "1: chybí záhlaví [DRUN SOUCET]"},
             {"[DRUN SOUCET]\r\na.DRN\r\nN30\r\n", "4: chybí oddíl [POZADAVEK]"},
             {"[DRUN SOUCET]\r\na.DRN\r\n[POZADAVEK]\r\n", "4: chybí požadavek"},
             {"[DRUN SOUCET]\r\na.DRN\r\n[POZADAVEK]\r\nN31\r\n", "4: " + poz},
             {"[DRUN SOUCET]\r\na.DRN\r\n[POZADAVEK]\r\nNC31\r\n", "4: " + poz},
             {"[DRUN SOUCET]\r\na.DRN\r\n[POZADAVEK]\r\n1 2 3 4 5 6 7\r\n", "4: " + poz},
             {"[DRUN SOUCET]\r\na.DRN\r\n[POZADAVEK]\r\nLA130\r\n", "4: " + poz},
             {"[DRUN SOUCET]\r\na.DRN\r\n[POZADAVEK]\r\n1 2 3 4 5 6 7 151\r\n", "4: " + poz},
             {"[DRUN SOUCET]\r\na.DRN\r\n[POZADAVEK]\r\nN30\r\nN30\r\n",
              "5: za požadavkem nesmí nic být"},
             {"[DRUN SOUCET]\r\na.DRN\r\n[POZADAVEK]\r\nN30\r\n[KONEC]\r\nb.DRN\r\n",
              "5: za požadavkem nesmí nic být"},
             {"[DRUN SOUCET]\r\na.DRN\r\n[KONEC]\r\n", "3: chybí oddíl [POZADAVEK]"},
             {"[DRUN SOUCET]\r\na.DRN\r\n\r\n[POZADAVEK]\r\nN30\r\n",
              "3: prázdný řádek místo názvu souboru"},
             {"[DRUN SOUCET]\r\na\tb.DRN\r\n[POZADAVEK]\r\nN30\r\n",
              "2: řídicí znak v názvu souboru"},
             {"[DRUN SOUCET]\r\n\xE1.DRN\r\n[POZADAVEK]\r\nN30\r\n",
              "2: název souboru není v kódování UTF-8"},
             {std::string("[DRUN SOUCET]\r\na\0.DRN\r\n[POZADAVEK]\r\nN30\r\n", 38),
              "2: řídicí znak v názvu souboru"},
         }) {
        SCOPED_TRACE(text);
        const VysledekSouboru v = CtiSaduZTextu(text, sada, s);
        EXPECT_FALSE(v.Ok());
        EXPECT_EQ(v.Zprava, "Chyba při čtení souboru sady " + sada + ", řádek " + chyba + ".");
        EXPECT_EQ(s.Soubory, puvodni.Soubory);
        EXPECT_EQ(s.Pozadavek, puvodni.Pozadavek);
    }
    EXPECT_EQ(NactiSadu(sada, s).Zprava, "Soubor sady " + sada + " nenalezen, nebo je prázdný.");
    // A name that cannot stand on one line is not written, and the old file stays.
    ASSERT_TRUE(ZapisAtomicky(sada, "staré"));
    s.Soubory = {(slozka / "a\r\nb.DRN").string()};
    EXPECT_EQ(UlozSadu(s, sada).Zprava, "Nepodařilo se zapsat sadu do souboru " + sada + ".");
    std::string obsah;
    CtiSoubor(sada, obsah);
    EXPECT_EQ(obsah, "staré");
}

TEST_F(SoucetCest, TiskSouctuPoStrankach) {
    DrunVar var;
    var.Akce = "Kancelář";
    var.parametry.DelkaStranky = 25;
    std::vector<CestaSouctu> cesty(10, CestaSouctu("a.DRN", "a.DRN"));
    for (CestaSouctu& c : cesty) {
        c.Ok = true;
        c.Akce = "Přívod";
        NaplnSpektrum(c.Konec, 40);
    }
    cesty[1].Ok = false;
    cesty[1].Zprava = "Chyba při čtení datového souboru.";
    const std::vector<std::string> r =
        TextProtokoluSouctu(var, cesty, SectiCesty(KonceCest(cesty), NulaSpektrum()), "7.12.2026");
    EXPECT_EQ(r[3], "     SOUČET DRUNU Z VÍCE CEST" + std::string(46, ' ') + "Ver. 3.010");
    EXPECT_EQ(r[7], "     Akce:Kancelář");
    EXPECT_EQ(r[12], "     1-a.DRN-Přívod");
    EXPECT_EQ(r[13], "     \t\t40.0\t40.0\t40.0\t40.0\t40.0\t40.0\t40.0\t40.0\t47.0");
    EXPECT_EQ(r[15], "     2-a.DRN-Chyba při čtení datového souboru.");
    EXPECT_EQ(r[16], "     NEZAPOČTENO");
    // Nine paths of 40 dB: + 9.5 dB.
    const auto soucet = std::find(r.begin(), r.end(), "     SOUČET:");
    ASSERT_NE(soucet, r.end());
    EXPECT_EQ(soucet[1].substr(0, 11), "     \t\t49.5");
    EXPECT_EQ(r.back(), "     " + std::string(79, '_') + " ");
    // No page runs past the page length.
    int naStrance = 0, stranek = 1;
    for (const std::string& l : r) {
        if (!l.empty() && l[0] == '\f') {
            ++stranek;
            naStrance = 0;
        }
        EXPECT_LE(++naStrance, 25);
    }
    EXPECT_EQ(stranek, 3);
}
