#include "io/Csv.h"

#include "core/Cisla.h"
#include "io/Kodovani.h"

namespace drun {

namespace {

// Characters with which a spreadsheet starts a formula (or, tab and CR, hides one).
bool ZacinaVzorec(std::string_view t) {
    const size_t i = t.find_first_not_of('\'');
    return i != std::string_view::npos &&
           std::string_view("=+-@\t\r").find(t[i]) != std::string_view::npos;
}

} // namespace

std::string BezVzorce(std::string_view text) {
    std::string s;
    if (ZacinaVzorec(text)) s += '\'';
    s += text;
    return s;
}

std::string ZrusBezVzorce(std::string_view text) {
    if (text.starts_with('\'') && ZacinaVzorec(text)) text.remove_prefix(1);
    return std::string(text);
}

std::string DesetinnaCarka(std::string cislo) {
    for (char& c : cislo)
        if (c == '.') c = ',';
    return cislo;
}

std::optional<double> CisloZCsv(std::string_view bunka) {
    std::string s(bunka);
    for (char& c : s)
        if (c == ',') c = '.';
    return CtiDouble(s);
}

ZapisCsv::ZapisCsv(bool sBom) {
    if (sBom) s_ = BomUtf8;
}

void ZapisCsv::Oddel() {
    if (!zacatekRadku_) s_ += ';';
    zacatekRadku_ = false;
}

namespace {

// One cell as it stands: quoted when it holds ';', '"' or a line break.
std::string PoleCsv(std::string_view t) {
    if (t.find_first_of(";\"\r\n") == std::string_view::npos) return std::string(t);
    std::string q = "\"";
    for (char c : t) {
        if (c == '"') q += '"';
        q += c;
    }
    return q + '"';
}

} // namespace

ZapisCsv& ZapisCsv::Text(std::string_view text) {
    Oddel();
    s_ += PoleCsv(BezVzorce(text));
    return *this;
}

ZapisCsv& ZapisCsv::Cislo(double x) {
    Oddel();
    s_ += DesetinnaCarka(FormatPresne(x));
    return *this;
}

ZapisCsv& ZapisCsv::CisloJakoText(std::string_view cislo) {
    Oddel();
    s_ += DesetinnaCarka(std::string(cislo));
    return *this;
}

ZapisCsv& ZapisCsv::Hodnota(double x) {
    Oddel();
    s_ += DesetinnaCarka(FormatHodnota(x));
    return *this;
}

ZapisCsv& ZapisCsv::Prazdna() {
    Oddel();
    return *this;
}

ZapisCsv& ZapisCsv::Konec() {
    s_ += "\r\n";
    zacatekRadku_ = true;
    return *this;
}

std::optional<std::string> TextCsv(std::string_view bajty) {
    if (bajty.starts_with(BomUtf8)) return std::string(BezBom(bajty));
    if (JePlatneUtf8(std::string(bajty))) return std::string(bajty);
    // A spreadsheet on a Czech system saves its CSV in Windows-1250.
    return Cp1250DoUtf8(std::string(bajty));
}

std::vector<ZaznamCsv> ZaznamyCsv(std::string_view t) {
    std::vector<ZaznamCsv> z;
    const size_t n = t.size();
    size_t i = 0;
    int radek = 1;
    // Moves past a line end at i (CR LF, CR or LF), counting it.
    auto konecRadku = [&](size_t& j) {
        if (t[j] == '\r' && j + 1 < n && t[j + 1] == '\n') ++j;
        ++j;
        ++radek;
    };
    while (i < n) {
        ZaznamCsv r;
        r.Radek = radek;
        std::string bunka;
        for (;;) {
            if (i < n && t[i] == '"') {
                const int otevreno = radek;
                const size_t zacatek = i;
                ++i;
                bool uzavreno = false;
                while (i < n) {
                    const char c = t[i];
                    if (c == '"') {
                        if (i + 1 < n && t[i + 1] == '"') {
                            bunka += '"';
                            i += 2;
                            continue;
                        }
                        ++i;
                        uzavreno = true;
                        break;
                    }
                    if (c == '\n' || (c == '\r' && !(i + 1 < n && t[i + 1] == '\n'))) ++radek;
                    bunka += c;
                    ++i;
                }
                if (!uzavreno) {
                    // Everything after the quote would be one cell: report the
                    // record and go on with the line after the quote's.
                    r.NeuzavrenoNaRadku = otevreno;
                    r.Bunky.push_back(std::move(bunka));
                    z.push_back(std::move(r));
                    radek = otevreno;
                    i = zacatek;
                    while (i < n && t[i] != '\r' && t[i] != '\n')
                        ++i;
                    if (i < n) konecRadku(i);
                    break;
                }
            }
            while (i < n && t[i] != ';' && t[i] != '\r' && t[i] != '\n')
                bunka += t[i++];
            r.Bunky.push_back(std::move(bunka));
            bunka.clear();
            if (i < n && t[i] == ';') {
                ++i;
                continue;
            }
            if (i < n) konecRadku(i);
            z.push_back(std::move(r));
            break;
        }
    }
    return z;
}

} // namespace drun
