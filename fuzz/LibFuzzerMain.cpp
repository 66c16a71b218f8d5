// The libFuzzer entry of one fuzz program; ORBIVOX_FUZZ_ENTRY names the target's function.
#include "fuzz/FuzzTargets.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    orbivox::fuzz::ORBIVOX_FUZZ_ENTRY(data, size);
    return 0;
}
