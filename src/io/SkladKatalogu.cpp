#include "io/SkladKatalogu.h"

#include <algorithm>
#include <filesystem>

#include "core/Soubory.h"

namespace drun {

namespace {

std::string Uvozovky(const std::string& s) {
    return "„" + s + "“";
}

} // namespace

SkladKatalogu::SkladKatalogu(std::string soubor, double min, double max, Poradi poradi)
    : soubor_(std::move(soubor)), min_(min), max_(max), poradi_(std::move(poradi)) {}

void SkladKatalogu::NastavSoubor(std::string soubor) {
    soubor_ = std::move(soubor);
    nacteno_ = false;
    necitelny_ = false;
    bajty_.reset();
    poskozeny_ = false;
    Prijmi({});
}

bool SkladKatalogu::Pred(const std::string& a, const std::string& b) const {
    return poradi_ ? poradi_(a, b) : a < b;
}

void SkladKatalogu::Prijmi(SeznamKatalogu k) {
    polozky_ = std::move(k);
    for (size_t d = 0; d < PocetDruhuKatalogu; ++d) {
        index_[d].clear();
        index_[d].reserve(polozky_[d].size());
        for (size_t i = 0; i < polozky_[d].size(); ++i)
            index_[d].emplace(polozky_[d][i].Nazev, i);
    }
    ++verze_;
}

void SkladKatalogu::Zarad(std::vector<PolozkaKatalogu>& s, PolozkaKatalogu p) const {
    const auto kam = std::upper_bound(
        s.begin(), s.end(), p.Nazev,
        [this](const std::string& n, const PolozkaKatalogu& q) { return Pred(n, q.Nazev); });
    s.insert(kam, std::move(p));
}

VysledekSouboru SkladKatalogu::Obnov() {
    std::string obsah;
    // Some hundred bytes an entry: far more entries than anyone keeps.
    constexpr std::uintmax_t NejvetsiKatalog = 16u << 20;
    const KodVysledku st = CtiSoubor(soubor_, obsah, NejvetsiKatalog);
    if (st == KodVysledku::NelzeCist) {
        if (necitelny_) return {};
        necitelny_ = true;
        return {KodVysledku::NelzeCist, "Soubor katalogu " + soubor_ + " nelze přečíst."};
    }
    necitelny_ = false;
    std::optional<std::string> bajty;
    if (st == KodVysledku::Ok) bajty = std::move(obsah);
    if (nacteno_ && bajty == bajty_) return {};
    nacteno_ = true;
    bajty_ = std::move(bajty);
    poskozeny_ = false;
    if (!bajty_) {
        Prijmi({});
        return {};
    }
    JsonKatalogu j = KatalogZJson(*bajty_, min_, max_);
    for (auto& s : j.Polozky) {
        auto pred = [this](const PolozkaKatalogu& a, const PolozkaKatalogu& b) {
            return Pred(a.Nazev, b.Nazev);
        };
        if (!std::is_sorted(s.begin(), s.end(), pred)) std::stable_sort(s.begin(), s.end(), pred);
    }
    Prijmi(std::move(j.Polozky));
    if (j.Chyba.empty() && j.Vynechane.empty()) return {};
    poskozeny_ = true;
    std::string t = "Soubor katalogu " + soubor_ + " je poškozený";
    if (!j.Chyba.empty()) {
        t += " (" + j.Chyba + "), katalog začíná prázdný.\n";
    } else {
        t += ", tyto položky byly vynechány:\n";
        constexpr size_t Nejvic = 20; // a message box must still fit the screen
        for (size_t i = 0; i < j.Vynechane.size() && i < Nejvic; ++i)
            t += j.Vynechane[i] + "\n";
        if (j.Vynechane.size() > Nejvic) t += "…\n";
    }
    t += "Před příštím uložením katalogu se soubor uschová vedle s příponou .poskozeny.";
    return {KodVysledku::Poskozen, t};
}

const std::vector<PolozkaKatalogu>& SkladKatalogu::Polozky(int druh) const {
    return polozky_[static_cast<size_t>(druh)];
}

const PolozkaKatalogu* SkladKatalogu::Najdi(int druh, const std::string& nazev) const {
    const auto& ix = index_[static_cast<size_t>(druh)];
    const auto i = ix.find(nazev);
    return i == ix.end() ? nullptr : &polozky_[static_cast<size_t>(druh)][i->second];
}

VysledekSouboru SkladKatalogu::Zapis(const SeznamKatalogu& k) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path slozka = fs::path(soubor_).parent_path();
    if (!slozka.empty()) fs::create_directories(slozka, ec);
    std::string zprava;
    if (poskozeny_ && bajty_) {
        // Kept under a free name, so that the user can still look into it.
        std::string stranou = soubor_ + ".poskozeny";
        for (int i = 2; fs::exists(fs::path(stranou), ec) && i < 10000; ++i)
            stranou = soubor_ + ".poskozeny-" + std::to_string(i);
        if (!ZapisAtomicky(stranou, *bajty_))
            return {KodVysledku::NelzeZapsat, "Poškozený soubor katalogu " + soubor_ +
                                                  " nelze uschovat, proto se katalog neukládá."};
        zprava = "Poškozený soubor katalogu byl uschován jako " + stranou + ".";
        poskozeny_ = false;
    }
    std::string json = KatalogDoJson(k);
    if (!ZapisAtomicky(soubor_, json))
        return {KodVysledku::NelzeZapsat, "Katalog nelze uložit do souboru " + soubor_ + "."};
    bajty_ = std::move(json);
    return {KodVysledku::Ok, zprava};
}

