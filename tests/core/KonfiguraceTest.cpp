#include <gtest/gtest.h>
#include <signal.h>
#ifndef _WIN32
#include <sys/resource.h>
#include <unistd.h>
#endif

#include <filesystem>
#include <fstream>

#include "core/Konfigurace.h"
#include "core/Soubory.h"
#include "models/Pomocnik.h"

using namespace drun;

namespace {

struct PripadCfg {
    const char* nazev;
    std::string text;
    bool ok;
    int delka;
    bool autoUlozeni;
};

} // namespace

TEST(Konfigurace, CteniSouboru) {
    const std::string chyba = "Chyba při čtení konfiguračního souboru!";
    const PripadCfg pripady[] = {
        {"ulozeny", "[DRUN]\r\n60\r\nTRUE\r\n", true, 60, true},
        {"false", "[DRUN]\r\n45\r\nFALSE\r\n", true, 45, false},
        {"prazdny", "", true, 60, true},
        {"mala_pismena", "[DRUN]\r\n60\r\ntrue\r\n", true, 60, false},
        {"true_a_mezera", "[DRUN]\r\n60\r\nTRUE \r\n", true, 60, false},
        {"true_a_znak", "[DRUN]\r\n60\r\nTRUEX\r\n", true, 60, false},
        {"mez_25", "[DRUN]\r\n25\r\nTRUE\r\n", true, 25, true},
        {"mez_100", "[DRUN]\r\n100\r\nFALSE\r\n", true, 100, false},
        {"pod_mezi", "[DRUN]\r\n24\r\nFALSE\r\n", false, 60, true},
        {"nad_mezi", "[DRUN]\r\n101\r\nFALSE\r\n", false, 60, true},
        {"jiny_prvni_radek", "cokoli\r\n70\r\nTRUE\r\n", true, 70, true},
        {"bez_tretiho_radku", "[DRUN]\r\n70\r\n", true, 70, false},
        {"bez_tretiho_ani_konce", "[DRUN]\r\n70", true, 70, false},
        {"uvodni_mezery_a_zbytek", "[DRUN]\r\n   55 radku\r\nTRUE\r\n", true, 55, true},
        {"jen_lf", "[DRUN]\n50\nFALSE\n", true, 50, false},
        {"neni_cislo", "[DRUN]\r\nabc\r\nFALSE\r\n", false, 60, true},
        {"cislo_s_textem", "[DRUN]\r\n60x\r\nFALSE\r\n", false, 60, true},
        {"desetinne", "[DRUN]\r\n60.5\r\nFALSE\r\n", false, 60, true},
        {"prazdny_druhy", "[DRUN]\r\n\r\nFALSE\r\n", false, 60, true},
        {"jen_prvni", "[DRUN]\r\n", false, 60, true},
    };
    for (const auto& p : pripady) {
        SCOPED_TRACE(p.nazev);
        Parametry par;
        par.DelkaStranky = 33;
        par.AutoUlozeni = false;
        const VysledekSouboru v = CtiKonfiguraciZTextu(p.text, par);
        EXPECT_EQ(v.Ok(), p.ok);
        EXPECT_EQ(v.Zprava, p.ok ? "" : chyba);
        EXPECT_EQ(par.DelkaStranky, p.delka);
        EXPECT_EQ(par.AutoUlozeni, p.autoUlozeni);
    }
}

class KonfiguraceSoubor : public ::testing::Test {
  protected:
    void SetUp() override {
        slozka = SlozkaTestu("drun-cfg-");
        std::filesystem::remove_all(slozka);
        std::filesystem::create_directories(slozka);
        var.NastavSlozku(slozka.string() + "/");
    }
    void TearDown() override { std::filesystem::remove_all(slozka); }
    std::string Obsah() {
        std::string s;
        CtiSoubor(var.SouborCfg, s);
        return s;
    }
    std::filesystem::path slozka;
    DrunVar var;
};

TEST_F(KonfiguraceSoubor, ChybejiciSouborDavaVychoziTise) {
    var.parametry = {40, false};
    const VysledekSouboru v = CtiKonfiguraci(var);
    EXPECT_TRUE(v.Ok());
    EXPECT_TRUE(v.Zprava.empty());
    EXPECT_EQ(var.parametry.DelkaStranky, 60);
    EXPECT_TRUE(var.parametry.AutoUlozeni);
}

TEST_F(KonfiguraceSoubor, ZapisTriRadkyCrLfAZpet) {
    var.parametry = {72, false};
    const VysledekSouboru v = ZapisKonfiguraci(var);
    EXPECT_TRUE(v.Ok());
    EXPECT_EQ(v.Zprava, "Parametry uloženy do konfiguračního souboru.");
    EXPECT_EQ(Obsah(), "[DRUN]\r\n72\r\nFALSE\r\n");
    var.parametry = {};
    EXPECT_TRUE(CtiKonfiguraci(var).Ok());
    EXPECT_EQ(var.parametry.DelkaStranky, 72);
    EXPECT_FALSE(var.parametry.AutoUlozeni);
    var.parametry = {25, true};
    ZapisKonfiguraci(var);
    EXPECT_EQ(Obsah(), "[DRUN]\r\n25\r\nTRUE\r\n");
    // nothing is left behind beside the file
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(slozka),
                            std::filesystem::directory_iterator()),
              1);
}

#ifndef _WIN32 // a disk that fills up
TEST_F(KonfiguraceSoubor, NepovedenyZapisNechaPuvodniSoubor) {
    var.parametry = {50, true};
    ASSERT_TRUE(ZapisKonfiguraci(var).Ok());
    // A disk that is full after five bytes.
    signal(SIGXFSZ, SIG_IGN);
    rlimit stare{};
    getrlimit(RLIMIT_FSIZE, &stare);
    rlimit male = stare;
    male.rlim_cur = 5;
    setrlimit(RLIMIT_FSIZE, &male);
    var.parametry = {80, false};
    const VysledekSouboru v = ZapisKonfiguraci(var);
    setrlimit(RLIMIT_FSIZE, &stare);
    signal(SIGXFSZ, SIG_DFL);
    EXPECT_FALSE(v.Ok());
    EXPECT_EQ(v.Zprava, "Chyba při zápisu konfiguračního souboru!");
    EXPECT_EQ(Obsah(), "[DRUN]\r\n50\r\nTRUE\r\n");
    EXPECT_EQ(var.parametry.DelkaStranky, 80); // the working values stay as set
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(slozka),
                            std::filesystem::directory_iterator()),
              1);
}
#endif

TEST_F(KonfiguraceSoubor, SlozkaMistoSouboruJeChybaCteni) {
    std::filesystem::create_directory(var.SouborCfg);
    var.parametry = {40, false};
    const VysledekSouboru v = CtiKonfiguraci(var);
    EXPECT_FALSE(v.Ok());
    EXPECT_EQ(var.parametry.DelkaStranky, 60);
    EXPECT_TRUE(var.parametry.AutoUlozeni);
}
