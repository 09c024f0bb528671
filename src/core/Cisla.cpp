#include "Cisla.h"

#include <charconv>
#include <cmath>
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

std::string FormatCislo(double x, int desetin) {
    if (!std::isfinite(x)) return "0";
    char buf[64];
    const double mez = 100000.0;
    if (std::fabs(x) >= mez) {
        std::snprintf(buf, sizeof buf, "%.4E", x);
        return buf;
    }
    std::snprintf(buf, sizeof buf, "%.*f", desetin, x);
    std::string s = buf;
    // A value that rounds to zero is shown without a sign.
    if (s.front() == '-' && s.find_first_not_of("-0.") == std::string::npos) s.erase(0, 1);
    return s;
}

std::string FormatObecne(double x) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.15g", x);
    std::string s = buf;
    if (s == "-0") s = "0";
    return s;
}

} // namespace drun
