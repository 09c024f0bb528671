#include "app/Prikazy.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "core/Cisla.h"
#include "core/DrunVar.h"
#include "core/DrunVyp.h"
#include "core/Platforma.h"
#include "core/Soubory.h"
#include "core/Umisteni.h"
#include "io/DataSoubor.h"
#include "io/Projekt.h"
#include "io/RozvodSoubor.h"
#include "io/SoucetCest.h"
#include "models/Tlumic.h"
#include "tools/Pozadavek.h"
#include "tools/Rozvod.h"

using namespace drun;
namespace fs = std::filesystem;

namespace {

const Volba* NajdiVolbu(const Rezim& r, std::string_view jmeno) {
    for (const Volba& v : r.volby)
        if (v.jmeno == jmeno) return &v;
    return nullptr;
}

// The option's name in an argument: "--x" of "--x=v"; empty for other arguments.
std::string_view JmenoVolby(std::string_view a) {
    if (!a.starts_with("--") || a.size() <= 2) return {};
    return a.substr(0, a.find('='));
}

// Every mode's usage: the first line after "Použití: ", the others under it.
std::string VsechnaPouziti(std::span<const Rezim> rezimy, const std::string& program) {
    std::string s;
    for (const Rezim& r : rezimy)
        s +=
            (s.empty() ? "Použití: " : "         ") + program + " " + std::string(r.pouziti) + "\n";
    return s;
}

// The arguments against the chosen mode's options; the refusal, or empty.
std::string Rozloz(const std::vector<std::string>& arg, Prikaz& p) {
    const Rezim& rezim = *p.rezim;
    for (size_t i = 0; i < arg.size(); ++i) {
        const std::string& a = arg[i];
        const std::string_view jmeno = JmenoVolby(a);
        if (jmeno.empty()) {
            if (a.starts_with("-") && a != "-") return "neznámá volba: " + a;
            p.soubory.push_back(a);
            continue;
        }
        const Volba* v = NajdiVolbu(rezim, jmeno);
        if (!v) {
            for (const Rezim& jiny : p.rezimy)
                if (NajdiVolbu(jiny, jmeno) && !rezim.cizi.empty())
                    return std::string(rezim.cizi) + std::string(jmeno);
            return "neznámá volba: " + std::string(jmeno);
        }
        const bool sRovnitkem = jmeno.size() < a.size();
        std::string hodnota;
        if (!v->hodnota) {
            if (sRovnitkem) return "volba " + std::string(jmeno) + " nemá hodnotu";
        } else if (sRovnitkem) {
            hodnota = a.substr(jmeno.size() + 1);
        } else {
            if (i + 1 >= arg.size()) return a + " bez hodnoty";
            hodnota = arg[++i];
        }
        p.volby[std::string(jmeno)] = hodnota; // the last one counts
    }
    return {};
}

std::string JmenoProgramu(const char* argv0) {
    std::string s = argv0 ? fs::path(argv0).filename().string() : std::string();
    if (s.ends_with(".exe")) s.resize(s.size() - 4);
    return s.empty() ? "drun-protokol" : s;
}

// The path of --usek's section of the rozvod in `soubor` into `var`, with
// its room's requirement; 0, or the status of a refusal (its message is out).
int CestaUseku(const Prikaz& p, const std::string& soubor, DrunVar& var) {
    const std::string* h = p.Hodnota("--usek");
    if (!h) return SpatnePouziti(p, "chybí --usek");
    const std::optional<int> id = CtiInt(*h);
    if (!id) return SpatnePouziti(p, "úsek není číslo: " + *h);
    Rozvod r;
    const VysledekSouboru v = NactiRozvod(soubor, var.SouborTlumice, r);
    if (!v.Ok()) return Chyba(p, v.Zprava);
    if (!v.Zprava.empty()) Chyba(p, v.Zprava); // read, with a notice
    const int u = r.Index(*id);
    if (u < 0) return SpatnePouziti(p, "úsek " + *h + " v rozvodu " + soubor + " není");
    if (r.ChybaCesty(size_t(u))) return Chyba(p, ZpravaTlumiceUseku(var.SouborTlumice, *id));
    NastavCestuUseku(r, size_t(u), var);
    return 0;
}

} // namespace

