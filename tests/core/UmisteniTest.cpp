// Where DRUN.CFG, DRUN.DRN and KL385216.CAD are found.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/Konfigurace.h"
#include "core/Umisteni.h"
#include "models/Pomocnik.h"

using namespace drun;
namespace fs = std::filesystem;

namespace {

class Umisteni : public ::testing::Test {
  protected:
    void SetUp() override {
        koren = SlozkaTestu("drun-umisteni-");
        fs::remove_all(koren);
        fs::create_directories(koren / "prefix/bin");
        fs::create_directories(koren / "prefix/share/drun");
        s = Slozky((koren / "prefix/bin").string() + "/", (koren / "config/drun").string() + "/");
    }
    void TearDown() override {
        fs::permissions(koren / "prefix/bin", fs::perms::owner_all);
        fs::remove_all(koren);
    }
    static void Vytvor(const std::string& cesta) { std::ofstream(cesta) << "x"; }
    fs::path koren;
    SlozkyProgramu s;
};

} // namespace

TEST_F(Umisteni, DatovaSlozkaVPrefixu) {
    EXPECT_EQ(s.Data, TextCesty((koren / "prefix/share/drun").lexically_normal()) + "/");
}

TEST_F(Umisteni, PravidloProZapisovatelnouANezapisovatelnouSlozku) {
    struct Pripad {
        const char* nazev;
        bool zapisovatelny, cadVedle, cadVData;
        bool cfgVedle; // DRUN.CFG and DRUN.DRN beside the program (else the user's folder)
        bool cadZData; // KL385216.CAD from the data folder (else beside the program)
    };
    const Pripad pripady[] = {
        {"prenosna_kopie", true, true, true, true, false},
        {"sestaveni_bez_dat_vedle", true, false, true, true, true},
        {"instalovany", false, false, true, false, true},
        {"instalovany_data_vedle", false, true, true, false, false},
        // Missing everywhere: the silencer's message names the program's folder.
        {"data_nikde", false, false, false, false, false},
    };
    for (const Pripad& p : pripady) {
        SCOPED_TRACE(p.nazev);
        fs::remove_all(koren / "config");
        fs::remove(s.Program + "KL385216.CAD");
        fs::remove(s.Data + "KL385216.CAD");
        if (p.cadVedle) Vytvor(s.Program + "KL385216.CAD");
        if (p.cadVData) Vytvor(s.Data + "KL385216.CAD");
        DrunVar var;
        NastavUmisteni(var, s, p.zapisovatelny);
        const std::string& cfg = p.cfgVedle ? s.Program : s.Uzivatel;
        EXPECT_EQ(var.SouborCfg, cfg + "DRUN.CFG");
        EXPECT_EQ(var.SouborDat, cfg + "DRUN.DRN");
        EXPECT_EQ(var.SouborTlumice, (p.cadZData ? s.Data : s.Program) + "KL385216.CAD");
        // The user's folder is made ready for the first write, and reading follows.
        if (!p.cfgVedle) {
            var.parametry.DelkaStranky = 33;
            EXPECT_TRUE(ZapisKonfiguraci(var).Ok());
            DrunVar znovu;
            NastavUmisteni(znovu, s, p.zapisovatelny);
            EXPECT_TRUE(CtiKonfiguraci(znovu).Ok());
            EXPECT_EQ(znovu.parametry.DelkaStranky, 33);
        }
    }
}

// An installed program keeps its files in the user's folder even where it
// could write beside itself (root in /usr/bin).
TEST_F(Umisteni, InstalovanyProgramNepiseVedleSebe) {
    EXPECT_TRUE(SouboryVedleProgramu(s));
    Vytvor(s.Data + "KL385216.CAD");
    EXPECT_FALSE(SouboryVedleProgramu(s));
    Vytvor(s.Program + "KL385216.CAD"); // a portable copy with its data
    EXPECT_TRUE(SouboryVedleProgramu(s));
}

TEST_F(Umisteni, ZapisovatelnostSlozky) {
    EXPECT_TRUE(LzeZapsatDoSlozky(s.Program));
    EXPECT_TRUE(fs::is_empty(s.Program)); // the trial file is gone
    Vytvor((koren / "soubor").string());
    EXPECT_FALSE(LzeZapsatDoSlozky((koren / "soubor").string() + "/"));
    EXPECT_FALSE(LzeZapsatDoSlozky((koren / "neni").string() + "/"));
#ifndef _WIN32
    fs::permissions(s.Program, fs::perms::owner_read | fs::perms::owner_exec);
    if (::geteuid() != 0) { // root writes anyway
        EXPECT_FALSE(LzeZapsatDoSlozky(s.Program));
    }
#endif
}
