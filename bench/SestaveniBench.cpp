// A rozvod assembled from 200 calculation files of 60 elements (as a building's
// files share their trunk and their floors' branches) against reading the 200
// files alone.
#include <benchmark/benchmark.h>

#include <cstring>
#include <filesystem>

#include "Pomocnik.h"
#include "core/DrunVyp.h"
#include "io/DataSoubor.h"
#include "io/SestaveniZeSouboru.h"
#include "tools/Rozvod.h"

using namespace drun;
namespace fs = std::filesystem;

namespace {

constexpr int Cest = 200, Prvku = 60, Kmen = 20, Patro = 20, NaPatre = 10;

// Path i: the common trunk, its floor's 20 elements (ten paths a floor), then
// 19 of its own and its room.
struct Budova {
    fs::path slozka;
    std::vector<std::string> soubory;
    std::string chyba;

    Budova() {
        slozka = fs::temp_directory_path() / ("drun-bench-sestaveni-" + std::to_string(::getpid()));
        fs::create_directories(slozka);
        for (int i = 0; i < Cest; ++i) {
            DrunVar var;
            NaplnCestu(var, Prvku - 1);
            for (int k = Kmen + 1; k <= Prvku - 1; ++k) {
                TElementSite& e = var.cesta.Prvek(k);
                const int vlastni = k <= Kmen + Patro ? i / NaPatre : 1000 + i;
                e.Popis = "úsek " + std::to_string(vlastni) + " prvek " + std::to_string(k);
            }
            var.cesta.NajdiElement(var.cesta.Pocet());
            var.cesta.VlozElement();
            TElementSite& m = var.cesta.Aktualni();
            m.NastavTyp(TypMistnost);
            m.Popis = "Místnost " + std::to_string(i);
            m.Vstup<VstupyMistnost>().PlochaSten = 100;
            m.Vstup<VstupyMistnost>().Vzdalenost = 2;
            const std::string s = (slozka / ("cesta" + std::to_string(i) + ".DRN")).string();
            if (!UlozData(var, s).Ok()) chyba = "cannot write " + s;
            soubory.push_back(s);
        }
    }
    ~Budova() { fs::remove_all(slozka); }
};

void SestaveniBudovy(benchmark::State& st) {
    static Budova b;
    if (!b.chyba.empty()) return st.SkipWithError(b.chyba.c_str());
    std::vector<DrunVar> cteni(b.soubory.size());
    auto cti = [&] {
        for (size_t i = 0; i < b.soubory.size(); ++i)
            NactiData(cteni[i], b.soubory[i]);
    };
    // The assembled rooms are the files' own results, bit for bit.
    Rozvod r;
    if (!SestavZeSouboru(b.soubory, "KL385216.CAD", r).Ok() || r.Mistnosti().size() != Cest)
        return st.SkipWithError("the files do not assemble into 200 rooms");
    cti();
    size_t prvku = 0;
    for (const Usek& u : r.Useky())
        prvku += u.Prvky.size();
    if (prvku >= size_t(Cest * Prvku)) return st.SkipWithError("the paths share nothing");
    for (size_t i = 0; i < cteni.size(); ++i) {
        PrepocitejOd(cteni[i], 1);
        if (std::memcmp(&cteni[i].Vysledek, &r.Mistnosti()[i].Konec, sizeof(Spectrum)) != 0)
            return st.SkipWithError(("the rozvod differs at " + b.soubory[i]).c_str());
    }
    Porovnej(
        st, "x_cteni", [] {},
        [&] {
            Rozvod s;
            benchmark::DoNotOptimize(SestavZeSouboru(b.soubory, "KL385216.CAD", s));
        },
        cti);
}

} // namespace

BENCHMARK(SestaveniBudovy)->Arg(Cest)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    return SpustBenchmarky(argc, argv, {{"SestaveniBudovy/200", "x_cteni", 2.0}});
}
