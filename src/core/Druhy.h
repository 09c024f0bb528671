#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/DrunVar.h"
#include "core/Vstupy.h"

// The element kinds: one row each. The data file's reader and writer, the
// protocol, the result table, the type picker, the remedy and the dialog of
// every kind without one of its own (ui/dialogy/DruhFrm) read this table; the
// compute step of a kind is the model's overload for its input struct.
namespace drun {

// How one line (or band row) of a kind's record in the data file is written.
enum class FormaVstupu : std::uint8_t {
    Popis,    // the description, a whole line
    Real,     // a real in the parameter format
    Cele,     // an integer
    Pasma,    // eight bands, width 7, one decimal
    Pasma5x2, // eight values, width 5, two decimals
    Pasma5x1, // eight values, width 5, one decimal
};

// What a real input means to the flows carried along a rozvod.
enum class RoleVstupu : std::uint8_t {
    Zadna,
    Prutok,     // the flow it carries on: the sum of the rooms it feeds
    PrutokPred, // a branch's flow before it, where the stream splits
};

struct VstupDruhu {
    FormaVstupu Forma = FormaVstupu::Popis;
    const char* Nazev = "";    // what it is, as a message names it
    const char* Jednotka = ""; // mm, m, m3/h, m2 or none
    double Min = 0, Max = 0;   // accepted on reading (each value of a band row)
    int Desetin = 0;           // decimals shown
    // The field in the kind's input struct (the one that matches Forma).
    double* (*Real)(VstupyElementu&) = nullptr;
    int* (*Cele)(VstupyElementu&) = nullptr;
    RadaPasem* (*Rada)(VstupyElementu&) = nullptr;
    // Or a spectrum of the element itself (Pasma); Cteni false: written, skipped on reading.
    Spectrum TElementSite::*Spektrum = nullptr;
    bool Cteni = true;
    RoleVstupu Role = RoleVstupu::Zadna;
    // The field's caption in a dialog the table builds.
    const char* Popisek = "";
    // An integer offered as a choice: the texts of Min, Min + 1, ...
    std::vector<const char*> Volby{};
};

// The rows of spectra an element shows in the result table and the protocol.
enum RadkyDruhu : unsigned {
    RadekVykon = 1,      // the source's sound power
    RadekUtlum = 2,      //
    RadekMezisoucet = 4, //
    RadekVlastni = 8,    // self-noise
    RadekZa = 16,        // the level behind
};
constexpr unsigned RadkyPrvku = RadekUtlum | RadekMezisoucet | RadekVlastni | RadekZa;

// How the type picker and the "Přidat element" menu offer a kind.
struct NabidkaDruhu {
    const char* Tlacitko = ""; // the picker button's object name
    const char* Text = "";     // the picker's caption
    const char* Tip = "";
    const char* TextMenu = ""; // the menu item's
    const char* TipMenu = "";
};

// The inputs that hold the duct's rectangular section A x B (mm) and the flow
// through it (m3/h), where the air leaves the element; none for a kind without one.
struct PrurezDruhu {
    double* (*A)(VstupyElementu&) = nullptr;
    double* (*B)(VstupyElementu&) = nullptr;
    double* (*Prutok)(VstupyElementu&) = nullptr;
    explicit operator bool() const { return A != nullptr; }
};

struct DruhElementu {
    std::uint8_t Kod = 0;
    const char* Nazev = "";
    std::vector<VstupDruhu> Vstupy; // in the data file's order, the description first
    unsigned Radky = RadkyPrvku;
    // Its section and flow prefill the remedy's silencer search.
    PrurezDruhu Prurez{};
    NabidkaDruhu Nabidka{}; // none for the source
    // Why inputs that are each within their range are refused together, in
    // Czech ("" when they fit): the dialog and the data-file reader ask it.
    std::string (*Kontrola)(const VstupyElementu&) = nullptr;
};

// The kind of a type code; nullptr for a code this version does not know.
const DruhElementu* Druh(int kod);
// Every kind, by code from 1.
const std::vector<DruhElementu>& Druhy();
// "" for a code this version does not know.
const char* NazevTypu(int kod);

// One shown spectrum of an element: its caption in the result table and in
// the protocol, and its values.
struct RadekSpektra {
    const char* Vysledky;
    const char* Protokol;
    const Spectrum* Hodnoty;
};
// The spectra an element of kind d shows, in their order.
std::vector<RadekSpektra> RadkySpekter(const DruhElementu& d, const TElementSite& e);

} // namespace drun
