#include "Cisla.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace drun {

namespace {

std::string_view Orizni(std::string_view t) {
    while (!t.empty() && (t.front() == ' ' || t.front() == '\t'))
        t.remove_prefix(1);
    while (!t.empty() && (t.back() == ' ' || t.back() == '\t'))
        t.remove_suffix(1);
    return t;
}

bool JenDesetinne(std::string_view t, bool povolReal) {
    // from_chars accepts "inf"/"nan" and, for general format, hex is not accepted,
    // but we still allow only a plain decimal alphabet.
    for (char c : t) {
        bool ok = (c >= '0' && c <= '9') || c == '-' || c == '+';
        if (povolReal) ok = ok || c == '.' || c == 'e' || c == 'E';
        if (!ok) return false;
    }
    return true;
}

} // namespace

std::optional<double> CtiDouble(std::string_view text) {
    std::string_view t = Orizni(text);
    if (t.empty() || !JenDesetinne(t, true)) return std::nullopt;
    if (t.front() == '+') t.remove_prefix(1);
    if (t.empty()) return std::nullopt;
    double v = 0;
    auto [p, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
    if (ec != std::errc() || p != t.data() + t.size() || !std::isfinite(v)) return std::nullopt;
    return v;
}

std::optional<int> CtiInt(std::string_view text) {
    std::string_view t = Orizni(text);
    if (t.empty() || !JenDesetinne(t, false)) return std::nullopt;
    if (t.front() == '+') t.remove_prefix(1);
    if (t.empty()) return std::nullopt;
    int v = 0;
    auto [p, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
    if (ec != std::errc() || p != t.data() + t.size()) return std::nullopt;
    return v;
}

namespace {

constexpr double MocninyDeseti[] = {1, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};

// printf's "%.*f" for |x| < 1e5 and at most 9 decimals, without its cost
// (the protocol of a long path prints millions of numbers): the exact value
// of x * 10^desetin rounded half to even, as printf rounds the binary value.
// A value that rounds to zero has no sign.
void PridejPevnouCarku(std::string& r, double x, int desetin) {
    const double m = MocninyDeseti[desetin];
    const double y = x * m;
    // Nearest integer, half to even. Where doubles are computed as doubles,
    // adding and taking away 2^52 (|y| < 2^52) does it without a call.
#if FLT_EVAL_METHOD == 0
    const double posun = y < 0 ? -0x1p52 : 0x1p52;
    double q = (y + posun) - posun;
#else
    double q = std::nearbyint(y);
#endif
    if (const double t = y - q; t == 0.5 || t == -0.5) {
        // A tie only after rounding the product: its exact error decides.
        const double chyba = std::fma(x, m, -y);
        if (chyba > 0) q = std::floor(y) + 1;
        if (chyba < 0) q = std::floor(y);
    }
    auto u = static_cast<std::uint64_t>(std::fabs(q));
    char buf[32];
    char* p = buf + sizeof buf;
    for (int i = 0; i < desetin; ++i, u /= 10)
        *--p = char('0' + u % 10);
    if (desetin > 0) *--p = '.';
    do {
        *--p = char('0' + u % 10);
        u /= 10;
    } while (u != 0);
    if (q < 0) *--p = '-';
    r.append(p, buf + sizeof buf);
}

} // namespace

void PridejCislo(std::string& r, double x, int desetin) {
    if (!std::isfinite(x)) {
        r += '0';
        return;
    }
    char buf[64];
    const double mez = 100000.0;
    if (std::fabs(x) >= mez) {
        std::snprintf(buf, sizeof buf, "%.4E", x);
        r += buf;
        return;
    }
    if (desetin >= 0 && desetin <= 9) return PridejPevnouCarku(r, x, desetin);
    r += FormatPevne(x, desetin);
}

std::string FormatPevne(double x, int desetin) {
    char buf[400]; // the largest double in fixed notation
    std::snprintf(buf, sizeof buf, "%.*f", desetin, x);
    std::string s = buf;
    if (s.front() == '-' && s.find_first_not_of("-0.") == std::string::npos) s.erase(0, 1);
    return s;
}

std::string FormatCislo(double x, int desetin) {
    std::string s;
    PridejCislo(s, x, desetin);
    return s;
}

std::string FormatObecne(double x) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.15g", x);
    std::string s = buf;
    if (s == "-0") s = "0";
    return s;
}

std::string ZpravaMimoRozsah(const std::string& nazev, std::string_view hodnota, double min,
                             double max) {
    return nazev + ": " + std::string(hodnota) + " není číslo od " + FormatObecne(min) + " do " +
           FormatObecne(max);
}

void PridejPresne(std::string& r, double x, TvarPresne tvar) {
    // The longest is the smallest subnormal in fixed form: "-0.", 323 zeros and "5".
    char buf[336];
    const auto v = tvar == TvarPresne::Pevny
                       ? std::to_chars(buf, buf + sizeof buf, x, std::chars_format::fixed)
                       : std::to_chars(buf, buf + sizeof buf, x);
    r.append(buf, v.ptr);
}

std::string FormatPresne(double x, TvarPresne tvar) {
    std::string r;
    PridejPresne(r, x, tvar);
    return r;
}

} // namespace drun
