#pragma once

#include "core/DrunVar.h"

namespace drun {

// Sound flanking an element caps what the element itself can attenuate.
constexpr double MaxUtlumPrvku = 40; // dB

// Attenuation bands into 0..MaxUtlumPrvku (a negative result means no
// attenuation), then their L(A).
inline void OmezUtlum(Spectrum& utlum) {
    for (int i = 0; i < PocetPasem; ++i)
        utlum[i] = utlum[i] < 0 ? 0 : utlum[i] > MaxUtlumPrvku ? MaxUtlumPrvku : utlum[i];
    SpoctiLA(utlum);
}

} // namespace drun