const std::string* Prikaz::Hodnota(std::string_view volba) const {
    const auto it = volby.find(volba);
    return it == volby.end() ? nullptr : &it->second;
}

int SpustPrikaz(std::span<const Rezim> rezimy, int argc, char** argv) {
    Prikaz p;
    BinarniVystup();
    p.argumenty = Argumenty(argc, argv);
    p.program = JmenoProgramu(argc > 0 ? argv[0] : nullptr);
    p.rezimy = rezimy;
    // The mode: the first mode option on the line, else the default mode.
    for (const std::string& a : p.argumenty)
        for (const Rezim& r : rezimy)
            if (!r.volba.empty() && JmenoVolby(a) == r.volba) {
                // A mode may take another's option as its own (--sestav --projekt).
                if (p.rezim && p.rezim != &r && NajdiVolbu(*p.rezim, r.volba)) continue;
                if (p.rezim && p.rezim != &r && NajdiVolbu(r, p.rezim->volba)) {
                    p.rezim = &r;
                    continue;
                }
                if (p.rezim && p.rezim != &r) {
                    VypisChybu(p.program + ": " + std::string(p.rezim->volba) + " a " +
                               std::string(r.volba) + " se vylučují\n" +
                               VsechnaPouziti(rezimy, p.program));
                    return 2;
                }
                p.rezim = &r;
            }
    for (const Rezim& r : rezimy)
        if (!p.rezim && r.volba.empty()) p.rezim = &r;
    if (!p.rezim) return -1;
    for (const std::string& a : p.argumenty)
        if (a == "-h" || a == "--help") return VypisNaVystup(VsechnaPouziti(rezimy, p.program));
    if (const std::string proc = Rozloz(p.argumenty, p); !proc.empty())
        return SpatnePouziti(p, proc);
    p.slozka = SlozkaProgramu(argc > 0 ? argv[0] : "");
    return p.rezim->spust(p);
}

int SpatnePouziti(const Prikaz& p, const std::string& proc) {
    // The default mode shows every mode, a chosen mode its own line.
    VypisChybu(p.program + ": " + proc + "\n" +
               (p.rezim && !p.rezim->volba.empty()
                    ? "Použití: " + p.program + " " + std::string(p.rezim->pouziti) + "\n"
                    : VsechnaPouziti(p.rezimy, p.program)));
    return 2;
}

int Chyba(const Prikaz& p, const std::string& zprava, int status) {
    VypisChybu(p.program + ": " + zprava + "\n");
    return status;
}

int CtiVolbuPozadavku(const Prikaz& p, std::optional<Spectrum>& pozadavek) {
    const std::string* h = p.Hodnota("--pozadavek");
    if (!h) return 0;
    pozadavek = PozadavekZTextu(*h);
    return pozadavek ? 0 : SpatnePouziti(p, "neplatný požadavek: " + *h);
}

void NastavUmisteniProgramu(const Prikaz& p, DrunVar& var) {
    NastavUmisteni(var, Slozky(p.slozka, p.slozka), true);
}

