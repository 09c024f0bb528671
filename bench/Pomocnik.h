#pragma once
// What every benchmark program shares: a long realistic path, the bare loop of
// its arithmetic (the floor), the offscreen application around the benchmarks
// and the ratios printed after them.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLocale>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <map>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

#include "../tests/VektorovyStav.h"
#include "core/DrunVar.h"
#include "core/DrunVyp.h"
#include "models/Vypocet.h"
#include "tools/Rozvod.h"

// A fan at 90 dB in every band, then general elements with attenuations of
// 0.001 * (i mod 7) dB and self-noise 20 + band dB in two of three: every
// level stays between 40 and 90 dB, so the evaluation runs its usual paths.
inline void NaplnCestu(drun::DrunVar& var, int pocet) {
    using namespace drun;
    ZalozVypocet(var);
    NaplnSpektrum(var.cesta.Prvni().VlastniDrun, 90);
    for (int i = 1; i < pocet; ++i) {
        var.cesta.VlozElement();
        TElementSite& e = var.cesta.Aktualni();
        e.NastavTyp(TypObecny);
        for (int b = 0; b < PocetPasem; ++b) {
            e.Utlum[b] = 0.001 * (i % 7);
            e.VlastniDrun[b] = (i % 3 == 0) ? 0.0 : 20.0 + b;
        }
        SpoctiLA(e.Utlum);
        SpoctiLA(e.VlastniDrun);
    }
}

// Empty when every level of the evaluated path is finite and within 0..150 dB.
inline std::string ChybaUrovni(const drun::DrunVar& var) {
    for (int n = 1; n <= var.cesta.Pocet(); ++n) {
        const drun::TElementSite& e = var.cesta.Prvek(n);
        for (const drun::Spectrum* s : {&e.Mezisoucet, &e.ZaElementem})
            for (double x : *s)
                if (!std::isfinite(x) || x < 0 || x > 150)
                    return "level " + std::to_string(x) + " dB at element " + std::to_string(n);
    }
    return {};
}

// The evaluation's arithmetic as a bare loop over flat arrays: what the same
// numbers cost without the path, the elements and the calls around them.
class Podlaha {
  public:
    explicit Podlaha(const drun::Cesta& c) : pocet_(c.Pocet()) {
        const size_t n = static_cast<size_t>(pocet_);
        utlum_.resize(n * 8);
        drun_.resize(n * 8);
        mezi_.resize(n * 9);
        za_.resize(n * 9);
        for (size_t k = 0; k < n; ++k)
            for (size_t b = 0; b < 8; ++b) {
                utlum_[k * 8 + b] = c.Prvek(int(k) + 1).Utlum[b];
                drun_[k * 8 + b] = c.Prvek(int(k) + 1).VlastniDrun[b];
            }
        zdroj_ = c.Prvek(1).VlastniDrun;
    }

    // Exactly the decibel arithmetic of a general element's evaluation.
    void Spocti() {
        // The floor is the arithmetic on a clean vector state.
        VycistiHorniPulky();
        for (size_t b = 0; b < 9; ++b)
            za_[b] = zdroj_[b];
        for (size_t k = 1; k < size_t(pocet_); ++k) {
            const double* pred = &za_[(k - 1) * 9];
            double* m = &mezi_[k * 9];
            double* z = &za_[k * 9];
            for (size_t b = 0; b < 8; ++b) {
                const double u = utlum_[k * 8 + b];
                double s = pred[b] == 0.0 && u < 0 ? 0.0 : pred[b] - u;
                if (s < 0) s = 0.001;
                m[b] = s;
                const double vd = drun_[k * 8 + b];
                z[b] = s <= 0.01 || vd == 0.0 ? s + vd : Soucet2(s, vd);
            }
            m[8] = LA(m);
            z[8] = LA(z);
        }
        vysledek_ = LA(&za_[(size_t(pocet_) - 1) * 9]);
    }

    // Empty when the loop gave bit for bit what the evaluation gave.
    std::string Rozdil(const drun::Cesta& c) const {
        for (int n = 2; n <= pocet_; ++n)
            for (size_t b = 0; b < 9; ++b)
                if (mezi_[size_t(n - 1) * 9 + b] != c.Prvek(n).Mezisoucet[b] ||
                    za_[size_t(n - 1) * 9 + b] != c.Prvek(n).ZaElementem[b])
                    return "the floor's arithmetic differs from the evaluation at element " +
                           std::to_string(n);
        return {};
    }

