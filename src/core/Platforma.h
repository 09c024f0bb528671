#pragma once

#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// What differs between the systems lives here and nowhere else: one
// implementation for POSIX (Platforma.cpp) and one for Windows
// (PlatformaWin.cpp). Text is UTF-8 throughout the program; the Windows
// implementation turns it into wide characters at the system call.
namespace drun {

// A path from the program's UTF-8 text, and back.
inline std::filesystem::path CestaSouboru(const std::string& utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}
inline std::string Utf8(const std::u8string& s) {
    return std::string(s.begin(), s.end());
}
inline std::string TextCesty(const std::filesystem::path& p) {
    return Utf8(p.u8string());
}

// How replacing a file's content ended.
enum class Nahrazeni { Ok, JmenoObsazeno, Chyba };

// Writes the bytes into the new file `docasny` (Chyba... JmenoObsazeno when it
// exists), flushes it to the disk and puts it in the place of `cil`: a replaced
// file keeps its permissions, a new one gets the user's defaults. The folder is
// flushed too, so the new name survives a power loss. A `cil` that is not a
// regular file or is read-only is refused. On failure `docasny` is removed.
Nahrazeni NahradSoubor(const std::filesystem::path& cil, const std::filesystem::path& docasny,
                       const std::string& obsah);

// The seam through which a test makes the rename that ends NahradSoubor fail,
// as a full disk or a vanished folder would: while `selze` returns true the
// rename is not done. Null (the default) renames.
void NastavSelhaniPrejmenovani(bool (*selze)());
// What the seam says now: true when the rename is to fail.
bool SelhaniPrejmenovani();

// Removes `soubor` (a temporary file of a save) when it was last written more
// than `stari` seconds ago (0: any age) and no running program holds it open
// for writing; false when it stays.
bool SmazOpustenyDocasny(const std::filesystem::path& soubor, int stari);

// Makes the file read-only, or writable again.
bool NastavJenProCteni(const std::filesystem::path& soubor, bool jenCteni);

// True when a file can be created in the folder (tries one and removes it).
bool LzeZapsatDoSlozky(const std::string& slozka);

// The running executable's folder with a separator at the end; `argv0` when
// the system cannot tell.
std::string SlozkaProgramu(const char* argv0);

// The user's folder for configuration (XDG_CONFIG_HOME or ~/.config,
// %APPDATA%) and for local data (XDG_DATA_HOME or ~/.local/share,
// %LOCALAPPDATA%); empty when the environment names none.
std::string SlozkaNastaveni();
std::string SlozkaMistnichDat();

// An environment variable as UTF-8.
std::optional<std::string> Promenna(const char* jmeno);

// The program's arguments (without its name) as UTF-8.
std::vector<std::string> Argumenty(int argc, char** argv);

// Standard output carries bytes as they are (no line-end translation) and a
// console shows it and standard error as UTF-8.
void BinarniVystup();

// Writes UTF-8 text to standard error: a console shows it whole (on Windows
// as wide characters, whatever its code page), a file or a pipe gets the bytes.
void VypisChybu(const std::string& text);

// True when standard output is the file `soubor` (the same file however the
// path is spelled, seen by identity); false when it is not or cannot be told.
bool VystupJeSoubor(const std::string& soubor);

// True when both paths name one existing file (however each is spelled, seen
// by identity); false when they do not or it cannot be told.
bool TentyzSoubor(const std::string& a, const std::string& b);

// The local time of `t`; false when the system cannot convert it.
bool MistniCas(std::time_t t, std::tm& tm);

// Hands the run over to `program` with the arguments (the first is the name
// it is shown under): POSIX replaces this process, Windows starts it and
// waits. Its exit status, or -1 with the errno value in `chyba`.
int PredejProgramu(const std::string& program, const std::vector<std::string>& argumenty,
                   int& chyba);

// This process's number (temporary names of the tests).
long CisloProcesu();

} // namespace drun
