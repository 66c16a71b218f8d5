// Clearing the upper vector register state with vzeroupper, on x86 processors that have AVX
// (checked once); elsewhere an empty function.
#include "orbit/VectorState.h"

#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
#include <immintrin.h>

namespace orbit {
namespace {

__attribute__((target("avx"))) void ZeroUpper() {
    _mm256_zeroupper();
}

}  // namespace

void ClearUpperVectorState() {
    static const bool hasAvx = __builtin_cpu_supports("avx");
    if (hasAvx) {
        ZeroUpper();
    }
}

}  // namespace orbit
#else
namespace orbit {
void ClearUpperVectorState() {}
}  // namespace orbit
#endif
