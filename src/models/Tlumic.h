#pragma once

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

// The data file parsed once, for a search over many silencers. A section that
// is missing or damaged fails only the computations that need it.
struct DataTlumice {
    bool UtlumyOk = false; // attenuation rows: w, passage, length, 8 bands
    std::vector<std::vector<double>> Utlumy;
    bool HlukyOk = false; // flow-noise rows: velocity, 8 bands
    std::vector<std::vector<double>> Hluky;
};
DataTlumice CtiDataTlumice(std::string_view data);
// The file read and parsed; nullopt when it is missing, empty, unreadable or
// larger than 4 MB, or when not one of its tables can be read.
std::optional<DataTlumice> NactiDataTlumice(const std::string& cesta);

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
bool SpektraTlumice(const DataTlumice& d, const RozmeryTlumice& r, const DrunVar& var,
                    Spectrum& utlum, Spectrum& drun);

// Store step: type 8 and its inputs, where the compute step takes them from
// (the data-file reader fills the same).
void ZapisTlumic(DrunVar& var, const ZadaniTlumice& z);
// Compute step: looks the attenuation and flow noise up in the data file
// var.SouborTlumice, read afresh each time. Only on success is the element
// written (spectra, description, sides in metres) and the remembered inputs
// updated; on failure nothing changes, the code is DataTlumice and Zprava the message.
// A count of splitters outside 1..100 is refused the same way.
VysledekSouboru VypocetTlumice(DrunVar& var);
// The same from data parsed beforehand.
VysledekSouboru VypocetTlumice(DrunVar& var, const DataTlumice& d);

// "Soubor <path> nenalezen, poškozen, nebo zadané hodnoty mimo jeho rozsah."
std::string ZpravaSouboruTlumice(const std::string& cesta);

} // namespace drun
