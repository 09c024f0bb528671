#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/Vstupy.h"

// The calculation's data: spectra, the element record, the path and the
// program-wide state that one calculation session keeps.
namespace drun {

// Bands 0..7 in dB, index 8 is L(A) derived from them.
using Spectrum = std::array<double, 9>;
constexpr int LA = 8;

constexpr std::array<int, PocetPasem> StredniKmitocty{63, 125, 250, 500, 1000, 2000, 4000, 8000};
constexpr std::array<int, PocetPasem> DolniMezePasem{45, 90, 180, 355, 700, 1400, 2800, 5600};
// Ninth entry is never read; it keeps the table the shape of a spectrum.
constexpr std::array<double, 9> VahaA{-26.2, -16.1, -8.6, -3.2, 0.0, 1.2, 1.0, -1.1, 0.0};
extern const std::array<const char*, PocetPasem> NazvyPasem; // "63Hz" ... "8kHz"

// Writes position 9 from bands 1..8 and the weighting table.
void SpoctiLA(Spectrum& s, const std::array<double, 9>& vaha = VahaA);
void NaplnSpektrum(Spectrum& s, double hodnota);
Spectrum NulaSpektrum();

struct TElementSite {
    TElementSite();

    std::int32_t Cislo = 1; // position in the path, 1-based
    std::string Popis;
    // What its dialog or the data file gave it; the alternative is the type.
    VstupyElementu Vstupy;

    Spectrum Utlum;       // attenuation
    Spectrum VlastniDrun; // self-noise (the source's sound power for type 1)
    Spectrum Mezisoucet;  // subtotal
    Spectrum ZaElementem; // level behind

    std::uint8_t Typ() const { return static_cast<std::uint8_t>(Vstupy.index()); }
    std::string NazevTypu() const;
    // Another type starts from that type's default inputs; the same type keeps its own.
    void NastavTyp(std::uint8_t typ);
    // The inputs of the element's own type V.
    template <class V> V& Vstup() { return std::get<V>(Vstupy); }
    template <class V> const V& Vstup() const { return std::get<V>(Vstupy); }
};

// "1     Zdroj drunu": the line of an element in the element list.
std::string RadekSeznamu(const TElementSite& e);

// The ordered path. Element k (1-based) sits at index k-1 and carries Cislo == k.
// The source is always element 1 and never leaves the path.
class Cesta {
  public:
    Cesta();
    // A copy holds copies of the elements (background work takes one).
    Cesta(const Cesta& c);
    Cesta& operator=(const Cesta& c);
    Cesta(Cesta&&) noexcept = default;
    Cesta& operator=(Cesta&&) noexcept = default;

    int Pocet() const { return static_cast<int>(prvky_.size()); }
    TElementSite& Prvek(int cislo) { return *prvky_[static_cast<size_t>(cislo - 1)]; }
    const TElementSite& Prvek(int cislo) const { return *prvky_[static_cast<size_t>(cislo - 1)]; }
    TElementSite& Prvni() { return Prvek(1); }
    TElementSite& Posledni() { return Prvek(Pocet()); }
    const TElementSite& Posledni() const { return Prvek(Pocet()); }
    TElementSite& Aktualni() { return Prvek(aktualni_); }
    const TElementSite& Aktualni() const { return Prvek(aktualni_); }
    int AktualniCislo() const { return aktualni_; }
    // The element before e, or nullptr for the source.
    const TElementSite* Predchozi(const TElementSite& e) const;

    // Back to the source alone (a fresh source with zero spectra).
    void Zaloz();
    // current := element n; out-of-range n is clamped to the path.
    void NajdiElement(int n);
    // New empty element right after current; it becomes current.
    void VlozElement();
    // Removes element n (2..last), current := its predecessor.
    // Returns false (and does nothing) for the source or a number outside the path.
    bool VypustElement(int n);
    // The path becomes these elements (renumbered); current := the source.
    void NastavPrvky(std::vector<TElementSite> prvky);
    // Puts back a copy of an element (used to undo a failed change).
    void NahradAktualni(const TElementSite& e);

    bool ObsahujeTyp(std::uint8_t typ) const;
    // The number of the room, 0 when the path has none.
    int CisloMistnosti() const;

  private:
    void Precisluj(int od);
    std::vector<std::unique_ptr<TElementSite>> prvky_;
    int aktualni_ = 1;
};

// The two user settings kept in DRUN.CFG.
struct Parametry {
    int DelkaStranky = 60;
    bool AutoUlozeni = true;
};

// The last values entered in the element dialogs (metres, m3/h), shared across
// element types, and the room's tables. One value, written by the core only
// (ZapamatujVstupy and the compute steps), so a failed read restores it whole.
struct PosledniVstupy {
    double PosledniA = 0.5;
    double PosledniB = 0.5;
    double PosledniDelka = 1.0;
    double PosledniPrutok = 1000;
    double PosledniPrumer = 0.5;
    double PosledniRadius = 0.15;
    static constexpr double VychoziA2 = 0.5;
    static constexpr double VychoziB2 = 0.5;
    double PosledniOdbPrutok = 1000;
    double PosledniSirkaVlozek = 200; // mm
    std::uint8_t PosledniPocetVlozek = 1;
    std::uint8_t PosledniPocetZdroju = 2;
    double PosledniPlochaSten = 100;
    // The tables a new room is offered: the last room's.
    RadaPasem Pohltivost = VstupyMistnost{}.Pohltivost;
    RadaPasem Smerovost = VstupyMistnost{}.Smerovost;
};

// The level limits of every band a user or a file gives, dB.
constexpr std::uint8_t UrovenMin = 0, UrovenMax = 150;

// Program-wide state of one running program.
struct DrunVar {
    // Files beside the executable.
    std::string SouborDat = "DRUN.DRN";
    std::string SouborCfg = "DRUN.CFG";
    std::string SouborTlumice = "KL385216.CAD";
    void NastavSlozku(const std::string& slozka); // slozka ends with a separator or is empty

    Cesta cesta;

    std::string Akce; // at most 60 characters
    bool Hlasky = false;
    std::uint8_t MinUroven = UrovenMin;
    std::uint8_t MaxUroven = UrovenMax;

    Spectrum Pozadavek = NulaSpektrum();
    Spectrum Vysledek = NulaSpektrum();
    Spectrum Rozdil = NulaSpektrum();

    PosledniVstupy vstupy;

    Parametry parametry;
};

constexpr std::size_t MaxDelkaAkce = 60;
// First n characters of a UTF-8 text (by code points, never splitting one).
std::string PrvnichZnaku(const std::string& utf8, std::size_t n);

// The first invariant of the path that does not hold, or nullptr: numbers
// 1..N in order, exactly one source and it first, at most one room, the
// current element inside, every level of every spectrum finite.
const char* PorusenyInvariant(const Cesta& c);

// Whether the path holds the room (there is at most one).
inline bool MistnostVCeste(const DrunVar& var) {
    return var.cesta.ObsahujeTyp(TypMistnost);
}

// After a confirmed element dialog: the current element's inputs become the
// remembered ones its type shares.
void ZapamatujVstupy(DrunVar& var);

// What a new element of kind `kod` is offered: the kind's usual inputs with
// the remembered values it shares with the other kinds, each only where the
// kind's range admits it.
VstupyElementu NabidnuteVstupy(int kod, const PosledniVstupy& p);

// A new calculation: the path holds the source alone, no room, limits 0..150,
// empty Akce. Requirement, saved flag, parameters and remembered inputs stay.
void ZalozVypocet(DrunVar& var);

} // namespace drun
