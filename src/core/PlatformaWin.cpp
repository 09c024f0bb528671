// The Windows side of the platform unit: wide-character calls, paths and
// texts UTF-8 in the rest of the program.
#include <windows.h>
// after windows.h
#include <fcntl.h>
#include <io.h>
#include <process.h>
#include <shellapi.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <new>

#include "core/Platforma.h"
#include "core/Soubory.h"

namespace drun {

namespace fs = std::filesystem;

namespace {

std::wstring Siroky(const std::string& utf8) {
    if (utf8.empty()) return {};
    const int n =
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring w(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), w.data(), n);
    return w;
}

std::string ZeSirokeho(const wchar_t* w) {
    const int n = WideCharToMultiByte(CP_UTF8, 0, w, -1, nullptr, 0, nullptr, nullptr);
    if (n <= 1) return {};
    std::string s(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, w, -1, s.data(), n, nullptr, nullptr);
    s.pop_back(); // the terminating zero
    return s;
}

// The Czech reason of a system error code, as DuvodChyby of the C library's.
std::string DuvodWin(DWORD e) {
    switch (e) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return DuvodChyby(ENOENT);
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return DuvodChyby(EACCES);
    case ERROR_CANT_RESOLVE_FILENAME:
        return DuvodChyby(ELOOP);
    case ERROR_FILENAME_EXCED_RANGE:
        return DuvodChyby(ENAMETOOLONG);
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return DuvodChyby(ENOSPC);
    case ERROR_WRITE_PROTECT:
        return DuvodChyby(EROFS);
    default:
        return "chyba systému " + std::to_string(e);
    }
}

struct Handle {
    HANDLE h;
    ~Handle() {
        if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
    }
};

} // namespace

KodVysledku CtiSoubor(const std::string& cesta, std::string& obsah, std::uintmax_t nejvic) {
    obsah.clear();
    const std::wstring w = CestaSouboru(cesta).wstring();
    const DWORD atributy = GetFileAttributesW(w.c_str());
    if (atributy == INVALID_FILE_ATTRIBUTES) {
        const DWORD e = GetLastError();
        return e == ERROR_FILE_NOT_FOUND || e == ERROR_PATH_NOT_FOUND ? KodVysledku::Chybi
                                                                      : KodVysledku::NelzeCist;
    }
    if (atributy & FILE_ATTRIBUTE_DIRECTORY) return KodVysledku::NelzeCist;
    Handle f{CreateFileW(w.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)};
    if (f.h == INVALID_HANDLE_VALUE) return KodVysledku::NelzeCist;
    // A pipe or a device is never read: it could block.
    LARGE_INTEGER velikost{};
    if (GetFileType(f.h) != FILE_TYPE_DISK || !GetFileSizeEx(f.h, &velikost) ||
        static_cast<std::uintmax_t>(velikost.QuadPart) > nejvic)
        return KodVysledku::NelzeCist;
    try {
        obsah.reserve(static_cast<size_t>(velikost.QuadPart));
        char buf[65536];
        for (;;) {
            DWORD n = 0;
            if (!ReadFile(f.h, buf, sizeof buf, &n, nullptr) || obsah.size() + n > nejvic) {
                obsah.clear();
                return KodVysledku::NelzeCist;
            }
            if (n == 0) break;
            obsah.append(buf, n);
        }
    } catch (const std::bad_alloc&) {
        obsah.clear();
        obsah.shrink_to_fit();
        return KodVysledku::NelzeCist;
    }
    return KodVysledku::Ok;
}

std::string DuvodNecitelnosti(const std::string& cesta, std::uintmax_t nejvic) {
    const std::wstring w = CestaSouboru(cesta).wstring();
    const DWORD atributy = GetFileAttributesW(w.c_str());
    if (atributy == INVALID_FILE_ATTRIBUTES) return DuvodWin(GetLastError());
    if (atributy & FILE_ATTRIBUTE_DIRECTORY) return "je to složka";
    // Opened for its attributes only: no data is read, nothing waits.
    Handle f{CreateFileW(w.c_str(), FILE_READ_ATTRIBUTES,
                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)};
    if (f.h == INVALID_HANDLE_VALUE) return DuvodWin(GetLastError());
    if (GetFileType(f.h) != FILE_TYPE_DISK) return "není to obyčejný soubor";
    LARGE_INTEGER velikost{};
    if (GetFileSizeEx(f.h, &velikost) && static_cast<std::uintmax_t>(velikost.QuadPart) > nejvic)
        return TextVelikosti(nejvic);
    Handle cteni{CreateFileW(w.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                             OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)};
    if (cteni.h == INVALID_HANDLE_VALUE) return DuvodWin(GetLastError());
    return {};
}

