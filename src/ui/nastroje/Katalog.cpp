#include "ui/nastroje/Katalog.h"

#include <QCollator>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <algorithm>

#include "core/Soubory.h"
#include "ui/hlavni/Hlaseni.h"

using namespace drun;

namespace {

const char* const KlicDruhu[PocetDruhuKatalogu] = {"zdroje", "elementy"};

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

QJsonArray Pole(const std::array<double, PocetPasem>& h) {
    QJsonArray a;
    for (double x : h)
        a.append(x);
    return a;
}

bool ZPole(const QJsonValue& v, std::array<double, PocetPasem>& h) {
    const QJsonArray a = v.toArray();
    if (!v.isArray() || a.size() != PocetPasem) return false;
    for (int i = 0; i < PocetPasem; ++i) {
        if (!a[i].isDouble()) return false;
        h[static_cast<size_t>(i)] = a[i].toDouble();
    }
    return true;
}

void Serad(std::vector<PolozkaKatalogu>& s) {
    QCollator c(QLocale(QLocale::Czech, QLocale::CzechRepublic));
    c.setNumericMode(true);
    std::stable_sort(s.begin(), s.end(), [&c](const PolozkaKatalogu& a, const PolozkaKatalogu& b) {
        return c.compare(Q(a.Nazev), Q(b.Nazev)) < 0;
    });
}

// The catalogue the file holds, or the reason why it cannot be read.
QString ZJson(const QByteArray& data, double min, double max, SeznamKatalogu& k) {
    QJsonParseError e{};
    const QJsonDocument d = QJsonDocument::fromJson(data, &e);
    if (e.error != QJsonParseError::NoError)
        return QStringLiteral("chyba na pozici %1: %2").arg(e.offset).arg(e.errorString());
    if (!d.isObject()) return QStringLiteral("soubor neobsahuje katalog");
    for (int druh = 0; druh < PocetDruhuKatalogu; ++druh) {
        const QJsonValue v = d.object().value(QLatin1String(KlicDruhu[druh]));
        if (v.isUndefined()) continue;
        if (!v.isArray()) return QStringLiteral("chybný seznam „%1“").arg(KlicDruhu[druh]);
        for (const QJsonValue& pv : v.toArray()) {
            const QJsonObject o = pv.toObject();
            PolozkaKatalogu p;
            p.Nazev = o.value(QStringLiteral("nazev")).toString().toStdString();
            const bool ok =
                pv.isObject() && o.value(QStringLiteral("nazev")).isString() &&
                (druh == KatalogZdroj
                     ? ZPole(o.value(QStringLiteral("vykon")), p.VlastniDrun)
                     : ZPole(o.value(QStringLiteral("utlum")), p.Utlum) &&
                           ZPole(o.value(QStringLiteral("vlastniDrun")), p.VlastniDrun));
            if (!ok) return QStringLiteral("chybná položka v seznamu „%1“").arg(KlicDruhu[druh]);
            const std::string chyba = ChybaPolozky(p, min, max);
            if (!chyba.empty() || p.Nazev != UpravNazev(p.Nazev))
                return QStringLiteral("položka „%1“: %2").arg(Q(p.Nazev), Q(chyba));
            auto& s = k[static_cast<size_t>(druh)];
            if (std::any_of(s.begin(), s.end(),
                            [&p](const PolozkaKatalogu& q) { return q.Nazev == p.Nazev; }))
                return QStringLiteral("název „%1“ je tam dvakrát").arg(Q(p.Nazev));
            s.push_back(std::move(p));
        }
    }
    return {};
}

QByteArray DoJson(const SeznamKatalogu& k) {
    QJsonObject koren;
    for (int druh = 0; druh < PocetDruhuKatalogu; ++druh) {
        QJsonArray a;
        for (const PolozkaKatalogu& p : k[static_cast<size_t>(druh)]) {
            QJsonObject o;
            o.insert(QStringLiteral("nazev"), Q(p.Nazev));
            if (druh == KatalogZdroj) {
                o.insert(QStringLiteral("vykon"), Pole(p.VlastniDrun));
            } else {
                o.insert(QStringLiteral("utlum"), Pole(p.Utlum));
                o.insert(QStringLiteral("vlastniDrun"), Pole(p.VlastniDrun));
            }
            a.append(o);
        }
        koren.insert(QLatin1String(KlicDruhu[druh]), a);
    }
    return QJsonDocument(koren).toJson(QJsonDocument::Indented);
}

std::vector<PolozkaKatalogu>::iterator Hledej(std::vector<PolozkaKatalogu>& s,
                                              const std::string& nazev) {
    return std::find_if(s.begin(), s.end(),
                        [&nazev](const PolozkaKatalogu& p) { return p.Nazev == nazev; });
}

QString Uvozovky(const std::string& s) {
    return QStringLiteral("„") + Q(s) + QStringLiteral("“");
}

} // namespace

TKatalog::TKatalog(double min, double max) : min_(min), max_(max), soubor_(VychoziSoubor()) {}

QString TKatalog::VychoziSoubor() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/katalog.json");
}

void TKatalog::NastavSoubor(const QString& soubor) {
    soubor_ = soubor;
    nacteno_ = false;
    jenCteni_ = false;
    polozky_ = {};
}

