#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "io/Kodovani.h"

// CSV as a spreadsheet on a Czech system reads and writes it: ';' between
// cells, a decimal comma, CR LF, UTF-8 opened by a byte-order mark.
namespace drun {

// A text as a spreadsheet must show it, not run it: a text starting with
// '=', '+', '-', '@', a tab or a CR (after any apostrophes already there)
// gets one more apostrophe in front. Numbers never pass through here.
std::string BezVzorce(std::string_view text);
// The inverse, for reading back what BezVzorce wrote.
std::string ZrusBezVzorce(std::string_view text);

// "." replaced by the decimal comma.
std::string DesetinnaCarka(std::string cislo);
// The decimal comma or point read as a number; nullopt when not a number.
std::optional<double> CisloZCsv(std::string_view bunka);

// A CSV text being written cell by cell.
class ZapisCsv {
  public:
    // Opened by the byte-order mark, or not (a part of a table written in pieces).
    explicit ZapisCsv(bool sBom = true);
    // A text cell: made safe by BezVzorce, quoted when it holds ';', '"' or a line break.
    ZapisCsv& Text(std::string_view text);
    // A number cell, exact: the shortest text that reads back as the same number.
    ZapisCsv& Cislo(double x);
    // A number already written with '.', given the decimal comma; never guarded.
    ZapisCsv& CisloJakoText(std::string_view cislo);
    // A level as the program shows it, with one decimal.
    ZapisCsv& Hodnota(double x);
    ZapisCsv& Prazdna();
    // Ends the line with CR LF.
    ZapisCsv& Konec();
    const std::string& Obsah() const { return s_; }
    std::string Vezmi() { return std::move(s_); }

  private:
    void Oddel();
    std::string s_;
    bool zacatekRadku_ = true;
};

// One record: its cells and the number of the line it starts on.
struct ZaznamCsv {
    std::vector<std::string> Bunky;
    int Radek = 0;
    // Not 0: a quote opened on this line is never closed. The record's cells
    // are incomplete; reading went on with the next line.
    int NeuzavrenoNaRadku = 0;
};

// The text of a CSV file's bytes: without the byte-order mark, converted from
// Windows-1250 when it is not UTF-8; nullopt when it is neither.
std::optional<std::string> TextCsv(std::string_view bajty);

// Splits the text into records. CR, LF and CR LF end a line; a quoted cell may
// hold ';', a doubled '"' and line breaks (kept as they are).
std::vector<ZaznamCsv> ZaznamyCsv(std::string_view text);

} // namespace drun
