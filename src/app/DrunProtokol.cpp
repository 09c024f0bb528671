// drun-protokol SOUBOR.DRN: the printed protocol of a data file on standard
// output (UTF-8), exactly the lines a printer receives, tabs and form feeds kept.
// --csv prints the result table for spreadsheets instead; --pdf writes the
// protocol with its charts as a PDF, drawn offscreen by a module that only this
// mode loads (only this mode starts Qt).
#include <dlfcn.h>

#include <clocale>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "app/ProtokolPdf.h"
#include "app/ProtokolSouctu.h"
#include "core/Cisla.h"
#include "core/DrunVar.h"
#include "core/DrunVyp.h"
#include "core/Konfigurace.h"
#include "core/Umisteni.h"
#include "io/DataSoubor.h"
#include "io/Protokol.h"
#include "io/Vysledky.h"
#include "tools/Pozadavek.h"

using namespace drun;

namespace {

const char* const Pouziti =
    "Použití: drun-protokol [--pozadavek N10…N75 | --pozadavek \"v63 v125 v250 v500 v1000 "
    "v2000 v4000 v8000\"] [--stranka 25…100] [--datum TEXT] [--pdf VÝSTUP.pdf | --csv] "
    "SOUBOR.DRN";

int SpatnePouziti(const std::string& proc) {
    std::cerr << "drun-protokol: " << proc << "\n" << Pouziti << "\n" << PouzitiSouctu << "\n";
    return 2;
}

std::string DnesniDatum() {
    std::setlocale(LC_TIME, "");
    const std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    char buf[64];
    if (std::strftime(buf, sizeof buf, "%x", &tm) == 0) return {};
    return buf;
}

std::string SlozkaProgramu(const char* argv0) {
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) exe = std::filesystem::absolute(argv0, ec);
    const std::string s = exe.parent_path().string();
    return s.empty() ? s : s + "/";
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
int ZapisPdf(const DrunVar& var, const std::optional<std::string>& datum, const std::string& vystup,
             const std::string& program, char* argv0) {
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
    return vstup(var, datum ? datum->c_str() : nullptr, vystup.c_str(), argv0);
}

} // namespace

int main(int argc, char** argv) {
    std::optional<std::array<double, PocetPasem>> pozadavek;
    std::optional<int> stranka;
    std::optional<std::string> datum, pdf;
    bool csv = false;
    std::string soubor;
    const std::vector<std::string> arg(argv + 1, argv + argc);
    for (const std::string& a : arg)
        if (a == "--soucet") return ProtokolSouctu(arg, SlozkaProgramu(argv[0]));
    for (size_t i = 0; i < arg.size(); ++i) {
        std::string a = arg[i], hodnota;
        bool maHodnotu = false;
        if (a.rfind("--", 0) == 0 && a.size() > 2) {
            const size_t rovno = a.find('=');
            if (rovno != std::string::npos) {
                hodnota = a.substr(rovno + 1);
                a = a.substr(0, rovno);
                maHodnotu = true;
            } else if (a == "--pozadavek" || a == "--stranka" || a == "--datum" || a == "--pdf") {
                if (i + 1 >= arg.size()) return SpatnePouziti(a + " bez hodnoty");
                hodnota = arg[++i];
                maHodnotu = true;
            }
        }
        if (a == "--pozadavek" && maHodnotu) {
            pozadavek = CtiPozadavek(hodnota);
            if (!pozadavek) return SpatnePouziti("neplatný požadavek: " + hodnota);
        } else if (a == "--stranka" && maHodnotu) {
            stranka = CtiInt(hodnota);
            if (!stranka || *stranka < MinDelkaStranky || *stranka > MaxDelkaStranky)
                return SpatnePouziti("délka stránky musí být " + std::to_string(MinDelkaStranky) +
                                     " až " + std::to_string(MaxDelkaStranky) + ": " + hodnota);
        } else if (a == "--datum" && maHodnotu) {
            datum = hodnota;
        } else if (a == "--pdf" && maHodnotu) {
            if (hodnota.empty()) return SpatnePouziti("--pdf bez výstupního souboru");
            pdf = hodnota;
        } else if (a == "--csv" && !maHodnotu) {
            csv = true;
        } else if (a == "-h" || a == "--help") {
            return VypisNaVystup(std::string(Pouziti) + "\n" + PouzitiSouctu + "\n");
        } else if (a.rfind("-", 0) == 0 && a != "-") {
            return SpatnePouziti("neznámá volba: " + a);
        } else if (soubor.empty()) {
            soubor = a;
        } else {
            return SpatnePouziti("jen jeden soubor");
        }
    }
    if (soubor.empty()) return SpatnePouziti("chybí datový soubor");
    if (csv && pdf) return SpatnePouziti("--csv a --pdf se vylučují");
    if (csv && (stranka || datum)) return SpatnePouziti("--csv nepoužívá --stranka ani --datum");

    DrunVar var;
    const std::string program = SlozkaProgramu(argv[0]);
    NastavUmisteni(var, Slozky(program, program), true);
    if (pozadavek) NastavPozadavek(var, *pozadavek);
    if (stranka) var.parametry.DelkaStranky = *stranka;
    const VysledekSouboru v = NactiData(var, soubor);
    if (!v.Ok()) {
        std::cerr << v.Zprava << "\n";
        return 1;
    }
    PrepocitejOd(var, 1);
    if (csv) return VypisCsv(var);
    if (pdf) return ZapisPdf(var, datum, *pdf, program, argv[0]);
    // Each line goes out as it is made, so a long path needs no second copy.
    return StavVypisu(ZapisProtokol(var, datum ? *datum : DnesniDatum(), stdout));
}
