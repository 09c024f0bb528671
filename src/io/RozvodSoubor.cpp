#include "io/RozvodSoubor.h"

#include <algorithm>
#include <new>

#include "core/Cisla.h"
#include "core/Druhy.h"
#include "core/DrunVyp.h"
#include "core/Soubory.h"
#include "io/DataSoubor.h"
#include "io/Kodovani.h"
#include "io/Protokol.h"
#include "io/SoucetCest.h"
#include "models/Vypocet.h"
#include "tools/Pozadavek.h"
#include "tools/Rozvod.h"

namespace drun {

namespace {

const std::string Hlavicka = "[DRUN ROZVOD]";
const std::string SekceUseku = "[USEK]";
const std::string KlicAkce = "Akce=";
const std::string KlicId = "Id=";
const std::string KlicRodice = "Rodic=";
const std::string KlicZa = "Za elementem=";
const std::string KlicMistnosti = "Mistnost=";
const std::string KlicPozadavku = "Pozadavek=";

// Akce as the data file of any path carries it back.
bool PlatnaAkce(const std::string& a) {
    return (a.empty() || JeRadekCp1250(a)) && PrvnichZnaku(a, MaxDelkaAkce) == a;
}

// Why a room's name cannot stand in the file; empty when it can.
std::string ChybaMistnosti(const std::string& m) {
    const std::string proc = ChybaNazvu(m);
    return proc.empty() ? proc : "neplatný název místnosti (" + proc + ")";
}

// Where the bytes are no UTF-8 text with CR LF line ends (CR CR LF and LF
// alone read as CR LF): the line and why; nullopt when they are.
std::optional<std::pair<size_t, std::string>> ChybaTextu(const std::string& t) {
    size_t radek = 1;
    for (size_t i = 0; i < t.size(); ++i) {
        const char c = t[i];
        if (c == '\n') ++radek;
        // UTF-16 holds a zero byte in every other byte of plain text.
        if (c == '\0') return std::pair{radek, std::string("soubor není v kódování UTF-8")};
        if (c == '\r') {
            const size_t za = t.find_first_not_of('\r', i);
            if (za != std::string::npos && t[za] != '\n')
                return std::pair{radek, std::string("konce řádků nejsou CR LF")};
            i = za == std::string::npos ? t.size() : za - 1;
        }
    }
    if (const size_t dobre = DelkaPlatneUtf8(t); dobre < t.size())
        return std::pair{size_t(1 + std::count(t.begin(), t.begin() + long(dobre), '\n')),
                         std::string("soubor není v kódování UTF-8")};
    return std::nullopt;
}

// Walks the text a line at a time, counting them; the element records are
// read in between by the data file's reader.
class Radky {
  public:
    explicit Radky(const std::string& t) : t_(t) {}
    bool Konec() const { return i_ >= t_.size(); }
    size_t Cislo() const { return cislo_ + 1; } // of the next line
    std::string Dalsi() {
        size_t lf = t_.find('\n', i_);
        if (lf == std::string::npos) lf = t_.size();
        std::string r = t_.substr(i_, lf - i_);
        // CR CR LF (a file passed through a text-mode copy) ends a line as CR LF does.
        while (!r.empty() && r.back() == '\r')
            r.pop_back();
        i_ = std::min(lf + 1, t_.size());
        ++cislo_;
        return r;
    }
    // The next line when it starts with `klic`: its value.
    std::optional<std::string> Klic(const std::string& klic) {
        if (Konec() || t_.compare(i_, klic.size(), klic) != 0) return std::nullopt;
        return Dalsi().substr(klic.size());
    }
    // The rest holds blank lines only (an editor's, not damage).
    bool JenPrazdne() const { return t_.find_first_not_of("\r\n", i_) == std::string::npos; }
    // The next line is the end line.
    bool JeKonec() const {
        const std::string k = KonecSeznamu;
        return t_.compare(i_, k.size(), k) == 0 &&
               t_.find_first_not_of('\r', i_ + k.size()) == t_.find('\n', i_);
    }
    // The element's record; why it cannot be read (the next line is then
    // the one where it broke), or empty.
    std::string Zaznam(int kod, TElementSite& e) {
        const size_t od = i_;
        std::string proc = CtiElement(t_, i_, true, kod, e);
        cislo_ +=
            static_cast<size_t>(std::count(t_.begin() + long(od), t_.begin() + long(i_), '\n'));
        return proc;
    }

