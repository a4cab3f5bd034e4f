#pragma once
// The byte search under every FindStr/FindInt: the first start of a needle (length >= 2) in a
// haystack, nullptr when none. Bodies are 10-30 MB and are searched a dozen times per load, so
// the search runs at memory speed: vector compares test many start positions at once against
// the needle's first and last byte, and only candidates are compared in full.
#include <cstddef>
#include <cstdint>

namespace orv5::search {

// The search the machine runs best (AVX2 when the processor has it).
const uint8_t* FindNeedle(const uint8_t* hay, size_t size, const uint8_t* needle, size_t length);

// The variants, so that tests can hold each to the same results.
const uint8_t* FindNeedleSse2(const uint8_t* hay, size_t size, const uint8_t* needle, size_t length);
const uint8_t* FindNeedleAvx2(const uint8_t* hay, size_t size, const uint8_t* needle, size_t length);
bool HasAvx2();

}  // namespace orv5::search
