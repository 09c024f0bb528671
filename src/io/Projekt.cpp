#include "io/Projekt.h"

#include <algorithm>
#include <filesystem>
#include <optional>

#include "core/Cisla.h"
#include "core/Platforma.h"
#include "core/Soubory.h"
#include "io/Csv.h"
#include "io/Kodovani.h"
#include "io/Vysledky.h"
#include "tools/NR.h"
#include "tools/Pozadavek.h"

namespace drun {

namespace fs = std::filesystem;

namespace {

const std::string HlavickaProjektu = "[DRUN PROJEKT]";
const std::string SekceMistnosti = "[MISTNOST]";
const std::string KlicNazvu = "Nazev=";
const std::string KlicPozadavku = "Pozadavek=";
const std::string KlicCesty = "Cesta=";
// What the overview shows in place of the path of a room that has none.
const std::string BezCest = "(bez cest)";

// Why a room cannot be written, or nothing when it can.
std::optional<std::string> ChybaMistnosti(const MistnostProjektu& m) {
    if (m.Nazev.empty()) return "místnost bez názvu";
    if (const std::string proc = ChybaNazvu(m.Nazev); !proc.empty())
        return "neplatný název místnosti (" + proc + ")";
    if (!CtiPozadavek(m.Pozadavek)) return "neplatný požadavek";
    for (const std::string& c : m.Cesty) {
        if (c.empty()) return "prázdná cesta";
        if (!JednaRadka(c) || !JePlatneUtf8(c)) return "neplatná cesta";
    }
    return std::nullopt;
}

bool ZacinaNa(const std::string& r, const std::string& klic) {
    return r.compare(0, klic.size(), klic) == 0;
}

} // namespace

VysledekSouboru TextProjektu(const Projekt& p, std::string& bajty) {
    std::string t = HlavickaProjektu + "\r\n";
    for (const MistnostProjektu& m : p.Mistnosti) {
        if (const auto chyba = ChybaMistnosti(m))
            return {KodVysledku::NelzeZapsat,
                    "Místnost „" + m.Nazev + "“ nelze zapsat: " + *chyba + "."};
        t += SekceMistnosti + "\r\n" + KlicNazvu + m.Nazev + "\r\n" + KlicPozadavku + m.Pozadavek +
             "\r\n";
        for (const std::string& c : m.Cesty)
            t += KlicCesty + c + "\r\n";
    }
    bajty = std::move(t) + KonecSeznamu + "\r\n";
    return {};
}

VysledekSouboru UlozProjekt(const Projekt& p, const std::string& soubor) {
    std::string bajty;
    const VysledekSouboru v = TextProjektu(p, bajty);
    if (!v.Ok()) return v;
    if (!ZapisAtomicky(soubor, bajty))
        return {KodVysledku::NelzeZapsat,
                "Nepodařilo se zapsat projekt do souboru " + soubor + "."};
    return {KodVysledku::Ok, "Projekt je uložen v souboru " + soubor};
}

VysledekSouboru CtiProjektZTextu(const std::string& bajty, const std::string& soubor, Projekt& p) {
    auto chyba = [&soubor](size_t radek, const std::string& proc) {
        return ChybaRadku("projektu", soubor, radek, proc);
    };
    const std::vector<std::string> radky = RadkyTextu(std::string(BezBom(bajty)));
    if (radky.empty() || radky.front() != HlavickaProjektu)
        return chyba(1, "chybí záhlaví " + HlavickaProjektu);
    Projekt novy;
    bool konec = false;
    size_t zacatek = 0; // line of the room's section
    bool maNazev = false, maPozadavek = false;
    // A room is complete when its section ends.
    auto uzavri = [&]() -> std::optional<VysledekSouboru> {
        if (zacatek == 0) return std::nullopt;
        if (!maNazev) return chyba(zacatek, "místnost bez názvu");
        if (!maPozadavek) return chyba(zacatek, "místnost bez požadavku");
        return std::nullopt;
    };
    for (size_t i = 1; i < radky.size(); ++i) {
        const std::string& r = radky[i];
        const size_t cislo = i + 1;
        if (!JePlatneUtf8(r)) return chyba(cislo, "text není v kódování UTF-8");
        if (!r.empty() && !JednaRadka(r)) return chyba(cislo, "neplatný znak");
        if (konec) return chyba(cislo, std::string("za řádkem ") + KonecSeznamu + " nesmí nic být");
        if (r == KonecSeznamu) {
            konec = true;
            continue;
        }
        if (r == SekceMistnosti) {
            if (auto v = uzavri()) return *v;
            novy.Mistnosti.emplace_back();
            zacatek = cislo;
            maNazev = maPozadavek = false;
            continue;
        }
        if (zacatek == 0) return chyba(cislo, "očekáván řádek " + SekceMistnosti);
        MistnostProjektu& m = novy.Mistnosti.back();
        if (ZacinaNa(r, KlicNazvu)) {
            if (maNazev) return chyba(cislo, "název místnosti je uveden dvakrát");
            m.Nazev = r.substr(KlicNazvu.size());
            if (m.Nazev.empty()) return chyba(cislo, "místnost bez názvu");
            if (const std::string proc = ChybaNazvu(m.Nazev); !proc.empty())
                return chyba(cislo, "neplatný název místnosti (" + proc + ")");
            maNazev = true;
        } else if (ZacinaNa(r, KlicPozadavku)) {
            if (maPozadavek) return chyba(cislo, "požadavek je uveden dvakrát");
            m.Pozadavek = r.substr(KlicPozadavku.size());
            if (!CtiPozadavek(m.Pozadavek)) return chyba(cislo, "neplatný požadavek");
            maPozadavek = true;
        } else if (ZacinaNa(r, KlicCesty)) {
            std::string c = r.substr(KlicCesty.size());
            if (c.empty()) return chyba(cislo, "prázdná cesta");
            m.Cesty.push_back(std::move(c));
        } else {
            return chyba(cislo, r.empty() ? "prázdný řádek" : "neznámý řádek");
        }
    }
    if (auto v = uzavri()) return *v;
    p = std::move(novy);
    if (!konec) return {KodVysledku::Ok, ZpravaBezKonce("projektu", soubor)};
    return {};
}

VysledekSouboru NactiProjekt(const std::string& soubor, Projekt& p) {
    std::string bajty;
    const VysledekSouboru v = CtiTextovySoubor(soubor, "projektu", bajty, NejvetsiSeznam);
    if (!v.Ok()) return v;
    try {
        return CtiProjektZTextu(bajty, soubor, p);
    } catch (const std::bad_alloc&) {
        return {KodVysledku::NelzeCist,
                "Chyba při čtení souboru projektu " + soubor + ": nedostatek paměti."};
    }
}

std::string CestaVProjektu(const std::string& souborProjektu, const std::string& soubor) {
    const std::string naDisku = CestaNaDisku(souborProjektu, soubor);
    if (souborProjektu.empty()) return naDisku;
    const fs::path r = CestaSouboru(naDisku).lexically_relative(Slozka(souborProjektu));
    if (r.empty() || *r.begin() == "..") return naDisku;
    return Utf8(r.generic_u8string());
}

void PresunProjekt(Projekt& p, const std::string& z, const std::string& na) {
    for (MistnostProjektu& m : p.Mistnosti)
        for (std::string& c : m.Cesty)
            if (!CestaSouboru(c).is_absolute()) c = CestaVProjektu(na, CestaNaDisku(z, c));
}

const char* TextStavu(StavMistnosti s) {
    switch (s) {
    case StavMistnosti::Vyhovi:
        return "vyhoví";
    case StavMistnosti::Nevyhovi:
        return "nevyhoví";
    case StavMistnosti::Chyba:
        return "chyba";
    }
    return "";
}

std::string TextNCSouctu(const Spectrum& s) {
    return TextNC(SpoctiNC(s));
}

Spectrum PozadavekMistnosti(const MistnostProjektu& m) {
    Spectrum s = NulaSpektrum();
    if (const auto p = PozadavekZTextu(m.Pozadavek)) s = *p;
    return s;
}

size_t VyhodnotMistnost(const std::vector<Spectrum>& konce, const Spectrum& pozadavek,
                        PrehledMistnosti& r) {
    r.Soucet = SectiCesty(konce, pozadavek);
    for (int i = 0; i < PocetPasem; ++i) {
        const auto k = static_cast<size_t>(i);
        if (pozadavek[k] == 0) continue;
        const double rezerva = pozadavek[k] - r.Soucet.Soucet[k];
        if (r.Pasmo < 0 || rezerva < r.Rezerva) {
            r.Pasmo = i;
            r.Rezerva = rezerva;
        }
    }
    size_t nej = 0;
    if (r.Pasmo < 0) return nej;
    const auto k = static_cast<size_t>(r.Pasmo);
    for (size_t j = 1; j < konce.size(); ++j)
        if (konce[j][k] > konce[nej][k]) nej = j;
    if (r.Rezerva < 0) r.Stav = StavMistnosti::Nevyhovi;
    return nej;
}

PrehledProjektu SpoctiPrehled(const Projekt& p, const std::string& souborProjektu,
                              const std::string& souborTlumice,
                              const std::map<std::string, CestaSouctu>* znama) {
    PrehledProjektu pr;
    std::vector<Spectrum> konce;
    for (const MistnostProjektu& m : p.Mistnosti) {
        PrehledMistnosti r;
        konce.clear();
        for (const std::string& c : m.Cesty) {
            const std::string soubor = CestaNaDisku(souborProjektu, c);
            auto [it, novy] = pr.Soubory.try_emplace(soubor, c, soubor);
            if (novy) {
                if (znama && znama->count(soubor))
                    it->second = znama->at(soubor);
                else
                    NactiCestu(it->second, souborTlumice);
            }
            if (!it->second.Ok && r.Stav != StavMistnosti::Chyba) {
                r.Stav = StavMistnosti::Chyba;
                r.Cesta = c;
                r.Zprava = it->second.Zprava;
            }
            konce.push_back(it->second.Konec);
        }
        if (m.Cesty.empty()) {
            r.Stav = StavMistnosti::Chyba;
            r.Cesta = BezCest;
            r.Zprava = "Místnost „" + m.Nazev + "“ nemá žádnou cestu.";
        }
        if (r.Stav == StavMistnosti::Chyba) {
            pr.Chyba = true;
            pr.Mistnosti.push_back(std::move(r));
            continue;
        }
        const size_t nej = VyhodnotMistnost(konce, PozadavekMistnosti(m), r);
        if (r.Pasmo >= 0) r.Cesta = m.Cesty[nej];
        if (r.Stav == StavMistnosti::Nevyhovi) ++pr.Nevyhovi;
        pr.Mistnosti.push_back(std::move(r));
    }
    return pr;
}

std::vector<CestaSouctu> CestyMistnosti(const PrehledProjektu& pr, const MistnostProjektu& m,
                                        const std::string& souborProjektu) {
    std::vector<CestaSouctu> v;
    for (const std::string& c : m.Cesty) {
        const std::string soubor = CestaNaDisku(souborProjektu, c);
        const auto it = pr.Soubory.find(soubor);
        CestaSouctu x = it != pr.Soubory.end() ? it->second : CestaSouctu(c, soubor);
        x.Nazev = c;
        v.push_back(std::move(x));
    }
    return v;
}

std::vector<std::vector<std::string>> RadkyPrehledu(const Projekt& p, const PrehledProjektu& pr) {
    std::vector<std::vector<std::string>> t{
        {"Místnost", "Cest", "L(A)", "NR", "NC", "Požadavek", "Pásmo", "Rezerva", "Cesta", "Stav"}};
    for (size_t i = 0; i < p.Mistnosti.size() && i < pr.Mistnosti.size(); ++i) {
        const MistnostProjektu& m = p.Mistnosti[i];
        const PrehledMistnosti& r = pr.Mistnosti[i];
        std::vector<std::string> radek{m.Nazev, std::to_string(m.Cesty.size())};
        if (r.Stav == StavMistnosti::Chyba) {
            radek.insert(radek.end(), {"", "", "", m.Pozadavek, "", "", r.Cesta});
        } else {
            const Spectrum& s = r.Soucet.Soucet;
            const bool pasmo = r.Pasmo >= 0;
            radek.insert(radek.end(),
                         {FormatHodnota(s[LA]), FormatHodnota(r.Soucet.NR.N), TextNCSouctu(s),
                          m.Pozadavek,
                          pasmo ? NazvyPasem[static_cast<size_t>(r.Pasmo)] : std::string(),
                          pasmo ? FormatRozdil(r.Rezerva) : std::string(), r.Cesta});
        }
        radek.push_back(TextStavu(r.Stav));
        t.push_back(std::move(radek));
    }
    t.push_back({"Nevyhoví", std::to_string(pr.Nevyhovi)});
    // A script that reads only the summary must not take an unread room for a pass.
    const auto chyb =
        std::count_if(pr.Mistnosti.begin(), pr.Mistnosti.end(),
                      [](const PrehledMistnosti& r) { return r.Stav == StavMistnosti::Chyba; });
    if (chyb > 0) t.push_back({"Chyba", std::to_string(chyb)});
    return t;
}

std::string TabulkaPrehledu(const Projekt& p, const PrehledProjektu& pr) {
    return TabulkaRadku(RadkyPrehledu(p, pr));
}

std::string TabulkaRadku(const std::vector<std::vector<std::string>>& radky) {
    std::string t;
    for (const auto& radek : radky) {
        for (size_t i = 0; i < radek.size(); ++i) {
            if (i) t += '\t';
            t += radek[i]; // names and paths hold no tabs: the reader refuses them
        }
        t += '\n';
    }
    return t;
}

std::string CsvPrehledu(const Projekt& p, const PrehledProjektu& pr) {
    return CsvRadku(RadkyPrehledu(p, pr));
}

std::string CsvRadku(const std::vector<std::vector<std::string>>& radky) {
    // The columns of numbers get the decimal comma.
    constexpr bool Cislo[] = {false, true, true, true, true, false, false, true, false, false};
    ZapisCsv csv;
    for (size_t r = 0; r < radky.size(); ++r) {
        for (size_t i = 0; i < radky[r].size(); ++i)
            if (r > 0 && i < std::size(Cislo) && Cislo[i])
                csv.CisloJakoText(radky[r][i]);
            else
                csv.Text(radky[r][i]);
        csv.Konec();
    }
    return csv.Vezmi();
}

} // namespace drun
