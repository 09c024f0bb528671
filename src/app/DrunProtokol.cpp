// drun-protokol SOUBOR.DRN: the printed protocol of a data file on standard
// output (UTF-8), exactly the lines a printer receives, tabs and form feeds kept.
// --csv prints the result table for spreadsheets instead; --pdf hands over to
// drun, which draws the protocol with its charts as a PDF (only drun links Qt).
// Other modes have files of their own.
#include <clocale>
#include <cstdio>
#include <new>
#include <optional>
#include <string>
#include <vector>

#include "app/Prikazy.h"
#include "app/ProtokolIfc.h"
#include "app/ProtokolNavrhu.h"
#include "app/ProtokolProjektu.h"
#include "app/ProtokolRozvodu.h"
#include "app/ProtokolSouctu.h"
#include "app/ProtokolVentilatoru.h"
#include "app/SestaveniRozvodu.h"
#include "core/DrunVar.h"
#include "core/Platforma.h"
#include "core/Soubory.h"
#include "io/Protokol.h"
#include "io/Vysledky.h"

using namespace drun;

namespace {

// The result table as CSV on standard output, row by row; a failed write is
// an error, never a silently short table.
int VypisCsv(const DrunVar& var) {
    const std::string hlavicka = std::string(BomUtf8) + HlavickaCsv();
    bool ok = std::fwrite(hlavicka.data(), 1, hlavicka.size(), stdout) == hlavicka.size();
    ProchazejVysledky(var, [&](const RadekVysledku& r) {
        const std::string s = RadekCsv(r);
        if (ok) ok = std::fwrite(s.data(), 1, s.size(), stdout) == s.size();
    });
    return StavVypisu(std::fflush(stdout) == 0 && ok);
}

// The PDF is drawn by drun, the program beside this one that links the
// toolkit, so that the text modes start without it; it gets the same command
// line and its exit status is ours.
int PredejPdf(const Prikaz& p) {
#ifdef _WIN32
    const std::string drun = p.slozka + "drun.exe";
#else
    const std::string drun = p.slozka + "drun";
#endif
    std::vector<std::string> arg{p.program};
    arg.insert(arg.end(), p.argumenty.begin(), p.argumenty.end());
    int kod = 0;
    const int status = PredejProgramu(drun, arg, kod);
    if (status >= 0) return status;
    return Chyba(p, "PDF nelze vytvořit, program " + drun + " nelze spustit: " + DuvodChyby(kod) +
                        ".");
}

// The protocol of one calculation file: as text, as CSV or as a PDF.
int Protokol(const Prikaz& p) {
    DrunVar var;
    if (const int s = PripravProtokol(p, var)) return s;
    const std::string* datum = p.Hodnota("--datum");
    if (p.Ma("--csv")) return VypisCsv(var);
    if (p.Ma("--pdf")) return PredejPdf(p);
    // Each line goes out as it is made, so a long path needs no second copy.
    return StavVypisu(ZapisProtokol(var, datum ? *datum : DnesniDatum(), stdout));
}

// The report of a rozvod or a project, drawn by drun, which checks the rest.
int Zprava(const Prikaz& p) {
    if (p.Ma("--csv")) return SpatnePouziti(p, "--csv a --zprava se vylučují");
    return PredejPdf(p);
}

// A rozvod: its rooms' table, with --usek the protocol of a section's path,
// with --zprava its report.
int RozvodNeboUsek(const Prikaz& p) {
    if (p.Ma("--zprava")) return Zprava(p);
    return p.Ma("--usek") ? Protokol(p) : ProtokolRozvodu(p);
}

// A project: its rooms' table, or with --zprava its report.
int ProjektNeboZprava(const Prikaz& p) {
    return p.Ma("--zprava") ? Zprava(p) : ProtokolProjektu(p);
}

// Every mode of drun-protokol. A new mode is one row here (its option, the
// options it accepts with or without a value, its usage line, the refusal of
// another mode's option, its function) and its code in an app file of its own
// (like ProtokolSouctu.cpp); the parser, the usage, `--x=v`/`--x v`, --help
// and the refusals come from app/Prikazy. A mode that writes a file checks it
// with OdmitniPrepsaniVstupu, and names unreadable files with ZpravaCteni.
const Rezim Rezimy[] = {
    {"",
     {{"--pozadavek", true}, {"--stranka", true}, {"--datum", true}, {"--pdf", true}, {"--csv"}},
     "[--pozadavek N10…N75 | --pozadavek NC15…NC70 | --pozadavek LA35 | "
     "--pozadavek \"v63 v125 v250 v500 v1000 v2000 v4000 v8000\"] "
     "[--stranka 25…100] [--datum TEXT] [--pdf VÝSTUP.pdf | --csv] SOUBOR.DRN",
     "",
     Protokol},
    {"--soucet",
     {{"--soucet"}, {"--pozadavek", true}},
     "--soucet SOUBOR.DRN… [--pozadavek N10…N75 | --pozadavek NC15…NC70 | --pozadavek LA35 | "
     "--pozadavek \"v63 v125 v250 v500 v1000 v2000 v4000 v8000\"]",
     "se součtem nelze použít volbu ",
     ProtokolSouctu},
    {"--navrh",
     {{"--navrh", true},
      {"--pozadavek", true},
      {"--rozmer", true},
      {"--prutok", true},
      {"--kandidatu", true}},
     "--navrh K SOUBOR.DRN --pozadavek (N10…N75 | LA35 | \"v63 … v8000\") [--rozmer AxB] [--prutok "
     "Q] "
     "[--kandidatu N] | --navrh ID:K ROZVOD.DRR [--rozmer AxB] [--prutok Q] [--kandidatu N]",
     "s návrhem nelze použít volbu ",
     ProtokolNavrhu},
    // Each noise origin's share of the end level:
    {"--podily",
     {{"--podily"}},
     "--podily SOUBOR.DRN",
     "s podíly nelze použít volbu ",
     ProtokolPodilu},
    // A whole project of rooms:
    {"--projekt",
     {{"--projekt", true}, {"--csv"}, {"--zprava", true}, {"--datum", true}},
     "--projekt PROJEKT.DRP [--csv | --zprava VÝSTUP.pdf [--datum TEXT]]",
     "s projektem nelze použít volbu ",
     ProjektNeboZprava},
    // One fan's duct network to many rooms, or one section's path of it:
    {"--rozvod",
     {{"--rozvod", true},
      {"--csv"},
      {"--usek", true},
      {"--pozadavek", true},
      {"--stranka", true},
      {"--datum", true},
      {"--pdf", true},
      {"--zprava", true}},
     "--rozvod ROZVOD.DRR [--csv | --zprava VÝSTUP.pdf [--datum TEXT]] | --rozvod ROZVOD.DRR "
     "--usek ID [--pozadavek …] [--stranka 25…100] [--datum TEXT] [--pdf VÝSTUP.pdf | --csv]",
     "s rozvodem nelze použít volbu ",
     RozvodNeboUsek},
    // A rozvod assembled from calculation files or a project's rooms:
    {"--sestav",
     {{"--sestav", true}, {"--projekt", true}},
     "--sestav VÝSTUP.DRR SOUBOR.DRN… | --sestav VÝSTUP.DRR --projekt PROJEKT.DRP",
     "se sestavením nelze použít volbu ",
     SestaveniRozvodu},
    // A rozvod's flows carried up from its rooms:
    {"--prutoky",
     {{"--prutoky", true}, {"--vystup", true}},
     "--prutoky ROZVOD.DRR --vystup VÝSTUP.DRR",
     "s průtoky nelze použít volbu ",
     PrutokyRozvodu},
    // A fan's sound power estimated from its flow and pressure:
    {"--ventilator",
     {{"--ventilator"},
      {"--prutok", true},
      {"--tlak", true},
      {"--otacky", true},
      {"--druh", true},
      {"--pomer", true},
      {"--lopatek", true}},
     "--ventilator --prutok Q --tlak DP --otacky N --druh RR|T|AM [--pomer X] [--lopatek Z]",
     "s odhadem ventilátoru nelze použít volbu ",
     ProtokolVentilatoru},
    // A rozvod from a building model's duct network:
    {"--ifc",
     {{"--ifc", true}, {"--zdroj", true}, {"--ulozit", true}, {"--prutoky", true}},
     "--ifc MODEL.ifc [--zdroj ID --ulozit VÝSTUP.DRR [--prutoky SOUBOR.csv]]",
     "s modelem IFC nelze použít volbu ",
     ProtokolIfc},
};

} // namespace

int main(int argc, char** argv) {
    // The readers hold every file to its format's size; whatever still cannot
    // get its memory ends with a message, not an abort.
    try {
        return SpustPrikaz(Rezimy, argc, argv);
    } catch (const std::bad_alloc&) {
        VypisChybu("drun-protokol: nedostatek paměti.\n");
        return 1;
    }
}
