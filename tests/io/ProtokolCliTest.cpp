// drun-protokol as a program: its output, exit statuses and messages.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <tuple>

#include "Pomocnik.h"
#include "core/Cisla.h"
#include "core/DrunVyp.h"
#include "core/Soubory.h"
#include "io/DataSoubor.h"
#include "io/Projekt.h"
#include "io/Protokol.h"
#include "io/RozvodSoubor.h"
#include "io/SoucetCest.h"
#include "models/Obecny.h"
#include "models/Pomocnik.h"
#include "tools/Navrh.h"
#include "tools/Pozadavek.h"
#include "tools/Rozvod.h"

using namespace drun;

namespace {

// Runs the program with the arguments (already quoted for the shell).
Beh Spust(const std::string& argumenty, const std::string& chyby = "/dev/null",
          const std::string& pred = "") {
    return SpustPrikaz(pred + "'" + DRUN_PROTOKOL + "' " + argumenty + " 2>" + chyby);
}

class ProtokolCli : public ::testing::Test {
  protected:
    void SetUp() override {
        slozka = SlozkaTestu("drun-cli-");
        std::filesystem::create_directories(slozka);
        soubor = (slozka / "Kancelář.DRN").string();
        var.Akce = "Kancelář";
        for (int i = 0; i < 10; ++i) {
            var.cesta.NajdiElement(var.cesta.Pocet());
            var.cesta.VlozElement();
            ZadaniObecElementu z;
            z.Popis = "vložka " + std::to_string(i);
            z.Utlum.fill(2);
            z.VlastniDrun.fill(20);
            ZapisObecElement(var, z);
            VypocetObecElementu(var);
        }
        NaplnSpektrum(var.cesta.Prvni().VlastniDrun, 80);
        ASSERT_TRUE(UlozData(var, soubor).Ok());
    }
    void TearDown() override { std::filesystem::remove_all(slozka); }
    std::filesystem::path slozka;
    std::string soubor;
    DrunVar var;
};

} // namespace

TEST_F(ProtokolCli, VypiseStejneRadkyJakoTiskarna) {
    NastavPozadavek(var, NKrivky[4]); // N30
    var.parametry.DelkaStranky = 30;
    PrepocitejOd(var, 1);
    const std::string ocekavany = ProtokolJakoText(TextProtokolu(var, "7.12.2026"));
    const Beh b = Spust("--pozadavek N30 --stranka 30 --datum 7.12.2026 '" + soubor + "'");
    EXPECT_EQ(b.status, 0);
    EXPECT_EQ(b.vystup, ocekavany);
    EXPECT_NE(b.vystup.find('\f'), std::string::npos);

    // Eight levels as the requirement, the default page length.
    NastavPozadavek(var, {60, 55, 50, 45, 40, 35, 30, 25});
    var.parametry.DelkaStranky = 60;
    PrepocitejOd(var, 1);
    const Beh c = Spust("--datum=d --pozadavek '60 55 50 45 40 35 30 25' '" + soubor + "'");
    EXPECT_EQ(c.status, 0);
    EXPECT_EQ(c.vystup, ProtokolJakoText(TextProtokolu(var, "d")));
}

TEST_F(ProtokolCli, SpatneVolby) {
    const std::string s = "'" + soubor + "'";
    const std::string chyby = (slozka / "chyby.txt").string();
    std::string puvodni;
    ASSERT_EQ(CtiSoubor(soubor, puvodni), KodVysledku::Ok);
    // The arguments and a part of the reason given.
    const std::string jinak = (slozka / "." / "Kancelář.DRN").string();
    for (const auto& [a, proc] : std::vector<std::pair<std::string, std::string>>{
             {"", "chybí datový soubor"},
             {"--stranka 24 " + s, "délka stránky musí být 25 až 100: 24"},
             {"--stranka 101 " + s, ""},
             {"--stranka x " + s, ""},
             {"--pozadavek N12 " + s, "neplatný požadavek: N12"},
             {"--pozadavek N80 " + s, ""},
             {"--pozadavek NC75 " + s, "neplatný požadavek: NC75"},
             {"--pozadavek LA32.55 " + s, "neplatný požadavek: LA32.55"},
             {"--pozadavek '1 2 3' " + s, ""},
             {"--pozadavek '1 2 3 4 5 6 7 151' " + s, ""},
             {"--pozadavek '1 2 3 4 5 6 7 8 9' " + s, ""},
             {"--neznama " + s, "neznámá volba: --neznama"},
             {"-x " + s, "neznámá volba: -x"},
             {s + " " + s, "jen jeden soubor"},
             {"--datum", "--datum bez hodnoty"},
             {"--csv --pdf x.pdf " + s, "--csv a --pdf se vylučují"},
             {"--pdf x.pdf --csv " + s, ""},
             {"--csv --stranka 30 " + s, "--csv nepoužívá --stranka ani --datum"},
             {"--csv --datum d " + s, ""},
             {"--pdf " + s, "chybí datový soubor"},
             {"--pdf= " + s, "--pdf bez výstupního souboru"},
             {"--csv=1 " + s, "volba --csv nemá hodnotu"},
             {"--soucet=1 " + s, "volba --soucet nemá hodnotu"},
             {"--navrh 1 " + s, "chybí --pozadavek"},
             {"--navrh x --pozadavek N45 " + s, "K není číslo elementu: x"},
             {"--navrh 12 --pozadavek N45 " + s,
              "Element 12 v cestě není; cesta má elementy 1 až 11."},
             {"--navrh 1 --pozadavek '0 0 0 0 0 0 0 0' " + s, "Požadavek na konci sítě není zadán"},
             {"--navrh 2 --pozadavek N45 " + s, "v cestě není element s obdélníkovým průřezem "
                                                "a průtokem, chybí --rozmer a --prutok"},
             {"--navrh 2 --pozadavek N45 --prutok 4000 " + s,
              "v cestě není element s obdélníkovým průřezem a průtokem, chybí --rozmer"},
             {"--navrh 2 --pozadavek N45 --rozmer 600 --prutok 4000 " + s,
              "rozměr musí být AxB v mm: 600"},
             {"--navrh 2 --pozadavek N45 --rozmer 600x400 --prutok 5 " + s,
              "Průtok musí být číslo od 10 do 100000 m3/hod."},
             {"--navrh 2 --pozadavek N45 --kandidatu 0 " + s, "počet tlumičů musí být aspoň 1: 0"},
             {"--navrh 2 --pozadavek N45 --kandidatu 1000000000000 " + s,
              "počet tlumičů je příliš velký: 1000000000000"},
             // A line break or a form feed would break the protocol's title.
             {"--datum \"$(printf '7.12.\\n2026')\" " + s, "datum nesmí obsahovat řídicí znaky"},
             {"--datum \"$(printf '\\f')\" --pdf x.pdf " + s, "datum nesmí obsahovat řídicí znaky"},
             {"--navrh 2 --pozadavek N45 --stranka 30 " + s,
              "s návrhem nelze použít volbu --stranka"},
             {"--ventilator --prutok 16000 --tlak 600 --otacky 1250", "chybí --druh"},
             {"--ventilator --tlak 600 --otacky 1250 --druh RR", "chybí --prutok"},
             {"--ventilator --prutok 1e4x --tlak 600 --otacky 1250 --druh RR",
              "průtok není číslo: 1e4x"},
             {"--podily", "chybí datový soubor"},
             {"--podily " + s + " " + s, "jen jeden soubor"},
             {"--podily --pozadavek N30 " + s, "s podíly nelze použít volbu --pozadavek"},
             {"--podily " + s + " >>" + s, "standardní výstup je přesměrován"},
             {"--navrh 1 --pozadavek N45 " + s + " >>" + s, "standardní výstup je přesměrován"},
             {"--ventilator --prutok 16000 --tlak 600 --otacky 1250 --druh rr",
              "druh ventilátoru musí být RR, T nebo AM: rr"},
             {"--ventilator --prutok 16000 --tlak 0.5 --otacky 1250 --druh RR",
              "Celkový tlak musí být 1 až 10000 Pa."},
             {"--ventilator --prutok 16000 --tlak 600 --otacky 1250 --druh AM --lopatek 2.5",
              "počet lopatek není celé číslo: 2.5"},
             {"--ventilator --prutok 16000 --tlak 600 --otacky 1250 --druh AM --lopatek 0",
              "Počet lopatek musí být 2 až 100."},
             {"--ventilator --prutok 16000 --tlak 600 --otacky 1250 --druh AM --pomer 0.49",
              "Poměr V/V_opt musí být 0.5 až 1.5."},
             {"--ventilator --prutok 16000 --tlak 600 --otacky 1250 --druh RR " + s,
              "odhad ventilátoru nečte soubor: " + soubor},
             {"--ventilator --prutok 16000 --stranka 30",
              "s odhadem ventilátoru nelze použít volbu --stranka"},
             // An output that is the input, however spelled, is never written.
             {"--pdf " + s + " " + s, "výstup " + soubor + " je vstupní soubor"},
             {"--pdf '" + jinak + "' " + s, "výstup " + jinak + " je vstupní soubor " + soubor},
             {s + " >>" + s, "standardní výstup je přesměrován do vstupního souboru"},
             {"--csv " + s + " 1<>" + s, "standardní výstup je přesměrován"},
             {"--soucet " + s + " >>" + s, "standardní výstup je přesměrován"}}) {
        SCOPED_TRACE(a);
        const Beh b = Spust(a, chyby);
        EXPECT_EQ(b.status, 2);
        EXPECT_TRUE(b.vystup.empty());
        std::string text;
        CtiSoubor(chyby, text);
        EXPECT_TRUE(text.starts_with("drun-protokol: " + proc)) << text;
        EXPECT_NE(text.find("Použití: drun-protokol"), std::string::npos);
    }
    std::string potom;
    ASSERT_EQ(CtiSoubor(soubor, potom), KodVysledku::Ok);
    EXPECT_EQ(potom, puvodni);
}