void TKatalog::Nacti() {
    if (nacteno_) return;
    nacteno_ = true;
    std::string obsah;
    const KodVysledku st = CtiSoubor(QFile::encodeName(soubor_).toStdString(), obsah);
    if (st == KodVysledku::Chybi) return;
    SeznamKatalogu k;
    QString proc = st == KodVysledku::NelzeCist
                       ? QStringLiteral("nelze jej přečíst")
                       : ZJson(QByteArray::fromStdString(obsah), min_, max_, k);
    if (proc.isEmpty()) {
        for (auto& s : k)
            Serad(s);
        polozky_ = std::move(k);
        return;
    }
    // Kept aside under a free name, so the user can still look into it.
    QString stranou = soubor_ + QStringLiteral(".poskozeny");
    for (int i = 2; QFileInfo::exists(stranou); ++i)
        stranou = soubor_ + QStringLiteral(".poskozeny-%1").arg(i);
    const QString text = QStringLiteral("Soubor katalogu %1 je poškozený (%2).").arg(soubor_, proc);
    if (QFile::rename(soubor_, stranou)) {
        hlaseni().Chyba(
            text + QStringLiteral(" Byl odložen jako %1, katalog začíná prázdný.").arg(stranou));
    } else {
        jenCteni_ = true;
        hlaseni().Chyba(text + QStringLiteral(" Nelze jej odložit stranou, proto je katalog "
                                              "prázdný a do konce běhu se neukládá."));
    }
}

const std::vector<PolozkaKatalogu>& TKatalog::Polozky(int druh) {
    Nacti();
    return polozky_[static_cast<size_t>(druh)];
}

const PolozkaKatalogu* TKatalog::Najdi(int druh, const std::string& nazev) {
    Nacti();
    auto& s = polozky_[static_cast<size_t>(druh)];
    auto i = Hledej(s, nazev);
    return i == s.end() ? nullptr : &*i;
}

bool TKatalog::Zapis(const SeznamKatalogu& k) {
    if (jenCteni_) {
        hlaseni().Chyba(QStringLiteral("Katalog se do konce běhu neukládá, protože poškozený "
                                       "soubor %1 nešlo odložit.")
                            .arg(soubor_));
        return false;
    }
    const QByteArray json = DoJson(k);
    const bool ok = QDir().mkpath(QFileInfo(soubor_).absolutePath()) &&
                    ZapisAtomicky(QFile::encodeName(soubor_).toStdString(), json.toStdString());
    if (!ok) hlaseni().Chyba(QStringLiteral("Katalog nelze uložit do souboru %1.").arg(soubor_));
    return ok;
}

bool TKatalog::Zmen(const std::function<bool(SeznamKatalogu&)>& zmena) {
    Nacti();
    SeznamKatalogu k = polozky_;
    if (!zmena(k)) return false;
    for (auto& s : k)
        Serad(s);
    if (!Zapis(k)) return false;
    polozky_ = std::move(k);
    return true;
}

bool TKatalog::Uloz(int druh, PolozkaKatalogu p) {
    p.Nazev = UpravNazev(p.Nazev);
    if (druh == KatalogZdroj) p.Utlum = {};
    if (const std::string chyba = ChybaPolozky(p, min_, max_); !chyba.empty()) {
        hlaseni().Chyba(Q(chyba));
        return false;
    }
    return Zmen([&](SeznamKatalogu& k) {
        auto& s = k[static_cast<size_t>(druh)];
        if (auto i = Hledej(s, p.Nazev); i != s.end())
            *i = p;
        else
            s.push_back(p);
        return true;
    });
}

bool TKatalog::Prejmenuj(int druh, const std::string& stary, const std::string& novy) {
    return Zmen([&](SeznamKatalogu& k) {
        auto& s = k[static_cast<size_t>(druh)];
        auto i = Hledej(s, stary);
        if (i == s.end()) return false;
        PolozkaKatalogu p = *i;
        p.Nazev = UpravNazev(novy);
        if (p.Nazev == stary) return false;
        if (const std::string chyba = ChybaPolozky(p, min_, max_); !chyba.empty()) {
            hlaseni().Chyba(Q(chyba));
            return false;
        }
        if (Hledej(s, p.Nazev) != s.end()) {
            hlaseni().Chyba(QStringLiteral("Položka %1 už v katalogu je.").arg(Uvozovky(p.Nazev)));
            return false;
        }
        *i = std::move(p);
        return true;
    });
}

bool TKatalog::Vypust(int druh, const std::string& nazev) {
    return Zmen([&](SeznamKatalogu& k) {
        auto& s = k[static_cast<size_t>(druh)];
        auto i = Hledej(s, nazev);
        if (i == s.end()) return false;
        s.erase(i);
        return true;
    });
}

bool TKatalog::Pridej(const std::vector<RadekKatalogu>& polozky, std::vector<ChybnyRadek>& chyby,
                      int& pridano) {
    std::vector<ChybnyRadek> nove;
    int n = 0;
    const bool ok = Zmen([&](SeznamKatalogu& k) {
        for (const RadekKatalogu& r : polozky) {
            auto& s = k[static_cast<size_t>(r.Druh)];
            auto i = Hledej(s, r.Polozka.Nazev);
            if (i == s.end()) {
                s.push_back(r.Polozka);
                ++n;
            } else if (!(*i == r.Polozka)) {
                nove.push_back(ChybaNaRadku(r.CisloRadku, "položka „" + r.Polozka.Nazev +
                                                              "“ už v katalogu je s jinými "
                                                              "hodnotami, zůstávají původní."));
            }
        }
        return n > 0;
    });
    chyby.insert(chyby.end(), nove.begin(), nove.end());
    std::stable_sort(chyby.begin(), chyby.end(),
                     [](const ChybnyRadek& a, const ChybnyRadek& b) { return a.Radek < b.Radek; });
    pridano = ok ? n : 0;
    return ok || n == 0;
}
