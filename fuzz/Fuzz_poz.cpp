// Any text as a requirement (a curve's name or eight levels): never a crash;
// an accepted one has finite levels within 0..150 dB, and its written form
// reads back to the same bands and is written the same again.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "tools/Pozadavek.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace drun;
    const auto pasma = CtiPozadavek(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!pasma) return 0;
    for (const double v : *pasma)
        if (!std::isfinite(v) || v < 0 || v > 150) std::abort();
    Spectrum s = NulaSpektrum();
    NastavPozadavek(s, *pasma);
    const std::string text = TextPozadavku(s);
    const auto znovu = CtiPozadavek(text);
    if (!znovu || *znovu != *pasma) std::abort();
    Spectrum t = NulaSpektrum();
    NastavPozadavek(t, *znovu);
    if (TextPozadavku(t) != text) std::abort();
    return 0;
}
