#pragma once

#include <QCollator>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <string>

#include "io/SkladKatalogu.h"

class QFileSystemWatcher;

// Names in the order of the Czech alphabet, numbers by their value.
inline drun::PoradiNazvu CeskePoradi() {
    auto c = std::make_shared<QCollator>(QLocale(QLocale::Czech, QLocale::CzechRepublic));
    c->setNumericMode(true);
    return [c](const std::string& a, const std::string& b) {
        return c->compare(QString::fromStdString(a), QString::fromStdString(b)) < 0;
    };
}

// The catalogue of named sources and general elements, kept for the user in
// one file shared by every running DRUN: the store (io) behind a lock file
// beside it, its messages shown, its changes made elsewhere followed.
class TKatalog : public QObject {
    Q_OBJECT
  public:
    // Values of an entry lie within the level limits min..max.
    TKatalog(double min, double max, QObject* parent = nullptr);
    ~TKatalog() override;

    // katalog.json in the user's data folder for DRUN; a catalogue left in the
    // folder older versions used is moved there first.
    static QString VychoziSoubor();
    // Another file (tests, before first use); it is read on next use.
    void NastavSoubor(const QString& soubor);
    QString Soubor() const;

    // The entries of a kind, sorted by name. The file is read on first use; a
    // damaged one is reported once, its good entries loaded.
    const std::vector<drun::PolozkaKatalogu>& Polozky(int druh);
    const drun::PolozkaKatalogu* Najdi(int druh, const std::string& nazev);

    // Each change is made against the file as it is now and written at once;
    // when the entry is not valid or the file cannot be written, a message
    // says why, nothing changes and the result is false.
    bool Uloz(int druh, drun::PolozkaKatalogu p); // adds, or replaces the same name
    bool Prejmenuj(int druh, const std::string& stary, const std::string& novy);
    bool Vypust(int druh, const std::string& nazev);
    // Adds the imported entries in one write. An entry whose name is already
    // there keeps the catalogue's values and is reported in `chyby`.
    bool Pridej(const std::vector<drun::RadekKatalogu>& polozky,
                std::vector<drun::ChybnyRadek>& chyby, int& pridano);

    double Min() const { return sklad_.Min(); }
    double Max() const { return sklad_.Max(); }

  public slots:
    // Reads the file again when another program changed it.
    void Obnov();

  signals:
    void Zmenen(); // the entries changed, here or elsewhere

  private:
    bool Proved(const std::function<drun::VysledekSouboru()>& zmena);
    void Ukaz(const drun::VysledekSouboru& r);
    void Sleduj();

    drun::SkladKatalogu sklad_;
    QFileSystemWatcher* hlidac_;
    bool precteno_ = false;
    unsigned verze_ = 0;
};
