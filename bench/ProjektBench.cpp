// The overview of a building: every room's sum against its requirement, as
// drun-protokol --projekt makes it, against its floor, reading and evaluating
// each distinct path file once.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "Pomocnik.h"
#include "io/DataSoubor.h"
#include "io/Projekt.h"

using namespace drun;
namespace fs = std::filesystem;

namespace {

constexpr int Mistnosti = 200, Prvku = 30, MistnostiNaPrivod = 10;

// 200 rooms, each fed by a supply path shared with nine other rooms and
// drained by two paths of its own: 420 distinct files of 30 elements.
struct Budova {
    fs::path slozka;
    std::string projekt;
    std::vector<std::string> soubory; // every distinct path file, on disk
    std::string chyba;

    Budova() {
        slozka = fs::temp_directory_path() / ("drun-bench-projekt-" + std::to_string(::getpid()));
        fs::create_directories(slozka);
        projekt = (slozka / "budova.DRP").string();
        auto cesta = [this](const std::string& jmeno, int k) {
            DrunVar var;
            NaplnCestu(var, Prvku);
            NaplnSpektrum(var.cesta.Prvni().VlastniDrun, 70 + k % 20);
            const std::string s = (slozka / jmeno).string();
            if (!UlozData(var, s).Ok()) chyba = "cannot write " + s;
            soubory.push_back(s);
            return jmeno;
        };
        Projekt p;
        for (int i = 0; i < Mistnosti; ++i) {
            const std::string n = std::to_string(i);
            if (i % MistnostiNaPrivod == 0) cesta("privod" + n + ".DRN", i);
            p.Mistnosti.push_back(
                {"Místnost " + n,
                 i % 3 ? "N40" : "N55",
                 {"privod" + std::to_string(i - i % MistnostiNaPrivod) + ".DRN",
                  cesta("odvod" + n + ".DRN", i + 1), cesta("wc" + n + ".DRN", i + 2)}});
        }
        if (!UlozProjekt(p, projekt).Ok()) chyba = "cannot write the project";
    }
    ~Budova() { fs::remove_all(slozka); }
};

// What drun-protokol --projekt does: read the project, every room's overview, its table.
std::string Prehled(const std::string& projekt, PrehledProjektu& pr) {
    Projekt p;
    NactiProjekt(projekt, p);
    pr = SpoctiPrehled(p, projekt, "KL385216.CAD");
    return TabulkaPrehledu(p, pr);
}

void PrehledBudovy(benchmark::State& st) {
    static Budova b;
    if (!b.chyba.empty()) return st.SkipWithError(b.chyba.c_str());
    std::vector<CestaSouctu> podlaha(b.soubory.size());
    auto cti = [&] {
        for (size_t i = 0; i < b.soubory.size(); ++i) {
            podlaha[i].Soubor = b.soubory[i];
            NactiCestu(podlaha[i], "KL385216.CAD");
        }
    };
    // The floor's end spectra are the overview's, bit for bit.
    PrehledProjektu pr;
    const std::string tabulka = Prehled(b.projekt, pr);
    cti();
    if (pr.Soubory.size() != b.soubory.size() ||
        std::count(tabulka.begin(), tabulka.end(), '\n') != Mistnosti + 2)
        return st.SkipWithError("the overview does not cover the building");
    for (const CestaSouctu& c : podlaha) {
        const auto it = pr.Soubory.find(c.Soubor);
        if (!c.Ok || it == pr.Soubory.end() || it->second.Konec != c.Konec)
            return st.SkipWithError(("the floor differs at " + c.Soubor).c_str());
    }
    Porovnej(
        st, "x_podlaha", [] {},
        [&] {
            PrehledProjektu p;
            benchmark::DoNotOptimize(Prehled(b.projekt, p));
        },
        cti);
}

} // namespace

BENCHMARK(PrehledBudovy)->Arg(Mistnosti)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    return SpustBenchmarky(argc, argv, {{"PrehledBudovy/200", "x_podlaha", 1.3}});
}
