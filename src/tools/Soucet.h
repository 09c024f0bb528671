#pragma once

#include <array>
#include <utility>
#include <vector>

#include "core/DrunVar.h"
#include "tools/NR.h"

// Several paths ending in one room: their end spectra add up energetically.
namespace drun {

// Per band the energetic sum of the spectra's levels. A band that is exactly 0
// carries no sound and takes no part; a band 0 in every spectrum stays 0.
// L(A) is computed from the summed bands.
Spectrum SoucetSpekter(const std::vector<Spectrum>& spektra);

// The sum of fixed spectra kept so that one more spectrum is added in constant
// time per band (many files and the calculation being edited). The energies
// are added exactly, in fixed point, so a sum has the same bits whatever the
// order or grouping of its terms: always what SoucetSpekter of all gives (up
// to 2^32 - 1 levels in a band; more are summed in floating point).
class CastecnySoucet {
  public:
    explicit CastecnySoucet(const std::vector<Spectrum>& spektra = {});
    // The sum of the spectra held and `dalsi` (none: of those held alone).
    Spectrum Soucet(const Spectrum* dalsi = nullptr) const;

  private:
    using Energie = unsigned __int128;
    struct Pasmo {
        std::vector<double> hladiny; // the levels that are not 0
        double max = 0;
        bool konecne = true;
        // The energy of `hladiny` against the last few references used.
        mutable std::vector<std::pair<double, Energie>> energie;
        double Soucet(double dalsi) const; // dalsi 0: none
        Energie EnergieVuci(double reference) const;
    };
    static Energie Kvantum(double hladina, double reference);
    std::array<Pasmo, PocetPasem> pasma_;
};

// The sum set against its own requirement, as the main window sets the
// result against the calculation's.
struct VysledekSouctu {
    Spectrum Soucet = NulaSpektrum();
    Spectrum Pozadavek = NulaSpektrum();
    Spectrum Rozdil = NulaSpektrum(); // all nine positions subtracted
    HodnoceniNR NR;
    HodnoceniNC NC;
    HodnoceniRC RC;
};
VysledekSouctu SectiCesty(const std::vector<Spectrum>& konce, const Spectrum& pozadavek);
// The same of a sum already made.
VysledekSouctu VyhodnotSoucet(const Spectrum& soucet, const Spectrum& pozadavek);

} // namespace drun
