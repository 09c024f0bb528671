#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/DrunVar.h"
#include "core/Vysledek.h"

namespace drun {

// Passage velocity from which the dialog refuses the input, m/s.
constexpr double MaxRychlostTlumice = 30;

struct ZadaniTlumice {
    double A = 0, B = 0;      // duct width and height, mm
    int Delka = 1;            // m
    double Prutok = 0;        // m3/h
    double SirkaVlozek = 200; // mm
    int PocetVlozek = 1;
};

// The dialog's check before anything changes: the splitters must leave some
// width free and the air in the passages must stay below 30 m/s.
bool ZadaniTlumiceMozne(double aMm, double bMm, double prutok, double sirkaVlozek, int pocet);

// The data file parsed once, for a search over many silencers. The data are
// whole or refused: both tables, each row complete and in range, each section
// closed by its -1 row.
struct DataTlumice {
    std::vector<std::vector<double>> Utlumy; // w, passage, length, 8 bands
    std::vector<std::vector<double>> Hluky;  // velocity, 8 bands
};
// The largest silencer data file read; the real one has a few kilobytes.
constexpr std::uintmax_t NejvetsiDataTlumice = 4u << 20;
// Parses the bytes of the file `cesta`; damaged data are refused with
// "Chyba při čtení souboru dat tlumičů <cesta>, řádek N: <why>." (code
// DataTlumice) and `d` is left unchanged.
VysledekSouboru CtiDataTlumice(std::string_view data, const std::string& cesta, DataTlumice& d);
// The file read and parsed; a missing, empty, unreadable or too large file is
// refused with a message naming it and why (its size for a too large one).
VysledekSouboru NactiDataTlumice(const std::string& cesta, DataTlumice& d);

// A silencer's inputs as the compute step takes them from the element.
struct RozmeryTlumice {
    double A = 0, B = 0;      // mm
    double Delka = 1;         // m
    double SirkaVlozek = 200; // mm
    double Prutok = 0;        // m3/h
    int PocetVlozek = 1;
};
// The attenuation and self-noise (with their L(A)) of that silencer; false
// when the data do not cover it, and then nothing is written.
bool SpektraTlumice(const DataTlumice& d, const RozmeryTlumice& r, Spectrum& utlum, Spectrum& drun);

// Store step: type 8 and its inputs, where the compute step takes them from
// (the data-file reader fills the same).
void ZapisTlumic(DrunVar& var, const ZadaniTlumice& z);
// Compute step: looks the attenuation and flow noise up in the data file
// var.SouborTlumice, read afresh each time. Only on success is the element
// written (spectra, description, sides in metres) and the remembered inputs
// updated; on failure nothing changes, the code is DataTlumice and Zprava the
// message (the reader's when the data are not whole).
// A count of splitters outside 1..100 is refused the same way.
VysledekSouboru VypocetTlumice(DrunVar& var);
// The same from data parsed beforehand.
VysledekSouboru VypocetTlumice(DrunVar& var, const DataTlumice& d);

// "Soubor <path> nenalezen, poškozen, nebo zadané hodnoty mimo jeho rozsah."
std::string ZpravaSouboruTlumice(const std::string& cesta);
// Why a silencer could not be computed from the data in `cesta`: the reader's
// refusal when the data are not whole, else ZpravaSouboruTlumice (the inputs
// lie outside what the data cover).
std::string ProcTlumicNelze(const std::string& cesta);

} // namespace drun
