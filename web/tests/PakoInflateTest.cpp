// The web build's inflation through pako, where it differs in kind from zlib's: pako hands out
// its output in whole 1 MiB chunks, and the output of a stream without its final block after
// the last whole chunk is taken from the stream's own buffer. Bodies on and around the chunk
// boundaries must come out whole, and each call must start afresh.
#include <gtest/gtest.h>

#include "savefile/Container.h"
#include "tests/support/SaveBuilder.h"

namespace orv5 {
namespace {

using testing::Bytes;

constexpr size_t Chunk = size_t{1} << 20;

Bytes Body(size_t size) {
  Bytes body(size);
  uint32_t x = 12345;
  for (auto& b : body) {
    x = x * 1103515245u + 12345u;
    b = static_cast<uint8_t>((x >> 16) % 13);
  }
  return body;
}

TEST(PakoInflate, BodiesOnAndAroundTheChunkBoundariesComeOutWhole) {
  for (const size_t size : {Chunk - 1, Chunk, Chunk + 1, 2 * Chunk, 3 * Chunk + 12345}) {
    const Bytes body = Body(size);
    for (const bool finish : {false, true}) {
      const InflateResult result = InflateStream(testing::Deflate(body, finish), ByteBuffer{1, 2, 3}, ImageLimit, 0);
      ASSERT_TRUE(result.Error.empty()) << size << ": " << result.Error;
      EXPECT_EQ(result.Finished, finish) << size;
      ASSERT_EQ(result.Data.size(), size + 3) << size << (finish ? " finished" : " without final block");
      EXPECT_TRUE(std::equal(body.begin(), body.end(), result.Data.begin() + 3)) << size;
    }
  }
}

TEST(PakoInflate, TheLimitHoldsAtItsExactValue) {
  const Bytes packed = testing::Deflate(Body(Chunk + 7), false);
  const InflateResult fits = InflateStream(packed, ByteBuffer(5), static_cast<int64_t>(Chunk + 12), 0);
  EXPECT_TRUE(fits.Error.empty()) << fits.Error;
  EXPECT_EQ(fits.Data.size(), Chunk + 12);
  const InflateResult over = InflateStream(packed, ByteBuffer(5), static_cast<int64_t>(Chunk + 11), 0);
  EXPECT_NE(over.Error.find("500,000,001"), std::string::npos) << over.Error;
  EXPECT_TRUE(over.Data.empty());
}

TEST(PakoInflate, ADamagedStreamGivesZlibsMessageAndTheNextStartsAfresh) {
  Bytes packed = testing::Deflate(Body(5000), true);
  packed[2] ^= 0xFF;
  packed[3] ^= 0xFF;
  const InflateResult damaged = InflateStream(packed, ByteBuffer{}, ImageLimit, 0);
  EXPECT_EQ(damaged.Error.rfind("The compressed body is damaged: zlib says \"", 0), 0u) << damaged.Error;
  const InflateResult good = InflateStream(testing::Deflate(Body(5000), false), ByteBuffer{}, ImageLimit, 0);
  EXPECT_TRUE(good.Error.empty()) << good.Error;
  EXPECT_EQ(good.Data.size(), 5000u);
}

TEST(PakoInflate, NoInputGivesNoOutput) {
  const InflateResult result = InflateStream({}, ByteBuffer{9}, ImageLimit, 0);
  EXPECT_TRUE(result.Error.empty()) << result.Error;
  EXPECT_EQ(result.Data, ByteBuffer{9});
  EXPECT_FALSE(result.Finished);
}

}  // namespace
}  // namespace orv5
