#include "core/Soubory.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace drun {

StavCteni CtiSoubor(const std::string& cesta, std::string& obsah) {
    obsah.clear();
    struct stat st {};
    if (::stat(cesta.c_str(), &st) != 0)
        return errno == ENOENT ? StavCteni::Chybi : StavCteni::Chyba;
    if (!S_ISREG(st.st_mode)) return StavCteni::Chyba;
    const int fd = ::open(cesta.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return StavCteni::Chyba;
    char buf[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR) continue;
            ::close(fd);
            obsah.clear();
            return StavCteni::Chyba;
        }
        if (n == 0) break;
        obsah.append(buf, static_cast<size_t>(n));
    }
    ::close(fd);
    return StavCteni::Ok;
}

bool ZapisAtomicky(const std::string& cesta, const std::string& obsah) {
    if (cesta.empty()) return false;
    // The temporary file sits beside the target so that rename() stays on one file system.
    std::vector<char> vzor(cesta.begin(), cesta.end());
    const char pripona[] = ".XXXXXX";
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
    struct stat st {};
    const mode_t prava = ::stat(cesta.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0644;
    if (ok) ok = ::fchmod(fd, prava) == 0;
    if (ok) ok = ::fsync(fd) == 0;
    if (::close(fd) != 0) ok = false;
    if (ok) ok = ::rename(docasny.c_str(), cesta.c_str()) == 0;
    if (!ok) ::unlink(docasny.c_str());
    return ok;
}

} // namespace drun
