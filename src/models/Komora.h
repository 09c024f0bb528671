#pragma once

#include <string>

#include "core/DrunVar.h"
#include "core/Kontroly.h"

namespace drun {

// A lined plenum box: an inlet on one end wall, an outlet on the opposite one.

// Attenuation (each band 0..40 dB) and self-noise (0 dB). A plenum that
// ChybaKomory refuses (a damaged element) is taken as the nearest one that fits.
void SpektraKomory(const VstupyKomory& v, Spectrum& utlum, Spectrum& drun);

// "1200x1000x1000mm, vstup 400x400mm, výstup 400x400mm, posunutí 600x0mm" from
// the fields' texts as typed.
std::string PopisKomory(const std::string& delka, const std::string& sirka,
                        const std::string& vyska, const std::string& vstupA,
                        const std::string& vstupB, const std::string& vystupA,
                        const std::string& vystupB, const std::string& posunBok,
                        const std::string& posunSvisle);

// Compute step on the current element.
void VypocetKomory(DrunVar& var);

} // namespace drun