// A fan estimated from its flow and pressure: the heading and one line.
TEST_F(ProtokolCli, OdhadVentilatoru) {
    const std::string hlavicka = "63Hz\t125Hz\t250Hz\t500Hz\t1kHz\t2kHz\t4kHz\t8kHz\tL(A)\tL(W)\n";
    for (const auto& [a, radek] : std::vector<std::pair<std::string, std::string>>{
             {"--prutok 16000 --tlak 600 --otacky 1250 --druh RR",
              "90.4\t88.8\t86.3\t82.9\t78.6\t73.4\t67.2\t60.2\t84.5\t96.0\n"},
             {"--druh=T --prutok 5000 --tlak 400 --otacky 900 --pomer 1",
              "84.2\t82.9\t80.7\t77.7\t73.7\t68.8\t63.0\t56.3\t79.3\t89.5\n"},
             {"--prutok 40000 --tlak 800 --otacky 1450 --druh AM --lopatek 8",
              "103.3\t104.9\t109.6\t105.4\t104.3\t102.3\t99.3\t95.5\t109.7\t110.5\n"}}) {
        SCOPED_TRACE(a);
        const Beh b = Spust("--ventilator " + a);
        EXPECT_EQ(b.status, 0);
        EXPECT_EQ(b.vystup, hlavicka + radek);
    }
}

TEST_F(ProtokolCli, NecitelnySoubor) {
    const std::string chyby = (slozka / "chyby.txt").string();
    std::string text;
    // Standard output that cannot take the text is a failure, and says so.
    for (const std::string& a :
         {"'" + soubor + "'", std::string("--help"), "--soucet '" + soubor + "'"}) {
        SCOPED_TRACE(a);
        EXPECT_EQ(Spust(a + " >/dev/full", chyby).status, 1);
        CtiSoubor(chyby, text);
        EXPECT_EQ(text, "drun-protokol: výsledek se nepodařilo zapsat na standardní výstup.\n");
    }

    const std::string chybi = (slozka / "NENI.DRN").string();
    Beh b = Spust("'" + chybi + "'", chyby);
    EXPECT_EQ(b.status, 1);
    EXPECT_TRUE(b.vystup.empty());
    CtiSoubor(chyby, text);
    EXPECT_EQ(text, "drun-protokol: Datový soubor " + chybi + " nenalezen, nebo je prázdný.\n");

    // The file and the reason: a folder, a damaged file.
    b = Spust("'" + slozka.string() + "'", chyby);
    EXPECT_EQ(b.status, 1);
    CtiSoubor(chyby, text);
    EXPECT_EQ(text, "drun-protokol: Chyba při čtení datového souboru " + slozka.string() +
                        ": je to složka.\n");
    ASSERT_TRUE(ZapisAtomicky(soubor, "[DRUN]\r\n\r\n[ZDROJ DRUNU]\r\n1\r\nZ\r\n500mm\r\n"));
    b = Spust("'" + soubor + "'", chyby);
    EXPECT_EQ(b.status, 1);
    CtiSoubor(chyby, text);
    EXPECT_EQ(text, "drun-protokol: Chyba při čtení datového souboru " + soubor +
                        ", řádek 6: element typu 1: Útlum 63Hz: 500mm není číslo.\n");
    // A kind of a later version is said as such.
    ASSERT_TRUE(ZapisAtomicky(soubor, "[DRUN]\r\n\r\n[ZDROJ DRUNU]\r\n16\r\n"));
    b = Spust("'" + soubor + "'", chyby);
    EXPECT_EQ(b.status, 1);
    CtiSoubor(chyby, text);
    EXPECT_EQ(text, "drun-protokol: Datový soubor " + soubor +
                        " obsahuje element typu 16, který tato verze DRUN nezná.\n");
}

