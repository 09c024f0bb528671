// Any bytes as DRUN.CFG: never a crash, always parameters within their range,
// and the written form of what was read reads back the same.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/Konfigurace.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace drun;
    Parametry p;
    CtiKonfiguraciZTextu(std::string(reinterpret_cast<const char*>(data), size), p);
    if (p.DelkaStranky < MinDelkaStranky || p.DelkaStranky > MaxDelkaStranky) std::abort();
    Parametry q;
    if (!CtiKonfiguraciZTextu(TextKonfigurace(p), q).Ok()) std::abort();
    if (q.DelkaStranky != p.DelkaStranky || q.AutoUlozeni != p.AutoUlozeni) std::abort();
    return 0;
}
