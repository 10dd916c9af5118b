// Declares one fuzz target: the libFuzzer entry in a fuzzing build, a named entry of the replay test otherwise.
#pragma once

#include <cstddef>
#include <cstdint>

using FuzzFunction = int (*)(const uint8_t* data, size_t size);

// Replay builds collect every target under its name.
bool fuzzRegister(const char* name, FuzzFunction fn);

#ifdef MORVELLE_LIBFUZZER
#define MORVELLE_FUZZ_ENTRY(name)                                                                      \
    extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) { return fuzz_##name(data, size); }
#else
#define MORVELLE_FUZZ_ENTRY(name) [[maybe_unused]] static const bool registered_##name = fuzzRegister(#name, fuzz_##name);
#endif

#define MORVELLE_FUZZ_TARGET(name)                           \
    static int fuzz_##name(const uint8_t* data, size_t size); \
    MORVELLE_FUZZ_ENTRY(name)                                 \
    static int fuzz_##name(const uint8_t* data, size_t size)