TEST_F(ProtokolCli, SoucetCest) {
    // The same calculation twice: +3.0 dB in every band.
    const std::string druhy = (slozka / "Sklad.DRN").string();
    ASSERT_TRUE(UlozData(var, druhy).Ok());
    PrepocitejOd(var, 1);
    std::vector<CestaSouctu> cesty{{soubor, soubor}, {"Sklad.DRN", druhy}};
    for (CestaSouctu& c : cesty)
        NactiCestu(c, var.SouborTlumice);
    Spectrum n30{};
    NastavPozadavek(n30, NKrivky[4]);
    const Beh b = Spust("--soucet '" + soubor + "' '" + druhy + "' --pozadavek N30");
    EXPECT_EQ(b.status, 0);
    cesty[1].Nazev = druhy;
    EXPECT_EQ(b.vystup, TabulkaSouctu(cesty, SectiCesty(KonceCest(cesty), n30)));
    EXPECT_NE(b.vystup.find("\nSoučet\t\t" + FormatHodnota(var.Vysledek[0] + 3.0103)),
              std::string::npos);
    // One file alone, the requirement as eight levels (before the files) or none.
    const Beh c = Spust("--pozadavek='60 55 50 45 40 35 30 25' --soucet '" + soubor + "'");
    EXPECT_EQ(c.status, 0);
    EXPECT_NE(c.vystup.find("\nPožadavek\t\t60.0\t55.0\t"), std::string::npos);
    EXPECT_NE(c.vystup.find("\nSoučet\t\t" + FormatHodnota(var.Vysledek[0]) + "\t"),
              std::string::npos);
    // A limit in dB(A): its bands, and the limit as their L(A).
    EXPECT_NE(
        Spust("--soucet '" + soubor + "' --pozadavek LA35")
            .vystup.find("\nPožadavek\t\t56.0\t46.0\t39.0\t33.0\t30.0\t29.0\t29.0\t31.0\t35.0\n"),
        std::string::npos);
    EXPECT_NE(Spust("--soucet '" + soubor + "'").vystup.find("\nPožadavek\t\t0.0\t"),
              std::string::npos);
    // An NC curve as the requirement; the ratings follow the NR line.
    const Beh n = Spust("--soucet '" + soubor + "' --pozadavek NC30");
    EXPECT_EQ(n.status, 0);
    EXPECT_NE(n.vystup.find("\nPožadavek\t\t57.0\t48.0\t41.0\t35.0\t32.0\t29.0\t28.0\t27.0\t"),
              std::string::npos);
    const HodnoceniNR nr = SpoctiNR(var.Vysledek);
    EXPECT_NE(n.vystup.find("\nNR\t" + FormatHodnota(nr.N) + "\nNC\t" +
                            TextNC(SpoctiNC(var.Vysledek)) + "\nRC\t" +
                            TextRC(SpoctiRC(var.Vysledek)) + "\n"),
              std::string::npos);

    // An unreadable file: its name and the message, nothing on standard output.
    const std::string chyby = (slozka / "chyby.txt").string();
    const std::string chybi = (slozka / "NENI.DRN").string();
    Beh d = Spust("--soucet '" + soubor + "' '" + chybi + "'", chyby);
    EXPECT_EQ(d.status, 1);
    EXPECT_TRUE(d.vystup.empty());
    std::string text;
    CtiSoubor(chyby, text);
    EXPECT_EQ(text, "drun-protokol: Datový soubor " + chybi + " nenalezen, nebo je prázdný.\n");
    // Refused usage: no file, a bad requirement, an option of the protocol.
    for (const std::string& a :
         {std::string("--soucet"), "--soucet --pozadavek N12 '" + soubor + "'",
          "--soucet '" + soubor + "' --pozadavek", "--soucet --stranka 30 '" + soubor + "'"}) {
        SCOPED_TRACE(a);
        d = Spust(a, chyby);
        EXPECT_EQ(d.status, 2);
        EXPECT_TRUE(d.vystup.empty());
        CtiSoubor(chyby, text);
        EXPECT_NE(text.find("Použití: drun-protokol --soucet"), std::string::npos);
    }
}

// The remedy of the path with a known one, to the character; the room is no place for it.
TEST_F(ProtokolCli, NavrhTlumice) {
    DrunVar v;
    CestaSTlumenim(v);
    const std::string f = (slozka / "Tlumeni.DRN").string();
    ASSERT_TRUE(UlozData(v, f).Ok());
    const std::string zacatek =
        "Potřebný útlum\t0.0\t7.5\t15.2\t17.6\t17.2\t16.0\t14.2\t11.9\n"
        "Tlumič\tŠířka vložek\tPočet vložek\tMezera\tDélka\tRychlost\tRezerva\n";
    // The lining behind the silencers, shortest first.
    const std::string oblozeni = "Obložení\tTloušťka\tDélka\tRezerva\n"
                                 "Obložení\t50\t4\t0.3\n"
                                 "Obložení\t25\t7\t0.2\n";
    Beh b = Spust("--navrh 1 '" + f + "' --pozadavek N45 --rozmer 600x400 --prutok 4000");
    EXPECT_EQ(b.status, 0);
    EXPECT_EQ(b.vystup, "Za elementem\t1\tZdroj drunu\n" + zacatek +
                            "Tlumič\t100\t3\t100\t2\t9.3\t2.5\n"
                            "Tlumič\t100\t2\t200\t3\t6.9\t1.0\n"
                            "Tlumič\t100\t3\t100\t3\t9.3\t7.4\n"
                            "Tlumič\t300\t1\t300\t3\t9.3\t2.9\n" +
                            oblozeni);
    // The duct's own section and flow, two lines asked for; its own flow noise
    // takes a little off the first margin.
    b = Spust("--navrh=2 --kandidatu 2 --pozadavek N45 '" + f + "'");
    EXPECT_EQ(b.status, 0);
    EXPECT_EQ(b.vystup, "Za elementem\t2\tHranaté potrubí\n" + zacatek +
                            "Tlumič\t100\t3\t100\t2\t9.3\t2.4\n"
                            "Tlumič\t100\t2\t200\t3\t6.9\t1.0\n" +
                            oblozeni);
    const std::string chyby = (slozka / "chyby.txt").string();
    b = Spust("--navrh 3 --pozadavek N45 '" + f + "'", chyby);
    EXPECT_EQ(b.status, 2);
    std::string text;
    CtiSoubor(chyby, text);
    EXPECT_TRUE(text.starts_with("drun-protokol: Za elementem 3 nelze navrhovat: útlum se vkládá "
                                 "jen před místnost.\nPoužití: drun-protokol --navrh K"))
        << text;
}

