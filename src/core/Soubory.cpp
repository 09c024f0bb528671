#include "core/Soubory.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <random>
#include <string_view>
#include <vector>

#include "core/Platforma.h"

namespace drun {

namespace fs = std::filesystem;

KodVysledku CtiNeprazdny(const std::string& cesta, std::string& obsah, std::uintmax_t nejvic) {
    const KodVysledku k = CtiSoubor(cesta, obsah, nejvic);
    return k == KodVysledku::Ok && obsah.empty() ? KodVysledku::Chybi : k;
}

std::string DuvodChyby(int kod) {
    switch (kod) {
    case 0:
        return {};
    case ENOENT:
        return "soubor nebo složka neexistuje";
    case EACCES:
    case EPERM:
        return "chybí oprávnění";
    case EISDIR:
        return "je to složka";
    case ENOTDIR:
        return "část cesty není složka";
    case ENOSPC:
        return "disk je plný";
    case EROFS:
        return "disk je jen pro čtení";
    case EIO:
        return "chyba vstupu nebo výstupu";
    case ENAMETOOLONG:
        return "příliš dlouhé jméno";
    case ELOOP:
        return "smyčka symbolických odkazů";
    case ENOMEM:
        return "nedostatek paměti";
    default:
        return std::strerror(kod);
    }
}

std::string TextVelikosti(std::uintmax_t nejvic) {
    return "soubor je větší než " + std::to_string(nejvic >> 20) + " MB";
}

VysledekSouboru CtiTextovySoubor(const std::string& soubor, const std::string& druh,
                                 std::string& bajty, std::uintmax_t nejvic) {
    const KodVysledku s = CtiNeprazdny(soubor, bajty, nejvic);
    if (s == KodVysledku::Chybi)
        return {KodVysledku::Chybi,
                "Soubor " + druh + " " + soubor + " nenalezen, nebo je prázdný."};
    if (s == KodVysledku::NelzeCist) {
        const std::string duvod = DuvodNecitelnosti(soubor, nejvic);
        return {KodVysledku::NelzeCist, "Chyba při čtení souboru " + druh + " " + soubor +
                                            (duvod.empty() ? "." : ": " + duvod + ".")};
    }
    return {};
}

VysledekSouboru ChybaRadku(const std::string& druh, const std::string& soubor, size_t radek,
                           const std::string& proc) {
    return {KodVysledku::Poskozen, "Chyba při čtení souboru " + druh + " " + soubor + ", řádek " +
                                       std::to_string(radek) + ": " + proc + "."};
}

std::string DuvodNelzeZapsat(const std::string& soubor) {
    const fs::path cesta = CestaSouboru(soubor);
    std::error_code ec;
    if (fs::is_directory(cesta, ec)) return "je to složka";
    const fs::path slozka = cesta.parent_path().empty() ? fs::path(".") : cesta.parent_path();
    const std::string jmeno = TextCesty(slozka);
    if (!fs::exists(slozka, ec)) return "složka " + jmeno + " neexistuje";
    if (!fs::is_directory(slozka, ec)) return jmeno + " není složka";
    if (!LzeZapsatDoSlozky(jmeno + "/")) return "do složky " + jmeno + " nelze zapisovat";
    const fs::file_status st = fs::status(cesta, ec);
    if (fs::exists(st)) {
        if (!fs::is_regular_file(st)) return "není to obyčejný soubor";
        constexpr fs::perms zapis =
            fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
        if ((st.permissions() & zapis) == fs::perms::none) return "soubor je jen pro čtení";
    }
    return {};
}

namespace {

std::atomic<bool (*)()> SeamPrejmenovani{nullptr};

} // namespace

void NastavSelhaniPrejmenovani(bool (*selze)()) {
    SeamPrejmenovani = selze;
}

bool SelhaniPrejmenovani() {
    const auto selze = SeamPrejmenovani.load();
    return selze && selze();
}

namespace {

// Leftovers older than this belong to no save still running.
constexpr int StariZbytku = 60;
// ".NAME.ukladani-XXXXXX": a temporary file of a save of NAME.
constexpr std::string_view PriponaDocasneho = ".ukladani-";
constexpr size_t NahodnychZnaku = 6;

// The name of a temporary file of `soubor` without its random characters:
// hidden, beside the target, recognisable as a save of that file.
std::string ZacatekDocasneho(const fs::path& soubor) {
    return "." + TextCesty(soubor.filename()) + std::string(PriponaDocasneho);
}

// Whether `jmeno` is a temporary file of a save, and of which file.
bool JeDocasny(const std::string& jmeno, std::string& soubor) {
    const size_t n = PriponaDocasneho.size() + NahodnychZnaku;
    if (jmeno.size() < 2 + n || jmeno.front() != '.') return false;
    const size_t p = jmeno.size() - n;
    if (jmeno.compare(p, PriponaDocasneho.size(), PriponaDocasneho) != 0) return false;
    soubor = jmeno.substr(1, p - 1);
    return true;
}

// What interrupted saves left in the folder: those of `soubor` whatever their
// age (its save has just succeeded), those of other files after a minute.
// A file a running save holds stays.
void SmazStareDocasne(const fs::path& slozka, const std::string& soubor) {
    std::error_code ec;
    std::vector<std::pair<fs::path, bool>> stare;
    for (fs::directory_iterator it(slozka.empty() ? fs::path(".") : slozka, ec), konec;
         !ec && it != konec; it.increment(ec)) {
        std::string vlastnik;
        if (JeDocasny(TextCesty(it->path().filename()), vlastnik))
            stare.emplace_back(it->path(), !soubor.empty() && vlastnik == soubor);
    }
    for (const auto& [p, svuj] : stare)
        SmazOpustenyDocasny(p, svuj ? 0 : StariZbytku);
}

} // namespace

void UklidDocasne(const std::string& slozka) {
    SmazStareDocasne(CestaSouboru(slozka), {});
}

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
        for (size_t i = 0; i < NahodnychZnaku; ++i)
            jmeno += Znaky[nahoda() % (sizeof Znaky - 1)];
        switch (NahradSoubor(cil, cil.parent_path() / CestaSouboru(jmeno), obsah)) {
        case Nahrazeni::Ok:
            SmazStareDocasne(cil.parent_path(), TextCesty(cil.filename()));
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
