#pragma once
// The state of the upper halves of the vector registers, for the checks that
// the numeric routines clean it and for the benchmarks that show what it costs.
#include <cstdint>

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <cpuid.h>

// Leaves the upper half of ymm15 dirty, as Qt's AVX2 routines do (nothing
// without AVX).
inline void ZaspinHorniPulky() {
    if (__builtin_cpu_supports("avx"))
        __asm__ volatile("vpcmpeqd %%ymm15, %%ymm15, %%ymm15" ::: "xmm15");
}

// Cleans them, for checks and for the benchmarks' floor.
inline void VycistiHorniPulky() {
    if (__builtin_cpu_supports("avx")) __asm__ volatile("vzeroupper" ::: "xmm15");
}

// 1 when the upper halves are dirty now, 0 when clean, -1 where the processor
// cannot tell (no AVX, or no XGETBV with ECX = 1).
inline int HorniPulkySpinave() {
    unsigned a = 0, b = 0, c = 0, d = 0;
    if (!__builtin_cpu_supports("avx") || !__get_cpuid_count(0xD, 1, &a, &b, &c, &d) || !(a & 4))
        return -1;
    std::uint32_t lo = 0, hi = 0;
    __asm__ volatile("xgetbv" : "=a"(lo), "=d"(hi) : "c"(1));
    return (lo & 4) ? 1 : 0;
}
#else
inline void ZaspinHorniPulky() {}
inline void VycistiHorniPulky() {}
inline int HorniPulkySpinave() {
    return -1;
}
#endif