// Each origin's share of the end level: the fan, then each insert's own noise
// less the inserts behind it; "Celkem" is the result.
TEST_F(ProtokolCli, PodilyNaKonci) {
    const Beh b = Spust("--podily '" + soubor + "'");
    EXPECT_EQ(b.status, 0);
    PrepocitejOd(var, 1);
    std::string celkem = "Celkem";
    for (size_t i = 0; i <= LA; ++i)
        celkem += "\t" + FormatHodnota(var.Vysledek[i]);
    const auto radek = [](const std::string& prvek, const std::string& x, const std::string& la) {
        std::string r = prvek;
        for (int i = 0; i < PocetPasem; ++i)
            r += "\t" + x;
        return r + "\t" + la + "\n";
    };
    EXPECT_EQ(
        b.vystup,
        "Element\t63Hz\t125Hz\t250Hz\t500Hz\t1kHz\t2kHz\t4kHz\t8kHz\tL(A)\n" +
            radek("1 Zdroj drunu", "60.0", "67.0") + radek("2 Obecný element", "2.0", "9.0") +
            radek("3 Obecný element", "4.0", "11.0") + radek("4 Obecný element", "6.0", "13.0") +
            radek("5 Obecný element", "8.0", "15.0") + radek("6 Obecný element", "10.0", "17.0") +
            radek("7 Obecný element", "12.0", "19.0") + radek("8 Obecný element", "14.0", "21.0") +
            radek("9 Obecný element", "16.0", "23.0") + radek("10 Obecný element", "18.0", "25.0") +
            radek("11 Obecný element", "20.0", "27.0") + celkem + "\n");
}

TEST_F(ProtokolCli, CsvPrikladovehoSouboru) {
    const std::string data = DRUN_TEST_DATA;
    std::string ocekavany;
    ASSERT_EQ(CtiSoubor(data + "/Kancelar.csv", ocekavany), KodVysledku::Ok);
    const Beh b = Spust("--csv '" + data + "/Kancelar.DRN'");
    EXPECT_EQ(b.status, 0);
    EXPECT_EQ(b.vystup, ocekavany);

    // The requirement reaches the table's last two rows.
    const Beh c = Spust("--pozadavek N30 --csv '" + data + "/Kancelar.DRN'");
    EXPECT_EQ(c.status, 0);
    EXPECT_NE(c.vystup.find("\r\n;Požadavek;;;59,2;48,1;39,9;34,0;30,0;26,9;24,7;22,9;"),
              std::string::npos);
    const Beh nc = Spust("--pozadavek NC30 --csv '" + data + "/Kancelar.DRN'");
    EXPECT_EQ(nc.status, 0);
    EXPECT_NE(nc.vystup.find("\r\n;Požadavek;;;57,0;48,0;41,0;35,0;32,0;29,0;28,0;27,0;"),
              std::string::npos);

    // A table that cannot be written is a failure, not a short table.
    const std::string chyby = (slozka / "chyby.txt").string();
    const Beh d = Spust("--csv '" + data + "/Kancelar.DRN' >/dev/full", chyby);
    EXPECT_EQ(d.status, 1);
    std::string text;
    CtiSoubor(chyby, text);
    EXPECT_NE(text.find("nepodařilo zapsat"), std::string::npos);
}

TEST_F(ProtokolCli, PdfBezDispleje) {
    const std::string chyby = (slozka / "chyby.txt").string();
    const std::string pdf = (slozka / "protokol.pdf").string();
    // No display, no runtime folder: drawn offscreen, and nothing said.
    Beh b = Spust("--pdf '" + pdf + "' --stranka 30 '" + soubor + "'", chyby,
                  "env -u DISPLAY -u XDG_RUNTIME_DIR ");
    EXPECT_EQ(b.status, 0);
    EXPECT_TRUE(b.vystup.empty());
    std::string text;
    CtiSoubor(chyby, text);
    EXPECT_EQ(text, "");
    std::string obsah;
    ASSERT_EQ(CtiSoubor(pdf, obsah), KodVysledku::Ok);
    EXPECT_EQ(obsah.rfind("%PDF", 0), 0u);
    // A platform that cannot start: Qt's own reason is shown, not swallowed.
    b = Spust("--pdf '" + pdf + ".3' '" + soubor + "'", chyby,
              "env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb ");
    EXPECT_NE(b.status, 0);
    CtiSoubor(chyby, text);
    EXPECT_NE(text.find("xcb"), std::string::npos) << text;
    EXPECT_FALSE(std::filesystem::exists(pdf + ".3"));

    // A place that cannot take it: the reason, nothing written.
    const std::string jenKCteni = (slozka / "jen.pdf").string();
    ASSERT_TRUE(ZapisAtomicky(jenKCteni, "x"));
    std::filesystem::permissions(jenKCteni, std::filesystem::perms::owner_read |
                                                std::filesystem::perms::group_read);
    for (const auto& [cil, duvod] : std::vector<std::pair<std::string, std::string>>{
             {(slozka / "neni" / "p.pdf").string(),
              "složka " + (slozka / "neni").string() + " neexistuje"},
             {slozka.string(), "je to složka"},
             {jenKCteni, "soubor je jen pro čtení"}}) {
        SCOPED_TRACE(cil);
        b = Spust("--pdf '" + cil + "' '" + soubor + "'", chyby);
        EXPECT_EQ(b.status, 1);
        EXPECT_TRUE(b.vystup.empty());
        CtiSoubor(chyby, text);
        EXPECT_EQ(text, "drun-protokol: Protokol se nepodařilo uložit do souboru " + cil + ": " +
                            duvod + ".\n");
    }
    EXPECT_FALSE(std::filesystem::exists(slozka / "neni"));
    ASSERT_EQ(CtiSoubor(jenKCteni, obsah), KodVysledku::Ok);
    EXPECT_EQ(obsah, "x");
    size_t souboru = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(slozka))
        ++souboru;
    EXPECT_EQ(souboru, 4u); // the data file, the PDF, the read-only file and the messages

    // A copy alone: the text protocol works, --pdf says why not, and a silencer
    // without its data names the data file first.
    const std::filesystem::path kopie = slozka / "bez" / "drun-protokol";
    std::filesystem::create_directories(kopie.parent_path());
    std::filesystem::copy_file(DRUN_PROTOKOL, kopie);
    const std::string bez = "'" + kopie.string() + "' ";
    EXPECT_EQ(SpustPrikaz(bez + "'" + soubor + "' >/dev/null").status, 0);
    b = SpustPrikaz(bez + "--pdf '" + pdf + ".2' '" + soubor + "' 2>'" + chyby + "'");
    EXPECT_EQ(b.status, 1);
    CtiSoubor(chyby, text);
    EXPECT_EQ(text, "drun-protokol: PDF nelze vytvořit, program " +
                        (kopie.parent_path() / "drun").string() +
                        " nelze spustit: soubor nebo složka neexistuje.\n");
    EXPECT_FALSE(std::filesystem::exists(pdf + ".2"));
    const std::string tlumic = (slozka / "Tlumic.DRN").string();
    UlozSTlumicem(tlumic);
    b = SpustPrikaz(bez + "'" + tlumic + "' 2>'" + chyby + "'");
    EXPECT_EQ(b.status, 1);
    CtiSoubor(chyby, text);
    EXPECT_TRUE(text.starts_with("drun-protokol: Soubor dat tlumičů " +
                                 (kopie.parent_path() / "KL385216.CAD").string() + " nenalezen"))
        << text;
    EXPECT_NE(text.find("Tlumič v datovém souboru " + tlumic + " nelze spočítat."),
              std::string::npos);
}

