#include "core/Umisteni.h"

#include <filesystem>

// Where an install puts the data folder, from the executable's folder; a
// build for a system without that layout keeps the data beside the program.
#ifndef DRUN_DATA_Z_BIN
#define DRUN_DATA_Z_BIN "../share/drun"
#endif

namespace drun {

namespace fs = std::filesystem;

SlozkyProgramu Slozky(const std::string& program, const std::string& uzivatel) {
    std::string data = TextCesty((CestaSouboru(program) / DRUN_DATA_Z_BIN).lexically_normal());
    if (!data.empty() && data.back() != '/') data += '/';
    return {program, uzivatel, data};
}

namespace {

const char* const JmenoTlumice = "KL385216.CAD";

bool Existuje(const std::string& cesta) {
    std::error_code ec;
    return fs::exists(CestaSouboru(cesta), ec);
}

} // namespace

bool SouboryVedleProgramu(const SlozkyProgramu& s) {
    const bool instalovany = !Existuje(s.Program + JmenoTlumice) && Existuje(s.Data + JmenoTlumice);
    return !instalovany && LzeZapsatDoSlozky(s.Program);
}

void NastavUmisteni(DrunVar& var, const SlozkyProgramu& s, bool programZapisovatelny) {
    if (programZapisovatelny) {
        var.NastavSlozku(s.Program);
    } else {
        // A failure to create it shows later as the usual write-error message.
        std::error_code ec;
        fs::create_directories(CestaSouboru(s.Uzivatel), ec);
        var.NastavSlozku(s.Uzivatel);
    }
    const bool vedle = Existuje(s.Program + JmenoTlumice);
    var.SouborTlumice =
        (vedle || !Existuje(s.Data + JmenoTlumice) ? s.Program : s.Data) + JmenoTlumice;
}

} // namespace drun