    double Vysledek() const { return vysledek_; }

  private:
    static double L10(double x) { return std::log(x) / std::log(10.0); }
    static double P10(double x) { return std::exp(x * std::log(10.0)); }
    // The energetic sums with the largest level factored out.
    static double Soucet2(double l1, double l2) {
        const double m = std::max(l1, l2);
        if (!std::isfinite(m)) return m;
        return m + 10 * L10(1 + P10(0.1 * (std::min(l1, l2) - m)));
    }
    static double LA(const double* s) {
        double vazene[8];
        for (size_t b = 0; b < 8; ++b)
            vazene[b] = s[b] + drun::VahaA[b];
        const double m = *std::max_element(vazene, vazene + 8);
        if (!std::isfinite(m)) return m;
        double suma = 0;
        for (double l : vazene)
            suma += P10(0.1 * (l - m));
        return m + 10 * L10(suma);
    }

    int pocet_;
    drun::Spectrum zdroj_{};
    std::vector<double> utlum_, drun_, mezi_, za_;
    double vysledek_ = 0;
};

// An element computed by its model, as a file's reader leaves it.
inline drun::TElementSite Spocteny(drun::TElementSite e) {
    drun::DrunVar var;
    var.cesta.VlozElement();
    var.cesta.NajdiElement(e.Typ() == drun::TypZdroj ? 1 : 2);
    var.cesta.NahradAktualni(e);
    drun::SpoctiPrvek(var);
    return var.cesta.Aktualni();
}

// A branch's element j: a duct, an outlet or a general element in turn, a room last.
inline drun::TElementSite PrvekBudovy(std::mt19937& g, int j, bool posledni) {
    using namespace drun;
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

// A rozvod as an air-handling unit feeds a building: one fan, a 30-element
// trunk, `mistnosti` rooms behind branches of `prvku` elements along it
// (requirement N35), then a tenth as many branches feeding every tenth room a
// second time.
inline std::vector<drun::Usek> Budova(int mistnosti = 200, int prvku = 10) {
    using namespace drun;
    std::mt19937 g(7);
    std::vector<Usek> useky(1);
    useky[0].Id = 1;
    TElementSite zdroj;
    zdroj.NastavTyp(TypZdroj);
    for (int i = 0; i < PocetPasem; ++i)
        zdroj.VlastniDrun[i] = 95 - 3 * i;
    useky[0].Prvky.push_back(Spocteny(zdroj));
    for (int j = 1; j < 30; ++j)
        useky[0].Prvky.push_back(PrvekBudovy(g, j, false));
    for (int m = 0; m < mistnosti + mistnosti / 10; ++m) {
        Usek u;
        u.Id = m + 2;
        u.Rodic = 1;
        u.ZaElementem = 2 + m % 29;
        for (int j = 0; j < prvku; ++j)
            u.Prvky.push_back(PrvekBudovy(g, j, j == prvku - 1));
        u.Mistnost = "místnost " + std::to_string(m < mistnosti ? m : (m - mistnosti) * 10);
        u.Pozadavek = m < mistnosti ? "N35" : "";
        useky.push_back(std::move(u));
    }
    return useky;
}

// The floor of a rozvod's evaluation: every element once, each from the
// level behind its predecessor, over flat arrays. Placed (u, k), only the
// paths fed behind own element k of section u, through the element in
// prvky[Vlozeny] (the caller sets it), from the level behind k as it is.
struct PodlahaRozvodu {
    std::vector<const drun::TElementSite*> prvky; // null: a level given, not evaluated
    std::vector<int> pred;                        // index of the level it takes, -1 for the source
    std::vector<drun::Spectrum> za;
    std::vector<size_t> konce; // per section, its last level's index
    size_t Vlozeny = 0;

    explicit PodlahaRozvodu(const drun::Rozvod& r, size_t u = SIZE_MAX, int k = 0) {
        using namespace drun;
        const std::vector<size_t> useky = u == SIZE_MAX ? r.Vetve(0) : r.Napajene(u, k);
        std::map<int, std::vector<int>> indexy; // by Id, per own element
        konce.assign(r.Useky().size(), 0);
        const auto dalsi = [this](const TElementSite* e, int p) {
            prvky.push_back(e);
            pred.push_back(p);
            za.emplace_back();
            return int(prvky.size()) - 1;
        };
        for (size_t s : useky) {
            const Usek& us = r.Useky()[s];
            std::vector<int>& ix = indexy[us.Id];
            ix.assign(us.Prvky.size(), -1);
            int p = us.Rodic == 0 ? -1 : indexy.at(us.Rodic)[size_t(us.ZaElementem - 1)];
            size_t od = 0;
            if (s == u) {
                const int dano = dalsi(nullptr, -1);
                za[size_t(dano)] = us.Prvky[size_t(k - 1)].ZaElementem;
                p = dalsi(nullptr, dano);
                Vlozeny = size_t(p);
                ix[size_t(k - 1)] = p;
                od = size_t(k);
            }
            for (size_t j = od; j < us.Prvky.size(); ++j)
                ix[j] = p = dalsi(&us.Prvky[j], p);
            konce[s] = size_t(p);
        }
    }
    void Spocti(size_t od = 0, size_t po = SIZE_MAX) {
        drun::Spectrum mezisoucet;
        for (size_t i = od; i < prvky.size() && i < po; ++i)
            if (prvky[i])
                drun::SpoctiUrovne(*prvky[i], pred[i] < 0 ? nullptr : &za[size_t(pred[i])],
                                   mezisoucet, za[i]);
    }
};

// CPU time of this thread in seconds.
inline double CasVlakna() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + 1e-9 * double(t.tv_nsec);
}

