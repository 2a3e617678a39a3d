// The libFuzzer entry of one target (ORV_FUZZ_TARGET names it): a broken
// property or an unexpected exception stops the fuzzer with the input saved.
#include "FuzzTargets.h"

#include <cstdio>
#include <cstdlib>
#include <exception>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        orv::fuzz::ORV_FUZZ_TARGET(data, size);
    } catch (const orv::fuzz::Broken& b) {
        std::fprintf(stderr, "broken: %s\n", b.what());
        std::abort();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "unexpected exception: %s\n", e.what());
        std::abort();
    }
    return 0;
}
