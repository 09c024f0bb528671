#include "DrunVar.h"

#include <cmath>

#include "Druhy.h"
#include "Matemat.h"

namespace drun {

const std::array<const char*, PocetPasem> NazvyPasem{"63Hz", "125Hz", "250Hz", "500Hz",
                                                     "1kHz", "2kHz",  "4kHz",  "8kHz"};

void SpoctiLA(Spectrum& s, const std::array<double, 9>& vaha) {
    std::array<double, PocetPasem> vazene{};
    for (int i = 0; i < PocetPasem; ++i)
        vazene[static_cast<size_t>(i)] = s[i] + vaha[i];
    s[LA] = SoucetHladin(vazene);
}

void NaplnSpektrum(Spectrum& s, double hodnota) {
    for (int i = 0; i < PocetPasem; ++i)
        s[i] = hodnota;
    SpoctiLA(s);
}

Spectrum NulaSpektrum() {
    Spectrum s{};
    NaplnSpektrum(s, 0);
    return s;
}

TElementSite::TElementSite()
    : Utlum(NulaSpektrum()), VlastniDrun(Utlum), Mezisoucet(Utlum), ZaElementem(Utlum) {}

void TElementSite::NastavTyp(std::uint8_t typ) {
    if (typ != Typ()) Vstupy = VychoziVstupy(typ);
}

std::string TElementSite::NazevTypu() const {
    return drun::NazevTypu(Typ());
}

std::string RadekSeznamu(const TElementSite& e) {
    return std::to_string(e.Cislo) + "     " + e.NazevTypu();
}

Cesta::Cesta() {
    Zaloz();
}

Cesta::Cesta(const Cesta& c) : aktualni_(c.aktualni_) {
    prvky_.reserve(c.prvky_.size());
    for (const auto& p : c.prvky_)
        prvky_.push_back(std::make_unique<TElementSite>(*p));
}

Cesta& Cesta::operator=(const Cesta& c) {
    if (this != &c) *this = Cesta(c);
    return *this;
}

void Cesta::Zaloz() {
    prvky_.clear();
    auto zdroj = std::make_unique<TElementSite>();
    zdroj->NastavTyp(TypZdroj);
    zdroj->Popis = drun::NazevTypu(TypZdroj);
    prvky_.push_back(std::move(zdroj));
    aktualni_ = 1;
}

const TElementSite* Cesta::Predchozi(const TElementSite& e) const {
    if (e.Cislo <= 1) return nullptr;
    return prvky_[static_cast<size_t>(e.Cislo - 2)].get();
}

void Cesta::NajdiElement(int n) {
    if (n < 1) n = 1;
    if (n > Pocet()) n = Pocet();
    aktualni_ = n;
}

void Cesta::NastavPrvky(std::vector<TElementSite> prvky) {
    if (prvky.empty()) return Zaloz();
    prvky_.clear();
    for (TElementSite& e : prvky)
        prvky_.push_back(std::make_unique<TElementSite>(std::move(e)));
    Precisluj(1);
    aktualni_ = 1;
}

void Cesta::Precisluj(int od) {
    for (int i = od; i <= Pocet(); ++i)
        prvky_[static_cast<size_t>(i - 1)]->Cislo = i;
}

void Cesta::VlozElement() {
    prvky_.insert(prvky_.begin() + aktualni_, std::make_unique<TElementSite>());
    ++aktualni_;
    Precisluj(aktualni_);
}

bool Cesta::VypustElement(int n) {
    if (n < 2 || n > Pocet()) return false;
    prvky_.erase(prvky_.begin() + (n - 1));
    aktualni_ = n - 1;
    Precisluj(n);
    return true;
}

void Cesta::NahradAktualni(const TElementSite& e) {
    auto kopie = std::make_unique<TElementSite>(e);
    kopie->Cislo = aktualni_;
    prvky_[static_cast<size_t>(aktualni_ - 1)] = std::move(kopie);
}

bool Cesta::ObsahujeTyp(std::uint8_t typ) const {
    for (const auto& p : prvky_)
        if (p->Typ() == typ) return true;
    return false;
}

int Cesta::CisloMistnosti() const {
    for (const auto& p : prvky_)
        if (p->Typ() == TypMistnost) return p->Cislo;
    return 0;
}

void DrunVar::NastavSlozku(const std::string& slozka) {
    SouborDat = slozka + "DRUN.DRN";
    SouborCfg = slozka + "DRUN.CFG";
    SouborTlumice = slozka + "KL385216.CAD";
}

std::string PrvnichZnaku(const std::string& utf8, std::size_t n) {
    std::size_t znaku = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        auto c = static_cast<unsigned char>(utf8[i]);
        if ((c & 0xC0) != 0x80) { // start of a code point
            if (znaku == n) return utf8.substr(0, i);
            ++znaku;
        }
    }
    return utf8;
}

