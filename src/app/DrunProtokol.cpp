// drun-protokol SOUBOR.DRN: the printed protocol of a data file on standard
// output (UTF-8), exactly the lines a printer receives, tabs and form feeds kept.
// --csv prints the result table for spreadsheets instead; --pdf writes the
// protocol with its charts as a PDF, drawn offscreen by a module that only this
// mode loads (only this mode starts Qt). Other modes have files of their own.
#include <dlfcn.h>

#include <clocale>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>

#include "app/Prikazy.h"
#include "app/ProtokolPdf.h"
#include "app/ProtokolSouctu.h"
#include "core/DrunVar.h"
#include "io/Protokol.h"
#include "io/Vysledky.h"

using namespace drun;

namespace {

std::string DnesniDatum() {
    std::setlocale(LC_TIME, "");
    const std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    char buf[64];
    if (std::strftime(buf, sizeof buf, "%x", &tm) == 0) return {};
    return buf;
}

// The result table as CSV on standard output, row by row; a failed write is
// an error, never a silently short table.
int VypisCsv(const DrunVar& var) {
    const std::string hlavicka = std::string(BomUtf8) + HlavickaCsv();
    bool ok = std::fwrite(hlavicka.data(), 1, hlavicka.size(), stdout) == hlavicka.size();
    ProchazejVysledky(var, [&](const RadekVysledku& r) {
        const std::string s = RadekCsv(r);
        if (ok) ok = std::fwrite(s.data(), 1, s.size(), stdout) == s.size();
    });
    if (std::fflush(stdout) != 0) ok = false;
    if (!ok) {
        std::cerr << "drun-protokol: výsledky se nepodařilo zapsat na standardní výstup.\n";
        return 1;
    }
    return 0;
}

// The PDF module: beside the program (its build folder or a portable copy),
// else where the prefix installs it. Without it --pdf fails, never the rest.
int ZapisPdf(const DrunVar& var, const std::string* datum, const std::string& vystup,
             const std::string& program, const char* argv0) {
    const std::string instalovany =
        (std::filesystem::path(program) / DRUN_MODUL_Z_BIN / JmenoModuluPdf).lexically_normal();
    std::error_code ec;
    const std::string vedle = program + JmenoModuluPdf;
    const std::string& cesta = std::filesystem::exists(vedle, ec) ? vedle : instalovany;
    void* modul = dlopen(cesta.c_str(), RTLD_NOW | RTLD_LOCAL);
    auto* vstup = modul
                      ? reinterpret_cast<decltype(&drun_protokol_pdf)>(dlsym(modul, VstupModuluPdf))
                      : nullptr;
    if (!vstup) {
        const char* chyba = dlerror();
        std::cerr << "drun-protokol: PDF nelze vytvořit, modul " << JmenoModuluPdf
                  << " nelze načíst (hledán vedle programu a v " << instalovany
                  << "): " << (chyba ? chyba : "") << "\n";
        return 1;
    }
    // The module stays loaded until the end: Qt's exit handlers live in it.
    std::string nazev(argv0);
    return vstup(var, datum ? datum->c_str() : nullptr, vystup.c_str(), nazev.data());
}

// The protocol of one calculation file: as text, as CSV or as a PDF.
int Protokol(const Prikaz& p) {
    DrunVar var;
    if (const int s = PripravProtokol(p, var)) return s;
    const std::string* datum = p.Hodnota("--datum");
    if (p.Ma("--csv")) return VypisCsv(var);
    if (const std::string* pdf = p.Hodnota("--pdf"))
        return ZapisPdf(var, datum, *pdf, p.slozka, p.program.c_str());
    // Each line goes out as it is made, so a long path needs no second copy.
    return StavVypisu(ZapisProtokol(var, datum ? *datum : DnesniDatum(), stdout));
}

// Every mode of drun-protokol. A new mode is one row here (its option, the
// options it accepts, its usage line) and its function in an app file of its
// own; the parser, the usage and the refusals come from app/Prikazy.
const Rezim Rezimy[] = {
    {"",
     {{"--pozadavek", true}, {"--stranka", true}, {"--datum", true}, {"--pdf", true}, {"--csv"}},
     "[--pozadavek N10…N75 | --pozadavek \"v63 v125 v250 v500 v1000 v2000 v4000 v8000\"] "
     "[--stranka 25…100] [--datum TEXT] [--pdf VÝSTUP.pdf | --csv] SOUBOR.DRN",
     "",
     Protokol},
    {"--soucet",
     {{"--soucet"}, {"--pozadavek", true}},
     "--soucet SOUBOR.DRN… [--pozadavek N10…N75 | --pozadavek \"v63 v125 v250 v500 v1000 v2000 "
     "v4000 v8000\"]",
     "se součtem nelze použít volbu ",
     ProtokolSouctu},
};

} // namespace

int main(int argc, char** argv) {
    return SpustPrikaz(Rezimy, argc, argv);
}
