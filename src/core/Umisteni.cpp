#include "core/Umisteni.h"

#include <unistd.h>

#include <filesystem>
#include <vector>

namespace drun {

namespace fs = std::filesystem;

SlozkyProgramu Slozky(const std::string& program, const std::string& uzivatel) {
    std::string data = (fs::path(program) / DRUN_DATA_Z_BIN).lexically_normal().string();
    if (!data.empty() && data.back() != '/') data += '/';
    return {program, uzivatel, data};
}

bool LzeZapsatDoSlozky(const std::string& slozka) {
    std::string vzor = (slozka.empty() ? std::string("./") : slozka) + ".drun-zapis.XXXXXX";
    std::vector<char> jmeno(vzor.begin(), vzor.end());
    jmeno.push_back('\0');
    const int fd = ::mkstemp(jmeno.data());
    if (fd < 0) return false;
    ::close(fd);
    ::unlink(jmeno.data());
    return true;
}

namespace {

const char* const JmenoTlumice = "KL385216.CAD";

bool Existuje(const std::string& cesta) {
    std::error_code ec;
    return fs::exists(cesta, ec);
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
        fs::create_directories(s.Uzivatel, ec);
        var.NastavSlozku(s.Uzivatel);
    }
    const bool vedle = Existuje(s.Program + JmenoTlumice);
    var.SouborTlumice =
        (vedle || !Existuje(s.Data + JmenoTlumice) ? s.Program : s.Data) + JmenoTlumice;
}

} // namespace drun
