#include "models/Vypocet.h"

#include "core/DrunVyp.h"
#include "models/HrPotrubi.h"
#include "models/KuPotrubi.h"
#include "models/Mistnost.h"
#include "models/Obecny.h"
#include "models/Oblouk.h"
#include "models/Odbocka.h"
#include "models/Tlumic.h"
#include "models/Vice.h"
#include "models/Vyustka.h"
#include "models/Zdroj.h"

namespace drun {

namespace {

// One overload per input struct: a kind without one does not compile.
bool Spocti(DrunVar&, const std::monostate&) {
    return false;
}
bool Spocti(DrunVar& var, const VstupyZdroj&) {
    return Vzdy<VypocetZdroje>(var);
}
bool Spocti(DrunVar& var, const VstupyObecny&) {
    return Vzdy<VypocetObecElementu>(var);
}
bool Spocti(DrunVar& var, const VstupyHrPotrubi&) {
    return Vzdy<VypocetHrPotrubi>(var);
}
bool Spocti(DrunVar& var, const VstupyKuPotrubi&) {
    return Vzdy<VypocetKuPotrubi>(var);
}
bool Spocti(DrunVar& var, const VstupyOblouk&) {
    return Vzdy<VypocetOblouku>(var);
}
bool Spocti(DrunVar& var, const VstupyOdbocka&) {
    return Vzdy<VypocetOdbocky>(var);
}
bool Spocti(DrunVar& var, const VstupyVyustka&) {
    return Vzdy<VypocetVyustky>(var);
}
bool Spocti(DrunVar& var, const VstupyTlumic&) {
    return VypocetTlumice(var).Ok();
}
bool Spocti(DrunVar& var, const VstupyVice&) {
    return Vzdy<VypocetVice>(var);
}
bool Spocti(DrunVar& var, const VstupyMistnost&) {
    return Vzdy<VypocetMistnosti>(var);
}

} // namespace

bool SpoctiPrvek(DrunVar& var) {
    return std::visit([&var](const auto& v) { return Spocti(var, v); },
                      var.cesta.Aktualni().Vstupy);
}

} // namespace drun
