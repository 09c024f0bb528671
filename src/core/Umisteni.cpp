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

void NastavUmisteni(DrunVar& var, const SlozkyProgramu& s, bool programZapisovatelny) {
    if (programZapisovatelny) {
        var.NastavSlozku(s.Program);
    } else {
        // A failure to create it shows later as the usual write-error message.
        std::error_code ec;
        fs::create_directories(s.Uzivatel, ec);
        var.NastavSlozku(s.Uzivatel);
    }
    const std::string jmeno = fs::path(var.SouborTlumice).filename().string();
    std::error_code ec;
    const bool vedle = fs::exists(s.Program + jmeno, ec);
    var.SouborTlumice = (vedle || !fs::exists(s.Data + jmeno, ec) ? s.Program : s.Data) + jmeno;
}

} // namespace drun
