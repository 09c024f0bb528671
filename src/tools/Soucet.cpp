#include "tools/Soucet.h"

#include "core/Matemat.h"

namespace drun {

Spectrum SoucetSpekter(const std::vector<Spectrum>& spektra) {
    Spectrum s{};
    std::vector<double> hladiny;
    hladiny.reserve(spektra.size());
    for (int i = 0; i < PocetPasem; ++i) {
        hladiny.clear();
        for (const Spectrum& x : spektra)
            if (x[i] != 0.0) hladiny.push_back(x[i]);
        s[i] = SoucetHladin(hladiny);
    }
    SpoctiLA(s);
    return s;
}

VysledekSouctu SectiCesty(const std::vector<Spectrum>& konce, const Spectrum& pozadavek) {
    VysledekSouctu v;
    v.Soucet = SoucetSpekter(konce);
    v.Pozadavek = pozadavek;
    for (int k = 0; k <= LA; ++k)
        v.Rozdil[k] = v.Soucet[k] - v.Pozadavek[k];
    v.NR = SpoctiNR(v.Soucet);
    v.NC = SpoctiNC(v.Soucet);
    v.RC = SpoctiRC(v.Soucet);
    return v;
}

} // namespace drun
