// Files on both systems: Czech names, atomic replacement, refusals; and on
// POSIX the permissions of new and replaced files and the flushed folder.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
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

// Nothing but a regular file is read, nothing blocks, and the reason is found
// without opening it again.
TEST(Platforma, CoNelzeCistAProc) {
    const fs::path slozka = SlozkaTestu("drun-necitelne-Přízemí-");
    fs::create_directories(slozka);
    const std::string s = TextCesty(slozka);
    const std::string velky = s + "/velký.DRN";
    ASSERT_TRUE(ZapisAtomicky(velky, std::string((1u << 20) + 1, 'x')));
    struct Radek {
        std::string cesta;
        KodVysledku kod;
        std::string duvod;
    };
    std::vector<Radek> radky{
        {s, KodVysledku::NelzeCist, "je to složka"},
        {velky, KodVysledku::NelzeCist, "soubor je větší než 1 MB"},
        {s + "/není", KodVysledku::Chybi, "soubor nebo složka neexistuje"},
    };
#ifndef _WIN32
    const std::string fifo = s + "/roura.DRN", smycka = s + "/smyčka.DRN";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    fs::create_symlink("smyčka.DRN", CestaSouboru(smycka));
    radky.push_back({fifo, KodVysledku::NelzeCist, "není to obyčejný soubor"});
    radky.push_back({"/dev/zero", KodVysledku::NelzeCist, "není to obyčejný soubor"});
    radky.push_back({smycka, KodVysledku::NelzeCist, "smyčka symbolických odkazů"});
    const std::string zamceny = s + "/zamčený.DRN";
    ASSERT_TRUE(ZapisAtomicky(zamceny, "x"));
    ::chmod(zamceny.c_str(), 0);
    if (::geteuid() != 0) radky.push_back({zamceny, KodVysledku::NelzeCist, "chybí oprávnění"});
#endif
    for (const Radek& r : radky) {
        SCOPED_TRACE(r.cesta);
        std::string obsah = "x";
        EXPECT_EQ(CtiSoubor(r.cesta, obsah, 1u << 20), r.kod);
        EXPECT_EQ(obsah, "");
        EXPECT_EQ(DuvodNecitelnosti(r.cesta, 1u << 20), r.duvod);
    }
    // The default limit takes the large file.
    std::string obsah;
    EXPECT_EQ(CtiSoubor(velky, obsah), KodVysledku::Ok);
    EXPECT_EQ(DuvodNecitelnosti(velky), "");
    fs::remove_all(slozka);
}

namespace {
bool VzdySelze() {
    return true;
}
} // namespace

// A rename that fails at the end of a save leaves the previous file whole,
// says so and leaves no temporary file.
TEST(Platforma, SelhanePrejmenovaniNechaPredchoziSoubor) {
    const fs::path slozka = SlozkaTestu("drun-prejmenovani-Přízemí-");
    fs::create_directories(slozka);
    const std::string cil = TextCesty(slozka / CestaSouboru("Kancelář.DRN"));
    for (const bool existuje : {true, false}) {
        SCOPED_TRACE(existuje);
        if (existuje) {
            ASSERT_TRUE(ZapisAtomicky(cil, "předchozí"));
        }
        NastavSelhaniPrejmenovani(VzdySelze);
        EXPECT_FALSE(ZapisAtomicky(cil, "nový"));
        NastavSelhaniPrejmenovani(nullptr);
        std::string obsah;
        EXPECT_EQ(CtiSoubor(cil, obsah), existuje ? KodVysledku::Ok : KodVysledku::Chybi);
        EXPECT_EQ(obsah, existuje ? "předchozí" : "");
        EXPECT_EQ(std::distance(fs::directory_iterator(slozka), fs::directory_iterator()),
                  existuje ? 1 : 0);
        fs::remove(CestaSouboru(cil));
    }
    fs::remove_all(slozka);
}

// What saves killed midway left goes at the next start or the next save in
// the folder: older than a minute and held by no running save; anything else stays.
TEST(Platforma, ZbytkyPrerusenychUlozeni) {
    const fs::path slozka = SlozkaTestu("drun-zbytky-Přízemí-");
    fs::create_directories(slozka);
    const auto zbytek = [&](const std::string& jmeno, bool stary) {
        const fs::path p = slozka / CestaSouboru(jmeno);
        std::ofstream(p) << "zbytek";
        if (stary)
            fs::last_write_time(p, fs::file_time_type::clock::now() - std::chrono::minutes(2));
        return p;
    };
    const fs::path stary = zbytek(".Kancelář.DRN.ukladani-Ab12Cd", true);
    const fs::path cerstvy = zbytek(".Sklad.DRN.ukladani-Ef34Gh", false);
    const fs::path cizi = zbytek(".Sklad.DRN.ukladani-x", true);
    const fs::path jiny = zbytek("Sklad.DRN", true);
    UklidDocasne(TextCesty(slozka));
    EXPECT_FALSE(fs::exists(stary));
    for (const fs::path& p : {cerstvy, cizi, jiny})
        EXPECT_TRUE(fs::exists(p)) << TextCesty(p);
    // The next save of any file in the folder removes the old ones too; one a
    // running save holds stays.
    const fs::path druhy = zbytek(".Chodba.DRP.ukladani-Ij56Kl", true);
#ifndef _WIN32
    const fs::path drzeny = zbytek(".Sál.DRP.ukladani-Mn78Op", true);
    const int fd = ::open(drzeny.c_str(), O_RDONLY);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::flock(fd, LOCK_EX), 0);
#endif
    ASSERT_TRUE(ZapisAtomicky(TextCesty(slozka / "jiný.DRS"), "x"));
    EXPECT_FALSE(fs::exists(druhy));
    EXPECT_TRUE(fs::exists(cerstvy));
#ifndef _WIN32
    EXPECT_TRUE(fs::exists(drzeny));
    ::close(fd);
    UklidDocasne(TextCesty(slozka));
    EXPECT_FALSE(fs::exists(drzeny));
#endif
    fs::remove_all(slozka);
}
