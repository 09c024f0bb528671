// The silencer search behind the fan of a long path, against its floor: the
// bare loop of the same evaluations from there, once per silencer tried. And
// the remedy behind a building's trunk for all the rooms it feeds, against
// evaluating the fed paths once per element tried there.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstring>

#include "Pomocnik.h"
#include "core/DrunVar.h"
#include "core/DrunVyp.h"
#include "models/Tlumic.h"
#include "tools/Navrh.h"
#include "tools/Rozvod.h"

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

// The elements the trunk remedy tries: the full attenuation, the tenths up to
// the largest needed, the full attenuation again for the bands it cannot
// meet, each lining thickness up to its first fit, every silencer.
int PocetKandidatu(const NavrhRozvodu& n, const DrunVar& var, const DataTlumice& d) {
    int desetin = -1;
    for (size_t p = 0; p < PocetPasem; ++p)
        if (n.Utlum.Stav[p] == StavPasma::Utlum)
            desetin = std::max(desetin, int(std::lround(n.Utlum.Utlum[p] * 10)));
    int pocet = 1 + (desetin + 1) + 1;
    for (int t : TloustkyOblozeni) {
        int delka = OblozeniDelkaMax;
        for (const KandidatOblozeni& o : n.Oblozeni)
            if (o.Tloustka == t) delka = o.Delka;
        pocet += delka - OblozeniDelkaMin + 1;
    }
    return pocet + PocetZkousenych(var, d);
}

// Behind the second element of the trunk of a building of `mistnosti` rooms,
// each to meet N65: the outlets' own noise leaves some bands to attenuate.
void NavrhKmene(benchmark::State& st) {
    std::vector<Usek> useky = Budova(static_cast<int>(st.range(0)));
    for (Usek& u : useky)
        if (!u.Pozadavek.empty()) u.Pozadavek = "N65";
    Rozvod r;
    r.NastavUseky(std::move(useky));
    DataTlumice dd;
    if (const VysledekSouboru v = NactiDataTlumice(Data, dd); !v.Ok())
        return st.SkipWithError(v.Zprava.c_str());
    const DataTlumice* d = &dd;
    DrunVar var;
    constexpr int Kmen = 2;
    if (const std::string c = ChybaNavrhuRozvodu(r, 1, Kmen); !c.empty())
        return st.SkipWithError(c.c_str());
    PodlahaRozvodu p(r, 0, Kmen);
    const std::vector<size_t> napajene = r.Napajene(0, Kmen);
    // The floor gives exactly the ends the remedy evaluates.
    TElementSite e = PlneTlumeni(r.Useky()[0].Prvky[Kmen - 1].ZaElementem);
    for (int i = 0; i < PocetPasem; ++i)
        e.Utlum[size_t(i)] = 20;
    SpoctiLA(e.Utlum);
    p.prvky[p.Vlozeny] = &e;
    p.Spocti();
    std::vector<Spectrum> konce;
    r.KonceS(0, Kmen, napajene, e, konce);
    for (size_t s : napajene)
        if (std::memcmp(&p.za[p.konce[s]], &konce[s], sizeof(Spectrum)) != 0)
            return st.SkipWithError("the floor differs from the remedy's evaluation");
    const NavrhRozvodu n = SpoctiNavrhRozvodu(r, 1, Kmen, var, A, B, Q, &*d);
    const int kandidatu = PocetKandidatu(n, var, *d);
    Porovnej(
        st, "x_podlaha", [] {},
        [&] {
            const NavrhRozvodu v = SpoctiNavrhRozvodu(r, 1, Kmen, var, A, B, Q, &*d);
            benchmark::DoNotOptimize(v.Tlumice.data());
        },
        [&] {
            for (int i = 0; i < kandidatu; ++i) {
                p.Spocti();
                benchmark::DoNotOptimize(p.za.back());
            }
        });
    st.counters["kandidatu"] = kandidatu;
    st.counters["tlumicu"] = double(n.Tlumice.size());
}

} // namespace

BENCHMARK(Hledani)->Arg(50)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(NavrhKmene)->Arg(1000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    return SpustBenchmarky(argc, argv,
                           {{"Hledani/50", "x_podlaha", 1.5},
                            {"Hledani/1000", "x_podlaha", 1.5},
                            {"NavrhKmene/1000", "x_podlaha", 1.5}});
}