// Nothing that is not a regular file is read or waited on, in any mode, and
// the message says why; data that cannot be used are refused, never taken
// as a calculation in which all is well.
TEST_F(ProtokolCli, NecitelneVstupyVeVsechRezimech) {
    namespace fs = std::filesystem;
    const std::string s = slozka.string(), chyby = s + "/chyby.txt";
    const std::string roura = s + "/roura.DRN", smycka = s + "/smyčka.DRP";
    ASSERT_EQ(::mkfifo(roura.c_str(), 0600), 0);
    fs::create_symlink("smyčka.DRP", smycka);
    ASSERT_TRUE(ZapisAtomicky(s + "/roura.DRP", "[DRUN PROJEKT]\r\n[MISTNOST]\r\nNazev=A\r\n"
                                                "Pozadavek=N30\r\nCesta=roura.DRN\r\n[KONEC]\r\n"));
    ASSERT_TRUE(ZapisAtomicky(s + "/prázdný.DRP", "[DRUN PROJEKT]\r\n[KONEC]\r\n"));
    // Larger than any calculation: refused before it is read (a sparse file).
    const std::string velky = s + "/velký.DRN";
    ASSERT_TRUE(ZapisAtomicky(velky, "[DRUN]\r\n"));
    fs::resize_file(velky, NejvetsiDatovySoubor + 1);
    ASSERT_TRUE(ZapisAtomicky(s + "/starý.DRP", "[DRUN PROJEKT]\r\n[MISTNOST]\r\nNazev=A\r\n"
                                                "Pozadavek=N30\r\nCesta=Kancelář.DRN\r\n"));
    // Data from which not one table of silencers reads, beside a copy of the program.
    const fs::path kopie = slozka / "poškozená" / "drun-protokol";
    fs::create_directories(kopie.parent_path());
    fs::copy_file(DRUN_PROTOKOL, kopie);
    ASSERT_TRUE(ZapisAtomicky((kopie.parent_path() / "KL385216.CAD").string(),
                              "DATA\r\n@ nic než smetí @ ani tady\r\n"));
    // The real data cut at a line end after 3000 bytes: its first table without
    // its closing row, the second one missing.
    const fs::path zkracena = slozka / "zkrácená" / "drun-protokol";
    fs::create_directories(zkracena.parent_path());
    fs::copy_file(DRUN_PROTOKOL, zkracena);
    std::string data;
    ASSERT_EQ(CtiSoubor(std::string(DRUN_DATA_DIR) + "/KL385216.CAD", data), KodVysledku::Ok);
    ASSERT_TRUE(ZapisAtomicky((zkracena.parent_path() / "KL385216.CAD").string(),
                              data.substr(0, data.find('\n', 3000) + 1)));
    const std::string tlumic = s + "/Tlumič.DRN",
                      cad = (kopie.parent_path() / "KL385216.CAD").string();
    UlozSTlumicem(tlumic);
    // A rozvod whose trunk holds a silencer, a room behind it.
    const std::string drr = s + "/Tlumič.DRR", drrBez = s + "/Bez.DRR";
    {
        std::vector<Usek> useky(2);
        useky[0] = {1, 0, 0, "", "", {Element(TypZdroj, [](TElementSite&) {})}};
        useky[0].Prvky.emplace_back().NastavTyp(TypTlumic);
        useky[0].Prvky.back().Vstup<VstupyTlumic>() = {350, 500, 1, 2700, 1, 200};
        useky[1] = {2,
                    1,
                    2,
                    "A",
                    "N30",
                    {Element(TypMistnost, [](TElementSite& e) {
                                             e.Vstup<VstupyMistnost>() = {100, 2}; })}};
        Rozvod r;
        r.NastavUseky(useky);
        ASSERT_TRUE(UlozRozvod(r, drr).Ok());
        // And one without a silencer: the remedy still needs the data.
        useky[0].Prvky.pop_back();
        NaplnSpektrum(useky[0].Prvky[0].VlastniDrun, 80);
        useky[1].ZaElementem = 1;
        r.NastavUseky(useky);
        ASSERT_TRUE(UlozRozvod(r, drrBez).Ok());
    }
    const std::string datovy = "drun-protokol: Chyba při čtení datového souboru ";
    const std::string tlumice =
        "drun-protokol: Chyba při čtení souboru dat tlumičů " + cad + ", řádek 2: nic není číslo.";
    const std::string zkracene = "drun-protokol: Chyba při čtení souboru dat tlumičů " +
                                 (zkracena.parent_path() / "KL385216.CAD").string() +
                                 ", řádek 50: tabulka útlumů nekončí řádkem -1.";
    const std::string P = "'" + std::string(DRUN_PROTOKOL) + "' ", K = "'" + kopie.string() + "' ",
                      Z = "'" + zkracena.string() + "' ";
    const struct {
        std::string prikaz; // the program and its arguments
        int status;
        std::string chyba; // standard error, from its start
    } pripady[] = {
        {P + "'" + roura + "'", 1, datovy + roura + ": není to obyčejný soubor.\n"},
        {P + "--csv /dev/zero", 1, datovy + "/dev/zero: není to obyčejný soubor.\n"},
        {P + "'" + velky + "'", 1, datovy + velky + ": soubor je větší než 16 MB.\n"},
        {P + "--soucet '" + soubor + "' '" + roura + "'", 1,
         datovy + roura + ": není to obyčejný soubor.\n"},
        {P + "--navrh 1 --pozadavek N30 '" + roura + "'", 1,
         datovy + roura + ": není to obyčejný soubor.\n"},
        {P + "--podily '" + roura + "'", 1, datovy + roura + ": není to obyčejný soubor.\n"},
        {P + "--projekt '" + roura + "'", 1,
         "drun-protokol: Chyba při čtení souboru projektu " + roura +
             ": není to obyčejný soubor.\n"},
        {P + "--projekt '" + s + "'", 1,
         "drun-protokol: Chyba při čtení souboru projektu " + s + ": je to složka.\n"},
        {P + "--projekt '" + smycka + "'", 1,
         "drun-protokol: Chyba při čtení souboru projektu " + smycka +
             ": smyčka symbolických odkazů.\n"},
        {P + "--projekt '" + s + "/roura.DRP'", 1, datovy + roura + ": není to obyčejný soubor.\n"},
        {P + "--projekt '" + s + "/prázdný.DRP'", 1,
         "drun-protokol: Projekt " + s + "/prázdný.DRP nemá žádnou místnost.\n"},
        {P + "--projekt '" + s + "/starý.DRP'", 3,
         "drun-protokol: Soubor projektu " + s + "/starý.DRP nemá na konci řádek [KONEC]"},
        {K + "'" + tlumic + "'", 1, tlumice + " Tlumič v datovém souboru " + tlumic},
        {K + "--navrh 2 --pozadavek N45 --rozmer 600x400 --prutok 4000 '" + soubor + "'", 1,
         tlumice + "\n"},
        {P + "--rozvod '" + roura + "'", 1,
         "drun-protokol: Chyba při čtení souboru rozvodu " + roura +
             ": není to obyčejný soubor.\n"},
        {K + "--rozvod '" + drr + "'", 1,
         tlumice + "\ndrun-protokol: Místnost „A“ nelze spočítat: na cestě úseku 2 je tlumič"},
        {K + "--rozvod '" + drr + "' --usek 2", 1,
         tlumice + " Tlumič na cestě úseku 2 nelze spočítat.\n"},
        {P + "--rozvod '" + drr + "'", 3, ""},
        // Data cut short are refused in every mode, never "no silencer fits".
        {Z + "--navrh 2 --pozadavek N45 --rozmer 600x400 --prutok 4000 '" + soubor + "'", 1,
         zkracene + "\n"},
        {Z + "--navrh 1:1 '" + drrBez + "' --rozmer 600x400 --prutok 4000", 1, zkracene + "\n"},
        {Z + "--navrh 1:2 '" + drr + "' --rozmer 600x400 --prutok 4000", 1,
         zkracene + " Tlumič na cestě úseku "},
        {Z + "--rozvod '" + drr + "'", 1, zkracene + "\n"},
        {Z + "'" + tlumic + "'", 1, zkracene + " Tlumič v datovém souboru " + tlumic},
    };
    for (const auto& r : pripady) {
        SCOPED_TRACE(r.prikaz);
        // A hang would end in the timeout's status, not the one expected.
        const Beh b = SpustPrikaz("timeout 20 " + r.prikaz + " 2>'" + chyby + "'");
        EXPECT_EQ(b.status, r.status);
        std::string text;
        CtiSoubor(chyby, text);
        EXPECT_TRUE(text.starts_with(r.chyba)) << text;
    }
}

