// The POSIX side of the platform unit.
#include "core/Platforma.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <new>

#include "core/Soubory.h"

namespace drun {

namespace fs = std::filesystem;

KodVysledku CtiSoubor(const std::string& cesta, std::string& obsah, std::uintmax_t nejvic) {
    obsah.clear();
    struct stat st {};
    if (::stat(cesta.c_str(), &st) != 0)
        return errno == ENOENT ? KodVysledku::Chybi : KodVysledku::NelzeCist;
    if (!S_ISREG(st.st_mode)) return KodVysledku::NelzeCist;
    // Not blocking: what was a regular file a moment ago may be a FIFO now.
    const int fd = ::open(cesta.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return KodVysledku::NelzeCist;
    const auto konec = [fd, &obsah](KodVysledku k) {
        ::close(fd);
        if (k != KodVysledku::Ok) obsah.clear();
        return k;
    };
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) ||
        static_cast<std::uintmax_t>(st.st_size) > nejvic)
        return konec(KodVysledku::NelzeCist);
    try {
        obsah.reserve(static_cast<size_t>(st.st_size));
        char buf[65536];
        for (;;) {
            const ssize_t n = ::read(fd, buf, sizeof buf);
            if (n < 0) {
                if (errno == EINTR) continue;
                return konec(KodVysledku::NelzeCist);
            }
            if (n == 0) break;
            // A file that grows while it is read is held to the same limit.
            if (obsah.size() + static_cast<size_t>(n) > nejvic)
                return konec(KodVysledku::NelzeCist);
            obsah.append(buf, static_cast<size_t>(n));
        }
    } catch (const std::bad_alloc&) {
        obsah.shrink_to_fit();
        return konec(KodVysledku::NelzeCist);
    }
    return konec(KodVysledku::Ok);
}

std::string DuvodNecitelnosti(const std::string& cesta, std::uintmax_t nejvic) {
    struct stat st {};
    if (::stat(cesta.c_str(), &st) != 0) return DuvodChyby(errno);
    if (S_ISDIR(st.st_mode)) return "je to složka";
    if (!S_ISREG(st.st_mode)) return "není to obyčejný soubor";
    if (::access(cesta.c_str(), R_OK) != 0) return DuvodChyby(errno);
    if (static_cast<std::uintmax_t>(st.st_size) > nejvic) return TextVelikosti(nejvic);
    return {};
}

