#pragma once
// What every benchmark program shares: a long synthetic path and the
// offscreen application around the benchmarks.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLocale>

#include "core/DrunVar.h"

// A path of `pocet` elements: general elements with small attenuations and
// self-noise in two of three, a several-sources correction every 50th.
inline void NaplnCestu(drun::DrunVar& var, int pocet) {
    using namespace drun;
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

inline int SpustBenchmarky(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale::c());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
