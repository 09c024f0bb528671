#include <gtest/gtest.h>

#include "io/Kodovani.h"

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
    EXPECT_FALSE(Cp1250DoUtf8(std::string("\x81", 1)).has_value());
}
