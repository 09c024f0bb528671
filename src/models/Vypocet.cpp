#include "models/Vypocet.h"

#include "core/DrunVyp.h"
#include "core/Matemat.h"
#include "models/Hadice.h"
#include "models/HrPotrubi.h"
#include "models/Klapka.h"
#include "models/Komora.h"
#include "models/KuPotrubi.h"
#include "models/Mistnost.h"
#include "models/ObPotrubi.h"
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
bool Spocti(DrunVar& var, const VstupyObHrPotrubi&) {
    return Vzdy<VypocetObHrPotrubi>(var);
}
bool Spocti(DrunVar& var, const VstupyObKuPotrubi&) {
    return Vzdy<VypocetObKuPotrubi>(var);
}
bool Spocti(DrunVar& var, const VstupyHadice&) {
    return Vzdy<VypocetHadice>(var);
}
bool Spocti(DrunVar& var, const VstupyKomory&) {
    return Vzdy<VypocetKomory>(var);
}
bool Spocti(DrunVar& var, const VstupyKlapky&) {
    return VypocetKlapky(var);
}

// The velocity limits of the kinds whose dialogs check one.
template <class V> bool VMezich(const V&) {
    return true;
}
bool VMezich(const VstupyHrPotrubi& v) {
    return RychlostVPrurezu(v.A, v.B, v.Prutok) < MaxRychlostPotrubi;
}
bool VMezich(const VstupyKuPotrubi& v) {
    return RychlostKuPotrubi(v.Prumer, v.Prutok) < MaxRychlostPotrubi;
}
bool VMezich(const VstupyOblouk& v) {
    return RychlostVPrurezu(v.A, v.B, v.Prutok) < MaxRychlostTvarovky;
}
// Only the computed direction is limited, as in its dialog.
bool VMezich(const VstupyOdbocka& v) {
    return RychlostVPrurezu(v.A, v.B, v.OdbPrutok) < MaxRychlostTvarovky;
}
bool VMezich(const VstupyVyustka& v) {
    return RychlostVPrurezu(v.A, v.B, v.Prutok) < MaxRychlostVyustky;
}
bool VMezich(const VstupyTlumic& v) {
    return ZadaniTlumiceMozne(v.A, v.B, v.Prutok, v.SirkaVlozek, v.PocetVlozek);
}

// The descriptions of the kinds whose dialogs the table builds, from the
// texts in the table's order; the other dialogs compose their own.
template <class V> std::string Popis(const V&, const TextyVstupu&) {
    return {};
}
std::string Popis(const VstupyKuPotrubi&, const TextyVstupu& t) {
    return PopisKuPotrubi(t[0], t[1], t[2]);
}
std::string Popis(const VstupyVice&, const TextyVstupu& t) {
    return PopisVice(t[0]);
}
std::string Popis(const VstupyObHrPotrubi&, const TextyVstupu& t) {
    return PopisObHrPotrubi(t[0], t[1], t[2], t[3], t[4]);
}
std::string Popis(const VstupyObKuPotrubi&, const TextyVstupu& t) {
    return PopisObKuPotrubi(t[0], t[1], t[2], t[3]);
}
std::string Popis(const VstupyHadice&, const TextyVstupu& t) {
    return PopisHadice(t[0], t[1]);
}
std::string Popis(const VstupyKomory&, const TextyVstupu& t) {
    return PopisKomory(t[0], t[1], t[2], t[3], t[4], t[5], t[6], t[7], t[8]);
}
std::string Popis(const VstupyKlapky& v, const TextyVstupu& t) {
    return PopisKlapky(t[0], t[1], v.Listy, t[2], t[3]);
}

} // namespace

std::string PopisVstupu(const VstupyElementu& v, const TextyVstupu& texty) {
    return std::visit([&texty](const auto& x) { return Popis(x, texty); }, v);
}

void ZapisPrvek(DrunVar& var, const VstupyElementu& v, const TextyVstupu& texty) {
    TElementSite& e = var.cesta.Aktualni();
    e.Vstupy = v;
    e.Popis = PopisVstupu(v, texty);
}

bool RychlostVMezich(const VstupyElementu& v) {
    return std::visit([](const auto& x) { return VMezich(x); }, v);
}

bool SpoctiPrvek(DrunVar& var) {
    return std::visit([&var](const auto& v) { return Spocti(var, v); },
                      var.cesta.Aktualni().Vstupy);
}

bool SpoctiSamotny(DrunVar& var, TElementSite& e) {
    if (var.cesta.Pocet() < 2) {
        var.cesta.NajdiElement(1);
        var.cesta.VlozElement();
    }
    var.cesta.NajdiElement(e.Typ() == TypZdroj ? 1 : 2);
    var.cesta.NahradAktualni(e);
    const bool ok = SpoctiPrvek(var);
    e = var.cesta.Aktualni();
    return ok;
}

} // namespace drun
