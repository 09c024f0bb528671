// A large catalogue at its first use as the window has it (read, checked, in
// the Czech order) against the bare JSON parse of the same file, and a large
// CSV import against splitting its records alone.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include "Pomocnik.h"
#include "core/Soubory.h"
#include "io/Csv.h"
#include "io/Katalog.h"
#include "io/SkladKatalogu.h"
#include "ui/nastroje/Katalog.h"

using namespace drun;

namespace {

// n entries, sources and elements in turns, with Czech names and levels that
// need all their digits.
SeznamKatalogu VelkyKatalog(int n) {
    SeznamKatalogu k;
    for (int i = 0; i < n; ++i) {
        PolozkaKatalogu p;
        for (size_t b = 0; b < PocetPasem; ++b) {
            p.VlastniDrun[b] = 40 + (i * 7 + int(b) * 13) % 97 * 0.5 + 1e-3 * (i % 11);
            if (i % 2) p.Utlum[b] = (i + int(b)) % 30 * 0.25;
        }
        p.Nazev = (i % 2 ? "Tlumič ŽLUŤOUČKÝ " : "Ventilátor Řada ") + std::to_string(i);
        k[static_cast<size_t>(i % 2)].push_back(std::move(p));
    }
    return k;
}

// Empty when Qt's parse of the file holds exactly the catalogue's entries.
std::string RozdilOdQt(const QJsonDocument& d, const SkladKatalogu& katalog) {
    const char* klice[] = {"zdroje", "elementy"};
    for (int druh = 0; druh < PocetDruhuKatalogu; ++druh) {
        const QJsonArray a = d.object().value(QLatin1String(klice[druh])).toArray();
        const auto& s = katalog.Polozky(druh);
        if (size_t(a.size()) != s.size()) return "the counts differ";
        for (size_t i = 0; i < s.size(); ++i) {
            const QJsonObject o = a[qsizetype(i)].toObject();
            if (o.value(QStringLiteral("nazev")).toString().toStdString() != s[i].Nazev)
                return "names differ at " + std::to_string(i);
            const QJsonArray v = o.value(druh == KatalogZdroj ? QStringLiteral("vykon")
                                                              : QStringLiteral("vlastniDrun"))
                                     .toArray();
            for (size_t b = 0; b < PocetPasem; ++b)
                if (v[qsizetype(b)].toDouble() != s[i].VlastniDrun[b])
                    return "values differ at " + std::to_string(i);
        }
    }
    return {};
}

// The catalogue file as the program writes it, in its order.
QString PripravSoubor(const QTemporaryDir& slozka, int n) {
    const QString soubor = slozka.filePath(QStringLiteral("katalog.json"));
    SkladKatalogu k(soubor.toStdString(), 0, 150, CeskePoradi());
    std::vector<RadekKatalogu> radky;
    const SeznamKatalogu v = VelkyKatalog(n);
    for (int d = 0; d < PocetDruhuKatalogu; ++d)
        for (const PolozkaKatalogu& p : v[size_t(d)])
            radky.push_back({d, p, 0});
    std::vector<ChybnyRadek> chyby;
    int pridano = 0;
    k.Pridej(radky, chyby, pridano);
    return soubor;
}

void CteniKatalogu(benchmark::State& st) {
    QTemporaryDir slozka;
    const QString soubor = PripravSoubor(slozka, int(st.range(0)));
    std::string bajty;
    CtiSoubor(soubor.toStdString(), bajty);
    const QByteArray json = QByteArray::fromStdString(bajty);
    {
        SkladKatalogu k(soubor.toStdString(), 0, 150, CeskePoradi());
        k.Obnov();
        const std::string rozdil = RozdilOdQt(QJsonDocument::fromJson(json), k);
        if (!rozdil.empty() || k.Polozky(KatalogZdroj).size() + k.Polozky(KatalogElement).size() !=
                                   size_t(st.range(0)))
            return st.SkipWithError(("the floor does not read the same: " + rozdil).c_str());
    }
    Porovnej(
        st, "x_json", [] {},
        [&] {
            SkladKatalogu k(soubor.toStdString(), 0, 150, CeskePoradi());
            k.Obnov();
            benchmark::DoNotOptimize(k.Polozky(KatalogZdroj).data());
        },
        [&] {
            const QJsonDocument d = QJsonDocument::fromJson(json);
            benchmark::DoNotOptimize(d.isObject());
        });
}

void ImportCsv(benchmark::State& st) {
    QTemporaryDir slozka;
    const std::string csv = KatalogDoCsv(VelkyKatalog(int(st.range(0))));
    {
        const CsvKatalogu v = KatalogZCsv(csv, 0, 150);
        if (!v.Ok || !v.Chyby.empty() || v.Polozky.size() != size_t(st.range(0)))
            return st.SkipWithError("the import does not read every row");
    }
    int kolo = 0;
    Porovnej(
        st, "x_zaznamy", [] {},
        [&] {
            SkladKatalogu k(slozka.filePath(QStringLiteral("k%1.json").arg(++kolo)).toStdString(),
                            0, 150, CeskePoradi());
            const CsvKatalogu v = KatalogZCsv(csv, 0, 150);
            std::vector<ChybnyRadek> chyby;
            int pridano = 0;
            k.Pridej(v.Polozky, chyby, pridano);
        },
        [&] { benchmark::DoNotOptimize(ZaznamyCsv(csv).size()); });
}

} // namespace

BENCHMARK(CteniKatalogu)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(ImportCsv)->Arg(50000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    return SpustBenchmarky(argc, argv, {{"CteniKatalogu/100000", "x_json", 1.5}});
}
