// Evaluation of long paths, and the main window's full refresh.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLocale>

#include "Pomocnik.h"
#include "core/DrunVar.h"
#include "core/DrunVyp.h"
#include "ui/DrunMain.h"
#include "ui/Hlaseni.h"

using namespace drun;

namespace {

void PrepocetCesty(benchmark::State& st) {
    DrunVar var;
    NaplnCestu(var, static_cast<int>(st.range(0)));
    for (auto _ : st) {
        PrepocitejOd(var, 1);
        benchmark::DoNotOptimize(var.Vysledek);
    }
    st.SetItemsProcessed(st.iterations() * st.range(0));
}
BENCHMARK(PrepocetCesty)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void ObnovaHlavnihoOkna(benchmark::State& st) {
    DrunVar var;
    THlavniForm okno(var);
    NaplnCestu(var, static_cast<int>(st.range(0)));
    for (auto _ : st) {
        okno.PrepocitejOd(1); // evaluation, list lines, every label
        QApplication::processEvents();
    }
    st.SetItemsProcessed(st.iterations() * st.range(0));
}
BENCHMARK(ObnovaHlavnihoOkna)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return SpustBenchmarky(argc, argv);
}
