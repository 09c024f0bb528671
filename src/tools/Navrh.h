#pragma once

#include <array>
#include <functional>
#include <optional>
#include <span>
#include <stop_token>
#include <string>
#include <vector>

#include "core/DrunVar.h"
#include "models/ObPotrubi.h"
#include "models/Tlumic.h"

// From "too loud" to the remedy: what must be attenuated behind an element,
// which splitter silencers or linings do it there, and which noise origins
// make the result. Every answer comes from the path's own evaluation of
// elements placed or changed in it; the path itself is never touched.
// The searches take a stop token: once a stop is requested they return
// promptly with an incomplete answer, which the caller throws away.
namespace drun {

// Why nothing can be designed behind element k against this requirement, or
// empty: k must lie in the path and before the room, and the requirement must
// be set (not 0 in every band).
std::string ChybaNavrhu(const Cesta& c, int k, const Spectrum& pozadavek);

enum class StavPasma : std::uint8_t {
    BezPozadavku, // the requirement is 0 in this band
    Utlum,        // the attenuation needed, in Utlum
    Nelze,        // the elements behind k are too loud themselves
};

struct PotrebnyUtlum {
    std::array<StavPasma, PocetPasem> Stav{};
    // Multiples of 0.1 dB.
    std::array<double, PocetPasem> Utlum{};
    // For a band that cannot be met: the element behind k whose own noise
    // reaches the end loudest there; 0 when none of them makes any.
    std::array<int, PocetPasem> Blokuje{};
};
// What an element without self-noise behind element k must attenuate in each
// band so that the end level is at or below the requirement there.
// ChybaNavrhu must be empty.
PotrebnyUtlum SpoctiPotrebnyUtlum(const Cesta& c, int k, const Spectrum& pozadavek,
                                  std::stop_token stop = {});
// True when nothing more is needed: every band with a requirement meets it
// without any attenuation.
bool PozadavekSplnen(const PotrebnyUtlum& u);

// The search behind SpoctiPotrebnyUtlum for whatever lies behind the element:
// `splni` tells, for an element of no self-noise placed behind it, the bands
// in which every end it feeds meets its requirement; `urovenK` is the level
// behind the element. Bands that even an attenuation removing them cannot
// meet are Nelze (Blokuje left to the caller).
// An element of no self-noise that removes every band of the level urovenK.
TElementSite PlneTlumeni(const Spectrum& urovenK);
using PasmaPozadavku = std::array<bool, PocetPasem>;
PotrebnyUtlum HledejUtlum(const Spectrum& urovenK, const PasmaPozadavku& maPozadavek,
                          const std::function<PasmaPozadavku(const TElementSite&)>& splni,
                          std::stop_token stop = {});
// Among elements in path order reaching an end, the one whose own noise in
// band i reaches it loudest, carried down by the later elements' attenuations
// and corrections; the first on a tie. Its index and level there, -1 when none
// makes noise in the band.
int Nejhlucnejsi(std::span<const TElementSite* const> prvky, int i, double& hladina);

// A splitter silencer that meets the requirement behind element k.
struct KandidatTlumice {
    RozmeryTlumice Rozmery; // A, B in mm
    double Mezera = 0;      // passage width, mm
    double Rychlost = 0;    // air velocity in the passages, m/s
    double Rezerva = 0;     // smallest (requirement - end level), dB
    Spectrum Utlum{};       // the silencer's own attenuation
    Spectrum Konec{};       // the end level with it in the path
};
// Every silencer of section a x b mm for flow q (m3/h) that the silencer
// element accepts and that, placed behind element k, keeps the end level at
// or below the requirement in every band that has one. Shortest first, then
// the slower air, the narrower splitters, the fewer splitters.
// ChybaNavrhu must be empty.
std::vector<KandidatTlumice> NajdiTlumice(const DrunVar& var, int k, const Spectrum& pozadavek,
                                          double a, double b, double q, const DataTlumice& data,
                                          std::stop_token stop = {});

// A lined rectangular duct that meets the requirement behind element k.
struct KandidatOblozeni {
    int Tloustka = 0;   // mm of lining
    int Delka = 0;      // m
    double Rezerva = 0; // smallest (requirement - end level), dB
    Spectrum Utlum{};   // the duct's own attenuation
    Spectrum Konec{};   // the end level with it in the path
};
constexpr std::array<int, 2> TloustkyOblozeni{25, 50};     // mm
constexpr int OblozeniDelkaMin = 1, OblozeniDelkaMax = 20; // m, whole metres
// For each lining thickness, the shortest lined duct of section a x b mm and
// flow q (m3/h) that, placed behind element k, meets the requirement; the
// shortest first, then the thinner. ChybaNavrhu must be empty.
std::vector<KandidatOblozeni> NajdiOblozeni(const Cesta& c, int k, const Spectrum& pozadavek,
                                            double a, double b, double q,
                                            std::stop_token stop = {});
// The lined duct's inputs (its description empty).
VstupyObHrPotrubi VstupyOblozeni(const KandidatOblozeni& o, double a, double b, double q);

// What each noise origin (the source and every element with its own noise)
// alone contributes to the end level: its own noise minus every later
// attenuation, plus 10 lg n of every later several-sources element that the
// evaluation reaches with a non-zero level; carried linearly, so possibly
// negative. No value where its own noise is exactly 0.
struct PodilPuvodu {
    int Cislo = 0;
    std::array<bool, PocetPasem> Ma{}; // has its own noise in the band
    Spectrum Uroven{};                 // [LA] over the bands it has, when it has any
    bool MaLA() const;
};
struct PodilyHladiny {
    std::vector<PodilPuvodu> Puvody; // in path order, the source first
    Spectrum Celkem{};               // the end level, as evaluated
    // Per band, the origin that contributes most (the first on a tie); 0 when none.
    std::array<int, PocetPasem> Rozhoduje{};
};
PodilyHladiny PodilyNaKonci(const Cesta& c);
// drun-protokol --podily: a heading, one line per origin, "Celkem".
std::string TextPodilu(const Cesta& c, const PodilyHladiny& p);

// The smallest margin of an end level against the requirement over the bands
// that have one, or nullopt when a band is above it.
std::optional<double> Rezerva(const Spectrum& konec, const Spectrum& pozadavek);

// The searches behind NajdiTlumice and NajdiOblozeni for whatever lies behind
// the element: for an element e placed there `rezerva` gives the smallest
// margin and an end level, or nothing when it does not meet every
// requirement. Sorted as NajdiTlumice and NajdiOblozeni.
using RezervaPrvku = std::function<std::optional<double>(const TElementSite&, Spectrum&)>;
std::vector<KandidatTlumice> HledejTlumice(double a, double b, double q, const DataTlumice& data,
                                           const RezervaPrvku& rezerva, std::stop_token stop = {});
std::vector<KandidatOblozeni> HledejOblozeni(double a, double b, double q,
                                             const RezervaPrvku& rezerva,
                                             std::stop_token stop = {});

// How much the end level (8 bands and L(A)) falls when an element's own noise
// is gone, and when its attenuation is 3 dB higher.
struct VlivElementu {
    int Cislo = 0;
    Spectrum BezDrunu{};
    Spectrum VyssiUtlum{};
};
constexpr double PridavekUtlumu = 3; // dB
// Every element of the path; those that matter most in the band that sets
// the NR of the result come first.
std::vector<VlivElementu> CoRozhoduje(const Cesta& c);

// The design as text, UTF-8, tab-separated, one line per LF: the position,
// the attenuation needed, the bands that cannot be met with their loudest
// element, then at most `kandidatu` silencers or "Žádný tlumič nevyhoví".
std::string TextNavrhu(const Cesta& c, int k, const PotrebnyUtlum& u,
                       const std::vector<KandidatTlumice>& tlumice, int kandidatu);
// The linings as text to follow it: a heading and one line each, or
// "Žádné obložení nevyhoví".
std::string TextOblozeni(const std::vector<KandidatOblozeni>& oblozeni);

// The parts of TextNavrhu: the line of the attenuation needed, and the silencers.
std::string RadekUtlumu(const PotrebnyUtlum& u);
std::string TextKandidatu(const std::vector<KandidatTlumice>& tlumice, int kandidatu);

// The section (mm) and flow of an element whose kind has them (the kinds'
// table says which: the rectangular ducts, a bend, a branch's own side, a
// silencer, a damper).
struct PrurezPrutok {
    double A = 0, B = 0, Q = 0;
};
std::optional<PrurezPrutok> PrurezElementu(const TElementSite& e);

// The section and flow at the place behind element k of a path (its elements
// in order, k from 1): element k's when it has them, else those of the
// nearest element before it that has them, else of the nearest after it.
// Cislo is the element they come from, 0 when no element has them.
struct PrurezNaMiste {
    int Cislo = 0;
    PrurezPrutok Hodnoty{};
};
PrurezNaMiste PrurezNaPozici(std::span<const TElementSite* const> prvky, int k);
PrurezNaMiste PrurezNaPozici(const Cesta& c, int k);

// Checks a section and a flow as the silencer dialog's fields do; empty when
// they are fine, otherwise the Czech message.
std::string ChybaPrurezu(double a, double b, double q);

} // namespace drun
