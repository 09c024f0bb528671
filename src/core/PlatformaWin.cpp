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

struct Handle {
    HANDLE h;
    ~Handle() {
        if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
    }
};

} // namespace

KodVysledku CtiSoubor(const std::string& cesta, std::string& obsah) {
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
    char buf[65536];
    for (;;) {
        DWORD n = 0;
        if (!ReadFile(f.h, buf, sizeof buf, &n, nullptr)) {
            obsah.clear();
            return KodVysledku::NelzeCist;
        }
        if (n == 0) break;
        obsah.append(buf, n);
    }
    return KodVysledku::Ok;
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
    SetConsoleOutputCP(CP_UTF8);
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
