#pragma once

#include <vector>

#include "core/DrunVar.h"
#include "tools/NR.h"

// Several paths ending in one room: their end spectra add up energetically.
namespace drun {

// Per band the energetic sum of the spectra's levels. A band that is exactly 0
// carries no sound and takes no part; a band 0 in every spectrum stays 0.
// L(A) is computed from the summed bands.
Spectrum SoucetSpekter(const std::vector<Spectrum>& spektra);

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

} // namespace drun
