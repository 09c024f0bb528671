#pragma once

#include <array>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/DrunVar.h"
#include "core/Vysledek.h"
#include "io/DataSoubor.h" // ZpravaCteni

// The command line of DRUN's programs: one table-driven parser for every mode.
// A mode is chosen by its option (--soucet, …) anywhere on the line; the mode
// with an empty option is the default one. Each mode lists the options it
// accepts, with or without a value (`--x=v` or `--x v`), and the function that
// runs it. Everything here is plain C++: the text modes start without Qt.

// One option and whether it takes a value.
struct Volba {
    std::string_view jmeno; // "--stranka"
    bool hodnota = false;
};

struct Rezim;

// A parsed command line.
struct Prikaz {
    std::span<const Rezim> rezimy;                         // every mode of the program
    const Rezim* rezim = nullptr;                          // the chosen one
    std::map<std::string, std::string, std::less<>> volby; // given options; "" for a flag
    std::vector<std::string> soubory;                      // the other arguments, in order
    std::vector<std::string> argumenty;                    // the whole line as given
    std::string program;                                   // the name in messages: "drun-protokol"
    std::string slozka; // the program's folder ending with "/", where its data and siblings live

    bool Ma(std::string_view volba) const { return volby.find(volba) != volby.end(); }
    // The option's value, or null when it was not given.
    const std::string* Hodnota(std::string_view volba) const;
};

struct Rezim {
    std::string_view volba;      // the option that chooses the mode; "" for the default mode
    std::vector<Volba> volby;    // the options it accepts (its own option included)
    std::string_view pouziti;    // its usage after the program's name
    std::string_view cizi;       // the refusal of an option of another mode, before its name
    int (*spust)(const Prikaz&); // runs the mode; the exit status
};

// Parses `argv` against the modes and runs the chosen one. -h and --help print
// every mode's usage. Refused usage: the reason and the usage on standard
// error, exit 2 (the chosen mode's usage alone, all of them for the default).
// -1 when no mode is chosen and there is no default mode.
int SpustPrikaz(std::span<const Rezim> rezimy, int argc, char** argv);

// A refusal found by a mode: "<program>: <proc>" and its usage; returns 2.
int SpatnePouziti(const Prikaz& p, const std::string& proc);
// A message on standard error prefixed with the program's name; returns `status`.
int Chyba(const Prikaz& p, const std::string& zprava, int status = 1);

// --pozadavek's requirement when it was given (a curve's name, a limit in dB(A)
// or eight levels). 0, or 2 when its value is refused (the reason and the usage
// are out).
int CtiVolbuPozadavku(const Prikaz& p, std::optional<drun::Spectrum>& pozadavek);

// The silencer data for `var`, for every mode: beside the program, else in the
// installed data folder (NastavUmisteni, as the window finds them).
void NastavUmisteniProgramu(const Prikaz& p, drun::DrunVar& var);

namespace drun {
class Rozvod;
struct Projekt;
} // namespace drun
// The rozvod or the project in `soubor` read, with at least one room: 0, or
// the exit status of a file that cannot be read or has no room (the message
// is out; a project read with a notice says so and goes on).
int NactiRozvodPrikazu(const Prikaz& p, const std::string& soubor, const drun::DrunVar& var,
                       drun::Rozvod& r);
int NactiProjektPrikazu(const Prikaz& p, const std::string& soubor, drun::Projekt& projekt);

// The protocol of one calculation file (drun-protokol's default mode, drun
// --pdf): --pozadavek, --stranka, --datum, --pdf and --csv checked, the file
// read and evaluated into `var`, the PDF's place checked. 0, or the exit status
// of a refusal, of a file that cannot be read or of a place that cannot take
// the PDF (the message is out).
int PripravProtokol(const Prikaz& p, drun::DrunVar& var);

// "Protokol se nepodařilo uložit do souboru X: <duvod>." on standard error; 1.
int ChybaUlozeni(const Prikaz& p, const std::string& soubor, const std::string& duvod);

// An output that is one of the inputs: the refusal (exit 2, naming it), or 0.
// Paths are compared as files, however spelled; an empty `vystup` stands for
// standard output, refused when it was redirected into an input.
int OdmitniPrepsaniVstupu(const Prikaz& p, const std::string& vystup,
                          const std::vector<std::string>& vstupy);

// Writes `text` to standard output. A write that fails (a full disk, a closed
// pipe) gets a Czech message on standard error and the exit status 1, else 0.
int VypisNaVystup(const std::string& text);
// The same status for output written otherwise: 0, or the message and 1.
int StavVypisu(bool zapsano);
