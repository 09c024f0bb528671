#include "tools/Prevod.h"

namespace drun {

namespace {
int Platne(int vazeni) {
    return vazeni >= 0 && vazeni < PocetVazeni ? vazeni : VazeniA;
}
} // namespace

const std::array<double, 9>& VahaPrevodu(int vazeni) {
    static constexpr std::array<const std::array<double, 9>*, PocetVazeni> vahy{&VahaA, &VahaB,
                                                                                &VahaC};
    return *vahy[static_cast<size_t>(Platne(vazeni))];
}

const char* NazevPrevodu(int vazeni) {
    static constexpr std::array<const char*, PocetVazeni> nazvy{"L(A)", "L(B)", "L(C)"};
    return nazvy[static_cast<size_t>(Platne(vazeni))];
}

double PrevedNaLx(const std::array<double, PocetPasem>& hladiny, int vazeni) {
    Spectrum s{};
    for (int i = 0; i < PocetPasem; ++i)
        s[i] = hladiny[static_cast<size_t>(i)];
    SpoctiLA(s, VahaPrevodu(vazeni));
    return s[LA];
}

} // namespace drun
