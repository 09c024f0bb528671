#include <gtest/gtest.h>

#include "io/Kodovani.h"

#if __has_include(<iconv.h>) && !defined(_WIN32)
#include <iconv.h>
#endif

using namespace drun;

TEST(Kodovani, CestinaTamAZpet) {
    const std::string text = "Kancelář 2.12 – ŽLUŤOUČKÝ kůň";
    auto cp = Utf8DoCp1250(text);
    ASSERT_TRUE(cp.has_value());
    EXPECT_EQ(cp->size(), 29u);                            // one byte a character
    EXPECT_EQ(static_cast<unsigned char>((*cp)[7]), 0xF8); // ř
    EXPECT_EQ(Cp1250DoUtf8(*cp), text);
}

TEST(Kodovani, CoSoubornemuRadkuNepatri) {
    EXPECT_TRUE(JeRadekCp1250("Místnost č. 5 – 30 m2"));
    EXPECT_FALSE(JeRadekCp1250("30 m²")); // ² is not in Windows-1250
    EXPECT_FALSE(JeRadekCp1250("jeden\nradek"));
    EXPECT_FALSE(JeRadekCp1250("tab\there"));
    EXPECT_FALSE(JeRadekCp1250("€ ok, ale 中 ne"));
    EXPECT_TRUE(JeRadekCp1250("cena 5 €"));
    EXPECT_FALSE(JeRadekCp1250(std::string("\xC3", 1))); // broken UTF-8
    EXPECT_FALSE(JeRadekCp1250("\xE0\x83\xA1"));         // "á" overlong
    // Every character of the first plane: what the conversion can hold, and nothing else.
    for (char32_t u = 0x80; u < 0x10000; ++u) {
        if (u >= 0xD800 && u < 0xE000) continue;
        std::string t;
        if (u < 0x800) {
            t = {char(0xC0 | u >> 6), char(0x80 | (u & 0x3F))};
        } else {
            t = {char(0xE0 | u >> 12), char(0x80 | (u >> 6 & 0x3F)), char(0x80 | (u & 0x3F))};
        }
        ASSERT_EQ(JeRadekCp1250(t), Utf8DoCp1250(t).has_value())
            << std::hex << static_cast<unsigned>(u);
    }
    EXPECT_FALSE(Cp1250DoUtf8(std::string("\x81", 1)).has_value());
}

TEST(Kodovani, KazdyBajtTamAZpet) {
    // Five bytes have no character; every other one comes back as it was.
    for (int b = 0; b < 256; ++b) {
        const std::string bajt(1, static_cast<char>(b));
        const auto utf8 = Cp1250DoUtf8(bajt);
        const bool nedefinovany = b == 0x81 || b == 0x83 || b == 0x88 || b == 0x90 || b == 0x98;
        ASSERT_EQ(utf8.has_value(), !nedefinovany) << b;
        if (utf8) {
            EXPECT_EQ(Utf8DoCp1250(*utf8), bajt) << b;
        }
    }
}

TEST(Kodovani, PlatneUtf8) {
    struct Radek {
        const char* bajty;
        bool platne;
    };
    for (const Radek& r :
         std::initializer_list<Radek>{{"", true},
                                      {"\x7F", true},
                                      {"\xC2\x80", true},
                                      {"\xEF\xBF\xBF", true},
                                      {"\xF4\x8F\xBF\xBF", true},  // U+10FFFF, the last one
                                      {"\xF4\x90\x80\x80", false}, // past U+10FFFF
                                      {"\xED\xA0\x80", false},     // a surrogate
                                      {"\xC0\x80", false},         // overlong
                                      {"\xE0\x80\x80", false},     // overlong
                                      {"\xF0\x80\x80\x80", false}, // overlong
                                      {"\xF8\x88\x80\x80\x80", false},
                                      {"\x80", false},
                                      {"\xE2\x82", false}, // cut short
                                      {"a\xC3", false},
                                      {"\xFF", false}})
        EXPECT_EQ(JePlatneUtf8(r.bajty), r.platne) << r.bajty;
}

#if __has_include(<iconv.h>) && !defined(_WIN32)
// The system's converter, which the files were always converted with: the
// table gives the same bytes for every character and refuses the same ones.
std::optional<std::string> Iconv(const char* do_, const char* z, const std::string& vstup) {
    iconv_t cd = iconv_open(do_, z);
    std::string in = vstup, out(4 * vstup.size() + 4, '\0');
    char* pin = in.data();
    char* pout = out.data();
    size_t zbyva = in.size(), volno = out.size();
    const size_t r = iconv(cd, &pin, &zbyva, &pout, &volno);
    iconv_close(cd);
    if (r == static_cast<size_t>(-1)) return std::nullopt;
    out.resize(out.size() - volno);
    return out;
}

TEST(Kodovani, StejneJakoSystemovyPrevod) {
    for (int b = 0; b < 256; ++b) {
        const std::string bajt(1, static_cast<char>(b));
        ASSERT_EQ(Cp1250DoUtf8(bajt), Iconv("UTF-8", "CP1250", bajt)) << b;
    }
    for (unsigned z = 0; z < 0x10000; ++z) {
        if (z >= 0xD800 && z <= 0xDFFF) continue;
        std::string utf8;
        if (z < 0x80) {
            utf8 = std::string(1, static_cast<char>(z));
        } else if (z < 0x800) {
            utf8 = {static_cast<char>(0xC0 | (z >> 6)), static_cast<char>(0x80 | (z & 0x3F))};
        } else {
            utf8 = {static_cast<char>(0xE0 | (z >> 12)),
                    static_cast<char>(0x80 | ((z >> 6) & 0x3F)),
                    static_cast<char>(0x80 | (z & 0x3F))};
        }
        ASSERT_EQ(Utf8DoCp1250(utf8), Iconv("CP1250", "UTF-8", utf8)) << z;
    }
}
#endif
