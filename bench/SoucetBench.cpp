// The "Součet cest" window over many paths: a change in the main window with
// the window shown against the same change with it closed, and what showing
// the window and opening a set cost.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QTableWidget>
#include <QTemporaryDir>

#include <memory>

#include "Pomocnik.h"
#include "core/DrunVar.h"
#include "core/DrunVyp.h"
#include "io/DataSoubor.h"
#include "io/SoucetCest.h"
#include "ui/hlavni/DrunMain.h"
#include "ui/nastroje/SoucetFrm.h"

using namespace drun;

namespace {

// A calculation of this many elements in the main window.
constexpr int PrvkuVypoctu = 20;

// `pocet` calculation files of 10 elements each, with levels differing per
// file, their end spectra as read back, and a set file naming them all.
struct Soubory {
    explicit Soubory(int pocet) {
        SadaSouctu s;
        for (int i = 0; i < pocet; ++i) {
            DrunVar var;
            NaplnCestu(var, 10);
            NaplnSpektrum(var.cesta.Prvni().VlastniDrun, 60 + i % 30);
            PrepocitejOd(var, 1);
            const std::string f = slozka.filePath(QString("c%1.DRN").arg(i)).toStdString();
            if (!UlozData(var, f).Ok()) return;
            s.Soubory.push_back(f);
            CestaSouctu c("", f);
            NactiCestu(c, {});
            konce.push_back(c.Konec);
        }
        sada = slozka.filePath("sada.DRS");
        ok = UlozSadu(s, sada.toStdString()).Ok();
    }
    QTemporaryDir slozka;
    QString sada;
    std::vector<Spectrum> konce;
    bool ok = false;
};

struct Okno {
    Okno() : okno(var) {
        NaplnCestu(var, PrvkuVypoctu);
        okno.show();
        okno.PrepocitejOd(1);
        QApplication::processEvents();
    }
    // A change of the source, as an edit in the main window makes it, and
    // the screen painted after it when `kreslit`.
    void Zmena(bool kreslit) {
        zdroj = zdroj == 90 ? 89 : 90;
        NaplnSpektrum(var.cesta.Prvni().VlastniDrun, zdroj);
        okno.PrepocitejOd(1);
        if (kreslit) QApplication::processEvents();
    }
    DrunVar var;
    THlavniForm okno;
    double zdroj = 90;
};

// Empty when the window's sum is exactly the sum of the files and the
// current calculation.
std::string ChybaSouctu(const Okno& o, const Soubory& f) {
    std::vector<Spectrum> k{o.var.Vysledek};
    k.insert(k.end(), f.konce.begin(), f.konce.end());
    if (o.okno.Okno<TSoucetForm>()->CestyListBox->rowCount() != static_cast<int>(k.size()))
        return "the window does not hold every file";
    if (SectiCesty(k, o.okno.Okno<TSoucetForm>()->Pozadavek()).Soucet !=
        o.okno.Okno<TSoucetForm>()->Vysledek().Soucet)
        return "the window's sum differs from the sum of the files";
    return {};
}

// A change in the main window with the sum window shown over `n` files,
// against the same change in a second window whose sum window is closed;
// the second argument 1 paints the windows after each change.
void ZmenaSeSouctem(benchmark::State& st) {
    const bool kreslit = st.range(1) != 0;
    const Soubory f(static_cast<int>(st.range(0)));
    auto se = std::make_unique<Okno>(), bez = std::make_unique<Okno>();
    if (!f.ok || !se->okno.Okno<TSoucetForm>()->OtevriSadu(f.sada))
        return st.SkipWithError("no set");
    se->okno.Okno<TSoucetForm>()->Zobraz();
    QApplication::processEvents();
    se->Zmena(true);
    if (const std::string chyba = ChybaSouctu(*se, f); !chyba.empty())
        return st.SkipWithError(chyba.c_str());
    Porovnej(
        st, "x_zavreny", [] {}, [&] { se->Zmena(kreslit); }, [&] { bez->Zmena(kreslit); });
}
BENCHMARK(ZmenaSeSouctem)->Args({2000, 0})->Args({2000, 1})->Unit(benchmark::kMillisecond);

// The window shown over `n` files: every file read, the table and the chart.
void Zobrazeni(benchmark::State& st) {
    const Soubory f(static_cast<int>(st.range(0)));
    Okno o;
    if (!f.ok || !o.okno.Okno<TSoucetForm>()->OtevriSadu(f.sada)) return st.SkipWithError("no set");
    for (auto _ : st) {
        st.PauseTiming();
        o.okno.Okno<TSoucetForm>()->close();
        QApplication::processEvents();
        st.ResumeTiming();
        o.okno.Okno<TSoucetForm>()->Zobraz();
        QApplication::processEvents();
    }
}
BENCHMARK(Zobrazeni)->Arg(2000)->Iterations(3)->Unit(benchmark::kMillisecond);

// A set of `n` files opened in the shown window.
void OtevreniSady(benchmark::State& st) {
    const Soubory f(static_cast<int>(st.range(0)));
    Okno o;
    o.okno.Okno<TSoucetForm>()->Zobraz();
    QApplication::processEvents();
    for (auto _ : st) {
        if (!f.ok || !o.okno.Okno<TSoucetForm>()->OtevriSadu(f.sada))
            return st.SkipWithError("no set");
        QApplication::processEvents();
    }
}
BENCHMARK(OtevreniSady)->Arg(2000)->Iterations(3)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return SpustBenchmarky(
        argc, argv,
        {{"ZmenaSeSouctem/2000/0", "x_zavreny", 2.0}, {"ZmenaSeSouctem/2000/1", "x_zavreny", 2.0}});
}
