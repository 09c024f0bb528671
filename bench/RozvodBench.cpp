// A rozvod as an air-handling unit feeds a building: one fan, a 30-element
// trunk, 200 rooms behind branches of 10 elements, every tenth room fed by a
// second branch. Its whole evaluation against the floor of evaluating every
// element once, a change in one branch against evaluating that branch alone,
// the window's overview of its rooms against the whole evaluation, and its
// report (PDF) against its text protocols.
#include <benchmark/benchmark.h>

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
#include "ui/nastroje/RozvodFrm.h"
#include "ui/tisk/Tisk.h"
#include "ui/tisk/Zprava.h"

using namespace drun;

namespace {

TElementSite Spocteny(TElementSite e) {
    DrunVar var;
    var.cesta.VlozElement();
    var.cesta.NajdiElement(e.Typ() == TypZdroj ? 1 : 2);
    var.cesta.NahradAktualni(e);
    SpoctiPrvek(var);
    return var.cesta.Aktualni();
}

TElementSite Prvek(std::mt19937& g, int j, bool posledni) {
    const auto c = [&g](int od, int po) { return std::uniform_int_distribution(od, po)(g); };
    TElementSite e;
    if (posledni) {
        e.NastavTyp(TypMistnost);
        e.Vstup<VstupyMistnost>().PlochaSten = c(30, 300);
        e.Vstup<VstupyMistnost>().Vzdalenost = c(1, 5);
    } else if (j % 3 == 0) {
        e.NastavTyp(TypHrPotrubi);
        e.Vstup<VstupyHrPotrubi>() = {double(c(200, 800)), double(c(200, 600)), double(c(1, 20)),
                                      double(c(500, 8000))};
    } else if (j % 3 == 1) {
        e.NastavTyp(TypVyustka);
        auto& v = e.Vstup<VstupyVyustka>();
        v.A = c(200, 600), v.B = c(100, 400), v.Prutok = c(200, 2000);
    } else {
        e.NastavTyp(TypObecny);
        for (int i = 0; i < PocetPasem; ++i)
            e.Utlum[i] = c(0, 60) / 10.0, e.VlastniDrun[i] = c(0, 1) * c(100, 400) / 10.0;
    }
    return Spocteny(e);
}

std::vector<Usek> Budova() {
    std::mt19937 g(7);
    std::vector<Usek> useky(1);
    useky[0].Id = 1;
    TElementSite zdroj;
    zdroj.NastavTyp(TypZdroj);
    for (int i = 0; i < PocetPasem; ++i)
        zdroj.VlastniDrun[i] = 95 - 3 * i;
    useky[0].Prvky.push_back(Spocteny(zdroj));
    for (int j = 1; j < 30; ++j)
        useky[0].Prvky.push_back(Prvek(g, j, false));
    for (int m = 0; m < 220; ++m) {
        Usek u;
        u.Id = m + 2;
        u.Rodic = 1;
        u.ZaElementem = 2 + m % 29;
        for (int j = 0; j < 10; ++j)
            u.Prvky.push_back(Prvek(g, j, j == 9));
        // The last twenty feed every tenth room a second time.
        u.Mistnost = "místnost " + std::to_string(m < 200 ? m : (m - 200) * 10);
        u.Pozadavek = m < 200 ? "N35" : "";
        useky.push_back(std::move(u));
    }
    return useky;
}

// The floor: every element once, each from the level behind its predecessor.
struct Podlaha {
    std::vector<const TElementSite*> prvky;
    std::vector<int> pred; // index of the level it takes, -1 for the source
    std::vector<Spectrum> za;
    std::vector<size_t> konce; // per section, its last level's index

    explicit Podlaha(const Rozvod& r) {
        std::vector<std::vector<int>> indexy;
        for (const Usek& u : r.Useky()) {
            indexy.emplace_back();
            int p = -1;
            if (u.Rodic != 0) p = indexy[size_t(r.Index(u.Rodic))][size_t(u.ZaElementem - 1)];
            for (const TElementSite& e : u.Prvky) {
                prvky.push_back(&e);
                pred.push_back(p);
                p = int(prvky.size()) - 1;
                indexy.back().push_back(p);
            }
            konce.push_back(size_t(p));
        }
        za.resize(prvky.size());
    }
    void Spocti(size_t od = 0, size_t po = SIZE_MAX) {
        Spectrum mezisoucet;
        for (size_t i = od; i < prvky.size() && i < po; ++i)
            SpoctiUrovne(*prvky[i], pred[i] < 0 ? nullptr : &za[size_t(pred[i])], mezisoucet,
                         za[i]);
    }
};

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
    Podlaha* p = &podlaha;
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
    Podlaha* p = &podlaha;
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
BENCHMARK(ZpravaRozvodu)->Arg(200)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return SpustBenchmarky(argc, argv, {{"ZpravaRozvodu/200", "x_protokoly", 3}});
}
