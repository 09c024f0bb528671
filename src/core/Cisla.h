#pragma once

#include <optional>
#include <string>
#include <string_view>

// Strict number parsing and the program's fixed display formats.
// Everything here is locale-independent: "." is the only decimal separator.
namespace drun {

// Whole text must be a decimal real number (exponent allowed). Leading and
// trailing blanks are tolerated; "nan", "inf", hex, "1,5", "12abc" are not numbers.
std::optional<double> CtiDouble(std::string_view text);
// Whole text must be a decimal integer that fits in 32 bits.
std::optional<int> CtiInt(std::string_view text);

// Fixed notation with the given decimals, whatever the size; a value that
// rounds to zero has no sign ("0.0", never "-0.0").
std::string FormatPevne(double x, int desetin);
// Fixed notation with the given decimals; values with more than five digits
// before the point switch to scientific notation. Never prints "-0.0".
std::string FormatCislo(double x, int desetin);
// The same appended to r, for text built from many numbers.
void PridejCislo(std::string& r, double x, int desetin);
// The one display format of levels: one decimal.
inline std::string FormatHodnota(double x) {
    return FormatCislo(x, 1);
}
// A margin or a difference in one decimal, as FormatHodnota, but a negative
// value that rounds to zero keeps its sign ("-0.0"): the sign agrees with the
// verdict beside it.
inline std::string FormatRozdil(double x) {
    std::string t = FormatHodnota(x);
    return x < 0 && t == "0.0" ? "-" + t : t;
}
// Shortest general form for limits in messages: 0, 150, 0.5, 100000.
std::string FormatObecne(double x);
// A value read from a file outside its field's range, said as the dialogs say
// it: "Délka: 1e300 není číslo od 0 do 100" (the value as written).
std::string ZpravaMimoRozsah(const std::string& nazev, std::string_view hodnota, double min,
                             double max);

// The shortest text that reads back as exactly x, with "." as the point:
// Kratsi takes the shorter of the fixed and the exponent form ("1e-05"; the
// fixed one on a tie), Pevny always the fixed one. A negative zero keeps its
// sign ("-0"); add 0.0 to drop it.
enum class TvarPresne { Kratsi, Pevny };
void PridejPresne(std::string& r, double x, TvarPresne tvar = TvarPresne::Kratsi);
std::string FormatPresne(double x, TvarPresne tvar = TvarPresne::Kratsi);

} // namespace drun