  private:
    const std::string& t_;
    size_t i_ = 0, cislo_ = 0;
};

// The lines of a section's parts, for the messages of the structure check.
struct RadkyUseku {
    size_t Usek = 0, Id = 0, Rodic = 0, Za = 0, Mistnost = 0, Pozadavek = 0, Prvky = 0;
    size_t Cast(CastUseku c) const {
        switch (c) {
        case CastUseku::Id:
            return Id;
        case CastUseku::Rodic:
            return Rodic;
        case CastUseku::ZaElementem:
            return Za ? Za : Rodic;
        case CastUseku::Mistnost:
            return Mistnost;
        case CastUseku::Pozadavek:
            return Pozadavek;
        case CastUseku::Prvky:
            return Prvky;
        case CastUseku::Usek:
            break;
        }
        return Usek;
    }
};

} // namespace

std::string NazevUseku(int id) {
    return "úsek " + std::to_string(id);
}

std::string ZpravaTlumiceUseku(const std::string& souborTlumice, int id) {
    return ProcTlumicNelze(souborTlumice) + " Tlumič na cestě úseku " + std::to_string(id) +
           " nelze spočítat.";
}

VysledekSouboru TextRozvodu(const Rozvod& r, std::string& bajty) {
    const auto nelze = [](const std::string& proc) {
        return VysledekSouboru{KodVysledku::NelzeZapsat, "Rozvod nelze zapsat: " + proc + "."};
    };
    if (!PlatnaAkce(r.Akce)) return nelze("neplatný název akce");
    const std::vector<Usek>& useky = r.Useky();
    if (useky.empty()) return nelze("rozvod nemá žádný úsek");
    if (const auto ch = ChybaStruktury(useky))
        return nelze("úsek " + std::to_string(useky[ch->Usek].Id) + ": " + ch->Proc);
    std::string t = Hlavicka + "\r\n" + KlicAkce + r.Akce + "\r\n";
    for (const Usek& u : useky) {
        if (const std::string proc = u.Mistnost.empty() ? "" : ChybaMistnosti(u.Mistnost);
            !proc.empty())
            return nelze("úsek " + std::to_string(u.Id) + ": " + proc);
        t += SekceUseku + "\r\n" + KlicId + std::to_string(u.Id) + "\r\n" + KlicRodice +
             std::to_string(u.Rodic) + "\r\n";
        if (u.Rodic != 0) t += KlicZa + std::to_string(u.ZaElementem) + "\r\n";
        if (!u.Mistnost.empty()) t += KlicMistnosti + u.Mistnost + "\r\n";
        if (!u.Pozadavek.empty()) t += KlicPozadavku + u.Pozadavek + "\r\n";
        for (const TElementSite& e : u.Prvky)
            ZapisElement(e, e.Typ(), t);
        t += "0\r\n";
    }
    bajty = std::move(t) + KonecSeznamu + "\r\n";
    return {};
}

VysledekSouboru UlozRozvod(const Rozvod& r, const std::string& soubor) {
    std::string bajty;
    const VysledekSouboru v = TextRozvodu(r, bajty);
    if (!v.Ok()) return v;
    if (!ZapisAtomicky(soubor, bajty))
        return {KodVysledku::NelzeZapsat, "Nepodařilo se zapsat rozvod do souboru " + soubor + "."};
    return {KodVysledku::Ok, "Rozvod je uložen v souboru " + soubor};
}

VysledekSouboru CtiRozvodZTextu(const std::string& bajty, const std::string& soubor,
                                const std::string& souborTlumice, Rozvod& r) {
    auto chyba = [&soubor](size_t radek, const std::string& proc) {
        return ChybaRadku("rozvodu", soubor, radek, proc);
    };
    const std::string text(BezBom(bajty));
    if (const auto ch = ChybaTextu(text)) return chyba(ch->first, ch->second);
    Radky v(text);
    if (v.Konec() || v.Dalsi() != Hlavicka) return chyba(1, "chybí záhlaví " + Hlavicka);
    const auto akce = v.Klic(KlicAkce);
    if (!akce) return chyba(2, "chybí řádek " + KlicAkce);
    if (!PlatnaAkce(*akce))
        return chyba(2, "název akce smí mít nejvýše 60 znaků kódu Windows-1250 na jednom řádku");
    DrunVar var;
    var.SouborTlumice = souborTlumice;
    var.cesta.VlozElement();
    std::vector<Usek> useky;
    std::vector<RadkyUseku> radky;
    // An integer key's value, or the refusal.
    const auto cislo = [&](const std::string& klic, int min, int& x) -> std::optional<size_t> {
        const size_t n = v.Cislo();
        const auto h = v.Klic(klic);
        if (!h) return n;
        const auto c = CtiInt(*h);
        if (!c || *c < min) return n;
        x = *c;
        return std::nullopt;
    };
    bool konec = false;
    while (!v.JenPrazdne()) {
        if (v.JeKonec()) {
            v.Dalsi();
            if (!v.JenPrazdne())
                return chyba(v.Cislo(),
                             std::string("za řádkem ") + KonecSeznamu + " nesmí nic být");
            konec = true;
            break;
        }
        RadkyUseku rad;
        rad.Usek = v.Cislo();
        if (v.Dalsi() != SekceUseku) return chyba(rad.Usek, "očekáván řádek " + SekceUseku);
        Usek u;
        rad.Id = v.Cislo();
        if (cislo(KlicId, 1, u.Id)) return chyba(rad.Id, "očekáván řádek Id= s celým číslem od 1");
        rad.Rodic = v.Cislo();
        if (cislo(KlicRodice, 0, u.Rodic))
            return chyba(rad.Rodic, "očekáván řádek Rodic= s celým číslem od 0");
        if (u.Rodic != 0) {
            rad.Za = v.Cislo();
            if (cislo(KlicZa, 1, u.ZaElementem))
                return chyba(rad.Za, "očekáván řádek Za elementem= s číslem elementu od 1");
        } else if (v.Klic(KlicZa)) {
            return chyba(v.Cislo() - 1, "úsek se zdrojem (Rodic=0) nemá řádek " + KlicZa);
        }
        rad.Mistnost = v.Cislo();
        if (const auto m = v.Klic(KlicMistnosti)) {
            if (const std::string proc = ChybaMistnosti(*m); !proc.empty())
                return chyba(rad.Mistnost, proc);
            u.Mistnost = *m;
        }
        rad.Pozadavek = v.Cislo();
        if (const auto p = v.Klic(KlicPozadavku)) {
            if (p->empty()) return chyba(rad.Pozadavek, "prázdný požadavek");
            u.Pozadavek = *p;
        }
        rad.Prvky = v.Cislo();
        for (;;) {
            const size_t n = v.Cislo();
            if (v.Konec()) return chyba(n, "úsek nekončí řádkem 0");
            const std::string r = v.Dalsi();
            const auto kod = CtiInt(r);
            if (!kod) return chyba(n, "očekáván typ elementu, nebo 0 na konci úseku");
            if (*kod == 0) break;
            if (!Druh(*kod))
                return chyba(n, *kod > PocetTypu ? "element typu " + r +
                                                       ", který tato verze "
                                                       "DRUN nezná"
                                                 : "neznámý typ elementu " + r);
            TElementSite e;
            if (const std::string proc = v.Zaznam(*kod, e); !proc.empty())
                return chyba(v.Cislo(), "element typu " + r + ": " + proc);
            if (!SpoctiSamotny(var, e) && u.Chybny == 0) u.Chybny = int(u.Prvky.size()) + 1;
            u.Prvky.push_back(std::move(e));
        }
        useky.push_back(std::move(u));
        radky.push_back(rad);
    }
    if (useky.empty()) return chyba(v.Cislo(), "rozvod nemá žádný úsek");
    if (const auto ch = ChybaStruktury(useky))
        return chyba(radky[ch->Usek].Cast(ch->Cast), ch->Proc);
    r.Akce = *akce;
    r.NastavUseky(std::move(useky));
    if (!konec) return {KodVysledku::Ok, ZpravaBezKonce("rozvodu", soubor)};
    return {};
}

VysledekSouboru NactiRozvod(const std::string& soubor, const std::string& souborTlumice,
                            Rozvod& r) {
    std::string bajty;
    const VysledekSouboru v = CtiTextovySoubor(soubor, "rozvodu", bajty, NejvetsiRozvod);
    if (!v.Ok()) return v;
    try {
        return CtiRozvodZTextu(bajty, soubor, souborTlumice, r);
    } catch (const std::bad_alloc&) {
        return {KodVysledku::NelzeCist,
                "Chyba při čtení souboru rozvodu " + soubor + ": nedostatek paměti."};
    }
}

PrehledRozvodu SpoctiPrehledRozvodu(const Rozvod& r) {
    PrehledRozvodu p;
    std::vector<Spectrum> konce;
    for (const MistnostRozvodu& m : r.Mistnosti()) {
        MistnostProjektu mp{m.Nazev, m.Pozadavek, {}};
        for (size_t u : m.Useky)
            mp.Cesty.push_back(NazevUseku(r.Useky()[u].Id));
        PrehledMistnosti pm;
        konce.clear();
        for (size_t u : m.Useky) {
            konce.push_back(r.Konec(u));
            if (r.ChybaCesty(u) && pm.Stav != StavMistnosti::Chyba) {
                pm.Stav = StavMistnosti::Chyba;
                pm.Cesta = NazevUseku(r.Useky()[u].Id);
                pm.Zprava = "Místnost „" + m.Nazev + "“ nelze spočítat: na cestě úseku " +
                            std::to_string(r.Useky()[u].Id) + " je tlumič, který nelze spočítat.";
            }
        }
        if (pm.Stav == StavMistnosti::Chyba) {
            ++p.Chyb;
            p.Prehled.Chyba = true;
        } else {
            const size_t nej = VyhodnotMistnost(konce, PozadavekMistnosti(mp), pm);
            if (pm.Pasmo >= 0) pm.Cesta = mp.Cesty[nej];
            if (pm.Stav == StavMistnosti::Nevyhovi) ++p.Prehled.Nevyhovi;
        }
        p.Mistnosti.Mistnosti.push_back(std::move(mp));
        p.Prehled.Mistnosti.push_back(std::move(pm));
    }
    return p;
}

std::string TabulkaRozvodu(const PrehledRozvodu& p, bool csv) {
    // Its rooms that could not be computed are the overview's Chyba line.
    const auto radky = RadkyPrehledu(p.Mistnosti, p.Prehled);
    return csv ? CsvRadku(radky) : TabulkaRadku(radky);
}

void NastavCestuUseku(const Rozvod& r, size_t u, DrunVar& var) {
    var.Akce = r.Akce;
    var.cesta.NastavPrvky(r.PrvkyCesty(u));
    var.Pozadavek = NulaSpektrum();
    if (const int m = r.MistnostUseku(u); m >= 0)
        if (const auto poz = PozadavekZTextu(r.Mistnosti()[size_t(m)].Pozadavek))
            var.Pozadavek = *poz;
}

void SpoctiCestuUseku(const Rozvod& r, size_t u, DrunVar& var) {
    NastavCestuUseku(r, u, var);
    PrepocitejOd(var, 1);
}

std::vector<std::string> TextProtokoluRozvodu(const Rozvod& r, const PrehledRozvodu& p,
                                              const DrunVar& var, const std::string& datum) {
    DrunVar hlava;
    hlava.parametry = var.parametry;
    hlava.Akce = r.Akce;
    std::vector<std::string> radky =
        TextProtokoluProjektu(hlava, p.Mistnosti, p.Prehled, datum, "PŘEHLED MÍSTNOSTÍ ROZVODU");
    for (const MistnostRozvodu& m : r.Mistnosti())
        for (size_t u : m.Useky) {
            if (r.ChybaCesty(u)) continue;
            // A calculation of its own, as if the path were opened alone.
            DrunVar cesta;
            cesta.parametry = var.parametry;
            SpoctiCestuUseku(r, u, cesta);
            const PrijemceRadku dalsi = [&radky, prvni = true](const std::string& t) mutable {
                radky.push_back(prvni ? '\f' + t : t);
                prvni = false;
            };
            RadkyProtokolu(cesta, datum, dalsi);
        }
    return radky;
}

} // namespace drun
