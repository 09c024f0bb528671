// Redraw of the chart window for long paths.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QLocale>
#include <QPainter>

#include "Pomocnik.h"
#include "core/DrunVar.h"
#include "core/DrunVyp.h"
#include "ui/hlavni/DrunMain.h"
#include "ui/nastroje/Graf.h"

using namespace drun;

namespace {

struct Okno {
    explicit Okno(int pocet) : okno(var) {
        NaplnCestu(var, pocet);
        okno.Okno<TGrafForm>()->Zobraz();
        okno.PrepocitejOd(1);
        QApplication::processEvents();
    }
    DrunVar var;
    THlavniForm okno;
};

// New numbers into the series and axes (what every evaluation costs).
void PrekresleniGrafu(benchmark::State& st) {
    Okno o(static_cast<int>(st.range(0)));
    for (auto _ : st)
        o.okno.Okno<TGrafForm>()->PrekresliHned();
    st.SetItemsProcessed(st.iterations() * st.range(0));
}
BENCHMARK(PrekresleniGrafu)->Arg(1)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// The same and the painting of both charts, as the screen gets them.
void PrekresleniAVykresleni(benchmark::State& st) {
    Okno o(static_cast<int>(st.range(0)));
    TGrafForm& g = *o.okno.Okno<TGrafForm>();
    QImage obr(g.VelikostObrazku(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : st) {
        g.PrekresliHned();
        QPainter p(&obr);
        p.setRenderHint(QPainter::Antialiasing);
        g.Vykresli(p);
    }
    st.SetItemsProcessed(st.iterations() * st.range(0));
}
BENCHMARK(PrekresleniAVykresleni)->Arg(1)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// A new calculation of 10 000 elements after one of a single element: the
// axes and the series change their size by four orders at once.
void PrechodNaDlouhouCestu(benchmark::State& st) {
    Okno o(1);
    for (auto _ : st) {
        st.PauseTiming();
        NaplnCestu(o.var, 1);
        o.okno.PrepocitejOd(1);
        NaplnCestu(o.var, static_cast<int>(st.range(0)));
        st.ResumeTiming();
        o.okno.PrepocitejOd(1);
    }
}
BENCHMARK(PrechodNaDlouhouCestu)->Arg(10000)->Unit(benchmark::kMillisecond);

// A whole evaluation from the source with the chart window open.
void PrepocetSOtevrenymGrafem(benchmark::State& st) {
    Okno o(static_cast<int>(st.range(0)));
    for (auto _ : st) {
        o.okno.PrepocitejOd(1);
        QApplication::processEvents();
    }
    st.SetItemsProcessed(st.iterations() * st.range(0));
}
BENCHMARK(PrepocetSOtevrenymGrafem)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return SpustBenchmarky(argc, argv);
}
