// Any bytes as a data file: the reader must never crash, what it accepts must
// keep every invariant of the path (evaluated, too), and must write, read back
// and write again to the same bytes.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/DrunVar.h"
#include "core/DrunVyp.h"
#include "io/DataSoubor.h"
#include "io/Protokol.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace drun;
    DrunVar var;
    var.SouborTlumice = DRUN_DATA_DIR "/KL385216.CAD";
    if (!NactiDataZTextu(var, std::string(reinterpret_cast<const char*>(data), size)).Ok()) {
        if (var.cesta.Pocet() != 1 || !var.Akce.empty()) std::abort();
        return 0;
    }
    if (PorusenyInvariant(var.cesta)) std::abort();
    PrepocitejOd(var, 1);
    if (PorusenyInvariant(var.cesta)) std::abort();
    TextProtokolu(var, "1.1.2000");
    std::string prvni, druhy;
    if (!TextDat(var, prvni)) std::abort();
    DrunVar znovu;
    znovu.SouborTlumice = var.SouborTlumice;
    if (!NactiDataZTextu(znovu, prvni).Ok()) std::abort();
    if (!TextDat(znovu, druhy) || druhy != prvni) std::abort();
    return 0;
}
