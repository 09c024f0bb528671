#include "io/Kodovani.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <utility>

namespace drun {

namespace {

// The characters of the bytes 0x80 to 0xFF; 0 where Windows-1250 defines none.
// The bytes below 0x80 are ASCII.
constexpr std::array<std::uint16_t, 128> Horni = {
    0x20AC, 0x0000, 0x201A, 0x0000, 0x201E, 0x2026, 0x2020, 0x2021, //
    0x0000, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179, //
    0x0000, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, //
    0x0000, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, //
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7, //
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B, //
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7, //
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C, //
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7, //
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E, //
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7, //
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF, //
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7, //
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F, //
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7, //
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9, //
};

// The next character of well-formed UTF-8 at `i` (advanced past it); -1 for
// a malformed, overlong, surrogate or out-of-range sequence.
long DalsiZnak(const std::string& s, size_t& i) {
    const auto b = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char c = b(i);
    if (c < 0x80) {
        ++i;
        return c;
    }
    int delka;
    long z, min;
    if ((c & 0xE0) == 0xC0) {
        delka = 2, z = c & 0x1F, min = 0x80;
    } else if ((c & 0xF0) == 0xE0) {
        delka = 3, z = c & 0x0F, min = 0x800;
    } else if ((c & 0xF8) == 0xF0) {
        delka = 4, z = c & 0x07, min = 0x10000;
    } else {
        return -1;
    }
    if (s.size() - i < static_cast<size_t>(delka)) return -1;
    for (int k = 1; k < delka; ++k) {
        if ((b(i + k) & 0xC0) != 0x80) return -1;
        z = (z << 6) | (b(i + k) & 0x3F);
    }
    if (z < min || z > 0x10FFFF || (z >= 0xD800 && z <= 0xDFFF)) return -1;
    i += static_cast<size_t>(delka);
    return z;
}

void PridejUtf8(std::string& s, unsigned z) {
    if (z < 0x80) {
        s += static_cast<char>(z);
    } else if (z < 0x800) {
        s += static_cast<char>(0xC0 | (z >> 6));
        s += static_cast<char>(0x80 | (z & 0x3F));
    } else {
        s += static_cast<char>(0xE0 | (z >> 12));
        s += static_cast<char>(0x80 | ((z >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (z & 0x3F));
    }
}

// Control characters (C0, DEL, C1) and the format characters (general
// category Cf) that can hide or reorder text.
bool JeRidiciNeboFormatovaci(long z) {
    if (z < 0x20 || (z >= 0x7F && z <= 0x9F)) return true;
    static constexpr std::pair<long, long> Formatovaci[] = {
        {0x00AD, 0x00AD},   {0x0600, 0x0605},   {0x061C, 0x061C},   {0x06DD, 0x06DD},
        {0x070F, 0x070F},   {0x0890, 0x0891},   {0x08E2, 0x08E2},   {0x180E, 0x180E},
        {0x200B, 0x200F},   {0x2028, 0x202E},   {0x2060, 0x2064},   {0x2066, 0x206F},
        {0xFEFF, 0xFEFF},   {0xFFF9, 0xFFFB},   {0x110BD, 0x110BD}, {0x110CD, 0x110CD},
        {0x13430, 0x1343F}, {0x1BCA0, 0x1BCA3}, {0x1D173, 0x1D17A}, {0xE0001, 0xE0001},
        {0xE0020, 0xE007F}};
    for (const auto& [od, po] : Formatovaci)
        if (z >= od && z <= po) return true;
    return false;
}

// Blanks of every width, which show nothing.
bool JeMezera(long z) {
    return z == 0x20 || z == 0xA0 || z == 0x1680 || (z >= 0x2000 && z <= 0x200A) || z == 0x202F ||
           z == 0x205F || z == 0x3000 || z == 0x3164 || z == 0x2800;
}

} // namespace

std::string ChybaNazvu(const std::string& utf8) {
    bool viditelny = false;
    for (size_t i = 0; i < utf8.size();) {
        const long z = DalsiZnak(utf8, i);
        if (z < 0) return "text není v kódování UTF-8";
        if (JeRidiciNeboFormatovaci(z)) {
            char kod[24];
            std::snprintf(kod, sizeof kod, "U+%04lX", static_cast<unsigned long>(z));
            return std::string(z < 0x20 || (z >= 0x7F && z <= 0x9F) ? "řídicí" : "formátovací") +
                   " znak " + kod;
        }
        viditelny = viditelny || !JeMezera(z);
    }
    return viditelny ? std::string() : "žádný viditelný znak";
}

std::optional<std::string> Utf8DoCp1250(const std::string& utf8) {
    std::string vystup;
    vystup.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        const long z = DalsiZnak(utf8, i);
        if (z < 0) return std::nullopt;
        if (z < 0x80) {
            vystup += static_cast<char>(z);
            continue;
        }
        size_t k = 0;
        while (k < Horni.size() && Horni[k] != z)
            ++k;
        if (k == Horni.size()) return std::nullopt;
        vystup += static_cast<char>(0x80 + k);
    }
    return vystup;
}

std::optional<std::string> Cp1250DoUtf8(const std::string& cp1250) {
    std::string vystup;
    vystup.reserve(cp1250.size() + cp1250.size() / 4);
    for (const char c : cp1250) {
        const auto b = static_cast<unsigned char>(c);
        const unsigned z = b < 0x80 ? b : Horni[b - 0x80];
        if (z == 0 && b != 0) return std::nullopt;
        PridejUtf8(vystup, z);
    }
    return vystup;
}

bool JePlatneUtf8(const std::string& text) {
    return DelkaPlatneUtf8(text) == text.size();
}

size_t DelkaPlatneUtf8(const std::string& text) {
    size_t i = 0;
    while (i < text.size()) {
        const size_t z = i;
        if (DalsiZnak(text, i) < 0) return z;
    }
    return i;
}

std::string OpravUtf8(const std::string& text) {
    std::string vystup;
    vystup.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        const size_t z = i;
        if (DalsiZnak(text, i) >= 0) {
            vystup.append(text, z, i - z);
        } else {
            PridejUtf8(vystup, 0xFFFD);
            i = z + 1;
        }
    }
    return vystup;
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

std::string JenCp1250(const std::string& utf8) {
    if (Utf8DoCp1250(utf8)) return utf8;
    std::string out;
    for (size_t i = 0; i < utf8.size();) {
        size_t n = 1;
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c >= 0xF0)
            n = 4;
        else if (c >= 0xE0)
            n = 3;
        else if (c >= 0xC0)
            n = 2;
        const std::string znak = utf8.substr(i, n);
        const auto cp = Utf8DoCp1250(znak);
        out += cp && cp->size() == 1 ? znak : std::string("?");
        i += n;
    }
    return out;
}

} // namespace drun
