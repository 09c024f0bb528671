#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "core/Vysledek.h"
#include "io/Katalog.h"

namespace drun {

// The catalogue kept in its file and shared by every running program: each
// change is made against the file as it is now (read again when its bytes
// changed) and written at once. The caller holds a lock beside the file around
// each change, so that two programs never lose each other's entries.
class SkladKatalogu {
  public:
    using Poradi = PoradiNazvu;
    SkladKatalogu(std::string soubor, double min, double max, Poradi poradi = {});

    const std::string& Soubor() const { return soubor_; }
    // Another file, read on the next Obnov.
    void NastavSoubor(std::string soubor);

    // Reads the file again when its bytes changed since they were last read or
    // written; a missing file is an empty catalogue. Ok with an empty message
    // when there is nothing to tell. Poskozen, told once for one content: the
    // entries left out (the good ones are loaded) or why nothing could be read;
    // the damaged file is kept beside with ".poskozeny" before the next write.
    // NelzeCist, told once until the file can be read again: the entries stay
    // as they were and no change is written.
    VysledekSouboru Obnov();
    // Counts the changes of the entries, whoever made them.
    unsigned Verze() const { return verze_; }

    const std::vector<PolozkaKatalogu>& Polozky(int druh) const;
    const PolozkaKatalogu* Najdi(int druh, const std::string& nazev) const;

    // A refused change changes nothing and says why; Ok with a message tells
    // where a damaged file was kept.
    VysledekSouboru Uloz(int druh, PolozkaKatalogu p); // adds, or replaces the same name
    VysledekSouboru Prejmenuj(int druh, const std::string& stary, const std::string& novy);
    VysledekSouboru Vypust(int druh, const std::string& nazev); // Ok when it is not there
    // Adds the imported entries in one write. An entry whose name is already
    // there keeps the catalogue's values and is reported in `chyby`, which
    // come back in the order of their lines.
    VysledekSouboru Pridej(const std::vector<RadekKatalogu>& polozky,
                           std::vector<ChybnyRadek>& chyby, int& pridano);

    double Min() const { return min_; }
    double Max() const { return max_; }

  private:
    // Names (viewing into polozky_, rebuilt whenever it is replaced) to positions.
    using Index = std::array<std::unordered_map<std::string_view, size_t>, PocetDruhuKatalogu>;
    // Reads the file, makes `zmena` on a copy and writes it when `zmena` says so.
    VysledekSouboru Zmen(const std::function<VysledekSouboru(SeznamKatalogu&, bool&)>& zmena);
    VysledekSouboru Zapis(const SeznamKatalogu& k);
    void Prijmi(SeznamKatalogu k);
    void Zarad(std::vector<PolozkaKatalogu>& s, PolozkaKatalogu p) const;
    bool Pred(const std::string& a, const std::string& b) const;

    std::string soubor_;
    double min_, max_;
    Poradi poradi_;
    bool nacteno_ = false;
    // What the file held when it was last read or written; nullopt: no file.
    std::optional<std::string> bajty_;
    bool poskozeny_ = false; // bajty_ are damaged and not yet kept beside
    bool necitelny_ = false; // the file exists but could not be read
    SeznamKatalogu polozky_;
    Index index_;
    unsigned verze_ = 0;
};

} // namespace drun
