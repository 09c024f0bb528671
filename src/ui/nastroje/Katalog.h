#pragma once

#include <QString>
#include <functional>
#include <string>

#include "io/Katalog.h"

// The catalogue of named sources and general elements, kept for the user in
// one JSON file, independent of any calculation file.
class TKatalog {
  public:
    // Values of an entry lie within the level limits min..max.
    TKatalog(double min, double max);

    // katalog.json in the user's data folder for DRUN.
    static QString VychoziSoubor();
    // Another file (tests, before first use); it is read on next use.
    void NastavSoubor(const QString& soubor);
    const QString& Soubor() const { return soubor_; }

    // The entries of a kind, sorted by name. The file is read on first use; a
    // damaged file is reported once, kept aside and the catalogue starts empty.
    const std::vector<drun::PolozkaKatalogu>& Polozky(int druh);
    const drun::PolozkaKatalogu* Najdi(int druh, const std::string& nazev);

    // Each change is written to the file at once; when the entry is not valid
    // or the file cannot be written, a message says why, nothing changes and
    // the result is false.
    bool Uloz(int druh, drun::PolozkaKatalogu p); // adds, or replaces the same name
    bool Prejmenuj(int druh, const std::string& stary, const std::string& novy);
    bool Vypust(int druh, const std::string& nazev);
    // Adds the imported entries in one write. An entry whose name is already
    // there keeps the catalogue's values and is reported in `chyby`.
    bool Pridej(const std::vector<drun::RadekKatalogu>& polozky,
                std::vector<drun::ChybnyRadek>& chyby, int& pridano);

    double Min() const { return min_; }
    double Max() const { return max_; }

  private:
    void Nacti();
    bool Zmen(const std::function<bool(drun::SeznamKatalogu&)>& zmena);
    bool Zapis(const drun::SeznamKatalogu& k);

    double min_, max_;
    QString soubor_;
    bool nacteno_ = false;
    bool jenCteni_ = false; // a damaged file could not be kept aside: never overwrite it
    drun::SeznamKatalogu polozky_;
};
