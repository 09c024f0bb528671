#pragma once

#include <optional>
#include <string>
#include <string_view>

// Windows-1250 at the file boundary; inside the program text is UTF-8.
namespace drun {

// The byte-order mark that opens a UTF-8 file (every CSV file the program writes).
inline constexpr char BomUtf8[] = "\xEF\xBB\xBF";
inline constexpr size_t DelkaBom = sizeof BomUtf8 - 1;
// The text after a byte-order mark, if there is one.
inline std::string_view BezBom(std::string_view bajty) {
    return bajty.starts_with(BomUtf8) ? bajty.substr(DelkaBom) : bajty;
}

// nullopt when the text holds a character that Windows-1250 cannot hold
// or is not valid UTF-8.
std::optional<std::string> Utf8DoCp1250(const std::string& utf8);
// nullopt for the few byte values that Windows-1250 leaves undefined.
std::optional<std::string> Cp1250DoUtf8(const std::string& cp1250);
// The text with every character Windows-1250 cannot hold (or a byte that is
// no UTF-8) as "?", so that it converts.
std::string JenCp1250(const std::string& utf8);
// Whether the bytes are well-formed UTF-8.
bool JePlatneUtf8(const std::string& text);
// How many leading bytes are well-formed UTF-8 (where the first fault lies).
size_t DelkaPlatneUtf8(const std::string& text);
// The text with every byte that is not part of well-formed UTF-8 as U+FFFD.
std::string OpravUtf8(const std::string& text);
// A control character (line breaks and tabs included), which no text line of a file holds.
inline bool JeRidiciZnak(char c) {
    return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
}
// The text with every control character as a blank, so it stays one line.
std::string JedenRadek(std::string text);
// Why the UTF-8 text is no name (of a room, …): it must be well-formed, hold
// at least one visible character and no control or format character (a
// bidirectional override would show it other than it is); empty when it is one.
std::string ChybaNazvu(const std::string& utf8);
// A one-line text that a data file can carry as typed: every character
// representable in Windows-1250 and no control characters (line breaks, tabs).
bool JeRadekCp1250(const std::string& utf8);

} // namespace drun
