#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// A building model's duct network as a plain graph: elements, their ports and
// the ports' connections, every size already in mm, m, degrees, m3/h, Pa and
// 1/min. It says what the model calls each element; what DRUN makes of it is
// the import's business.
namespace drun {

enum class TridaPrvku : std::uint8_t {
    Potrubi,    // a duct segment
    Tvarovka,   // a duct fitting
    Koncovy,    // an air terminal
    Ventilator, // a fan
    Jednotka,   // an air-handling unit
    Tlumic,     // a duct silencer
    Klapka,     // a damper
    Filtr,
    Rekuperace, // air-to-air heat recovery
    Cidlo,      // a sensor or instrument
    Jiny,       // any other element with ports
};

enum class DruhTvarovky : std::uint8_t { Nezname, Oblouk, Odbocka, Prechod, Jiny };

struct PrvekGrafu {
    std::uint32_t Cislo = 0; // the entity's #number
    std::string Guid, Nazev, Znacka;
    std::string Entita; // as the file names its class, e.g. IFCDUCTSEGMENT
    TridaPrvku Trida = TridaPrvku::Jiny;
    DruhTvarovky Tvar = DruhTvarovky::Nezname;
    // The body's profile: a diameter, or width and height; 0 when not known.
    double Prumer = 0, A = 0, B = 0; // mm
    double Delka = 0;                // m, a segment's
    double Uhel = 0;                 // degrees, a bend's
    double Radius = 0;               // mm, a bend's centre line
    double Prutok = 0;               // m3/h, 0 when the model gives none
    double Tlak = 0;                 // Pa, a fan's total pressure rise
    double Otacky = 0;               // 1/min
    // A silencer's insertion loss 63 Hz .. 8 kHz, when the model gives any.
    bool MaUtlum = false;
    std::array<double, 8> Utlum{};
    std::string Prostor;         // the space it stands in, empty when none
    std::vector<size_t> Porty{}; // indices into GrafSite::Porty
};

struct PortGrafu {
    std::uint32_t Cislo = 0;
    size_t Prvek = 0;                // its element's index
    double Prumer = 0, A = 0, B = 0; // mm, 0 when not known
    std::vector<size_t> Spoje{};     // the ports it is joined to
};

struct SystemGrafu {
    std::uint32_t Cislo = 0;
    std::string Guid, Nazev;
    std::vector<size_t> Prvky{}; // element indices
};

// "#58": how the file numbers an entity.
inline std::string CisloEntity(std::uint32_t n) {
    std::string s = "#";
    s += std::to_string(n);
    return s;
}

struct GrafSite {
    std::string Schema; // IFC2X3, IFC4, IFC4X3…
    std::vector<PrvekGrafu> Prvky;
    std::vector<PortGrafu> Porty;
    std::vector<SystemGrafu> Systemy;
};

} // namespace drun