TEST_F(ProtokolCli, SestaveniAPrutokyRozvodu) {
    // Two rooms' paths from the fixture's source: its elements, a duct, an outlet and the room.
    const std::string s = slozka.string(), chyby = s + "/chyby.txt", drr = s + "/r.DRR",
                      drp = s + "/p.DRP", r2 = s + "/r2.DRR";
    std::vector<std::string> soubory;
    for (const auto& [mistnost, prutok] : {std::pair{"Sál", 200.0}, std::pair{"Chodba", 300.0}}) {
        DrunVar v;
        v.Akce = var.Akce;
        std::vector<TElementSite> prvky;
        for (int k = 1; k <= var.cesta.Pocet(); ++k)
            prvky.push_back(var.cesta.Prvek(k));
        prvky.push_back(Element(TypHrPotrubi, [](TElementSite& e) {
            e.Popis = "500x400mm, délka 2m, průtok 1000m3/hod";
            e.Vstup<VstupyHrPotrubi>() = {500, 400, 2, 1000};
        }));
        prvky.push_back(Element(TypVyustka, [q = prutok](TElementSite& e) {
            e.Vstup<VstupyVyustka>() = {300, 200, q, 1, 1};
        }));
        prvky.push_back(Element(TypMistnost, [m = mistnost](TElementSite& e) {
            e.Popis = m;
            e.Vstup<VstupyMistnost>() = {100, 2};
        }));
        v.cesta.NastavPrvky(prvky);
        soubory.push_back(s + "/" + mistnost + ".DRN");
        ASSERT_TRUE(UlozData(v, soubory.back()).Ok());
    }
    ASSERT_TRUE(UlozProjekt({{{"A", "N30", {"Sál.DRN"}}, {"B", "N35", {"Chodba.DRN"}}}}, drp).Ok());
    // A third room behind the same duct, without an outlet: nothing at its end carries a flow.
    const std::string drr3 = s + "/r3.DRR", bezVyustky = s + "/Sklad.DRN";
    {
        DrunVar v;
        ASSERT_TRUE(NactiData(v, soubory[0]).Ok());
        v.cesta.VypustElement(v.cesta.Pocet() - 1);
        v.cesta.Posledni().Popis = "Sklad";
        ASSERT_TRUE(UlozData(v, bezVyustky).Ok());
    }
    const std::string a = "'" + soubory[0] + "' ", b = "'" + soubory[1] + "' ";
    const struct {
        std::string argumenty;
        int status;
        std::string chyba;  // standard error, from its start
        std::string vystup; // standard output
    } pripady[] = {
        {"--sestav '" + drr + "' " + a + b, 0, "", ""},
        {"--rozvod '" + drr + "'", 0, "", ""},
        {"--prutoky '" + drr + "' --vystup '" + r2 + "'", 0, "",
         "Úsek\tElement\tTyp\tVstup\tPůvodní\tNový\n"
         "1\t12\tHranaté potrubí\tPrůtok\t1000.0\t500.0\nZměn\t1\n"},
        {"--prutoky '" + r2 + "' --vystup '" + drr + "'", 0, "",
         "Úsek\tElement\tTyp\tVstup\tPůvodní\tNový\nZměn\t0\n"},
        {"--prutoky '" + drr + "' --vystup '" + drr + "'", 2,
         "drun-protokol: výstup " + drr + " je vstupní soubor", ""},
        {"--prutoky '" + drr + "'", 2, "drun-protokol: chybí --vystup VÝSTUP.DRR", ""},
        {"--sestav '" + drr3 + "' " + a + "'" + bezVyustky + "'", 0, "", ""},
        {"--prutoky '" + drr3 + "' --vystup '" + r2 + "'", 1,
         "drun-protokol: Rozvod " + drr3 +
             ": místnosti bez vyústky, jejichž průtok nelze určit: Sklad.\n",
         ""},
        {"--projekt '" + drp + "' --sestav '" + drr + "'", 0, "", ""},
        {"--sestav '" + drr + "' " + a + "'" + soubor + "'", 1,
         "drun-protokol: Soubor " + soubor +
             " nekončí místností: cesta rozvodu musí vést do místnosti.\n",
         ""},
        {"--sestav '" + drr + "' " + a + "'" + s + "/chybí.DRN'", 1,
         "drun-protokol: Datový soubor " + s + "/chybí.DRN nenalezen, nebo je prázdný.\n", ""},
        {"--sestav " + a + b, 2,
         "drun-protokol: výstup " + soubory[0] + " musí být soubor rozvodu *.DRR", ""},
        {"--sestav '" + drr + "' '" + drr + "'", 2,
         "drun-protokol: výstup " + drr + " je vstupní soubor", ""},
        {"--sestav '" + soubory[1] + "' --projekt '" + drp + "'", 2,
         "drun-protokol: výstup " + soubory[1] + " musí být soubor rozvodu *.DRR", ""},
        {"--sestav '" + drr + "'", 2, "drun-protokol: chybí soubory cest", ""},
        {"--sestav '" + drr + "' --projekt '" + drp + "' " + a, 2,
         "drun-protokol: s projektem nelze uvést další soubor: " + soubory[0], ""},
    };
    for (const auto& r : pripady) {
        SCOPED_TRACE(r.argumenty);
        const Beh v = Spust(r.argumenty, chyby);
        EXPECT_EQ(v.status, r.status);
        std::string text;
        CtiSoubor(chyby, text);
        EXPECT_TRUE(text.starts_with(r.chyba)) << text;
        if (r.argumenty.starts_with("--prutoky")) {
            EXPECT_EQ(v.vystup, r.vystup);
        }
    }
    // The project's rooms with their requirements.
    Rozvod r;
    ASSERT_TRUE(NactiRozvod(drr, var.SouborTlumice, r).Ok());
    ASSERT_EQ(r.Mistnosti().size(), 2u);
    EXPECT_EQ(r.Mistnosti()[1].Nazev, "B");
    EXPECT_EQ(r.Mistnosti()[1].Pozadavek, "N35");
}

