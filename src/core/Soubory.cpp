#include "core/Soubory.h"

#include <filesystem>
#include <random>
#include <vector>

#include "core/Platforma.h"

namespace drun {

namespace fs = std::filesystem;

KodVysledku CtiNeprazdny(const std::string& cesta, std::string& obsah) {
    const KodVysledku k = CtiSoubor(cesta, obsah);
    return k == KodVysledku::Ok && obsah.empty() ? KodVysledku::Chybi : k;
}

namespace {

// The name of a temporary file of `soubor` without its last six characters:
// hidden, beside the target, recognisable as a save of that file.
std::string ZacatekDocasneho(const fs::path& soubor) {
    return "." + TextCesty(soubor.filename()) + ".ukladani-";
}

// Temporary files that an earlier, interrupted save of the same target left.
void SmazStareDocasne(const fs::path& soubor) {
    const std::string zacatek = ZacatekDocasneho(soubor);
    std::error_code ec;
    std::vector<fs::path> stare;
    const fs::path slozka = soubor.parent_path().empty() ? fs::path(".") : soubor.parent_path();
    for (fs::directory_iterator it(slozka, ec), konec; !ec && it != konec; it.increment(ec)) {
        const std::string jmeno = TextCesty(it->path().filename());
        if (jmeno.size() == zacatek.size() + 6 && jmeno.starts_with(zacatek) &&
            it->is_regular_file(ec))
            stare.push_back(it->path());
    }
    for (const auto& p : stare)
        fs::remove(p, ec);
}

} // namespace

bool ZapisAtomicky(const std::string& cesta, const std::string& obsah) {
    if (cesta.empty()) return false;
    // Saving over a link writes the file it points to (in that file's folder),
    // and the link stays a link.
    fs::path cil = CestaSouboru(cesta);
    std::error_code ec;
    for (int i = 0; fs::is_symlink(cil, ec); ++i) {
        if (i == 40) return false; // a loop of links
        const fs::path odkaz = fs::read_symlink(cil, ec);
        if (ec) return false;
        cil = odkaz.is_absolute() ? odkaz : cil.parent_path() / odkaz;
    }
    if (cil.filename().empty()) return false;
    // The temporary file sits beside the target so that the rename stays on one file system.
    const std::string zacatek = ZacatekDocasneho(cil);
    static constexpr char Znaky[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device nahoda;
    for (int pokus = 0; pokus < 100; ++pokus) {
        std::string jmeno = zacatek;
        for (int i = 0; i < 6; ++i)
            jmeno += Znaky[nahoda() % (sizeof Znaky - 1)];
        switch (NahradSoubor(cil, cil.parent_path() / CestaSouboru(jmeno), obsah)) {
        case Nahrazeni::Ok:
            SmazStareDocasne(cil);
            return true;
        case Nahrazeni::Chyba:
            return false;
        case Nahrazeni::JmenoObsazeno:
            break;
        }
    }
    return false;
}

} // namespace drun
