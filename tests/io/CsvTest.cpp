// The one CSV unit: reading records, and text that a spreadsheet must not run.
#include <gtest/gtest.h>

#include "io/Csv.h"

using namespace drun;

namespace {

using Bunky = std::vector<std::string>;

// Records as "line:cell|cell", an unterminated one as "!line".
std::vector<std::string> Popis(std::string_view text) {
    std::vector<std::string> v;
    for (const ZaznamCsv& z : ZaznamyCsv(text)) {
        if (z.NeuzavrenoNaRadku) {
            v.push_back("!" + std::to_string(z.NeuzavrenoNaRadku));
            continue;
        }
        std::string s = std::to_string(z.Radek) + ":";
        for (size_t i = 0; i < z.Bunky.size(); ++i)
            s += (i ? "|" : "") + z.Bunky[i];
        v.push_back(s);
    }
    return v;
}

} // namespace

TEST(Csv, ZaznamyAJejichRadky) {
    struct Pripad {
        std::string text;
        std::vector<std::string> zaznamy;
    };
    const Pripad pripady[] = {
        {"a;b\r\nc;d\r\n", {"1:a|b", "2:c|d"}},
        {"a;b\rc;d\r", {"1:a|b", "2:c|d"}},
        {"a;b\nc;d", {"1:a|b", "2:c|d"}},
        {"a\r\n\r\nb;", {"1:a", "2:", "3:b|"}},
        {"\"x;\"\"y\"\"\";z\n", {"1:x;\"y\"|z"}},
        {"palec 3\";x\n", {"1:palec 3\"|x"}},
        // A quoted line break, kept as written; the next record's line counts it.
        {"\"a\r\nb\";1\r\nc\r\n", {"1:a\r\nb|1", "3:c"}},
        {"\"a\rb\rc\";1\rd", {"1:a\rb\rc|1", "4:d"}},
        {"\"a\n\nb\";1\n\"\"\nz", {"1:a\n\nb|1", "4:", "5:z"}},
        // An unterminated quote: reported with its line, reading goes on.
        {"a\r\nb;\"c\r\nd;e\r\n", {"1:a", "!2", "3:d|e"}},
        {"\"x\ny\";\"\nz\n", {"!2", "3:z"}},
        {"\"", {"!1"}},
    };
    for (const Pripad& p : pripady) {
        SCOPED_TRACE(p.text);
        EXPECT_EQ(Popis(p.text), p.zaznamy);
    }
}

TEST(Csv, TextKteryTabulkaNespusti) {
    struct Pripad {
        std::string text, bunka;
    };
    const Pripad pripady[] = {
        {"=1+1", "'=1+1"}, {"+420", "'+420"},
        {"-x", "'-x"},     {"@SUM(A1)", "'@SUM(A1)"},
        {"\tx", "'\tx"},   {"\rx", "\"'\rx\""},
        {"'=x", "''=x"},   {"'x", "'x"},
        {"a=b", "a=b"},    {"", ""},
        {"'", "'"},        {"=;\"", "\"'=;\"\"\""},
    };
    for (const Pripad& p : pripady) {
        SCOPED_TRACE(p.text);
        EXPECT_EQ(ZapisCsv(false).Text(p.text).Obsah(), p.bunka);
        EXPECT_EQ(ZrusBezVzorce(BezVzorce(p.text)), p.text);
    }
    // Numbers are not text: a negative level keeps its sign.
    EXPECT_EQ(ZapisCsv(false).Hodnota(-1.04).Cislo(-0.125).Konec().Obsah(), "-1,0;-0,125\r\n");
    EXPECT_EQ(ZapisCsv().Obsah(), BomUtf8);
}
