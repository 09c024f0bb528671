#include "core/Druhy.h"

#include <utility>

#include "core/Kontroly.h"

namespace drun {

namespace {

template <class V, double V::*P> double* RealVstup(VstupyElementu& v) {
    return &(std::get<V>(v).*P);
}
template <class V, int V::*P> int* CelyVstup(VstupyElementu& v) {
    return &(std::get<V>(v).*P);
}
template <class V, RadaPasem V::*P> RadaPasem* RadaVstupu(VstupyElementu& v) {
    return &(std::get<V>(v).*P);
}

VstupDruhu Popis() {
    return {FormaVstupu::Popis, "Popis"};
}
template <class V, double V::*P>
VstupDruhu Real(const char* nazev, const char* jednotka, double min, double max, int desetin,
                const char* popisek = "") {
    VstupDruhu d{FormaVstupu::Real, nazev, jednotka, min, max, desetin};
    d.Real = RealVstup<V, P>;
    d.Popisek = popisek;
    return d;
}
// A flow in m3/h, as every kind carrying air has one.
template <class V, double V::*P>
VstupDruhu Prutok(const char* nazev, double min, double max, const char* popisek = "",
                  RoleVstupu role = RoleVstupu::Prutok) {
    VstupDruhu d = Real<V, P>(nazev, "m3/hod", min, max, 0, popisek);
    d.Role = role;
    return d;
}
template <class V, int V::*P>
VstupDruhu Cele(const char* nazev, int min, int max, const char* popisek = "",
                std::vector<const char*> volby = {}) {
    VstupDruhu d{FormaVstupu::Cele, nazev, "", double(min), double(max), 0};
    d.Cele = CelyVstup<V, P>;
    d.Popisek = popisek;
    d.Volby = std::move(volby);
    return d;
}
template <class V, RadaPasem V::*P>
VstupDruhu Rada(FormaVstupu forma, const char* nazev, double min, double max, int desetin,
                const char* popisek = "") {
    VstupDruhu d{forma, nazev, "", min, max, desetin};
    d.Rada = RadaVstupu<V, P>;
    d.Popisek = popisek;
    return d;
}
template <class V, double V::*A, double V::*B, double V::*Q> PrurezDruhu Prurez() {
    return {RealVstup<V, A>, RealVstup<V, B>, RealVstup<V, Q>};
}
// A check hook of kind V from its check on the struct.
template <class V, std::string (*F)(const V&)> std::string Kontrola(const VstupyElementu& v) {
    return F(std::get<V>(v));
}
VstupDruhu Spektrum(Spectrum TElementSite::*s, const char* nazev, bool cteni = true) {
    VstupDruhu d{FormaVstupu::Pasma, nazev, "dB", UrovenMin, UrovenMax, 1};
    d.Spektrum = s;
    d.Cteni = cteni;
    return d;
}

std::vector<DruhElementu> Tabulka() {
    using H = VstupyHrPotrubi;
    using K = VstupyKuPotrubi;
    using Ob = VstupyOblouk;
    using Od = VstupyOdbocka;
    using Vy = VstupyVyustka;
    using T = VstupyTlumic;
    using Vi = VstupyVice;
    using M = VstupyMistnost;
    using OH = VstupyObHrPotrubi;
    using OK = VstupyObKuPotrubi;
    using Ha = VstupyHadice;
    using Ko = VstupyKomory;
    using Kl = VstupyKlapky;
    std::vector<DruhElementu> t;
    using E = TElementSite;
    const char* prutok = "Průtok vzduchu v m3/hod";
    // The source's attenuation row is kept for the file's shape only.
    t.push_back({TypZdroj,
                 "Zdroj drunu",
                 {Popis(), Spektrum(&E::Utlum, "Útlum", false),
                  Spektrum(&E::VlastniDrun, "Akustický výkon")},
                 RadekVykon});
    t.push_back({TypObecny,
                 "Obecný element",
                 {Popis(), Spektrum(&E::Utlum, "Útlum"), Spektrum(&E::VlastniDrun, "Vlastní drun")},
                 RadkyPrvku,
                 {},
                 {"ObecElemBtn", "Obecný element", "Zadáte útlum a vlastní drun", "Obecný element",
                  "Obecný element - zadání útlumu a vlastního drunu ručně"}});
    t.push_back({TypHrPotrubi,
                 "Hranaté potrubí",
                 {Popis(), Real<H, &H::A>("Rozměr A", "mm", HrPotRozmerMin, HrPotRozmerMax, 0),
                  Real<H, &H::B>("Rozměr B", "mm", HrPotRozmerMin, HrPotRozmerMax, 0),
                  Real<H, &H::Delka>("Délka", "m", HrPotDelkaMin, HrPotDelkaMax, 1),
                  Prutok<H, &H::Prutok>("Průtok", HrPotPrutokMin, HrPotPrutokMax)},
                 RadkyPrvku,
                 Prurez<H, &H::A, &H::B, &H::Prutok>(),
                 {"HranPotrBtn", "Hranaté potrubí", "", "Hranaté potrubí", ""}});
    t.push_back(
        {TypKuPotrubi,
         "Kruhové potrubí",
         {Popis(),
          Real<K, &K::Prumer>("Průměr", "mm", KuPotPrumerMin, KuPotPrumerMax, 0, "Průměr v mm"),
          Real<K, &K::Delka>("Délka", "m", KuPotDelkaMin, KuPotDelkaMax, 1, "Délka v m"),
          Prutok<K, &K::Prutok>("Průtok", KuPotPrutokMin, KuPotPrutokMax, prutok)},
         RadkyPrvku,
         {},
         {"KulPotrBtn", "Kruhové potrubí", "", "Kruhové potrubí", ""}});
    t.push_back({TypOblouk,
                 "Oblouk",
                 {Popis(), Cele<Ob, &Ob::Druh>("Druh", 1, OblPocetDruhu),
                  Real<Ob, &Ob::A>("Rozměr A", "mm", OblRozmerMin, OblRozmerMax, 0),
                  Real<Ob, &Ob::B>("Rozměr B", "mm", OblRozmerMin, OblRozmerMax, 0),
                  Real<Ob, &Ob::Radius>("Rádius", "mm", OblRadiusMin, OblRadiusMax, 0),
                  Prutok<Ob, &Ob::Prutok>("Průtok", OblPrutokMin, OblPrutokMax)},
                 RadkyPrvku,
                 Prurez<Ob, &Ob::A, &Ob::B, &Ob::Prutok>(),
                 {"ObloukBtn", "Oblouk, koleno", "", "Oblouk, koleno", ""}});
    t.push_back({TypOdbocka,
                 "Odbočka",
                 {Popis(), Real<Od, &Od::A>("Rozměr A", "mm", OdbRozmerMin, OdbRozmerMax, 0),
                  Real<Od, &Od::B>("Rozměr B", "mm", OdbRozmerMin, OdbRozmerMax, 0),
                  Real<Od, &Od::A2>("Rozměr A2", "mm", OdbRozmerMin, OdbRozmerMax, 0),
                  Real<Od, &Od::B2>("Rozměr B2", "mm", OdbRozmerMin, OdbRozmerMax, 0),
                  Real<Od, &Od::Radius>("Rádius", "mm", OdbRadiusMin, OdbRadiusMax, 0),
                  Prutok<Od, &Od::OdbPrutok>("Průtok odbočkou", OdbPrutokMin, OdbPrutokMax),
                  Prutok<Od, &Od::Prutok>("Průtok", OdbPrutokMin, OdbPrutokMax, "",
                                          RoleVstupu::PrutokPred)},
                 RadkyPrvku,
                 Prurez<Od, &Od::A, &Od::B, &Od::OdbPrutok>(),
                 {"OdbockaBtn", "Odbočka, rozbočka", "", "Odbočka, rozbočka", ""}});
    t.push_back({TypVyustka,
                 "Vyústka",
                 {Popis(), Real<Vy, &Vy::A>("Rozměr A", "mm", VyustRozmerMin, VyustRozmerMax, 0),
                  Real<Vy, &Vy::B>("Rozměr B", "mm", VyustRozmerMin, VyustRozmerMax, 0),
                  Prutok<Vy, &Vy::Prutok>("Průtok", VyustPrutokMin, VyustPrutokMax),
                  Cele<Vy, &Vy::Druh>("Druh", 1, VyustPocetDruhu),
                  Cele<Vy, &Vy::Umisteni>("Umístění", 1, VyustPocetUmisteni)},
                 RadkyPrvku,
                 {},
                 {"VyustkaBtn", "Vyústka, žaluzie", "", "Vyústka, žaluzie",
                  "Spíše orientační hodnoty pro vyústku a žaluzii"}});
    t.push_back(
        {TypTlumic,
         "Tlumič drunu",
         {Popis(), Real<T, &T::A>("Rozměr A", "mm", TlumicRozmerMin, TlumicRozmerMax, 0),
          Real<T, &T::B>("Rozměr B", "mm", TlumicRozmerMin, TlumicRozmerMax, 0),
          Real<T, &T::Delka>("Délka", "m", TlumicDelkaMin, TlumicDelkaMax, 0),
          Prutok<T, &T::Prutok>("Průtok", TlumicPrutokMin, TlumicPrutokMax),
          Cele<T, &T::PocetVlozek>("Počet vložek", TlumicPocetMin, TlumicPocetMax),
          Real<T, &T::SirkaVlozek>("Šířka vložek", "mm", SirkyVlozek[0], std::end(SirkyVlozek)[-1],
                                   0)},
         RadkyPrvku,
         Prurez<T, &T::A, &T::B, &T::Prutok>(),
         {"KTlumicBtn", "Kulisový tlumič drunu", "", "Kulisový tlumič drunu (KL 38 5216)", ""},
         Kontrola<T, ChybaTlumice>});
    t.push_back(
        {TypVice,
         "Více zdrojů",
         {Popis(), Cele<Vi, &Vi::PocetZdroju>("Počet zdrojů", VicePocetMin, VicePocetMax,
                                              "Počet stejných zdrojů drunu")},
         RadekZa,
         {},
         {"ViceBtn", "Korekce na více zdrojů drunu", "", "Korekce na více zdrojů drunu", ""}});
    t.push_back(
        {TypMistnost,
         "Místnost",
         {Popis(),
          Real<M, &M::PlochaSten>("Plocha stěn", "m2", MistnostPlochaMin, MistnostPlochaMax, 1),
          Real<M, &M::Vzdalenost>("Vzdálenost", "m", MistnostVzdalenostMin, MistnostVzdalenostMax,
                                  1),
          Rada<M, &M::Pohltivost>(FormaVstupu::Pasma5x2, "Součinitel pohltivosti", PohltivostMin,
                                  PohltivostMax, 2),
          Rada<M, &M::Smerovost>(FormaVstupu::Pasma5x1, "Směrový součinitel", SmerovostMin,
                                 SmerovostMax, 1)},
         RadekUtlum | RadekZa,
         {},
         {"MistnostBtn", "Místnost", "Místnost (může být jen jedna)", "Místnost",
          "Místnost (může být jen jedna)"}});
    t.push_back(
        {TypObHrPotrubi,
         "Obložené hranaté potrubí",
         {Popis(),
          Real<OH, &OH::A>("Rozměr A", "mm", ObHrPotRozmerMin, ObHrPotRozmerMax, 0,
                           "Rozměr A v mm"),
          Real<OH, &OH::B>("Rozměr B", "mm", ObHrPotRozmerMin, ObHrPotRozmerMax, 0,
                           "Rozměr B v mm"),
          Real<OH, &OH::Tloustka>("Tloušťka obložení", "mm", ObPotTloustkaMin, ObPotTloustkaMax, 0,
                                  "Tloušťka obložení v mm"),
          Real<OH, &OH::Delka>("Délka", "m", ObPotDelkaMin, ObPotDelkaMax, 1, "Délka v m"),
          Prutok<OH, &OH::Prutok>("Průtok", ObPotPrutokMin, ObPotPrutokMax, prutok)},
         RadkyPrvku,
         Prurez<OH, &OH::A, &OH::B, &OH::Prutok>(),
         {"ObHranPotrBtn", "Obložené hranaté potrubí", "Potrubí s pohltivým obložením uvnitř",
          "Obložené hranaté potrubí", "Hranaté potrubí s pohltivým obložením uvnitř"}});
    t.push_back(
        {TypObKuPotrubi,
         "Obložené kruhové potrubí",
         {Popis(),
          Real<OK, &OK::Prumer>("Průměr", "mm", ObKuPotPrumerMin, ObKuPotPrumerMax, 0,
                                "Průměr v mm"),
          Real<OK, &OK::Tloustka>("Tloušťka obložení", "mm", ObPotTloustkaMin, ObPotTloustkaMax, 0,
                                  "Tloušťka obložení v mm"),
          Real<OK, &OK::Delka>("Délka", "m", ObPotDelkaMin, ObPotDelkaMax, 1, "Délka v m"),
          Prutok<OK, &OK::Prutok>("Průtok", ObPotPrutokMin, ObPotPrutokMax, prutok)},
         RadkyPrvku,
         {},
         {"ObKulPotrBtn", "Obložené kruhové potrubí", "Potrubí s pohltivým obložením uvnitř",
          "Obložené kruhové potrubí", "Kruhové potrubí s pohltivým obložením uvnitř"}});
    t.push_back(
        {TypHadice,
         "Ohebná hadice",
         {Popis(),
          Real<Ha, &Ha::Prumer>("Průměr", "mm", HadPrumerMin, HadPrumerMax, 0, "Průměr v mm"),
          Real<Ha, &Ha::Delka>("Délka", "m", HadDelkaMin, HadDelkaMax, 1, "Délka v m")},
         RadkyPrvku,
         {},
         {"HadiceBtn", "Ohebná hadice", "Ohebné napojení vyústky", "Ohebná hadice",
          "Ohebná hadice k vyústce"}});
    t.push_back(
        {TypKomora,
         "Komora",
         {Popis(),
          Real<Ko, &Ko::Delka>("Délka", "mm", KomRozmerMin, KomRozmerMax, 0, "Vnitřní délka v mm"),
          Real<Ko, &Ko::Sirka>("Šířka", "mm", KomRozmerMin, KomRozmerMax, 0, "Vnitřní šířka v mm"),
          Real<Ko, &Ko::Vyska>("Výška", "mm", KomRozmerMin, KomRozmerMax, 0, "Vnitřní výška v mm"),
          Real<Ko, &Ko::VstupA>("Vstup A", "mm", KomOtvorMin, KomOtvorMax, 0,
                                "Vstup: rozměr A v mm"),
          Real<Ko, &Ko::VstupB>("Vstup B", "mm", KomOtvorMin, KomOtvorMax, 0,
                                "Vstup: rozměr B v mm"),
          Real<Ko, &Ko::VystupA>("Výstup A", "mm", KomOtvorMin, KomOtvorMax, 0,
                                 "Výstup: rozměr A v mm"),
          Real<Ko, &Ko::VystupB>("Výstup B", "mm", KomOtvorMin, KomOtvorMax, 0,
                                 "Výstup: rozměr B v mm"),
          Real<Ko, &Ko::PosunBok>("Posunutí do strany", "mm", KomPosunMin, KomPosunMax, 0,
                                  "Posunutí výstupu do strany v mm"),
          Real<Ko, &Ko::PosunSvisle>("Posunutí svisle", "mm", KomPosunMin, KomPosunMax, 0,
                                     "Posunutí výstupu svisle v mm"),
          Rada<Ko, &Ko::Pohltivost>(FormaVstupu::Pasma5x2, "Součinitel pohltivosti",
                                    KomPohltivostMin, KomPohltivostMax, 2,
                                    "Součinitel pohltivosti obložení")},
         RadkyPrvku,
         {},
         {"KomoraBtn", "Komora", "Obložená komora se vstupem a výstupem", "Komora",
          "Obložená komora se vstupem a výstupem"},
         Kontrola<Ko, ChybaKomory>});
    t.push_back({TypKlapka,
                 "Regulační klapka",
                 {Popis(),
                  Real<Kl, &Kl::A>("Rozměr A", "mm", KlapRozmerMin, KlapRozmerMax, 0,
                                   "Rozměr A (podél os listů) v mm"),
                  Real<Kl, &Kl::B>("Rozměr B", "mm", KlapRozmerMin, KlapRozmerMax, 0,
                                   "Rozměr B (napříč osami) v mm"),
                  Prutok<Kl, &Kl::Prutok>("Průtok", KlapPrutokMin, KlapPrutokMax, prutok),
                  Real<Kl, &Kl::Tlak>("Tlaková ztráta", "Pa", KlapTlakMin, KlapTlakMax, 0,
                                      "Tlaková ztráta v Pa"),
                  Cele<Kl, &Kl::Listy>("Listy", KlapJedenList, KlapViceListu, "Listy",
                                       {"jednolistá", "vícelistá"})},
                 RadkyPrvku,
                 Prurez<Kl, &Kl::A, &Kl::B, &Kl::Prutok>(),
                 {"KlapkaBtn", "Regulační klapka", "Vlastní drun klapky podle její tlakové ztráty",
                  "Regulační klapka", "Regulační klapka - vlastní drun podle tlakové ztráty"},
                 Kontrola<Kl, ChybaKlapky>});
    return t;
}

} // namespace

const std::vector<DruhElementu>& Druhy() {
    static const std::vector<DruhElementu> t = Tabulka();
    return t;
}

const DruhElementu* Druh(int kod) {
    const auto& t = Druhy();
    if (kod < 1 || kod > static_cast<int>(t.size())) return nullptr;
    return &t[static_cast<size_t>(kod - 1)];
}

std::vector<RadekSpektra> RadkySpekter(const DruhElementu& d, const TElementSite& e) {
    std::vector<RadekSpektra> r;
    if (d.Radky & RadekVykon) r.push_back({"Akustický výkon", "akust. výkon", &e.VlastniDrun});
    if (d.Radky & RadekUtlum) r.push_back({"Útlum", "útlum", &e.Utlum});
    if (d.Radky & RadekMezisoucet) r.push_back({"Mezisoučet", "mezisoučet", &e.Mezisoucet});
    if (d.Radky & RadekVlastni) r.push_back({"Vlastní drun", "vl. drun", &e.VlastniDrun});
    if (d.Radky & RadekZa) r.push_back({"Za elementem", "za elem.", &e.ZaElementem});
    return r;
}

const char* NazevTypu(int kod) {
    const DruhElementu* d = Druh(kod);
    return d ? d->Nazev : "";
}

VstupyElementu VychoziVstupy(int kod) {
    VstupyElementu v;
    [&]<std::size_t... I>(std::index_sequence<I...>) {
        ((kod == int(I) ? (void)v.emplace<I>() : (void)0), ...);
    }
    (std::make_index_sequence<std::variant_size_v<VstupyElementu>>{});
    return v;
}

} // namespace drun
