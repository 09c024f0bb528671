// `cmake --install` into a temporary prefix: the layout, the desktop files
// checked by their validators, and the installed programs at work.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "Pomocnik.h"
#include "models/Pomocnik.h"

using namespace drun;
namespace fs = std::filesystem;

namespace {

// Runs a shell command, standard error with the output.
Beh Spust(const std::string& prikaz) {
    return SpustPrikaz(prikaz + " 2>&1");
}

std::string Q(const fs::path& p) {
    return "'" + p.string() + "'";
}

bool Je(const char* program) {
    return Spust(std::string("command -v ") + program).status == 0;
}

} // namespace

TEST(Instalace, RozlozeniValidatoryAProtokol) {
    const fs::path koren =
        fs::temp_directory_path() / ("drun-instalace-" + std::to_string(::getpid()));
    fs::remove_all(koren);
    const fs::path prefix = koren / "prefix";
    const Beh instalace = Spust(std::string("'") + CMAKE_PROGRAM + "' --install '" +
                                DRUN_BUILD_DIR + "' --prefix " + Q(prefix));
    ASSERT_EQ(instalace.status, 0) << instalace.vystup;

    const char* const soubory[] = {
        "bin/drun",
        "bin/drun-protokol",
        "share/drun/KL385216.CAD",
        "share/applications/cz.drun.Drun.desktop",
        "share/mime/packages/cz.drun.Drun.xml",
        "share/icons/hicolor/scalable/apps/cz.drun.Drun.svg",
        "share/metainfo/cz.drun.Drun.metainfo.xml",
    };
    for (const char* s : soubory)
        EXPECT_TRUE(fs::is_regular_file(prefix / s)) << s;
    // The programs alone in bin: their data lives in share/drun.
    EXPECT_EQ(std::distance(fs::directory_iterator(prefix / "bin"), fs::directory_iterator()), 2);

    if (Je("desktop-file-validate")) {
        const Beh b =
            Spust("desktop-file-validate " + Q(prefix / "share/applications/cz.drun.Drun.desktop"));
        EXPECT_EQ(b.status, 0) << b.vystup;
        EXPECT_EQ(b.vystup, "");
    }
    if (Je("appstreamcli")) {
        const Beh b = Spust("appstreamcli validate --no-net " +
                            Q(prefix / "share/metainfo/cz.drun.Drun.metainfo.xml"));
        EXPECT_EQ(b.status, 0) << b.vystup;
    }
    if (Je("update-mime-database")) {
        // The MIME package compiles, and both spellings of the extension map to it.
        const Beh b = Spust("update-mime-database " + Q(prefix / "share/mime"));
        EXPECT_EQ(b.status, 0) << b.vystup;
        const Beh globy = Spust("cat " + Q(prefix / "share/mime/globs"));
        EXPECT_NE(globy.vystup.find("application/x-drun:*.DRN"), std::string::npos) << globy.vystup;
        EXPECT_NE(globy.vystup.find("application/x-drun:*.drn"), std::string::npos);
    }

    // A calculation with a silencer, protocol printed from another folder: the
    // installed drun-protokol must find its data in share/drun.
    const fs::path jinde = koren / "jinde";
    fs::create_directories(jinde);
    const std::string tlumic = UlozSTlumicem((jinde / "Tlumic.DRN").string());
    const Beh protokol = Spust("cd " + Q(jinde) + " && " + Q(prefix / "bin/drun-protokol") +
                               " --datum 1.1.2027 Tlumic.DRN");
    EXPECT_EQ(protokol.status, 0) << protokol.vystup;
    EXPECT_NE(protokol.vystup.find(tlumic), std::string::npos) << protokol.vystup;
    const Beh soucet =
        Spust("cd " + Q(jinde) + " && " + Q(prefix / "bin/drun-protokol") + " --soucet Tlumic.DRN");
    EXPECT_EQ(soucet.status, 0) << soucet.vystup;
    // Every mode finds the data where the others do, the project's rooms too.
    std::ofstream((jinde / "Budova.DRP").string(), std::ios::binary)
        << "[DRUN PROJEKT]\r\n[MISTNOST]\r\nNazev=Sál\r\nPozadavek=N75\r\nCesta=Tlumic."
           "DRN\r\n[KONEC]\r\n";
    for (const char* rezim : {"--projekt Budova.DRP", "--podily Tlumic.DRN"}) {
        const Beh b =
            Spust("cd " + Q(jinde) + " && " + Q(prefix / "bin/drun-protokol") + " " + rezim);
        EXPECT_EQ(b.status, 0) << rezim << "\n" << b.vystup;
        EXPECT_EQ(b.vystup.find("chyba"), std::string::npos) << rezim << "\n" << b.vystup;
    }
    // ... and its PDF drawn by the installed drun beside it.
    const Beh pdf = Spust("cd " + Q(jinde) + " && QT_QPA_PLATFORM=offscreen " +
                          Q(prefix / "bin/drun-protokol") + " --pdf p.pdf Tlumic.DRN");
    EXPECT_EQ(pdf.status, 0) << pdf.vystup;
    EXPECT_TRUE(fs::is_regular_file(jinde / "p.pdf"));

    const Beh verze = Spust(Q(prefix / "bin/drun") + " --version");
    EXPECT_EQ(verze.status, 0);
    EXPECT_EQ(verze.vystup, "DRUN 3.010\n");
    fs::remove_all(koren);
}