int PripravProtokol(const Prikaz& p, DrunVar& var) {
    std::optional<Spectrum> pozadavek;
    if (const int s = CtiVolbuPozadavku(p, pozadavek)) return s;
    std::optional<int> stranka;
    if (const std::string* h = p.Hodnota("--stranka")) {
        stranka = CtiInt(*h);
        if (!stranka || *stranka < MinDelkaStranky || *stranka > MaxDelkaStranky)
            return SpatnePouziti(p, "délka stránky musí být " + std::to_string(MinDelkaStranky) +
                                        " až " + std::to_string(MaxDelkaStranky) + ": " + *h);
    }
    const bool datum = p.Ma("--datum");
    // A line break or a form feed would break the protocol's title.
    if (const std::string* h = p.Hodnota("--datum"); h && !h->empty() && !JednaRadka(*h))
        return SpatnePouziti(p, "datum nesmí obsahovat řídicí znaky");
    const std::string* pdf = p.Hodnota("--pdf");
    if (pdf && pdf->empty()) return SpatnePouziti(p, "--pdf bez výstupního souboru");
    const bool csv = p.Ma("--csv");
    // A section of a rozvod, or a data file.
    const std::string* rozvod = p.Hodnota("--rozvod");
    if (rozvod && !p.soubory.empty())
        return SpatnePouziti(p, "s rozvodem nelze uvést další soubor: " + p.soubory[0]);
    if (!rozvod && p.soubory.empty()) return SpatnePouziti(p, "chybí datový soubor");
    if (p.soubory.size() > 1) return SpatnePouziti(p, "jen jeden soubor");
    if (csv && pdf) return SpatnePouziti(p, "--csv a --pdf se vylučují");
    if (csv && (stranka || datum)) return SpatnePouziti(p, "--csv nepoužívá --stranka ani --datum");
    const std::vector<std::string> vstupy = rozvod ? std::vector{*rozvod} : p.soubory;
    if (const int s = OdmitniPrepsaniVstupu(p, pdf ? *pdf : std::string(), vstupy)) return s;

    const std::string& soubor = vstupy.front();
    NastavUmisteniProgramu(p, var);
    if (stranka) var.parametry.DelkaStranky = *stranka;
    if (rozvod) {
        if (const int s = CestaUseku(p, soubor, var)) return s;
    } else {
        const VysledekSouboru v = NactiData(var, soubor);
        if (!v.Ok()) return Chyba(p, ZpravaCteni(soubor, v, var));
    }
    if (pozadavek) var.Pozadavek = *pozadavek;
    PrepocitejOd(var, 1);
    // A place that cannot take the PDF is reported before it is drawn.
    if (pdf)
        if (const std::string duvod = DuvodNelzeZapsat(*pdf); !duvod.empty())
            return ChybaUlozeni(p, *pdf, duvod);
    return 0;
}

int ChybaUlozeni(const Prikaz& p, const std::string& soubor, const std::string& duvod) {
    return Chyba(p, "Protokol se nepodařilo uložit do souboru " + soubor +
                        (duvod.empty() ? "." : ": " + duvod + "."));
}

int OdmitniPrepsaniVstupu(const Prikaz& p, const std::string& vystup,
                          const std::vector<std::string>& vstupy) {
    for (const std::string& vstup : vstupy) {
        // Standard output is compared by the identity of the file behind it.
        std::error_code ec;
        if (vystup.empty() ? !VystupJeSoubor(vstup)
                           : !fs::equivalent(CestaSouboru(vystup), CestaSouboru(vstup), ec) || ec)
            continue;
        return SpatnePouziti(p, vystup.empty() ? "standardní výstup je přesměrován do vstupního "
                                                 "souboru " +
                                                     vstup
                                               : "výstup " + vystup + " je vstupní soubor " +
                                                     vstup + ", přepsal by ho");
    }
    return 0;
}

int VypisNaVystup(const std::string& text) {
    return StavVypisu(std::fwrite(text.data(), 1, text.size(), stdout) == text.size() &&
                      std::fflush(stdout) == 0);
}

int StavVypisu(bool zapsano) {
    if (zapsano) return 0;
    VypisChybu("drun-protokol: výsledek se nepodařilo zapsat na standardní výstup.\n");
    return 1;
}

int NactiRozvodPrikazu(const Prikaz& p, const std::string& soubor, const DrunVar& var, Rozvod& r) {
    const VysledekSouboru v = NactiRozvod(soubor, var.SouborTlumice, r);
    if (!v.Ok()) return Chyba(p, v.Zprava);
    if (!v.Zprava.empty()) Chyba(p, v.Zprava); // read, with a notice
    // Nothing to check is no "all is well".
    if (r.Mistnosti().empty()) return Chyba(p, "Rozvod " + soubor + " nemá žádnou místnost.");
    return 0;
}

int NactiProjektPrikazu(const Prikaz& p, const std::string& soubor, Projekt& projekt) {
    const VysledekSouboru v = NactiProjekt(soubor, projekt);
    if (!v.Ok()) return Chyba(p, v.Zprava);
    if (!v.Zprava.empty()) Chyba(p, v.Zprava); // read, with a notice
    if (projekt.Mistnosti.empty()) return Chyba(p, "Projekt " + soubor + " nemá žádnou místnost.");
    return 0;
}