// The benchmark loop over `prace`, with `srovnani` run after every iteration
// outside the timing and `pred` before it: the counter `nazev` is the ratio
// of their CPU times. Taken in turns, both see the same load of the machine.
template <class Pred, class Prace, class Srovnani>
void Porovnej(benchmark::State& st, const char* nazev, Pred pred, Prace prace, Srovnani srovnani) {
    double tPrace = 0, tSrovnani = 0;
    for (auto _ : st) {
        st.PauseTiming();
        const double t0 = CasVlakna();
        srovnani();
        const double t1 = CasVlakna();
        pred();
        st.ResumeTiming();
        const double t2 = CasVlakna();
        prace();
        tPrace += CasVlakna() - t2;
        tSrovnani += t1 - t0;
    }
    st.counters[nazev] = tSrovnani > 0 ? tPrace / tSrovnani : 0;
    st.SetItemsProcessed(st.iterations() * st.range(0));
}

// A ratio counter of one benchmark and the most it may be.
struct Cil {
    std::string benchmark, citac;
    double nejvys;
};

// The console output, then each goal with its measured ratio.
class ReporterCilu : public benchmark::ConsoleReporter {
  public:
    explicit ReporterCilu(std::vector<Cil> cile)
        : ConsoleReporter(isatty(fileno(stdout)) ? OO_ColorTabular : OO_Tabular),
          cile_(std::move(cile)) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& r : runs)
            if (r.run_type == Run::RT_Iteration && !r.error_occurred)
                for (const auto& [nazev, c] : r.counters)
                    hodnoty_[r.benchmark_name() + " " + nazev] = c.value;
        ConsoleReporter::ReportRuns(runs);
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        for (const Cil& c : cile_) {
            const auto h = hodnoty_.find(c.benchmark + " " + c.citac);
            if (h == hodnoty_.end()) continue;
            std::printf("goal %s %s <= %.1f: %.2f %s\n", c.benchmark.c_str(), c.citac.c_str(),
                        c.nejvys, h->second, h->second <= c.nejvys ? "met" : "MISSED");
        }
    }

  private:
    std::vector<Cil> cile_;
    std::map<std::string, double> hodnoty_;
};

inline int SpustBenchmarky(int argc, char** argv, std::vector<Cil> cile = {}) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale::c());
    benchmark::Initialize(&argc, argv);
    ReporterCilu reporter(std::move(cile));
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
