#include "app/ProtokolSouctu.h"

#include <cstdio>
#include <iostream>
#include <optional>

#include "core/DrunVar.h"
#include "io/SoucetCest.h"
#include "tools/Pozadavek.h"

using namespace drun;

const char* const PouzitiSouctu =
    "         drun-protokol --soucet SOUBOR.DRN… [--pozadavek N10…N75 | --pozadavek \"v63 v125 "
    "v250 v500 v1000 v2000 v4000 v8000\"]";

namespace {

int SpatnePouziti(const std::string& proc) {
    // The usage line without the indent that aligns it under the protocol's own.
    std::cerr << "drun-protokol: " << proc << "\nPoužití: " << (PouzitiSouctu + 9) << "\n";
    return 2;
}

} // namespace

int ProtokolSouctu(const std::vector<std::string>& arg, const std::string& slozka) {
    Spectrum pozadavek = NulaSpektrum();
    std::vector<CestaSouctu> cesty;
    for (size_t i = 0; i < arg.size(); ++i) {
        const std::string& a = arg[i];
        if (a == "--soucet") continue;
        if (a == "--pozadavek" || a.rfind("--pozadavek=", 0) == 0) {
            std::string hodnota;
            if (a == "--pozadavek") {
                if (i + 1 >= arg.size()) return SpatnePouziti(a + " bez hodnoty");
                hodnota = arg[++i];
            } else {
                hodnota = a.substr(a.find('=') + 1);
            }
            const auto p = CtiPozadavek(hodnota);
            if (!p) return SpatnePouziti("neplatný požadavek: " + hodnota);
            NastavPozadavek(pozadavek, *p);
        } else if (a.rfind("-", 0) == 0 && a != "-") {
            return SpatnePouziti("se součtem nelze použít volbu " + a);
        } else {
            cesty.emplace_back(a, a);
        }
    }
    if (cesty.empty()) return SpatnePouziti("chybí datové soubory součtu");

    DrunVar var;
    var.NastavSlozku(slozka);
    for (CestaSouctu& c : cesty) {
        NactiCestu(c, var.SouborTlumice);
        if (!c.Ok) {
            std::cerr << c.Soubor << ": " << c.Zprava << "\n";
            return 1;
        }
    }
    const std::string text = TabulkaSouctu(cesty, SectiCesty(KonceCest(cesty), pozadavek));
    return VypisNaVystup(text);
}

int VypisNaVystup(const std::string& text) {
    return StavVypisu(std::fwrite(text.data(), 1, text.size(), stdout) == text.size() &&
                      std::fflush(stdout) == 0);
}

int StavVypisu(bool zapsano) {
    if (zapsano) return 0;
    std::cerr << "drun-protokol: výsledek se nepodařilo zapsat na standardní výstup.\n";
    return 1;
}