const char* PorusenyInvariant(const Cesta& c) {
    if (c.Pocet() < 1 || c.Prvek(1).Typ() != TypZdroj) return "zdroj není první";
    if (c.AktualniCislo() < 1 || c.AktualniCislo() > c.Pocet()) return "aktuální mimo cestu";
    int mistnosti = 0;
    for (int i = 1; i <= c.Pocet(); ++i) {
        const TElementSite& e = c.Prvek(i);
        if (e.Cislo != i) return "číslování";
        if (i > 1 && e.Typ() == TypZdroj) return "druhý zdroj";
        if (e.Typ() == TypMistnost && ++mistnosti > 1) return "druhá místnost";
        for (const Spectrum* s : {&e.Utlum, &e.VlastniDrun, &e.Mezisoucet, &e.ZaElementem})
            for (double x : *s)
                if (!std::isfinite(x)) return "nekonečná hladina";
    }
    return nullptr;
}

namespace {

template <class... F> struct Pretizeni : F... { using F::operator()...; };
// Spelled out for the compilers that do not deduce an aggregate's arguments.
template <class... F> Pretizeni(F...) -> Pretizeni<F...>;

} // namespace

void ZapamatujVstupy(DrunVar& var) {
    PosledniVstupy& p = var.vstupy;
    // Sizes are remembered in metres; the other directions of a branch are
    // offered afresh every time.
    const auto prurez = [&p](const auto& v) {
        p.PosledniA = v.A * 0.001, p.PosledniB = v.B * 0.001;
    };
    const auto hranate = [&](const auto& v) {
        prurez(v);
        p.PosledniDelka = v.Delka, p.PosledniPrutok = v.Prutok;
    };
    const auto kruhove = [&p](const auto& v) {
        p.PosledniPrumer = v.Prumer * 0.001, p.PosledniDelka = v.Delka;
    };
    std::visit(Pretizeni{
                   [&](const VstupyHrPotrubi& v) { hranate(v); },
                   [&](const VstupyObHrPotrubi& v) { hranate(v); },
                   [&](const VstupyKuPotrubi& v) { kruhove(v), p.PosledniPrutok = v.Prutok; },
                   [&](const VstupyObKuPotrubi& v) { kruhove(v), p.PosledniPrutok = v.Prutok; },
                   [&](const VstupyHadice& v) { kruhove(v); },
                   [&](const VstupyOblouk& v) {
                       prurez(v);
                       p.PosledniRadius = v.Radius * 0.001, p.PosledniPrutok = v.Prutok;
                   },
                   [&](const VstupyOdbocka& v) {
                       prurez(v);
                       p.PosledniRadius = v.Radius * 0.001;
                       p.PosledniPrutok = v.Prutok, p.PosledniOdbPrutok = v.OdbPrutok;
                   },
                   [&](const VstupyVyustka& v) { prurez(v), p.PosledniPrutok = v.Prutok; },
                   [&](const VstupyKlapky& v) { prurez(v), p.PosledniPrutok = v.Prutok; },
                   [&p](const VstupyVice& v) {
                       p.PosledniPocetZdroju = static_cast<std::uint8_t>(v.PocetZdroju);
                   },
                   // The silencer and the room remember in their compute
                   // steps, so a read file offers their values too.
                   [](const auto&) {},
               },
               var.cesta.Aktualni().Vstupy);
}

VstupyElementu NabidnuteVstupy(int kod, const PosledniVstupy& p) {
    VstupyElementu vychozi = VychoziVstupy(kod); // modifiable: the accessors take one
    VstupyElementu v = vychozi;
    const double a = NaMilimetry(p.PosledniA), b = NaMilimetry(p.PosledniB);
    const double prumer = NaMilimetry(p.PosledniPrumer);
    const auto kruhove = [&](auto& x) { x.Prumer = prumer, x.Delka = p.PosledniDelka; };
    std::visit(Pretizeni{
                   [&](VstupyKuPotrubi& x) { kruhove(x), x.Prutok = p.PosledniPrutok; },
                   [&](VstupyObKuPotrubi& x) { kruhove(x), x.Prutok = p.PosledniPrutok; },
                   [&](VstupyHadice& x) { kruhove(x); },
                   [&](VstupyObHrPotrubi& x) {
                       x.A = a, x.B = b, x.Delka = p.PosledniDelka, x.Prutok = p.PosledniPrutok;
                   },
                   [&](VstupyKlapky& x) { x.A = a, x.B = b, x.Prutok = p.PosledniPrutok; },
                   [&](VstupyVice& x) { x.PocetZdroju = p.PosledniPocetZdroju; },
                   [](auto&) {},
               },
               v);
    // A value another kind admits but this one does not stays the usual one.
    if (const DruhElementu* d = Druh(kod)) {
        for (const VstupDruhu& s : d->Vstupy)
            if (s.Real && !(*s.Real(v) >= s.Min && *s.Real(v) <= s.Max))
                *s.Real(v) = *s.Real(vychozi);
        // Values that do not fit together (a damper's flow for its pressure drop) neither.
        if (d->Kontrola && !d->Kontrola(v).empty()) return vychozi;
    }
    return v;
}

void ZalozVypocet(DrunVar& var) {
    var.cesta.Zaloz();
    var.MinUroven = UrovenMin;
    var.MaxUroven = UrovenMax;
    var.Akce.clear();
}

} // namespace drun