Nahrazeni NahradSoubor(const fs::path& cil, const fs::path& docasny, const std::string& obsah) {
    const DWORD atributy = GetFileAttributesW(cil.c_str());
    const bool existuje = atributy != INVALID_FILE_ATTRIBUTES;
    if (existuje && (atributy & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)))
        return Nahrazeni::Chyba;
    bool ok;
    {
        Handle f{CreateFileW(docasny.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                             FILE_ATTRIBUTE_NORMAL, nullptr)};
        if (f.h == INVALID_HANDLE_VALUE)
            return GetLastError() == ERROR_FILE_EXISTS ? Nahrazeni::JmenoObsazeno
                                                       : Nahrazeni::Chyba;
        size_t zapsano = 0;
        ok = true;
        while (ok && zapsano < obsah.size()) {
            DWORD n = 0;
            const DWORD kus = static_cast<DWORD>(std::min<size_t>(obsah.size() - zapsano, 1 << 20));
            ok = WriteFile(f.h, obsah.data() + zapsano, kus, &n, nullptr) && n > 0;
            zapsano += n;
        }
        if (ok) ok = FlushFileBuffers(f.h);
    }
    // ReplaceFileW keeps the replaced file's attributes and security; a new
    // name is moved into place, written through to the disk.
    if (ok && SelhaniPrejmenovani()) ok = false;
    if (ok)
        ok = existuje ? ReplaceFileW(cil.c_str(), docasny.c_str(), nullptr,
                                     REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)
                      : MoveFileExW(docasny.c_str(), cil.c_str(), MOVEFILE_WRITE_THROUGH);
    if (!ok) {
        DeleteFileW(docasny.c_str());
        return Nahrazeni::Chyba;
    }
    return Nahrazeni::Ok;
}

bool SmazOpustenyDocasny(const fs::path& soubor, int stari) {
    // Opened for deleting and shared with nobody: a save still writing it holds
    // it without sharing, so this fails and it stays.
    Handle f{CreateFileW(soubor.c_str(), DELETE | FILE_READ_ATTRIBUTES, 0, nullptr, OPEN_EXISTING,
                         FILE_FLAG_OPEN_REPARSE_POINT, nullptr)};
    if (f.h == INVALID_HANDLE_VALUE) return false;
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(f.h, &info) ||
        (info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)))
        return false;
    if (stari > 0) {
        FILETIME ted{};
        GetSystemTimeAsFileTime(&ted);
        const auto cislo = [](const FILETIME& t) {
            return (static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
        };
        // File times count 100 ns.
        if (cislo(ted) - cislo(info.ftLastWriteTime) <=
            10'000'000ull * static_cast<unsigned>(stari))
            return false;
    }
    FILE_DISPOSITION_INFO smazat{TRUE};
    return SetFileInformationByHandle(f.h, FileDispositionInfo, &smazat, sizeof smazat);
}

bool NastavJenProCteni(const fs::path& soubor, bool jenCteni) {
    const DWORD a = GetFileAttributesW(soubor.c_str());
    if (a == INVALID_FILE_ATTRIBUTES) return false;
    const DWORD nove = jenCteni ? (a | FILE_ATTRIBUTE_READONLY) : (a & ~FILE_ATTRIBUTE_READONLY);
    return SetFileAttributesW(soubor.c_str(), nove);
}

bool LzeZapsatDoSlozky(const std::string& slozka) {
    wchar_t jmeno[MAX_PATH + 1];
    const std::wstring s = slozka.empty() ? std::wstring(L".") : CestaSouboru(slozka).wstring();
    if (GetTempFileNameW(s.c_str(), L"drn", 0, jmeno) == 0) return false;
    DeleteFileW(jmeno);
    return true;
}

std::string SlozkaProgramu(const char* argv0) {
    std::vector<wchar_t> buf(MAX_PATH);
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, buf.data(), static_cast<DWORD>(buf.size()));
        if (n == 0) {
            std::error_code ec;
            const std::string s = TextCesty(fs::absolute(argv0, ec).parent_path());
            return s.empty() ? s : s + "/";
        }
        if (n < buf.size()) break;
        buf.resize(buf.size() * 2);
    }
    const std::string s = TextCesty(fs::path(buf.data()).parent_path());
    return s.empty() ? s : s + "/";
}

std::optional<std::string> Promenna(const char* jmeno) {
    const wchar_t* h = _wgetenv(Siroky(jmeno).c_str());
    if (!h) return std::nullopt;
    return ZeSirokeho(h);
}

