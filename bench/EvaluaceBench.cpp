// Evaluation of long paths, and the main window's full refresh.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLocale>

#include "core/DrunVar.h"
#include "core/DrunVyp.h"
#include "ui/DrunMain.h"
#include "ui/Hlaseni.h"

using namespace drun;

namespace {

void NaplnCestu(DrunVar& var, int pocet) {
    ZalozVypocet(var);
    NaplnSpektrum(var.cesta.Prvni().VlastniDrun, 90);
    for (int i = 1; i < pocet; ++i) {
        var.cesta.VlozElement();
        TElementSite& e = var.cesta.Aktualni();
        e.NastavTyp(i % 50 == 0 ? TypVice : TypObecny);
        e.Druh = 2;
        for (int b = 0; b < PocetPasem; ++b) {
            e.Utlum[b] = 0.001 * (i % 7);
            e.VlastniDrun[b] = (i % 3 == 0) ? 0.0 : 20.0 + b;
        }
        SpoctiLA(e.Utlum);
        SpoctiLA(e.VlastniDrun);
    }
}

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
        okno.PrepocitejOd(1);  // evaluation, list lines, every label
        QApplication::processEvents();
    }
    st.SetItemsProcessed(st.iterations() * st.range(0));
}
BENCHMARK(ObnovaHlavnihoOkna)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale::c());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
