// Files on both systems: Czech names, atomic replacement, refusals; and on
// POSIX the permissions of new and replaced files and the flushed folder.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <filesystem>
#include <vector>

#include "core/Platforma.h"
#include "core/Soubory.h"
#include "models/Pomocnik.h"

using namespace drun;
namespace fs = std::filesystem;

#ifndef _WIN32
namespace {
int SynchronizovaneSlozky = 0;
}
// Counts the folders flushed, then does what the system does.
extern "C" int fsync(int fd) {
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) ++SynchronizovaneSlozky;
    static const auto systemovy = reinterpret_cast<int (*)(int)>(::dlsym(RTLD_NEXT, "fsync"));
    return systemovy(fd);
}
#endif

TEST(Platforma, ZapisACteniSouboru) {
    const fs::path slozka = SlozkaTestu("drun-platforma-");
    fs::create_directories(slozka);
    struct Radek {
        const char* jmeno;
        std::string obsah;
    };
    for (const Radek& r : {Radek{"Kancelář 2.12 – ŽLUŤOUČKÝ kůň.DRN", "první\r\n"},
                           Radek{"Kancelář 2.12 – ŽLUŤOUČKÝ kůň.DRN", "druhý"},
                           Radek{"prázdný", ""}, Radek{"a", std::string(200000, 'x')}}) {
        const std::string soubor = TextCesty(slozka) + "/" + r.jmeno;
        ASSERT_TRUE(ZapisAtomicky(soubor, r.obsah)) << r.jmeno;
        std::string zpet;
        ASSERT_EQ(CtiSoubor(soubor, zpet), KodVysledku::Ok) << r.jmeno;
        EXPECT_EQ(zpet, r.obsah);
        EXPECT_TRUE(fs::exists(slozka / CestaSouboru(r.jmeno)));
    }
    // The names as the folder lists them; no temporary file left.
    std::vector<std::string> jmena;
    for (const auto& e : fs::directory_iterator(slozka))
        jmena.push_back(TextCesty(e.path().filename()));
    std::sort(jmena.begin(), jmena.end());
    EXPECT_EQ(jmena,
              (std::vector<std::string>{"Kancelář 2.12 – ŽLUŤOUČKÝ kůň.DRN", "a", "prázdný"}));

    const std::string cil = TextCesty(slozka / CestaSouboru("prázdný"));
    std::string obsah = "x";
    EXPECT_EQ(CtiSoubor(TextCesty(slozka) + "/není", obsah), KodVysledku::Chybi);
    EXPECT_EQ(obsah, "");
    EXPECT_EQ(CtiSoubor(TextCesty(slozka), obsah), KodVysledku::NelzeCist);
    EXPECT_EQ(CtiNeprazdny(cil, obsah), KodVysledku::Chybi);
    // Refused, and nothing changes: a folder, a missing folder, a read-only file.
    EXPECT_FALSE(ZapisAtomicky(TextCesty(slozka), "x"));
    EXPECT_FALSE(ZapisAtomicky(TextCesty(slozka) + "/není/a", "x"));
    ASSERT_TRUE(NastavJenProCteni(slozka / CestaSouboru("prázdný"), true));
    EXPECT_FALSE(ZapisAtomicky(cil, "x"));
    EXPECT_EQ(CtiSoubor(cil, obsah), KodVysledku::Ok);
    EXPECT_EQ(obsah, "");
    ASSERT_TRUE(NastavJenProCteni(slozka / CestaSouboru("prázdný"), false));
    EXPECT_TRUE(ZapisAtomicky(cil, "x"));
    EXPECT_EQ(std::distance(fs::directory_iterator(slozka), fs::directory_iterator()), 3);
    fs::remove_all(slozka);
}

TEST(Platforma, SlozkyProgramuAUzivatele) {
    const std::string program = SlozkaProgramu("");
    ASSERT_FALSE(program.empty());
    EXPECT_TRUE(fs::is_directory(CestaSouboru(program)));
    EXPECT_FALSE(SlozkaNastaveni().empty());
    EXPECT_FALSE(SlozkaMistnichDat().empty());
    std::tm tm{};
    ASSERT_TRUE(MistniCas(0, tm));
    EXPECT_TRUE(tm.tm_year == 69 || tm.tm_year == 70);
}

#ifndef _WIN32
TEST(Platforma, PravaNovychANahrazenychSouboru) {
    const fs::path slozka = SlozkaTestu("drun-prava-");
    fs::create_directories(slozka);
    const std::string soubor = (slozka / "A.DRN").string();
    const auto prava = [&] {
        struct stat st {};
        ::stat(soubor.c_str(), &st);
        return st.st_mode & 07777;
    };
    const mode_t puvodni = ::umask(027);
    const int pred = SynchronizovaneSlozky;
    EXPECT_TRUE(ZapisAtomicky(soubor, "nový"));
    EXPECT_EQ(prava(), 0640u);                  // the user's umask
    EXPECT_EQ(SynchronizovaneSlozky, pred + 1); // the new name is on the disk
    ::chmod(soubor.c_str(), 0604);
    EXPECT_TRUE(ZapisAtomicky(soubor, "nahrazený"));
    EXPECT_EQ(prava(), 0604u); // kept
    ::umask(puvodni);
    fs::remove_all(slozka);
}
#endif