namespace {

bool ZapisVse(int fd, const std::string& obsah) {
    size_t zapsano = 0;
    while (zapsano < obsah.size()) {
        const ssize_t n = ::write(fd, obsah.data() + zapsano, obsah.size() - zapsano);
        if (n < 0 && errno != EINTR) return false;
        if (n > 0) zapsano += static_cast<size_t>(n);
    }
    return true;
}

// A file system that cannot flush a folder says EINVAL; that is no failure of the save.
bool SynchronizujSlozku(const fs::path& slozka) {
    const int fd =
        ::open(slozka.empty() ? "." : slozka.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool ok = ::fsync(fd) == 0 || errno == EINVAL;
    ::close(fd);
    return ok;
}

} // namespace

Nahrazeni NahradSoubor(const fs::path& cil, const fs::path& docasny, const std::string& obsah) {
    // A read-only file is not silently replaced (root could, so the mode bits count too).
    struct stat st {};
    const bool existuje = ::stat(cil.c_str(), &st) == 0;
    if (existuje &&
        (!S_ISREG(st.st_mode) || (st.st_mode & 0222) == 0 || ::access(cil.c_str(), W_OK) != 0))
        return Nahrazeni::Chyba;
    // 0666 less the umask, as any program creates a file.
    const int fd = ::open(docasny.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) return errno == EEXIST ? Nahrazeni::JmenoObsazeno : Nahrazeni::Chyba;
    // Held while it is written, so that another DRUN does not take it for a leftover.
    ::flock(fd, LOCK_EX | LOCK_NB);
    bool ok = ZapisVse(fd, obsah);
    // A replaced file keeps the permissions the user gave it.
    if (ok && existuje) ok = ::fchmod(fd, st.st_mode & 07777) == 0;
    if (ok) ok = ::fsync(fd) == 0;
    if (::close(fd) != 0) ok = false;
    if (ok) ok = !SelhaniPrejmenovani() && ::rename(docasny.c_str(), cil.c_str()) == 0;
    if (!ok) {
        ::unlink(docasny.c_str());
        return Nahrazeni::Chyba;
    }
    return SynchronizujSlozku(cil.parent_path()) ? Nahrazeni::Ok : Nahrazeni::Chyba;
}

bool SmazOpustenyDocasny(const fs::path& soubor, int stari) {
    const int fd =
        ::open(soubor.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat st {};
    bool smaz = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) &&
                (stari == 0 || st.st_mtime < std::time(nullptr) - stari) &&
                ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    if (smaz) smaz = ::unlink(soubor.c_str()) == 0;
    ::close(fd);
    return smaz;
}

bool NastavJenProCteni(const fs::path& soubor, bool jenCteni) {
    std::error_code ec;
    fs::permissions(soubor,
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    jenCteni ? fs::perm_options::remove : fs::perm_options::add, ec);
    return !ec;
}

bool LzeZapsatDoSlozky(const std::string& slozka) {
    std::string jmeno = (slozka.empty() ? std::string("./") : slozka) + ".drun-zapis.XXXXXX";
    const int fd = ::mkstemp(jmeno.data());
    if (fd < 0) return false;
    ::close(fd);
    ::unlink(jmeno.c_str());
    return true;
}

std::string SlozkaProgramu(const char* argv0) {
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec) exe = fs::absolute(argv0, ec);
    const std::string s = exe.parent_path().string();
    return s.empty() ? s : s + "/";
}

std::optional<std::string> Promenna(const char* jmeno) {
    const char* h = std::getenv(jmeno);
    if (!h) return std::nullopt;
    return std::string(h);
}

namespace {

std::string SlozkaXdg(const char* promenna, const char* podHome) {
    if (auto s = Promenna(promenna); s && !s->empty() && s->front() == '/') return *s;
    if (auto h = Promenna("HOME"); h && !h->empty()) return *h + podHome;
    return {};
}

} // namespace

std::string SlozkaNastaveni() {
    return SlozkaXdg("XDG_CONFIG_HOME", "/.config");
}

std::string SlozkaMistnichDat() {
    return SlozkaXdg("XDG_DATA_HOME", "/.local/share");
}

std::vector<std::string> Argumenty(int argc, char** argv) {
    return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
}

void BinarniVystup() {}

void VypisChybu(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stderr);
    std::fflush(stderr);
}

bool VystupJeSoubor(const std::string& soubor) {
    struct stat v {};
    struct stat s {};
    return ::fstat(STDOUT_FILENO, &v) == 0 && ::stat(soubor.c_str(), &s) == 0 &&
           v.st_dev == s.st_dev && v.st_ino == s.st_ino;
}

bool TentyzSoubor(const std::string& a, const std::string& b) {
    struct stat x {};
    struct stat y {};
    return ::stat(a.c_str(), &x) == 0 && ::stat(b.c_str(), &y) == 0 && x.st_dev == y.st_dev &&
           x.st_ino == y.st_ino;
}

bool MistniCas(std::time_t t, std::tm& tm) {
    return ::localtime_r(&t, &tm) != nullptr;
}

int PredejProgramu(const std::string& program, const std::vector<std::string>& argumenty,
                   int& chyba) {
    std::vector<std::string> arg = argumenty;
    std::vector<char*> argv;
    for (std::string& a : arg)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    std::fflush(nullptr);
    ::execv(program.c_str(), argv.data()); // returns only when it failed
    chyba = errno;
    return -1;
}

long CisloProcesu() {
    return static_cast<long>(::getpid());
}

} // namespace drun