TEST_F(ProtokolCli, ProjektStavyAVystup) {
    const std::string projekt = (slozka / "budova.DRP").string();
    const std::string chyby = (slozka / "chyby.txt").string();
    PrepocitejOd(var, 1);
    // The end level of the calculation against requirements above and below it.
    const std::string nad = "150 150 150 150 150 150 150 150";
    const struct {
        std::vector<MistnostProjektu> mistnosti;
        const char* argumenty;
        int status;
        const char* chyba; // the start of standard error
    } pripady[] = {
        {{}, " --stranka 30", 2, "drun-protokol: s projektem nelze použít volbu --stranka"},
        {{}, " druhý.DRP", 2, "drun-protokol: s projektem nelze uvést další soubor: druhý.DRP"},
        {{}, " --datum 1.1.2027", 2, "drun-protokol: --datum patří ke zprávě (--zprava)"},
        {{}, " --zprava z.pdf --csv", 2, "drun-protokol: --csv a --zprava se vylučují"},
        {{{"Kancelář", nad, {"Kancelář.DRN"}}}, "", 0, ""},
        {{{"Kancelář", nad, {"Kancelář.DRN"}}, {"Sklad", "N10", {"Kancelář.DRN"}}},
         " --csv",
         3,
         ""},
        {{{"Sklad", "N10", {"Kancelář.DRN"}}, {"Kancelář", nad, {"NENI.DRN"}}},
         "",
         1,
         "drun-protokol: "},
    };
    for (const auto& p : pripady) {
        SCOPED_TRACE(p.argumenty);
        Projekt pr{p.mistnosti};
        ASSERT_TRUE(UlozProjekt(pr, projekt).Ok());
        const Beh b = Spust("--projekt '" + projekt + "'" + p.argumenty, chyby);
        EXPECT_EQ(b.status, p.status);
        std::string text;
        CtiSoubor(chyby, text);
        EXPECT_EQ(text.rfind(p.chyba, 0), 0u) << text;
        if (p.status == 2) {
            EXPECT_TRUE(b.vystup.empty());
            continue;
        }
        const PrehledProjektu ocek = SpoctiPrehled(pr, projekt, var.SouborTlumice);
        EXPECT_EQ(b.vystup, std::string(p.argumenty) == " --csv" ? CsvPrehledu(pr, ocek)
                                                                 : TabulkaPrehledu(pr, ocek));
    }
    // The unreadable path is named with its message; its room's line ends "chyba".
    std::string text;
    CtiSoubor(chyby, text);
    const std::string neni = (slozka / "NENI.DRN").string();
    EXPECT_EQ(text, "drun-protokol: Datový soubor " + neni + " nenalezen, nebo je prázdný.\n");
    const Beh b = Spust("--projekt '" + projekt + "'");
    // ... and the summary says that a room could not be read.
    EXPECT_NE(b.vystup.find("\tNENI.DRN\tchyba\nNevyhoví\t1\nChyba\t1\n"), std::string::npos)
        << b.vystup;
    // A damaged or missing project: its message and nothing on standard output.
    ASSERT_TRUE(ZapisAtomicky(projekt, "[DRUN PROJEKT]\r\nNazev=A\r\n"));
    for (const std::string& s : {projekt, neni}) {
        const Beh d = Spust("--projekt='" + s + "'", chyby);
        EXPECT_EQ(d.status, 1);
        EXPECT_TRUE(d.vystup.empty());
    }
    CtiSoubor(chyby, text);
    EXPECT_EQ(text, "drun-protokol: Soubor projektu " + neni + " nenalezen, nebo je prázdný.\n");
    EXPECT_EQ(Spust("--projekt").status, 2);
}