VysledekSouboru
SkladKatalogu::Zmen(const std::function<VysledekSouboru(SeznamKatalogu&, bool&)>& zmena) {
    if (VysledekSouboru r = Obnov(); r.Kod == KodVysledku::NelzeCist) return r;
    // Never written over a file whose content is not known.
    if (necitelny_)
        return {KodVysledku::NelzeZapsat,
                "Katalog se neuloží, protože soubor " + soubor_ + " nelze přečíst."};
    SeznamKatalogu k = polozky_;
    bool zapsat = false;
    VysledekSouboru r = zmena(k, zapsat);
    if (!r.Ok() || !zapsat) return r;
    r = Zapis(k);
    if (r.Ok()) Prijmi(std::move(k));
    return r;
}

VysledekSouboru SkladKatalogu::Uloz(int druh, PolozkaKatalogu p) {
    p.Nazev = UpravNazev(p.Nazev);
    if (druh == KatalogZdroj) p.Utlum = {};
    if (const std::string chyba = ChybaPolozky(p, min_, max_); !chyba.empty())
        return {KodVysledku::Poskozen, chyba};
    return Zmen([&](SeznamKatalogu& k, bool& zapsat) {
        auto& s = k[static_cast<size_t>(druh)];
        zapsat = true;
        if (const PolozkaKatalogu* q = Najdi(druh, p.Nazev))
            s[static_cast<size_t>(q - Polozky(druh).data())] = p;
        else
            Zarad(s, p);
        return VysledekSouboru{};
    });
}

VysledekSouboru SkladKatalogu::Prejmenuj(int druh, const std::string& stary,
                                         const std::string& novy) {
    return Zmen([&](SeznamKatalogu& k, bool& zapsat) -> VysledekSouboru {
        const PolozkaKatalogu* q = Najdi(druh, stary);
        if (!q) return {KodVysledku::Chybi, "Položka " + Uvozovky(stary) + " v katalogu už není."};
        PolozkaKatalogu p = *q;
        p.Nazev = UpravNazev(novy);
        if (p.Nazev == stary) return {};
        if (const std::string chyba = ChybaPolozky(p, min_, max_); !chyba.empty())
            return {KodVysledku::Poskozen, chyba};
        if (Najdi(druh, p.Nazev))
            return {KodVysledku::Poskozen, "Položka " + Uvozovky(p.Nazev) + " už v katalogu je."};
        auto& s = k[static_cast<size_t>(druh)];
        s.erase(s.begin() + (q - Polozky(druh).data()));
        Zarad(s, std::move(p));
        zapsat = true;
        return {};
    });
}

VysledekSouboru SkladKatalogu::Vypust(int druh, const std::string& nazev) {
    return Zmen([&](SeznamKatalogu& k, bool& zapsat) {
        if (const PolozkaKatalogu* q = Najdi(druh, nazev)) {
            auto& s = k[static_cast<size_t>(druh)];
            s.erase(s.begin() + (q - Polozky(druh).data()));
            zapsat = true;
        }
        return VysledekSouboru{};
    });
}

VysledekSouboru SkladKatalogu::Pridej(const std::vector<RadekKatalogu>& polozky,
                                      std::vector<ChybnyRadek>& chyby, int& pridano) {
    std::vector<ChybnyRadek> nove;
    int n = 0;
    const VysledekSouboru r = Zmen([&](SeznamKatalogu& k, bool& zapsat) {
        n = PridejDoKatalogu(k, polozky, nove, poradi_);
        zapsat = n > 0;
        return VysledekSouboru{};
    });
    chyby.insert(chyby.end(), nove.begin(), nove.end());
    std::stable_sort(chyby.begin(), chyby.end(),
                     [](const ChybnyRadek& a, const ChybnyRadek& b) { return a.Radek < b.Radek; });
    pridano = r.Ok() ? n : 0;
    return r;
}

} // namespace drun
