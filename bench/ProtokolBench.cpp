// drun-protokol on long paths: the protocol against reading the file and
// evaluating it, and the program's own time and peak memory.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <optional>

#include "Pomocnik.h"
#include "core/DrunVar.h"
#include "core/DrunVyp.h"
#include "io/DataSoubor.h"
#include "io/Protokol.h"

using namespace drun;

namespace {

// A data file of the benchmark path, written once per length.
const std::string& Soubor(int pocet) {
    static std::map<int, std::string> soubory;
    std::string& s = soubory[pocet];
    if (s.empty()) {
        const auto slozka =
            std::filesystem::temp_directory_path() / ("drun-bench-" + std::to_string(::getpid()));
        std::filesystem::create_directories(slozka);
        s = (slozka / ("cesta" + std::to_string(pocet) + ".DRN")).string();
        DrunVar var;
        NaplnCestu(var, pocet);
        if (!UlozData(var, s).Ok()) s.clear();
    }
    return s;
}

void CteniAVypocet(DrunVar& var, const std::string& soubor) {
    NactiData(var, soubor);
    PrepocitejOd(var, 1);
}

// Read, evaluate and write the protocol to /dev/null, as drun-protokol does,
// against reading and evaluating alone.
void Protokol(benchmark::State& st) {
    const std::string& soubor = Soubor(static_cast<int>(st.range(0)));
    std::FILE* nic = std::fopen("/dev/null", "w");
    if (soubor.empty() || !nic) return st.SkipWithError("no data file");
    DrunVar var;
    Porovnej(
        st, "x_cteni", [] {},
        [&] {
            CteniAVypocet(var, soubor);
            ZapisProtokol(var, "d", nic);
        },
        [&] { CteniAVypocet(var, soubor); });
    std::fclose(nic);
}

// Runs drun-protokol for the benchmarks from a small process forked before
// they grow this one: a child of this process would start with this
// process's peak resident memory as its own, whatever it uses itself.
class Spoustec {
  public:
    Spoustec() {
        if (pipe(tam_) != 0 || pipe(zpet_) != 0) return;
        pid_ = fork();
        if (pid_ == 0) {
            close(tam_[1]);
            close(zpet_[0]);
            Obsluhuj();
            _exit(0);
        }
        close(tam_[0]);
        close(zpet_[1]);
    }
    ~Spoustec() {
        if (pid_ <= 0) return;
        close(tam_[1]);
        close(zpet_[0]);
        waitpid(pid_, nullptr, 0);
    }

    // What a child does: the program on the file, only reading and evaluating
    // the file, or only starting the program (its usage text).
    enum class Ukol : char { Program, Cteni, Start };

    // The child's resource use; nothing when it did not end well.
    std::optional<rusage> Spust(const std::string& soubor, Ukol ukol = Ukol::Program) {
        const size_t n = soubor.size();
        rusage ru{};
        char ok = 0;
        if (pid_ <= 0 || write(tam_[1], &ukol, 1) != 1 ||
            write(tam_[1], &n, sizeof n) != ssize_t(sizeof n) ||
            write(tam_[1], soubor.data(), n) != ssize_t(n) || !Cti(zpet_[0], &ok, 1) ||
            !Cti(zpet_[0], &ru, sizeof ru) || !ok)
            return std::nullopt;
        return ru;
    }

  private:
    static bool Cti(int fd, void* kam, size_t n) {
        auto* p = static_cast<char*>(kam);
        while (n > 0) {
            const ssize_t r = read(fd, p, n);
            if (r <= 0) return false;
            p += r, n -= size_t(r);
        }
        return true;
    }

    void Obsluhuj() {
        size_t n = 0;
        Ukol ukol = Ukol::Program;
        while (Cti(tam_[0], &ukol, 1) && Cti(tam_[0], &n, sizeof n)) {
            std::string soubor(n, '\0');
            if (!Cti(tam_[0], soubor.data(), n)) return;
            rusage ru{};
            int stav = 0;
            const pid_t pid = fork();
            if (pid == 0 && ukol == Ukol::Cteni) {
                DrunVar var;
                CteniAVypocet(var, soubor);
                _exit(0);
            }
            if (pid == 0) {
                const int nic = open("/dev/null", O_WRONLY);
                dup2(nic, 1);
                if (ukol == Ukol::Start) execl(DRUN_PROTOKOL, DRUN_PROTOKOL, "--help", nullptr);
                execl(DRUN_PROTOKOL, DRUN_PROTOKOL, "--datum", "d", soubor.c_str(), nullptr);
                _exit(127);
            }
            const char ok = pid > 0 && wait4(pid, &stav, 0, &ru) == pid && WIFEXITED(stav) &&
                            WEXITSTATUS(stav) == 0;
            if (write(zpet_[1], &ok, 1) != 1 || write(zpet_[1], &ru, sizeof ru) != sizeof ru)
                return;
        }
    }

    int tam_[2] = {-1, -1}, zpet_[2] = {-1, -1};
    pid_t pid_ = -1;
};

Spoustec* spoustec = nullptr;

// The program itself (its output to /dev/null) against a process that only
// reads and evaluates the file (both started fresh, so both pay for their
// memory): ratio of their CPU times, with and without the program's start
// (loading its libraries, measured on its usage text), and the program's
// peak resident memory.
void ProgramDrunProtokol(benchmark::State& st) {
    const std::string& soubor = Soubor(static_cast<int>(st.range(0)));
    if (soubor.empty() || !spoustec) return st.SkipWithError("no data file");
    auto cas = [](const rusage& ru) {
        return double(ru.ru_utime.tv_sec + ru.ru_stime.tv_sec) +
               1e-6 * double(ru.ru_utime.tv_usec + ru.ru_stime.tv_usec);
    };
    double tProgram = 0, tCteni = 0, tStart = 0;
    long spickaKb = 0;
    for (auto _ : st) {
        const auto program = spoustec->Spust(soubor);
        const auto cteni = spoustec->Spust(soubor, Spoustec::Ukol::Cteni);
        const auto start = spoustec->Spust(soubor, Spoustec::Ukol::Start);
        if (!program || !cteni || !start) return st.SkipWithError("drun-protokol failed");
        st.SetIterationTime(cas(*program));
        tProgram += cas(*program);
        tCteni += cas(*cteni);
        tStart += cas(*start);
        spickaKb = std::max(spickaKb, program->ru_maxrss);
    }
    st.counters["x_cteni"] = tCteni > 0 ? tProgram / tCteni : 0;
    st.counters["x_bez_startu"] = tCteni > 0 ? (tProgram - tStart) / tCteni : 0;
    st.counters["start_ms"] = 1000 * tStart / double(st.iterations());
    st.counters["spicka_MB"] = double(spickaKb) / 1024;
    st.SetItemsProcessed(st.iterations() * st.range(0));
}

} // namespace

BENCHMARK(Protokol)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(ProgramDrunProtokol)
    ->Arg(10000)
    ->Arg(100000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    Spoustec s;
    spoustec = &s;
    const int r = SpustBenchmarky(argc, argv,
                                  {{"Protokol/10000", "x_cteni", 1.5},
                                   {"ProgramDrunProtokol/10000/manual_time", "x_bez_startu", 1.5},
                                   {"ProgramDrunProtokol/100000/manual_time", "spicka_MB", 100}});
    std::filesystem::remove_all(std::filesystem::temp_directory_path() /
                                ("drun-bench-" + std::to_string(::getpid())));
    return r;
}