std::string SlozkaNastaveni() {
    return Promenna("APPDATA").value_or("");
}

std::string SlozkaMistnichDat() {
    return Promenna("LOCALAPPDATA").value_or("");
}

std::vector<std::string> Argumenty(int, char**) {
    int n = 0;
    wchar_t** w = CommandLineToArgvW(GetCommandLineW(), &n);
    std::vector<std::string> a;
    for (int i = 1; w && i < n; ++i)
        a.push_back(ZeSirokeho(w[i]));
    LocalFree(w);
    return a;
}

void BinarniVystup() {
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    SetConsoleOutputCP(CP_UTF8);
}

void VypisChybu(const std::string& text) {
    const HANDLE h = GetStdHandle(STD_ERROR_HANDLE);
    DWORD rezim = 0;
    if (h != INVALID_HANDLE_VALUE && h != nullptr && GetConsoleMode(h, &rezim)) {
        // A console shows wide characters whatever its code page.
        std::fflush(stderr);
        const std::wstring w = Siroky(text);
        DWORD n = 0;
        WriteConsoleW(h, w.data(), static_cast<DWORD>(w.size()), &n, nullptr);
        return;
    }
    std::fwrite(text.data(), 1, text.size(), stderr);
    std::fflush(stderr);
}

namespace {

// A file's identity however its path is spelled: its volume and its number.
// A handle opened for writing alone may not tell the older form, and one the
// system made for a redirection may not tell its volume (0 then).
struct Identita {
    ULONGLONG svazek = 0;
    FILE_ID_128 cislo{};
};

bool ZjistiIdentitu(HANDLE h, Identita& id) {
    if (h == INVALID_HANDLE_VALUE || h == nullptr || GetFileType(h) != FILE_TYPE_DISK) return false;
    FILE_ID_INFO info{};
    if (GetFileInformationByHandleEx(h, FileIdInfo, &info, sizeof info)) {
        id.svazek = info.VolumeSerialNumber;
        id.cislo = info.FileId;
        return true;
    }
    BY_HANDLE_FILE_INFORMATION b{};
    if (!GetFileInformationByHandle(h, &b)) return false;
    id.svazek = b.dwVolumeSerialNumber;
    const ULONGLONG n = (static_cast<ULONGLONG>(b.nFileIndexHigh) << 32) | b.nFileIndexLow;
    std::memcpy(id.cislo.Identifier, &n, sizeof n);
    return true;
}

} // namespace

namespace {

bool IdentitaSouboru(const std::string& soubor, Identita& i) {
    Handle f{CreateFileW(CestaSouboru(soubor).c_str(), FILE_READ_ATTRIBUTES,
                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr)};
    return ZjistiIdentitu(f.h, i);
}

// An unknown volume is taken as the same one: refusing is the safe side.
bool StejnaIdentita(const Identita& a, const Identita& b) {
    return std::memcmp(&a.cislo, &b.cislo, sizeof a.cislo) == 0 &&
           (a.svazek == 0 || b.svazek == 0 || a.svazek == b.svazek);
}

} // namespace

bool VystupJeSoubor(const std::string& soubor) {
    Identita v, s;
    return ZjistiIdentitu(GetStdHandle(STD_OUTPUT_HANDLE), v) && IdentitaSouboru(soubor, s) &&
           StejnaIdentita(v, s);
}

bool TentyzSoubor(const std::string& a, const std::string& b) {
    Identita x, y;
    return IdentitaSouboru(a, x) && IdentitaSouboru(b, y) && StejnaIdentita(x, y);
}

bool MistniCas(std::time_t t, std::tm& tm) {
    return localtime_s(&tm, &t) == 0;
}

int PredejProgramu(const std::string& program, const std::vector<std::string>& argumenty,
                   int& chyba) {
    // Windows joins the arguments into one line: each is quoted.
    std::vector<std::wstring> uvozene;
    for (const std::string& a : argumenty) {
        std::wstring u = L"\"";
        for (const wchar_t c : Siroky(a))
            u += c == L'"' ? std::wstring(L"\\\"") : std::wstring(1, c);
        uvozene.push_back(u + L"\"");
    }
    std::vector<const wchar_t*> argv;
    for (const std::wstring& a : uvozene)
        argv.push_back(a.c_str());
    argv.push_back(nullptr);
    std::fflush(nullptr);
    errno = 0;
    const intptr_t status = _wspawnv(_P_WAIT, CestaSouboru(program).c_str(), argv.data());
    if (status != -1) return static_cast<int>(status);
    chyba = errno;
    return -1;
}

long CisloProcesu() {
    return static_cast<long>(GetCurrentProcessId());
}

} // namespace drun
