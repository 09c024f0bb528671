#include "io/Kodovani.h"

#include <iconv.h>

#include <cerrno>
#include <vector>

namespace drun {

namespace {

std::optional<std::string> Preved(const char* do_, const char* z, const std::string& vstup) {
    iconv_t cd = iconv_open(do_, z);
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    std::vector<char> in(vstup.begin(), vstup.end());
    std::string vystup;
    std::vector<char> buf(4 * vstup.size() + 16);
    char* pin = in.data();
    size_t zbyva = in.size();
    bool ok = true;
    while (zbyva > 0) {
        char* pout = buf.data();
        size_t volno = buf.size();
        size_t r = iconv(cd, &pin, &zbyva, &pout, &volno);
        vystup.append(buf.data(), static_cast<size_t>(pout - buf.data()));
        if (r == static_cast<size_t>(-1)) {
            if (errno == E2BIG) continue;
            ok = false;
            break;
        }
    }
    iconv_close(cd);
    if (!ok) return std::nullopt;
    return vystup;
}

} // namespace

std::optional<std::string> Utf8DoCp1250(const std::string& utf8) {
    return Preved("CP1250", "UTF-8", utf8);
}

std::optional<std::string> Cp1250DoUtf8(const std::string& cp1250) {
    return Preved("UTF-8", "CP1250", cp1250);
}

bool JePlatneUtf8(const std::string& text) {
    return Preved("UTF-8", "UTF-8", text).has_value();
}

std::string JedenRadek(std::string text) {
    for (char& c : text)
        if (JeRidiciZnak(c)) c = ' ';
    return text;
}

bool JeRadekCp1250(const std::string& utf8) {
    for (char c : utf8)
        if (JeRidiciZnak(c)) return false;
    return Utf8DoCp1250(utf8).has_value();
}

} // namespace drun
