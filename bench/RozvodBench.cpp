// A rozvod as an air-handling unit feeds a building: one fan, a 30-element
// trunk, 200 rooms behind branches of 10 elements, every tenth room fed by a
// second branch. Its whole evaluation against the floor of evaluating every
// element once, a change in one branch against evaluating that branch alone,
// the window's overview of its rooms against the whole evaluation, and its
// report (PDF) against its text protocols.
#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QSettings>
#include <QTableWidget>
#include <QTreeWidget>
#include <QPagedPaintDevice>
#include <QTableView>
#include <cstring>
#include <filesystem>
#include <random>

#include "Pomocnik.h"
#include "core/DrunVyp.h"
#include "io/RozvodSoubor.h"
#include "io/Zprava.h"
#include "models/Vypocet.h"
#include "tools/Rozvod.h"
#include "ui/hlavni/Dokument.h"
#include "ui/hlavni/DrunMain.h"
#include "ui/hlavni/Historie.h"
#include "ui/hlavni/Strom.h"
#include "ui/nastroje/RozvodFrm.h"
#include "ui/spolecne/Hlaseni.h"
#include "ui/tisk/Tisk.h"
#include "ui/tisk/Zprava.h"

using namespace drun;

namespace {

using Podlaha = PodlahaRozvodu;

// The floor gives exactly the evaluation's numbers.
bool Over(benchmark::State& st, const Rozvod& r, Podlaha& p) {
    p.Spocti();
    for (size_t u = 0; u < r.Useky().size(); ++u)
        if (std::memcmp(&p.za[p.konce[u]], &r.Konec(u), sizeof(Spectrum)) != 0) {
            st.SkipWithError("the floor differs from the evaluation");
            return false;
        }
    return true;
}

void PodlahaCelku(benchmark::State& st) {
    Rozvod r;
    r.NastavUseky(Budova());
    Podlaha podlaha(r);
    Podlaha* p = &podlaha;
    if (!Over(st, r, podlaha)) return;
    for (auto _ : st) {
        p->Spocti();
        benchmark::DoNotOptimize(p->za.back());
    }
}

void CelyRozvod(benchmark::State& st) {
    Rozvod r;
    r.NastavUseky(Budova());
    Podlaha podlaha(r);
    if (!Over(st, r, podlaha)) return;
    for (auto _ : st) {
        r.Prepocitej();
        benchmark::DoNotOptimize(r.Mistnosti().back().Konec);
    }
}

// A branch (the section's index): its ten elements from the level it takes.
// Section 101 feeds room 100, which section 211 feeds too; 102 room 101 alone.

void PodlahaVetve(benchmark::State& st) {
    Rozvod r;
    r.NastavUseky(Budova());
    Podlaha podlaha(r);
    Podlaha* p = &podlaha;
    if (!Over(st, r, podlaha)) return;
    const auto Vetev = size_t(st.range(0));
    const size_t od = p->konce[Vetev - 1] + 1, po = p->konce[Vetev] + 1;
    for (auto _ : st) {
        p->Spocti(od, po);
        benchmark::DoNotOptimize(p->za[po - 1]);
    }
}

// Its first element changed back and forth: the branch and its room again.
void ZmenaVeVetvi(benchmark::State& st) {
    Rozvod r;
    r.NastavUseky(Budova());
    Podlaha podlaha(r);
    if (!Over(st, r, podlaha)) return;
    const auto Vetev = size_t(st.range(0));
    const TElementSite a = r.Useky()[Vetev].Prvky[0];
    TElementSite b = a;
    b.Utlum[3] += 1;
    bool prepni = false;
    for (auto _ : st) {
        r.ZmenPrvek(Vetev, 1, (prepni = !prepni) ? b : a);
        benchmark::DoNotOptimize(r.Mistnosti()[Vetev - 1].Konec);
    }
}

// The overview of the 200 rooms as the table prints it: ratings, margins, text.
void Prehled(benchmark::State& st) {
    Rozvod r;
    r.NastavUseky(Budova());
    for (auto _ : st)
        benchmark::DoNotOptimize(TabulkaRozvodu(SpoctiPrehledRozvodu(r), false));
}

// What the window does after each change of the main window's rozvod: the
// overview computed and its table filled, against evaluating the rozvod once.
void OknoPrehledu(benchmark::State& st) {
    Rozvod r;
    r.NastavUseky(Budova());
    const std::string soubor = (std::filesystem::temp_directory_path() /
                                ("drun-bench-rozvod-" + std::to_string(::getpid()) + ".DRR"))
                                   .string();
    DrunVar var;
    TDokument dokument(var);
    const bool otevren =
        UlozRozvod(r, soubor).Ok() && dokument.Otevri(QString::fromStdString(soubor)).Ok();
    std::filesystem::remove(soubor);
    if (!otevren) return st.SkipWithError("the rozvod cannot be opened");
    TRozvodForm okno(dokument, nullptr);
    okno.ZobrazDokument();
    if (okno.MistnostiListBox->model()->rowCount() != 200)
        return st.SkipWithError("the window does not show the 200 rooms");
    Porovnej(
        st, "x_vypocet", [] {}, [&] { okno.ZobrazDokument(); },
        [&] {
            r.Prepocitej();
            benchmark::DoNotOptimize(r.Mistnosti().back().Konec);
        });
}

// Nothing shown, nothing asked: the benchmark runs without a user.
class TicheHlaseni : public Hlaseni {
  public:
    void Chyba(const QString&) override {}
    void Informace(const QString&) override {}
    bool Potvrd(const QString&) override { return true; }
    Volba ZeptejUlozeni(const QString&) override { return Volba::Neukladat; }
};

// The main window opening a building of that many rooms (branches of the
// second argument's elements): the time from the command until the tree shows
// it, in all and of this thread's CPU, another section chosen, then the
// longest the window leaves input waiting in the next second (otevreni_s,
// otevreni_cpu_s, volba_ms, pauza_ms).
void OknoVelkehoRozvodu(benchmark::State& st) {
    const auto slozka =
        std::filesystem::temp_directory_path() / ("drun-bench-okno-" + std::to_string(::getpid()));
    std::filesystem::create_directories(slozka);
    // The user's own settings and recent files stay untouched.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QString::fromStdString((slozka / "nastaveni").string()));
    TicheHlaseni ticho;
    NastavHlaseni(&ticho);
    Rozvod r;
    r.NastavUseky(Budova(static_cast<int>(st.range(0)), static_cast<int>(st.range(1))));
    const std::string soubor = (slozka / "budova.DRR").string();
    DrunVar var;
    var.NastavSlozku(slozka.string() + "/");
    double otevreni = 0, cpu = 0, volba = 0, pauza = 0;
    if (!UlozRozvod(r, soubor).Ok()) st.SkipWithError("the rozvod cannot be written");
    for (auto _ : st) {
        THlavniForm okno(var);
        okno.show();
        QCoreApplication::processEvents();
        QElapsedTimer t;
        t.start();
        const double t0 = CasVlakna();
        okno.OtevriSoubor(QString::fromStdString(soubor));
        QCoreApplication::processEvents();
        otevreni = double(t.nsecsElapsed()) / 1e9;
        cpu = CasVlakna() - t0;
        if (okno.Dokument().Rozvod().Useky().size() != r.Useky().size() ||
            !okno.findChild<TStromRozvodu*>()->Polozka(r.Useky().size() - 1)) {
            st.SkipWithError("the window does not show the rozvod");
            break;
        }
        // Another room's path chosen: the tree and the overview follow.
        QElapsedTimer vyber;
        vyber.start();
        okno.Dokument().VyberUsek(r.Useky().size() - 1);
        QCoreApplication::processEvents();
        volba = double(vyber.nsecsElapsed()) / 1e6;
        QElapsedTimer sekunda;
        sekunda.start();
        while (sekunda.elapsed() < 1000) {
            QElapsedTimer kolo;
            kolo.start();
            QCoreApplication::processEvents();
            pauza = std::max(pauza, double(kolo.nsecsElapsed()) / 1e6);
        }
        okno.Historie().OznacUlozeno();
    }
    st.counters["otevreni_s"] = otevreni;
    st.counters["otevreni_cpu_s"] = cpu;
    st.counters["volba_ms"] = volba;
    st.counters["pauza_ms"] = pauza;
    NastavHlaseni(nullptr);
    std::filesystem::remove_all(slozka);
// The report of the 200 rooms, from the overview to the PDF's bytes, against
// its text protocols (the overview and every section's protocol) as the PDF
// the window exported of them (x_protokoly), and as the text alone (x_text).
// Taken in turns, as Porovnej takes them.
void ZpravaRozvodu(benchmark::State& st) {
    Rozvod r;
    r.NastavUseky(Budova());
    const DrunVar var;
    const std::string datum = "8.12.2026";
    QByteArray pdf, protokolPdf;
    double tZprava = 0, tPdf = 0, tText = 0;
    int stran = 0;
    for (auto _ : st) {
        st.PauseTiming();
        const double t0 = CasVlakna();
        const std::vector<std::string> radky =
            TextProtokoluRozvodu(r, SpoctiPrehledRozvodu(r), var, datum);
        const double t1 = CasVlakna();
        VytvorPdf(
            QStringLiteral("budova"),
            [&](QPagedPaintDevice& z) {
                return VykresliProtokol(z, radky, var.parametry.DelkaStranky).Ok;
            },
            protokolPdf);
        const double t2 = CasVlakna();
        st.ResumeTiming();
        const ObsahZpravy z = drun::ZpravaRozvodu(r, SpoctiPrehledRozvodu(r), "budova.DRR", datum);
        const VysledekPdf v = ZpravaPdf(z, pdf);
        if (!v.Ok) return st.SkipWithError("the report cannot be drawn");
        stran = v.Stranek;
        tZprava += CasVlakna() - t2;
        tText += t1 - t0;
        tPdf += t2 - t1;
    }
    st.counters["x_protokoly"] = tZprava / tPdf;
    st.counters["x_text"] = tZprava / tText;
    st.counters["bajtu"] = double(pdf.size());
    st.counters["stran"] = stran;
    st.counters["bajtu_protokolu"] = double(protokolPdf.size());
}

BENCHMARK(PodlahaCelku);
BENCHMARK(Prehled);
BENCHMARK(CelyRozvod);
BENCHMARK(PodlahaVetve)->Arg(101)->Arg(102);
BENCHMARK(ZmenaVeVetvi)->Arg(101)->Arg(102);
BENCHMARK(OknoPrehledu)->Arg(200)->Unit(benchmark::kMillisecond);
BENCHMARK(OknoVelkehoRozvodu)
    ->Args({10000, 10})
    ->Args({100000, 1})
    ->Iterations(1)
    ->UseRealTime()
    ->Unit(benchmark::kSecond);
BENCHMARK(ZpravaRozvodu)->Arg(200)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return SpustBenchmarky(argc, argv, {{"ZpravaRozvodu/200", "x_protokoly", 3}});
}
