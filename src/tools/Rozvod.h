#pragma once

#include <array>
#include <memory>
#include <optional>
#include <stop_token>
#include <string>
#include <vector>

#include "core/DrunVar.h"
#include "tools/Navrh.h"
#include "tools/Soucet.h"

// One fan's duct network to many rooms: a tree of sections (úseky). The first
// starts with the source; every other branches off behind an element of its
// parent's own elements. The path of a section (the source, along its
// ancestors up to their branch points, then its own elements) evaluates as
// the same path alone would; each element is evaluated once, the level behind
// a shared element carried into every branch.
namespace drun {

struct Usek {
    int Id = 0;
    int Rodic = 0;         // 0: the first section, from the source
    int ZaElementem = 0;   // the parent's own element it starts behind (1 = its first)
    std::string Mistnost;  // the room it ends in; empty when it ends in none
    std::string Pozadavek; // the room's requirement as written; may be empty
    std::vector<TElementSite> Prvky;
    int Chybny = 0; // the first own element its model could not compute (1-based), 0 none
};

// The section's last element is a room.
bool KonciMistnosti(const Usek& u);

// A broken rule of the structure: the section (its index), which of its
// parts and why, in Czech.
enum class CastUseku { Usek, Id, Rodic, ZaElementem, Mistnost, Pozadavek, Prvky };
struct ChybaUseku {
    size_t Usek = 0;
    CastUseku Cast = CastUseku::Usek;
    std::string Proc;
};
// The first broken rule in file order: unique Ids of at least 1, the first
// section from the source and only it, a parent standing before its child
// (named apart: an unknown one, a loop, one standing after), sections nested
// at most NejvetsiHloubkaRozvodu levels, a branch point within the parent's
// elements and not at a room, a room element only last and then with its
// name, a requirement only with a room and one per room.
std::optional<ChybaUseku> ChybaStruktury(const std::vector<Usek>& useky);
// Levels of sections (the first section is level 1). No real network comes
// near it; a deeper chain would only strain every walk along its paths.
constexpr int NejvetsiHloubkaRozvodu = 1000;
// "rozvod smí mít nejvýše 1000 úrovní úseků", for every message about it.
std::string MezHloubky();

struct MistnostRozvodu {
    std::string Nazev;
    std::string Pozadavek;           // as its section gives it; empty when none does
    std::vector<size_t> Useky;       // its sections, in file order
    Spectrum Konec = NulaSpektrum(); // the energetic sum of their path ends
    bool Chyba = false; // some of its paths holds an element that could not be computed
};

class Rozvod {
  public:
    std::string Akce;

    // The sections (ChybaStruktury empty), every one evaluated.
    void NastavUseky(std::vector<Usek> useky);
    const std::vector<Usek>& Useky() const { return useky_; }
    // Every section and room evaluated again (the structure as it is).
    void Prepocitej();
    // The index of the section of this Id; -1 when there is none.
    int Index(int id) const;

    // Own element n (1-based) of section u becomes e; only what lies behind
    // it is evaluated again. The number of rooms the change reaches.
    int ZmenPrvek(size_t u, int n, const TElementSite& e);
    // e goes behind own element k of section u: whatever element k fed (its
    // later elements, the sections branching at k or later) is fed through e.
    int VlozPrvek(size_t u, int k, const TElementSite& e);

    // Rooms in the order of their first sections.
    const std::vector<MistnostRozvodu>& Mistnosti() const { return mistnosti_; }
    // The room section u ends in, -1 when none.
    int MistnostUseku(size_t u) const { return mistnostUseku_[u]; }
    // The level at the end of section u's path.
    const Spectrum& Konec(size_t u) const { return konec_[u]; }
    // Whether section u's path holds an element that could not be computed.
    bool ChybaCesty(size_t u) const { return chybaVstupu_[u] || useky_[u].Chybny != 0; }
    // The path of section u as (section index, own element) from the source.
    std::vector<std::pair<size_t, int>> PoradiCesty(size_t u) const;
    // Its elements, as a data file of that path holds them.
    std::vector<TElementSite> PrvkyCesty(size_t u) const;
    // The sections whose paths pass behind own element k of section u, in file order.
    std::vector<size_t> Napajene(size_t u, int k) const;
    // The rooms those sections end in.
    int NapajeneMistnosti(size_t u, int k) const;
    // Section u and every section branching off it or its branches, in file order.
    std::vector<size_t> Vetve(size_t u) const;

    // The ends of every section's path with e placed behind own element k of
    // section u (`napajene` as Napajene gives them); the rozvod stays as it is.
    void KonceS(size_t u, int k, const std::vector<size_t>& napajene, const TElementSite& e,
                std::vector<Spectrum>& konce) const;
    // A room's sum of the ends given per section.
    Spectrum SoucetMistnosti(size_t m, const std::vector<Spectrum>& konce) const;

  private:
    void Spocti(size_t u, int od);
    void Vstup(size_t u);
    int PrepocitejOd(size_t u, int od);
    void SectiMistnost(size_t m);

    std::vector<Usek> useky_;
    std::vector<int> rodic_; // parent's index, -1 for the first section
    std::vector<std::vector<size_t>> deti_;
    std::vector<Spectrum> vstup_, konec_;
    std::vector<char> chybaVstupu_;
    std::vector<int> mistnostUseku_;
    std::vector<MistnostRozvodu> mistnosti_;
    // What a change reached, kept between changes.
    std::vector<size_t> dotcene_, dale_, zmeneny_;
    std::vector<int> dotcena_;
    // For a section of a room fed several times: the sum of the room's other
    // sections' ends while they stay as they are.
    std::vector<std::optional<CastecnySoucet>> ostatni_;
    // Scratch levels of KonceS, per section and own element.
    mutable std::vector<std::vector<Spectrum>> urovne_;
};

// The remedy behind own element k of the section of Id `id` for every room
// it feeds: the attenuation needed (each band the smallest tenth that makes
// all of them meet), for each band none can meet the first such room and the
// element whose own noise reaches it loudest among those an attenuation there
// cannot remove, and the silencers (without their data none) and the linings
// that make all of them meet. A section the silencer refuses (ChybaPrurezu)
// offers no candidates: the attenuation needed alone. Once a stop is requested
// the answer is incomplete and to be thrown away.
struct BlokujeRozvod {
    int Usek = 0, Cislo = 0; // section Id and own element; 0 when none makes noise there
    std::string Mistnost;
};
struct NavrhRozvodu {
    PotrebnyUtlum Utlum;
    std::array<BlokujeRozvod, PocetPasem> Blokuje{};
    std::vector<KandidatTlumice> Tlumice;
    std::vector<KandidatOblozeni> Oblozeni;
};
// Why nothing can be designed there, or empty.
std::string ChybaNavrhuRozvodu(const Rozvod& r, int id, int k);
NavrhRozvodu SpoctiNavrhRozvodu(const Rozvod& r, int id, int k, const DrunVar& var, double a,
                                double b, double q, const DataTlumice* data,
                                std::stop_token stop = {});
// As drun-protokol --navrh prints it, the linings (TextOblozeni) to follow.
std::string TextNavrhuRozvodu(const Rozvod& r, int id, int k, const NavrhRozvodu& n, int kandidatu);

} // namespace drun
