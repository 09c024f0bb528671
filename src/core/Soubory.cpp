#include "core/Soubory.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

namespace drun {

KodVysledku CtiSoubor(const std::string& cesta, std::string& obsah) {
    obsah.clear();
    struct stat st {};
    if (::stat(cesta.c_str(), &st) != 0)
        return errno == ENOENT ? KodVysledku::Chybi : KodVysledku::NelzeCist;
    if (!S_ISREG(st.st_mode)) return KodVysledku::NelzeCist;
    const int fd = ::open(cesta.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return KodVysledku::NelzeCist;
    char buf[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR) continue;
            ::close(fd);
            obsah.clear();
            return KodVysledku::NelzeCist;
        }
        if (n == 0) break;
        obsah.append(buf, static_cast<size_t>(n));
    }
    ::close(fd);
    return KodVysledku::Ok;
}

KodVysledku CtiNeprazdny(const std::string& cesta, std::string& obsah) {
    const KodVysledku k = CtiSoubor(cesta, obsah);
    return k == KodVysledku::Ok && obsah.empty() ? KodVysledku::Chybi : k;
}

namespace {

// The name of a temporary file of `soubor` without its last six characters:
// hidden, beside the target, recognisable as a save of that file.
std::string ZacatekDocasneho(const std::filesystem::path& soubor) {
    return "." + soubor.filename().string() + ".ukladani-";
}

// Temporary files that an earlier, interrupted save of the same target left.
void SmazStareDocasne(const std::filesystem::path& soubor) {
    const std::string zacatek = ZacatekDocasneho(soubor);
    std::error_code ec;
    std::vector<std::filesystem::path> stare;
    const std::filesystem::path slozka =
        soubor.parent_path().empty() ? std::filesystem::path(".") : soubor.parent_path();
    for (std::filesystem::directory_iterator it(slozka, ec), konec; !ec && it != konec;
         it.increment(ec)) {
        const std::string jmeno = it->path().filename().string();
        if (jmeno.size() == zacatek.size() + 6 && jmeno.starts_with(zacatek) &&
            it->is_regular_file(ec))
            stare.push_back(it->path());
    }
    for (const auto& p : stare)
        std::filesystem::remove(p, ec);
}

} // namespace

bool ZapisAtomicky(const std::string& cesta, const std::string& obsah) {
    if (cesta.empty()) return false;
    // Saving over a link writes the file it points to (in that file's folder),
    // and the link stays a link.
    std::filesystem::path cil(cesta);
    std::error_code ec;
    for (int i = 0; std::filesystem::is_symlink(cil, ec); ++i) {
        if (i == 40) return false; // a loop of links
        const std::filesystem::path odkaz = std::filesystem::read_symlink(cil, ec);
        if (ec) return false;
        cil = odkaz.is_absolute() ? odkaz : cil.parent_path() / odkaz;
    }
    if (cil.filename().empty()) return false;
    // A read-only file is not silently replaced (root could, so the mode bits count too).
    struct stat st {};
    const bool existuje = ::stat(cil.c_str(), &st) == 0;
    if (existuje &&
        (!S_ISREG(st.st_mode) || (st.st_mode & 0222) == 0 || ::access(cil.c_str(), W_OK) != 0))
        return false;
    // The temporary file sits beside the target so that rename() stays on one file system.
    const std::filesystem::path slozka = cil.parent_path();
    const std::string zacatek = (slozka / ZacatekDocasneho(cil)).string();
    std::vector<char> vzor(zacatek.begin(), zacatek.end());
    const char pripona[] = "XXXXXX";
    vzor.insert(vzor.end(), pripona, pripona + sizeof pripona); // with the terminating zero
    const int fd = ::mkstemp(vzor.data());
    if (fd < 0) return false;
    const std::string docasny(vzor.data());
    bool ok = true;
    size_t zapsano = 0;
    while (ok && zapsano < obsah.size()) {
        const ssize_t n = ::write(fd, obsah.data() + zapsano, obsah.size() - zapsano);
        if (n < 0) {
            if (errno == EINTR) continue;
            ok = false;
        } else {
            zapsano += static_cast<size_t>(n);
        }
    }
    // A replaced file keeps the permissions the user gave it; a new one gets the usual 0644.
    const mode_t prava = existuje ? (st.st_mode & 07777) : 0644;
    if (ok) ok = ::fchmod(fd, prava) == 0;
    if (ok) ok = ::fsync(fd) == 0;
    if (::close(fd) != 0) ok = false;
    if (ok) ok = ::rename(docasny.c_str(), cil.c_str()) == 0;
    if (!ok) {
        ::unlink(docasny.c_str());
        return false;
    }
    SmazStareDocasne(cil);
    return true;
}

} // namespace drun
