#pragma once
// Inflation of the compressed body, behind one function: a build links the inflater it has.
// Native builds link savefile/Inflate.cpp, where ISA-L inflates and zlib decides every case in
// which ISA-L's result could differ from zlib's; the web build, which has neither, links
// web/PakoInflate.cpp, where pako inflates, with the same contract.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "savefile/Bytes.h"

namespace orv5 {

// Outcome of inflating a zlib stream that may lack its final block.
struct InflateResult {
  ByteBuffer Data;
  bool Finished = false;  // the final block and a matching Adler-32 trailer were read
  std::string Error;      // empty on success
};

// Bodies of real saves stay below 30 MB. Past this much output the rest of a stream is first
// only counted, so that a stream that would pass the limit is refused without ever holding
// more than this in memory; a genuine larger body is then inflated a second time.
inline constexpr size_t EagerInflateBytes = size_t{64} << 20;

// Inflates into `out` starting at `out.size()`, never growing `out` beyond `limit` bytes;
// `sizeHint` is the expected final size of `out`. A stream that ends without its final block
// keeps all its output, and so does one whose Adler-32 trailer is cut off; a stream zlib rejects
// gives zlib's message; a stream that would pass `limit` is refused.
InflateResult InflateStream(std::span<const uint8_t> packed, ByteBuffer out, int64_t limit, size_t sizeHint);

// The same with zlib alone: the reference the tests hold InflateStream to (native builds only).
InflateResult InflateStreamWithZlib(std::span<const uint8_t> packed, ByteBuffer out, int64_t limit,
                                    size_t sizeHint);

}  // namespace orv5
