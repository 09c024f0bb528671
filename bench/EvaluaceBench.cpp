// Evaluation of long paths inside the program, against the bare loop of its
// arithmetic, and the main window's full refresh against the evaluation.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "Pomocnik.h"
#include "core/DrunVar.h"
#include "core/DrunVyp.h"
#include "ui/hlavni/DrunMain.h"

using namespace drun;

namespace {

// The path evaluated once and checked: realistic levels, and the floor's loop
// giving exactly the evaluation's numbers.
bool Priprav(benchmark::State& st, DrunVar& var) {
    NaplnCestu(var, static_cast<int>(st.range(0)));
    PrepocitejOd(var, 1);
    std::string chyba = ChybaUrovni(var);
    if (chyba.empty()) {
        Podlaha p(var.cesta);
        p.Spocti();
        chyba = p.Rozdil(var.cesta);
    }
    if (!chyba.empty()) st.SkipWithError(chyba.c_str());
    return chyba.empty();
}

void Prepocet(DrunVar& var) {
    PrepocitejOd(var, 1);
    benchmark::DoNotOptimize(var.Vysledek);
}

// The share of evaluations that began with dirty upper register halves (-1:
// the processor cannot tell).
struct Spinave {
    void Zjisti() {
        const int s = HorniPulkySpinave();
        spinavych = s < 0 || spinavych < 0 ? -1 : spinavych + s;
        ++pokusu;
    }
    double Podil() const { return spinavych < 0 ? -1.0 : double(spinavych) / double(pokusu); }
    int spinavych = 0, pokusu = 0;
};

void Podlaha_(benchmark::State& st) {
    DrunVar var;
    if (!Priprav(st, var)) return;
    Podlaha p(var.cesta);
    for (auto _ : st) {
        p.Spocti();
        benchmark::DoNotOptimize(p.Vysledek());
    }
    st.SetItemsProcessed(st.iterations() * st.range(0));
}

// Evaluations against the floor, with the share of them that began with
// dirty upper halves: `pred` runs before each outside the timing, `tesnePred`
// right before it.
template <class Pred, class TesnePred>
void ProtiPodlaze(benchmark::State& st, DrunVar& var, Pred pred, TesnePred tesnePred) {
    Podlaha p(var.cesta);
    Spinave s;
    Porovnej(
        st, "x_podlaha", pred,
        [&] {
            tesnePred();
            s.Zjisti();
            Prepocet(var);
        },
        [&] { p.Spocti(); });
    st.counters["spinave"] = s.Podil();
}

// The library call with a QApplication alive, as in the program.
void PrepocetCesty(benchmark::State& st) {
    DrunVar var;
    if (Priprav(st, var))
        ProtiPodlaze(
            st, var, [] {}, [] {});
}

// The same after the main window has been shown, painted again before every
// evaluation: Qt's own drawing runs right before the arithmetic.
void PrepocetPoZobrazeniOkna(benchmark::State& st) {
    DrunVar var;
    THlavniForm okno(var);
    if (!Priprav(st, var)) return;
    okno.PrepocitejOd(1);
    okno.show();
    QApplication::processEvents();
    ProtiPodlaze(
        st, var, [&] { okno.repaint(); }, [] {});
}

// The worst case whatever Qt does: the upper halves left dirty right before
// every evaluation.
void PrepocetPoSpinavychRegistrech(benchmark::State& st) {
    DrunVar var;
    if (Priprav(st, var))
        ProtiPodlaze(
            st, var, [] {}, ZaspinHorniPulky);
}

// The main window's full refresh (evaluation, list lines, every label, and
// the painting that follows) against the evaluation alone.
void ObnovaHlavnihoOkna(benchmark::State& st) {
    DrunVar var;
    THlavniForm okno(var);
    if (!Priprav(st, var)) return;
    okno.show();
    QApplication::processEvents();
    Porovnej(
        st, "x_prepocet", [] {},
        [&] {
            okno.PrepocitejOd(1);
            QApplication::processEvents();
        },
        [&] { Prepocet(var); });
}

} // namespace

BENCHMARK(Podlaha_)->Name("Podlaha")->Arg(1000)->Arg(10000)->Arg(100000)->Unit(
    benchmark::kMillisecond);
BENCHMARK(PrepocetCesty)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(PrepocetPoZobrazeniOkna)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(PrepocetPoSpinavychRegistrech)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(ObnovaHlavnihoOkna)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    return SpustBenchmarky(argc, argv,
                           {{"PrepocetCesty/100000", "x_podlaha", 1.5},
                            {"PrepocetPoZobrazeniOkna/100000", "x_podlaha", 1.5},
                            {"PrepocetPoSpinavychRegistrech/100000", "x_podlaha", 1.5},
                            {"ObnovaHlavnihoOkna/10000", "x_prepocet", 2.0}});
}
