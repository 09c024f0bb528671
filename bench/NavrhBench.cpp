// The silencer search behind the fan of a long path, against its floor: the
// bare loop of the same evaluations from there, once per silencer tried.
#include <benchmark/benchmark.h>

#include "Pomocnik.h"
#include "core/DrunVar.h"
#include "core/DrunVyp.h"
#include "models/Tlumic.h"
#include "tools/Navrh.h"

using namespace drun;

namespace {

const std::string Data = std::string(DRUN_DATA_DIR) + "/KL385216.CAD";
// A wide section: a hundred or so silencers exist for it.
constexpr double A = 3000, B = 1000, Q = 30000;
constexpr int K = 1;

// The floor's path: the level behind K as its source, a silencer, then the
// elements behind K.
void CestaPodlahy(const DrunVar& var, const DataTlumice& d, DrunVar& podlaha) {
    ZalozVypocet(podlaha);
    podlaha.cesta.Prvni().VlastniDrun = var.cesta.Prvek(K).ZaElementem;
    podlaha.cesta.VlozElement();
    TElementSite& t = podlaha.cesta.Aktualni();
    t.NastavTyp(TypObecny);
    SpektraTlumice(d, {A, B, 2, 100, Q, 15}, t.Utlum, t.VlastniDrun);
    for (int j = K + 1; j <= var.cesta.Pocet(); ++j) {
        podlaha.cesta.VlozElement();
        podlaha.cesta.NahradAktualni(var.cesta.Prvek(j));
    }
    PrepocitejOd(podlaha, 1);
}

// How many silencers the search evaluates.
int PocetZkousenych(const DrunVar& var, const DataTlumice& d) {
    int n = 0;
    Spectrum u, v;
    for (int delka = TlumicDelkaMin; delka <= TlumicDelkaMax; ++delka)
        for (int w : SirkyVlozek)
            for (int p = TlumicPocetMin; p <= TlumicPocetMax; ++p)
                n += ZadaniTlumiceMozne(A, B, Q, w, p) &&
                     SpektraTlumice(d, {A, B, double(delka), double(w), Q, p}, u, v);
    return n;
}

void Hledani(benchmark::State& st) {
    DrunVar var;
    NaplnCestu(var, static_cast<int>(st.range(0)));
    PrepocitejOd(var, 1);
    Spectrum poz = var.Vysledek;
    for (int i = 0; i < PocetPasem; ++i)
        poz[size_t(i)] -= 12;
    DataTlumice dd;
    if (const VysledekSouboru v = NactiDataTlumice(Data, dd); !v.Ok())
        return st.SkipWithError(v.Zprava.c_str());
    const DataTlumice* d = &dd;
    DrunVar podlaha;
    CestaPodlahy(var, *d, podlaha);
    Podlaha p(podlaha.cesta);
    p.Spocti();
    std::string chyba = p.Rozdil(podlaha.cesta);
    if (chyba.empty()) chyba = ChybaUrovni(var);
    if (!chyba.empty()) return st.SkipWithError(chyba.c_str());
    const int zkousenych = PocetZkousenych(var, *d);
    size_t nalezeno = 0;
    Porovnej(
        st, "x_podlaha", [] {},
        [&] {
            DataTlumice data;
            NactiDataTlumice(Data, data);
            const auto t = NajdiTlumice(var, K, poz, A, B, Q, data);
            nalezeno = t.size();
            benchmark::DoNotOptimize(t.data());
        },
        [&] {
            for (int i = 0; i < zkousenych; ++i) {
                p.Spocti();
                benchmark::DoNotOptimize(p.Vysledek());
            }
        });
    st.counters["zkouseno"] = zkousenych;
    st.counters["vyhovelo"] = double(nalezeno);
}

} // namespace

BENCHMARK(Hledani)->Arg(50)->Arg(1000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    return SpustBenchmarky(argc, argv,
                           {{"Hledani/50", "x_podlaha", 1.5}, {"Hledani/1000", "x_podlaha", 1.5}});
}
