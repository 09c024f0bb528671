#include "ui/nastroje/Katalog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QLockFile>
#include <QStandardPaths>

#include "ui/spolecne/Hlaseni.h"

using namespace drun;

namespace {

std::string NativniCesta(const QString& soubor) {
    return QFile::encodeName(soubor).toStdString();
}

} // namespace

TKatalog::TKatalog(double min, double max, QObject* parent)
    : QObject(parent), sklad_(NativniCesta(VychoziSoubor()), min, max, CeskePoradi()),
      hlidac_(new QFileSystemWatcher(this)) {
    connect(hlidac_, &QFileSystemWatcher::fileChanged, this, &TKatalog::Obnov);
    connect(hlidac_, &QFileSystemWatcher::directoryChanged, this, &TKatalog::Obnov);
}

TKatalog::~TKatalog() = default;

QString TKatalog::VychoziSoubor() {
    const QString slozka =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/drun";
    const QString soubor = slozka + QStringLiteral("/katalog.json");
    // Earlier versions kept it a folder deeper; moved once, never overwriting.
    const QString stary = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
                          QStringLiteral("/katalog.json");
    if (stary == soubor || QFileInfo::exists(soubor) || !QFileInfo::exists(stary)) return soubor;
    if (!QDir().mkpath(slozka) || !QFile::rename(stary, soubor)) return stary;
    QDir().rmdir(QFileInfo(stary).absolutePath()); // only when nothing else is left there
    return soubor;
}

void TKatalog::NastavSoubor(const QString& soubor) {
    sklad_.NastavSoubor(NativniCesta(soubor));
    precteno_ = false;
    const QStringList stare = hlidac_->files() + hlidac_->directories();
    if (!stare.isEmpty()) hlidac_->removePaths(stare);
}

QString TKatalog::Soubor() const {
    return QFile::decodeName(sklad_.Soubor().c_str());
}

void TKatalog::Sleduj() {
    const QString soubor = Soubor();
    // The folder too: a save replaces the file by renaming another one over it.
    for (const QString& cesta : {soubor, QFileInfo(soubor).absolutePath()})
        if (QFileInfo::exists(cesta) && !hlidac_->files().contains(cesta) &&
            !hlidac_->directories().contains(cesta))
            hlidac_->addPath(cesta);
}

void TKatalog::Ukaz(const VysledekSouboru& r) {
    if (r.Zprava.empty()) return;
    if (r.Ok())
        hlaseni().Informace(QString::fromStdString(r.Zprava));
    else
        hlaseni().Chyba(QString::fromStdString(r.Zprava));
}

void TKatalog::Obnov() {
    precteno_ = true;
    Ukaz(sklad_.Obnov());
    Sleduj();
    if (verze_ != sklad_.Verze()) {
        verze_ = sklad_.Verze();
        emit Zmenen();
    }
}

const std::vector<PolozkaKatalogu>& TKatalog::Polozky(int druh) {
    if (!precteno_) Obnov();
    return sklad_.Polozky(druh);
}

const PolozkaKatalogu* TKatalog::Najdi(int druh, const std::string& nazev) {
    if (!precteno_) Obnov();
    return sklad_.Najdi(druh, nazev);
}

bool TKatalog::Proved(const std::function<VysledekSouboru()>& zmena) {
    QDir().mkpath(QFileInfo(Soubor()).absolutePath());
    // Another running DRUN changes the file only while it holds this lock.
    QLockFile zamek(Soubor() + QStringLiteral(".lock"));
    if (!zamek.tryLock(5000)) {
        hlaseni().Chyba(QStringLiteral("Katalog %1 právě mění jiný běžící DRUN, zkuste to "
                                       "prosím znovu.")
                            .arg(Soubor()));
        return false;
    }
    const VysledekSouboru obnova = sklad_.Obnov();
    Ukaz(obnova);
    if (obnova.Kod == KodVysledku::NelzeCist) return false;
    const VysledekSouboru r = zmena();
    zamek.unlock();
    Ukaz(r);
    Obnov();
    return r.Ok();
}

bool TKatalog::Uloz(int druh, PolozkaKatalogu p) {
    return Proved([&] { return sklad_.Uloz(druh, std::move(p)); });
}

bool TKatalog::Prejmenuj(int druh, const std::string& stary, const std::string& novy) {
    return Proved([&] { return sklad_.Prejmenuj(druh, stary, novy); });
}

bool TKatalog::Vypust(int druh, const std::string& nazev) {
    return Proved([&] { return sklad_.Vypust(druh, nazev); });
}

bool TKatalog::Pridej(const std::vector<RadekKatalogu>& polozky, std::vector<ChybnyRadek>& chyby,
                      int& pridano) {
    return Proved([&] { return sklad_.Pridej(polozky, chyby, pridano); });
}
