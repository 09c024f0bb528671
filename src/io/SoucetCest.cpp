#include "io/SoucetCest.h"

#include <filesystem>

#include "core/Cisla.h"
#include "core/DrunVyp.h"
#include "core/Platforma.h"
#include "core/Soubory.h"
#include "io/DataSoubor.h"
#include "io/Kodovani.h"
#include "tools/Pozadavek.h"

namespace drun {

namespace fs = std::filesystem;

namespace {

const std::string HlavickaSady = "[DRUN SOUCET]";
const std::string SekcePozadavku = "[POZADAVEK]";

std::string Hodnoty(const Spectrum& s, std::string (*format)(double) = FormatHodnota) {
    std::string r;
    for (int i = 0; i <= LA; ++i)
        r += '\t' + format(s[i]);
    return r;
}

// A text inside one field of a tab-separated line.
std::string Pole(std::string t) {
    for (char& c : t)
        if (c == '\t' || c == '\r' || c == '\n') c = ' ';
    return t;
}

} // namespace

std::string ZpravaBezKonce(const std::string& druh, const std::string& soubor) {
    return "Soubor " + druh + " " + soubor + " nemá na konci řádek " + KonecSeznamu +
           ": je ze starší verze DRUN, nebo byl zkrácen. Přečten je tak, jak je.";
}

fs::path Slozka(const std::string& soubor) {
    std::error_code ec;
    fs::path p = fs::absolute(CestaSouboru(soubor), ec);
    if (ec) p = CestaSouboru(soubor);
    return p.lexically_normal().parent_path();
}

std::string CestaNaDisku(const std::string& seznam, const std::string& cesta) {
    fs::path p = CestaSouboru(cesta);
    if (!p.is_absolute()) {
        std::error_code ec;
        p = (seznam.empty() ? fs::current_path(ec) : Slozka(seznam)) / p;
    }
    p = p.lexically_normal();
    // A file is named without a trailing separator ("..", "a/.." and "a/"
    // normalise to a folder with one), so that it is written back the same.
    if (!p.has_filename() && p.has_relative_path()) p = p.parent_path();
    std::string t = TextCesty(p);
    // Normalising leaves a root of several slashes as written; it is the root.
    if (!t.empty() && t.find_first_not_of('/') == std::string::npos) t = std::string(1, '/');
    return t;
}

bool JednaRadka(const std::string& t) {
    for (char c : t)
        if (JeRidiciZnak(c)) return false;
    return !t.empty();
}

std::vector<std::string> RadkyTextu(const std::string& text) {
    std::vector<std::string> radky;
    for (size_t pos = 0; pos < text.size();) {
        size_t konec = text.find('\n', pos);
        if (konec == std::string::npos) konec = text.size();
        std::string r = text.substr(pos, konec - pos);
        if (!r.empty() && r.back() == '\r') r.pop_back();
        radky.push_back(std::move(r));
        pos = konec + 1;
    }
    // Blank lines at the end are an editor's, not damage.
    while (!radky.empty() && radky.back().empty())
        radky.pop_back();
    return radky;
}

void NactiCestu(CestaSouctu& c, const std::string& souborTlumice) {
    DrunVar var;
    var.SouborTlumice = souborTlumice;
    const VysledekSouboru v = NactiData(var, c.Soubor);
    c.Ok = v.Ok();
    c.Kod = v.Kod;
    c.Zprava = v.Ok() ? std::string() : v.Zprava;
    c.Akce = v.Ok() ? var.Akce : std::string();
    if (v.Ok()) PrepocitejOd(var, 1);
    c.Konec = v.Ok() ? var.Vysledek : NulaSpektrum();
}

std::vector<Spectrum> KonceCest(const std::vector<CestaSouctu>& cesty) {
    std::vector<Spectrum> k;
    for (const CestaSouctu& c : cesty)
        if (c.Ok) k.push_back(c.Konec);
    return k;
}

std::string TabulkaSouctu(const std::vector<CestaSouctu>& cesty, const VysledekSouctu& v) {
    std::string t = "Soubor\tAkce";
    for (const char* p : NazvyPasem)
        t += '\t' + std::string(p);
    t += "\tL(A)\n";
    for (const CestaSouctu& c : cesty)
        if (c.Ok) t += Pole(c.Nazev) + '\t' + Pole(c.Akce) + Hodnoty(c.Konec) + '\n';
    t += "Součet\t" + Hodnoty(v.Soucet) + '\n';
    t += "Požadavek\t" + Hodnoty(v.Pozadavek) + '\n';
    t += "Rozdíl\t" + Hodnoty(v.Rozdil, FormatRozdil) + '\n';
    t += "NR\t" + FormatHodnota(v.NR.N) + '\n';
    t += "NC\t" + TextNC(v.NC) + '\n';
    t += "RC\t" + TextRC(v.RC) + '\n';
    return t;
}

bool TextSady(const SadaSouctu& sada, const std::string& souborSady, std::string& bajty) {
    const fs::path slozka = Slozka(souborSady);
    std::string t = HlavickaSady + "\r\n";
    for (const std::string& s : sada.Soubory) {
        const fs::path p = CestaSouboru(s).lexically_normal();
        fs::path r = p.lexically_relative(slozka);
        if (r.empty()) r = p;
        const std::string radek = Utf8(r.generic_u8string());
        if (!JednaRadka(radek) || !JePlatneUtf8(radek)) return false;
        t += radek + "\r\n";
    }
    t += SekcePozadavku + "\r\n" + TextPozadavku(sada.Pozadavek) + "\r\n" + KonecSeznamu + "\r\n";
    bajty = std::move(t);
    return true;
}

VysledekSouboru UlozSadu(const SadaSouctu& sada, const std::string& soubor) {
    std::string bajty;
    if (!TextSady(sada, soubor, bajty) || !ZapisAtomicky(soubor, bajty))
        return {KodVysledku::NelzeZapsat, "Nepodařilo se zapsat sadu do souboru " + soubor + "."};
    return {KodVysledku::Ok, "Sada je uložena v souboru " + soubor};
}

VysledekSouboru CtiSaduZTextu(const std::string& bajty, const std::string& souborSady,
                              SadaSouctu& sada) {
    // The first bad line (numbered from 1) and why, after the file's name.
    const auto chyba = [&](size_t radek, const std::string& proc) {
        return ChybaRadku("sady", souborSady, radek, proc);
    };
    std::vector<std::string> radky = RadkyTextu(std::string(BezBom(bajty)));
    if (radky.empty() || radky.front() != HlavickaSady)
        return chyba(1, "chybí záhlaví " + HlavickaSady);
    const bool konec = radky.back() == KonecSeznamu;
    if (konec) radky.pop_back();
    // The requirement's section is the last one: a file may be named like it.
    size_t sekce = radky.size();
    for (size_t i = radky.size(); i-- > 1;)
        if (radky[i] == SekcePozadavku) {
            sekce = i;
            break;
        }
    SadaSouctu nova;
    for (size_t i = 1; i < sekce; ++i) {
        const std::string& radek = radky[i];
        if (radek.empty()) return chyba(i + 1, "prázdný řádek místo názvu souboru");
        if (!JednaRadka(radek)) return chyba(i + 1, "řídicí znak v názvu souboru");
        if (!JePlatneUtf8(radek)) return chyba(i + 1, "název souboru není v kódování UTF-8");
        nova.Soubory.push_back(CestaNaDisku(souborSady, radek));
    }
    if (sekce == radky.size()) return chyba(sekce + 1, "chybí oddíl " + SekcePozadavku);
    if (sekce + 1 == radky.size()) return chyba(sekce + 2, "chybí požadavek");
    const auto pozadavek = PozadavekZTextu(radky[sekce + 1]);
    if (!pozadavek)
        return chyba(
            sekce + 2,
            "požadavek není křivka N10 až N75 ani NC15 až NC70 ani osm hladin od 0 do 150 dB");
    if (sekce + 2 < radky.size()) return chyba(sekce + 3, "za požadavkem nesmí nic být");
    nova.Pozadavek = *pozadavek;
    sada = std::move(nova);
    if (!konec) return {KodVysledku::Ok, ZpravaBezKonce("sady", souborSady)};
    return {};
}

VysledekSouboru NactiSadu(const std::string& soubor, SadaSouctu& sada) {
    std::string bajty;
    const VysledekSouboru v = CtiTextovySoubor(soubor, "sady", bajty, NejvetsiSeznam);
    if (!v.Ok()) return v;
    try {
        return CtiSaduZTextu(bajty, soubor, sada);
    } catch (const std::bad_alloc&) {
        return {KodVysledku::NelzeCist,
                "Chyba při čtení souboru sady " + soubor + ": nedostatek paměti."};
    }
}

} // namespace drun