TEST_F(ProtokolCli, CeskeDatumVKazdemJazyce) {
    for (auto [den, mesic, rok, text] : {std::tuple{7, 12, 2026, "7.12.2026"},
                                         {1, 1, 2000, "1.1.2000"},
                                         {31, 10, 1999, "31.10.1999"}})
        EXPECT_EQ(CeskeDatum(den, mesic, rok), text);
    // --datum's default is today the Czech way, whatever the system's language.
    for (const char* jazyk : {"LC_ALL=C LANG=C", "LC_ALL=en_US.UTF-8 LANG=en_US.UTF-8 LANGUAGE=en",
                              "LC_ALL= LC_TIME=en_GB.UTF-8 LANG=en_GB.UTF-8"}) {
        SCOPED_TRACE(jazyk);
        const Beh b = SpustPrikaz(std::string("env ") + jazyk + " '" + DRUN_PROTOKOL + "' '" +
                                  soubor + "' 2>/dev/null");
        EXPECT_EQ(b.status, 0);
        EXPECT_NE(b.vystup.find("\n     " + DnesniDatum() + "\n"), std::string::npos);
    }
}

TEST_F(ProtokolCli, RozvodTabulkaUsekANavrh) {
    const std::string drr = (slozka / "dům.DRR").string();
    const std::string chyby = (slozka / "chyby.txt").string();
    Rozvod r = NahodnyRozvod(5, 9);
    ASSERT_TRUE(UlozRozvod(r, drr).Ok());
    ASSERT_TRUE(NactiRozvod(drr, std::string(DRUN_DATA_DIR) + "/KL385216.CAD", r).Ok());
    const PrehledRozvodu pr = SpoctiPrehledRozvodu(r);
    const int stav = pr.Prehled.Nevyhovi > 0 ? 3 : 0;
    std::string text;
    const struct {
        std::string argumenty;
        int status;
        std::string vystup; // "": none
        std::string chyba;  // the start of standard error
    } pripady[] = {
        {"--rozvod '" + drr + "'", stav, TabulkaRozvodu(pr, false), ""},
        {"--csv --rozvod='" + drr + "'", stav, TabulkaRozvodu(pr, true), ""},
        {"--rozvod '" + drr + "' --stranka 30", 2, "",
         "drun-protokol: --stranka patří k protokolu úseku (--usek)"},
        {"--rozvod '" + drr + "' x.DRN", 2, "",
         "drun-protokol: s rozvodem nelze uvést další soubor: x.DRN"},
        {"--rozvod '" + drr + "' --usek 99", 2, "", "drun-protokol: úsek 99 v rozvodu"},
        {"--rozvod '" + soubor + "'", 1, "", "drun-protokol: Chyba při čtení souboru rozvodu "},
        {"--rozvod '" + slozka.string() + "'", 1, "",
         "drun-protokol: Chyba při čtení souboru rozvodu " + slozka.string() + ": je to složka."},
        {"--rozvod '" + drr + "' --zprava z.pdf --usek 2", 2, "",
         "drun-protokol: se zprávou nelze použít volbu --usek"},
        {"--rozvod '" + drr + "' --zprava '" + drr + "'", 2, "",
         "drun-protokol: výstup " + drr + " je vstupní soubor"},
        {"--rozvod '" + drr + "' --zprava=", 2, "",
         "drun-protokol: --zprava bez výstupního souboru"},
        {"--rozvod '" + soubor + "' --zprava '" + soubor + ".pdf'", 1, "",
         "drun-protokol: Chyba při čtení souboru rozvodu "},
        {"--navrh 1:99 '" + drr + "'", 2, "", "drun-protokol: Element 99 v úseku 1 není"},
        {"--navrh 1:1 '" + drr + "' --pozadavek N30", 2, "",
         "drun-protokol: v rozvodu mají požadavky místnosti"},
    };
    for (const auto& p : pripady) {
        SCOPED_TRACE(p.argumenty);
        const Beh b = Spust(p.argumenty, chyby);
        EXPECT_EQ(b.status, p.status);
        EXPECT_EQ(b.vystup, p.vystup);
        CtiSoubor(chyby, text);
        EXPECT_EQ(text.rfind(p.chyba, 0), 0u) << text;
    }
    // Each section's protocol is the protocol of its path saved alone, with its
    // room's requirement.
    for (size_t u = 0; u < r.Useky().size(); ++u) {
        DrunVar v;
        v.Akce = r.Akce;
        v.cesta.NastavPrvky(r.PrvkyCesty(u));
        const std::string drn = (slozka / "cesta.DRN").string();
        ASSERT_TRUE(UlozData(v, drn).Ok());
        const int m = r.MistnostUseku(u);
        const std::string poz = m < 0 ? "" : r.Mistnosti()[size_t(m)].Pozadavek;
        const std::string id = std::to_string(r.Useky()[u].Id);
        const Beh a = Spust("--datum 1.1.2027 '" + drn + "'" +
                            (poz.empty() ? "" : " --pozadavek '" + poz + "'"));
        const Beh b = Spust("--rozvod '" + drr + "' --usek " + id + " --datum 1.1.2027");
        EXPECT_EQ(a.status, 0);
        EXPECT_EQ(b.status, 0);
        EXPECT_EQ(b.vystup, a.vystup) << id;
    }
    // The remedy behind the trunk's source for every room.
    const Beh n = Spust("--navrh 1:1 '" + drr + "' --rozmer 600x400 --prutok 3000 --kandidatu 1");
    EXPECT_EQ(n.status, 0);
    EXPECT_TRUE(n.vystup.starts_with("Za elementem\t1:1\tZdroj drunu\nPotřebný útlum\t"))
        << n.vystup;
    // Without them, those of the trunk's path at the position, as the window takes them.
    const std::vector<TElementSite> kmen = r.PrvkyCesty(0);
    std::vector<const TElementSite*> prvky;
    for (const TElementSite& e : kmen)
        prvky.push_back(&e);
    const PrurezNaMiste m = PrurezNaPozici(prvky, 1);
    const Beh bez = Spust("--navrh 1:1 '" + drr + "' --kandidatu 1");
    if (m.Cislo == 0) {
        EXPECT_EQ(bez.status, 2);
    } else {
        const Beh s =
            Spust("--navrh 1:1 '" + drr + "' --kandidatu 1 --rozmer " + FormatObecne(m.Hodnoty.A) +
                  "x" + FormatObecne(m.Hodnoty.B) + " --prutok " + FormatObecne(m.Hodnoty.Q));
        EXPECT_EQ(bez.status, 0);
        EXPECT_EQ(bez.vystup, s.vystup);
    }
}
