#include "tools/AkTlak.h"

#include <cmath>

#include "core/Matemat.h"

namespace drun {

namespace {
bool PlatnaVzdalenost(double r) {
    return std::isfinite(r) && r >= MinVzdalenost && r <= MaxVzdalenost;
}
} // namespace

std::optional<Spectrum> PrevedTlak(const Spectrum& vstup, double r1, double r2) {
    if (!PlatnaVzdalenost(r1) || !PlatnaVzdalenost(r2)) return std::nullopt;
    const double zmena = 20 * Log10(r1 / r2);
    Spectrum vystup = vstup;
    for (int i = 0; i < PocetPasem; ++i) {
        vystup[i] = vstup[i] + zmena;
        if (vystup[i] < 0) vystup[i] = 0;
    }
    SpoctiLA(vystup);
    return vystup;
}

void NactiZdroj(AkTlakStav& stav, const DrunVar& var) {
    stav.Vstup = var.cesta.Prvek(1).VlastniDrun;
}

bool PrevedAkTlak(AkTlakStav& stav, const std::array<double, PocetPasem>& pasma, double r1,
                  double r2) {
    Spectrum vstup{};
    for (int i = 0; i < PocetPasem; ++i)
        vstup[i] = pasma[static_cast<size_t>(i)];
    SpoctiLA(vstup);
    const auto vystup = PrevedTlak(vstup, r1, r2);
    if (!vystup) return false;
    stav.Vstup = vstup;
    stav.Vystup = *vystup;
    stav.Vzd1 = r1;
    stav.Vzd2 = r2;
    return true;
}

} // namespace drun
