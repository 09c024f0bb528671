#include "core/Konfigurace.h"

#include "core/Cisla.h"
#include "core/Soubory.h"

namespace drun {

namespace {

const char* const ChybaCteni = "Chyba při čtení konfiguračního souboru!";
const char* const ChybaZapisu = "Chyba při zápisu konfiguračního souboru!";
const char* const Ulozeno = "Parametry uloženy do konfiguračního souboru.";

// Line n (0-based) without its line end; false when the text has fewer lines.
bool Radek(const std::string& text, int n, std::string& radek) {
    size_t zacatek = 0;
    for (int i = 0; i < n; ++i) {
        const size_t lf = text.find('\n', zacatek);
        if (lf == std::string::npos) return false;
        zacatek = lf + 1;
    }
    if (zacatek >= text.size()) return false;
    size_t konec = text.find('\n', zacatek);
    if (konec == std::string::npos) konec = text.size();
    radek = text.substr(zacatek, konec - zacatek);
    if (!radek.empty() && radek.back() == '\r') radek.pop_back();
    return true;
}

} // namespace

void ResetParametru(Parametry& p) {
    p = Parametry{};
}

VysledekSouboru CtiKonfiguraciZTextu(const std::string& text, Parametry& p) {
    ResetParametru(p);
    if (text.empty()) return {};
    // Line 1 is not looked at. Line 2: an integer after optional blanks,
    // ended by a blank or the line end; the rest of the line does not matter.
    std::string radek;
    if (!Radek(text, 1, radek)) return {KodVysledku::Poskozen, ChybaCteni};
    const size_t od = radek.find_first_not_of(" \t");
    if (od == std::string::npos) return {KodVysledku::Poskozen, ChybaCteni};
    const size_t po = radek.find_first_of(" \t", od);
    const auto delka =
        CtiInt(std::string_view(radek).substr(od, po == std::string::npos ? po : po - od));
    if (!delka || *delka < MinDelkaStranky || *delka > MaxDelkaStranky)
        return {KodVysledku::Poskozen, ChybaCteni};
    // Line 3: at most five characters, exactly "TRUE" or saving at exit is off
    // (a missing line 3 too).
    bool auto_ = false;
    if (Radek(text, 2, radek)) auto_ = radek.substr(0, 5) == "TRUE";
    p.DelkaStranky = *delka;
    p.AutoUlozeni = auto_;
    return {};
}

VysledekSouboru CtiKonfiguraci(DrunVar& var) {
    std::string text;
    // Three short lines: anything much larger is not this file.
    constexpr std::uintmax_t NejvetsiKonfigurace = 64u << 10;
    if (const KodVysledku k = CtiSoubor(var.SouborCfg, text, NejvetsiKonfigurace);
        k != KodVysledku::Ok) {
        ResetParametru(var.parametry);
        if (k == KodVysledku::Chybi) return {};
        return {k, ChybaCteni};
    }
    return CtiKonfiguraciZTextu(text, var.parametry);
}

std::string TextKonfigurace(const Parametry& p) {
    return "[DRUN]\r\n" + std::to_string(p.DelkaStranky) + "\r\n" +
           (p.AutoUlozeni ? "TRUE" : "FALSE") + "\r\n";
}

VysledekSouboru ZapisKonfiguraci(const DrunVar& var) {
    if (!ZapisAtomicky(var.SouborCfg, TextKonfigurace(var.parametry)))
        return {KodVysledku::NelzeZapsat, ChybaZapisu};
    return {KodVysledku::Ok, Ulozeno};
}

} // namespace drun
