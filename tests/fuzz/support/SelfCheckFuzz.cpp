// Faults on purpose, for checking that the driver and the sanitizers turn them into failures:
// "overflow" reads past a heap block, "cast" converts an out-of-range double to an int, "fault"
// reports a finding; anything else passes.

#include "fuzz/support/OwnErrors.hpp"

#include <cstdint>
#include <memory>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    if (input.starts_with("overflow")) {
        const auto block = std::make_unique<volatile char[]>(size);
        return block[size];
    }
    if (input.starts_with("cast")) {
        volatile double huge = 1e300;
        return static_cast<int>(huge) == 0 ? 1 : 0;
    }
    if (input.starts_with("fault"))
        fuzz::fault("asked for");
    return 0;
}
