// The result table for spreadsheets.
#include <gtest/gtest.h>

#include "core/DrunVyp.h"
#include "core/Soubory.h"
#include "io/DataSoubor.h"
#include "io/Vysledky.h"

using namespace drun;

namespace {

std::string Data(const std::string& jmeno) {
    std::string s;
    EXPECT_EQ(CtiSoubor(std::string(DRUN_TEST_DATA) + "/" + jmeno, s), KodVysledku::Ok) << jmeno;
    return s;
}

} // namespace

// The worked example file: source, general element, three sources, circular duct.
TEST(Vysledky, CsvPrikladovehoSouboru) {
    DrunVar var;
    ASSERT_TRUE(NactiData(var, std::string(DRUN_TEST_DATA) + "/Kancelar.DRN").Ok());
    PrepocitejOd(var, 1);
    EXPECT_EQ(VysledkyCsv(var), Data("Kancelar.csv"));
}

TEST(Vysledky, CsvUvozovkyAOddelovace) {
    const Spectrum s{1.25, -1.04, 0, 100, 12.34, 0.05, 150, 7, 6.987};
    struct Radek {
        std::string popis, ocekavany;
    };
    const Radek tabulka[] = {
        {"prostý text", "prostý text"},
        {"A;B", "\"A;B\""},
        {"palec 3\"", "\"palec 3\"\"\""},
        {"\"x\";y", "\"\"\"x\"\";y\""},
        {"řádek\r\nzlom", "\"řádek\r\nzlom\""},
        {"", ""},
        {"=1+1", "'=1+1"},
        {"-x;y", "\"'-x;y\""},
    };
    for (const Radek& r : tabulka) {
        SCOPED_TRACE(r.popis);
        const RadekVysledku v{"12", "Obecný element", r.popis, "Útlum", &s, false};
        EXPECT_EQ(RadekCsv(v), "12;Obecný element;" + r.ocekavany +
                                   ";Útlum;1,2;-1,0;0,0;100,0;12,3;0,1;150,0;7,0;7,0\r\n");
    }
}
