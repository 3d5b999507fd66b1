// The entry points libFuzzer calls, defined by each fuzz target. The same
// target sources also build a replay program (FuzzReplayMain.cpp) that
// calls them on saved inputs, so the inputs that once failed stay tested.
#pragma once

#include <cstddef>
#include <cstdint>

// Runs one input; returns 0. A failure aborts the process.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

// Optional one-time setup before the first input.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv);
