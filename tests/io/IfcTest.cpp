#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "Pomocnik.h"
#include "io/Ifc.h"
#include "io/RozvodSoubor.h"
#include "tools/ImportIfc.h"
#include "tools/Rozvod.h"

using namespace drun;

namespace {

const std::string Ifc4 = std::string(DRUN_TEST_DATA) + "/ifc/vzt_ifc4_mm.ifc";
const std::string Ifc2x3 = std::string(DRUN_TEST_DATA) + "/ifc/vzt_ifc2x3_palce.ifc";

std::string Text(const std::string& soubor) {
    std::ifstream f(soubor, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

// The line a text holds `co` on.
size_t Radek(const std::string& text, const std::string& co) {
    const size_t i = text.find(co);
    EXPECT_NE(i, std::string::npos) << co;
    return 1 + size_t(std::count(text.begin(), text.begin() + long(i), '\n'));
}

const PrvekGrafu& Prvek(const GrafSite& g, const std::string& nazev, int kolikaty = 0) {
    for (const PrvekGrafu& p : g.Prvky)
        if (p.Nazev == nazev && kolikaty-- == 0) return p;
    static const PrvekGrafu zadny;
    ADD_FAILURE() << nazev;
    return zadny;
}

// The text before the end of the data section with `pridat` added.
std::string SPridanym(const std::string& pridat) {
    std::string t = Text(Ifc4);
    t.insert(t.rfind("ENDSEC;"), pridat);
    return t;
}

} // namespace

// The same network in IFC4 in millimetres and radians and in IFC2X3 (generic
// flow elements with their types, ports by relationship) in inches and
// degrees reads into the same graph.
TEST(Ifc, ObeSchemataAJednotkyDajiStejnySit) {
    for (const auto& [soubor, schema] : {std::pair{Ifc4, "IFC4"}, std::pair{Ifc2x3, "IFC2X3"}}) {
        SCOPED_TRACE(soubor);
        GrafSite g;
        ASSERT_TRUE(NactiIfc(soubor, g).Ok());
        EXPECT_EQ(g.Schema, schema);
        EXPECT_EQ(g.Prvky.size(), 18u);
        EXPECT_EQ(g.Porty.size(), 36u);
        ASSERT_EQ(g.Systemy.size(), 1u);
        EXPECT_EQ(g.Systemy[0].Nazev, "Přívod 1");
        EXPECT_EQ(g.Systemy[0].Prvky.size(), 18u);
        const PrvekGrafu& v = Prvek(g, "PV-1");
        EXPECT_EQ(v.Trida, TridaPrvku::Ventilator);
        EXPECT_NEAR(v.Prutok, 1800, 1e-9);
        EXPECT_NEAR(v.Tlak, 400, 1e-9);
        EXPECT_NEAR(v.Otacky, 1500, 1e-9);
        const PrvekGrafu& s = Prvek(g, "Potrubí 500x250");
        EXPECT_EQ(s.Trida, TridaPrvku::Potrubi);
        EXPECT_NEAR(s.A, 500, 1e-9);
        EXPECT_NEAR(s.B, 250, 1e-9);
        EXPECT_NEAR(s.Delka, 2, 1e-9);
        EXPECT_NEAR(Prvek(g, "Potrubí D250").Prumer, 250, 1e-9);
        const PrvekGrafu& o = Prvek(g, "Oblouk 90");
        EXPECT_EQ(o.Tvar, DruhTvarovky::Oblouk);
        EXPECT_NEAR(o.Uhel, 90, 1e-6);
        EXPECT_NEAR(o.Radius, 400, 1e-9);
        EXPECT_EQ(Prvek(g, "T-kus 2").Tvar, DruhTvarovky::Odbocka);
        EXPECT_EQ(Prvek(g, "T-kus 2").Porty.size(), 4u);
        const PrvekGrafu& t1 = Prvek(g, "ZUL 400x400", 0);
        EXPECT_EQ(t1.Trida, TridaPrvku::Koncovy);
        EXPECT_EQ(t1.Prostor, "101 Kancelář");
        EXPECT_EQ(t1.Znacka, "V1");
        EXPECT_EQ(t1.Prutok, 0);
        EXPECT_NEAR(Prvek(g, "ZUL 400x400", 1).Prutok, 300, 1e-9);
        EXPECT_EQ(Prvek(g, "DN200").Trida, TridaPrvku::Klapka);
        EXPECT_EQ(Prvek(g, "TL 500x250").MaUtlum, schema == std::string("IFC4"));
    }
}

// A damaged file is refused with its line and why, and the graph stays.
TEST(Ifc, PoskozenySouborOdmitnutSRadkem) {
    const std::string t = Text(Ifc4);
    const std::string konecDat = t.substr(0, t.rfind("ENDSEC;"));
    struct Radek_ {
        std::string text;
        size_t radek;
        std::string proc;
    };
    auto nahrad = [&t](const std::string& co, const std::string& cim) {
        std::string r = t;
        r.replace(r.find(co), co.size(), cim);
        return r;
    };
    const std::string bezZdroje = nahrad(",(#4),#3);", ",(#9999),#3);");
    const Radek_ radky[] = {
        {t.substr(0, t.find("PV-1") + 2), Radek(t, "PV-1"), "neukončený řetězec"},
        {konecDat, Radek(t, "END-ISO") - 1,
         "soubor končí předčasně (chybí ENDSEC a END-ISO-10303-21)"},
        {t.substr(0, t.rfind("END-ISO")), Radek(t, "END-ISO"), "soubor končí předčasně"},
        {bezZdroje, Radek(t, "IFCPROJECT"), "odkaz na chybějící entitu #9999"},
        {nahrad("#2=", "#1="), Radek(t, "#2="), "entita #1 už je definována"},
        {nahrad("'IFC4'", "'IFC5'"), Radek(t, "FILE_SCHEMA"),
         "schéma IFC5 se nečte (jen IFC2X3, IFC4, IFC4X3)"},
        {nahrad("#8,#10,3000.)", "#8,#10,'3000')"), Radek(t, "#8,#10,3000.)"),
         "IFCEXTRUDEDAREASOLID: parametr 4 má být číslo"},
        {nahrad("#8,#10,3000.)", "#8,#10,-3000.)"), Radek(t, "#8,#10,3000.)"),
         "IFCEXTRUDEDAREASOLID: parametr 4 má být kladné číslo"},
        {nahrad("((0.,0.,0.))", "((0.,0. 0.))"), Radek(t, "((0.,0.,0.))"),
         "očekávána ',' nebo ')'"},
        {nahrad("((0.,0.,0.))", "((0.,0.,0.,))"), Radek(t, "((0.,0.,0.))"),
         "chybí hodnota před ')'"},
        {nahrad(".SOURCE.", ".SOURCE"), Radek(t, ".SOURCE."), "neukončený výčet"},
        {nahrad("#4),#3);", "#4),#3));"), Radek(t, "IFCPROJECT"), "očekáván znak ';', ne ')'"},
        {t + "#1=X();", 1 + size_t(std::count(t.begin(), t.end(), '\n')),
         "za END-ISO-10303-21; následuje další text"},
        {"", 1, "soubor je prázdný"},
        {nahrad("/* duct", "/ duct"), Radek(t, "/* duct"), "očekáváno klíčové slovo"},
    };
    for (const Radek_& r : radky) {
        GrafSite g;
        g.Schema = "beze změny";
        const VysledekSouboru v = CtiIfcZTextu(r.text, "m.ifc", g);
        EXPECT_EQ(v.Kod, KodVysledku::Poskozen) << r.proc;
        EXPECT_EQ(v.Zprava, "Chyba při čtení souboru IFC m.ifc, řádek " + std::to_string(r.radek) +
                                ": " + r.proc + ".");
        EXPECT_EQ(g.Schema, "beze změny");
    }
}

// The rozvod from the fan: the trunk, a branch at each junction, consecutive
// segments of one section merged, a short run and a dead end left out, and
// every value the model lacks named by element and section.
TEST(Ifc, ImportRozvoduZeZdroje) {
    for (const std::string& soubor : {Ifc4, Ifc2x3}) {
        SCOPED_TRACE(soubor);
        GrafSite g;
        ASSERT_TRUE(NactiIfc(soubor, g).Ok());
        const long zdroj = NajdiPrvekGrafu(g, "2X00000000000000000003");
        ASSERT_GE(zdroj, 0);
        EXPECT_EQ(NajdiPrvekGrafu(g, "#" + std::to_string(g.Prvky[size_t(zdroj)].Cislo)), zdroj);
        const bool ifc4 = soubor == Ifc4;
        const long t1 = NajdiPrvekGrafu(g, ifc4 ? "#94" : "#117");
        const ImportIfc i = ImportujIfc(g, size_t(zdroj), {{size_t(t1), 250.}});
        ASSERT_EQ(i.Chyba, "");
        EXPECT_FALSE(ChybaStruktury(i.Useky));
        ASSERT_EQ(i.Useky.size(), 5u);
        std::vector<std::string> druhy;
        for (const TElementSite& e : i.Useky[0].Prvky)
            druhy.push_back(e.NazevTypu());
        EXPECT_EQ(druhy,
                  (std::vector<std::string>{"Zdroj drunu", "Obecný element", "Hranaté potrubí",
                                            "Oblouk", "Hranaté potrubí"}));
        const auto& kmen = i.Useky[0].Prvky[2].Vstup<VstupyHrPotrubi>();
        EXPECT_EQ(kmen.Delka, 3.5);
        // The room flows (250 typed, 300 from the model, the missing one at the least) add up.
        EXPECT_NEAR(kmen.Prutok, 250 + 300 + VyustPrutokMin, 1e-9);
        EXPECT_GT(i.Useky[0].Prvky[0].VlastniDrun[0], 0);
        const auto& o = i.Useky[0].Prvky[3].Vstup<VstupyOblouk>();
        EXPECT_EQ(o.Radius, 400);
        EXPECT_EQ(o.Druh, 1);
        std::vector<std::string> mistnosti;
        for (const Usek& u : i.Useky) {
            mistnosti.push_back(u.Mistnost);
            // One name: the room element's description is the room's.
            if (!u.Mistnost.empty()) {
                EXPECT_EQ(u.Prvky.back().Popis, u.Mistnost);
            }
        }
        EXPECT_EQ(mistnosti, (std::vector<std::string>{"", "101 Kancelář", "", "ZUL 400x400 V2",
                                                       "ZUL 400x400 V3"}));
        const auto& odb = i.Useky[3].Prvky[0].Vstup<VstupyOdbocka>();
        EXPECT_EQ(i.Useky[3].Rodic, 3);
        EXPECT_NEAR(odb.Prutok, 300 + VyustPrutokMin, 1e-9);
        EXPECT_NEAR(odb.OdbPrutok, 300, 1e-9);
        std::vector<std::string> chybi = {
            "Odbočka T-kus 1 (úsek 2): rádius",
            "Vyústka ZUL 400x400 (úsek 2): druh vyústky",
            "Místnost 101 Kancelář (úsek 2): plocha stěn, vzdálenost",
            "Odbočka T-kus 1 (úsek 3): rádius",
            "Regulační klapka DN200 (úsek 3): tlaková ztráta",
            "Odbočka T-kus 2 (úsek 4): rádius",
            "Vyústka ZUL 400x400 (úsek 4): druh vyústky",
            "Místnost ZUL 400x400 V2 (úsek 4): plocha stěn, vzdálenost",
            "Odbočka T-kus 2 (úsek 5): rádius",
            "Vyústka ZUL 400x400 (úsek 5): průtok, druh vyústky",
            "Místnost ZUL 400x400 V3 (úsek 5): plocha stěn, vzdálenost",
        };
        if (!ifc4) chybi.insert(chybi.begin(), "Obecný element TL 500x250 (úsek 1): útlum");
        EXPECT_EQ(i.Chybi, chybi);
        const std::string slepe = ifc4 ? "#161" : "#203";
        EXPECT_EQ(i.Vynechano,
                  (std::vector<std::string>{
                      "slepá větev od potrubí Slepé potrubí (" + slepe +
                          ") (1 prvků) nevede k žádnému koncovému prvku",
                      "potrubí Potrubí D200: délka 0.40 m je kratší než 1 m, vynecháno (jeho útlum "
                      "zanedbán)"}));
        EXPECT_EQ(i.Sloucenych, 2);
        // Written and read back, every room computed.
        Rozvod r;
        r.NastavUseky(i.Useky);
        const std::string drr =
            (std::filesystem::temp_directory_path() / "drun-ifc-test.DRR").string();
        ASSERT_TRUE(UlozRozvod(r, drr).Ok());
        Rozvod znovu;
        EXPECT_TRUE(NactiRozvod(drr, "", znovu).Ok());
        std::filesystem::remove(drr);
        EXPECT_EQ(znovu.Mistnosti().size(), 3u);
        for (const MistnostRozvodu& m : znovu.Mistnosti())
            EXPECT_FALSE(m.Chyba) << m.Nazev;
    }
}

// A network DRUN cannot take is refused naming its elements.
TEST(Ifc, SitOdmitnutaSPrvky) {
    const std::string port = "#9000=IFCDISTRIBUTIONPORT('x9000',$,'Port',$,$,$,$,.SOURCE.,.DUCT.,"
                             ".AIRCONDITIONING.);\n";
    const struct {
        std::string pridat, chyba;
    } radky[] = {
        // The dead end's free end joined to the first junction: a loop.
        {port + "#9001=IFCRELNESTS('x9001',$,$,$,#67,(#9000));\n"
                "#9002=IFCRELCONNECTSPORTS('x9002',$,$,$,#163,#9000,$);\n",
         "síť tvoří smyčku: tvarovka T-kus 2 (#121) a potrubí Potrubí D200 (#117) jsou spojeny i "
         "jinou cestou"},
        // A segment with a third connection.
        {port + "#9001=IFCRELNESTS('x9001',$,$,$,#63,(#9000));\n"
                "#9002=IFCRELCONNECTSPORTS('x9002',$,$,$,#163,#9000,$);\n",
         "potrubí Potrubí 500x250 (#63) je spojen s více prvky, než síť dovoluje (3 spojení)"},
        // A terminal of the system behind a segment without ports.
        {"#9000=IFCDUCTSEGMENT('x9000',$,'Bez portů',$,$,$,$,$,.RIGIDSEGMENT.);\n"
         "#9001=IFCAIRTERMINAL('x9001',$,'Za zdí',$,$,$,$,$,.DIFFUSER.);\n"
         "#9002=IFCDISTRIBUTIONPORT('x9002',$,'Port',$,$,$,$,.SINK.,.DUCT.,.AIRCONDITIONING.);\n"
         "#9003=IFCRELNESTS('x9003',$,$,$,#9001,(#9002));\n"
         "#9004=IFCRELASSIGNSTOGROUP('x9004',$,$,$,(#9000,#9001),$,#190);\n",
         "část systému Přívod 1 (koncový prvek Za zdí (#9001)) je připojena jen přes prvky bez "
         "portů: potrubí Bez portů (#9000)"},
    };
    for (const auto& r : radky) {
        GrafSite g;
        ASSERT_TRUE(CtiIfcZTextu(SPridanym(r.pridat), "m.ifc", g).Ok());
        const ImportIfc i = ImportujIfc(g, size_t(NajdiPrvekGrafu(g, "#16")), {});
        EXPECT_EQ(i.Chyba, r.chyba);
        EXPECT_TRUE(i.Useky.empty());
    }
}

// Flows from a CSV file: a terminal by GlobalId, #number or a name no other
// terminal has; anything else refused with its line.
TEST(Ifc, PrutokyZCsv) {
    GrafSite g;
    ASSERT_TRUE(NactiIfc(Ifc4, g).Ok());
    const ImportIfc k = KoncoveGrafu(g, size_t(NajdiPrvekGrafu(g, "#16")));
    ASSERT_EQ(k.Koncove.size(), 3u);
    const size_t t1 = size_t(NajdiPrvekGrafu(g, "#94")), t3 = size_t(NajdiPrvekGrafu(g, "#154"));
    const struct {
        std::string csv, chyba;
        std::map<size_t, double> prutoky;
    } radky[] = {
        {"Koncový prvek;Průtok\r\n#94;250,5\r\n2X00000000000000000078;120\r\n",
         "",
         {{t1, 250.5}, {t3, 120}}},
        {"ZUL 400x400;100\r\n",
         "řádek 1: název ZUL 400x400 má 3 koncových prvků, uveďte GlobalId nebo #číslo",
         {}},
        {"#94;100\r\n#16;100\r\n", "řádek 2: síť zdroje nemá koncový prvek #16", {}},
        {"#94;0\r\n", "řádek 1: průtok musí být kladné číslo v m3/hod", {}},
        {"#94;100;1\r\n", "řádek 1: očekávány dvě buňky: prvek;průtok", {}},
    };
    for (const auto& r : radky) {
        std::map<size_t, double> q{{99, 1.}};
        const VysledekSouboru v = CtiPrutokyIfcZTextu(r.csv, "q.csv", g, k.Koncove, q);
        if (r.chyba.empty()) {
            EXPECT_TRUE(v.Ok()) << v.Zprava;
            EXPECT_EQ(q, r.prutoky);
        } else {
            EXPECT_EQ(v.Zprava, "Chyba při čtení souboru průtoků q.csv, " + r.chyba + ".");
            EXPECT_EQ(q.size(), 1u);
        }
    }
}

#ifndef _WIN32
// drun-protokol --ifc: the listing, the import written, and the exit codes.
TEST(Ifc, PrikazovaRadka) {
    const std::string vystup =
        (std::filesystem::temp_directory_path() / "drun-ifc-cli.DRR").string();
    std::filesystem::remove(vystup);
    const std::string p = std::string(DRUN_PROTOKOL) + " --ifc " + Ifc4;
    const Beh vypis = SpustPrikaz(p);
    EXPECT_EQ(vypis.status, 0);
    EXPECT_NE(
        vypis.vystup.find("  ventilátor PV-1 (#16), ID 2X00000000000000000003, systém Přívod 1\n"
                          "    koncový prvek ZUL 400x400 (#94)\n"),
        std::string::npos)
        << vypis.vystup;
    const Beh import = SpustPrikaz(p + " --zdroj '#16' --ulozit " + vystup);
    EXPECT_EQ(import.status, 0);
    EXPECT_NE(import.vystup.find("Chybí (11):\n"), std::string::npos) << import.vystup;
    EXPECT_TRUE(std::filesystem::exists(vystup));
    std::filesystem::remove(vystup);
    // A terminal's flow from a CSV file: its room no longer lacks it.
    const std::string csv = (std::filesystem::temp_directory_path() / "drun-ifc-q.csv").string();
    std::ofstream(csv) << "Koncový prvek;Průtok\r\n#94;250\r\n";
    const Beh sPrutoky = SpustPrikaz(p + " --zdroj '#16' --ulozit " + vystup + " --prutoky " + csv);
    EXPECT_EQ(sPrutoky.status, 0);
    EXPECT_NE(sPrutoky.vystup.find("Vyústka ZUL 400x400 (úsek 2): druh vyústky\n"),
              std::string::npos)
        << sPrutoky.vystup;
    std::ofstream(csv) << "#16;250\r\n";
    EXPECT_EQ(
        SpustPrikaz(p + " --zdroj '#16' --ulozit " + vystup + " --prutoky " + csv + " 2>/dev/null")
            .status,
        1);
    std::filesystem::remove(csv);
    std::filesystem::remove(vystup);
    EXPECT_EQ(SpustPrikaz(p + " --zdroj '#94' --ulozit " + vystup + " 2>/dev/null").status, 1);
    EXPECT_EQ(SpustPrikaz(p + " --zdroj '#16' 2>/dev/null").status, 2);
    EXPECT_EQ(SpustPrikaz(p + " --ulozit " + vystup + " 2>/dev/null").status, 2);
    EXPECT_FALSE(std::filesystem::exists(vystup));
}
#endif
