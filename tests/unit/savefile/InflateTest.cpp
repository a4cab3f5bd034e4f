// InflateStream (ISA-L, with zlib deciding where the two could differ) against zlib alone:
// finished, sync-flushed, cut and damaged streams give the same bytes, the same end and the
// same message.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "savefile/Inflate.h"
#include "tests/support/SaveBuilder.h"

namespace orv5 {
namespace {

using testing::Bytes;

Bytes Body(size_t size, uint32_t seed = 11) { return testing::PatternedBytes(size, seed, 23); }

constexpr int64_t Roomy = int64_t{1} << 26;

// Both inflaters over the same stream, with a prefix in the output buffer as the loader has.
void ExpectSameAsZlib(const Bytes& packed, const std::string& what, int64_t limit = Roomy) {
  const ByteBuffer prefix = {'H', 'D', 'R', '!'};
  const InflateResult fast = InflateStream(packed, prefix, limit, 1000);
  const InflateResult reference = InflateStreamWithZlib(packed, prefix, limit, 1000);
  EXPECT_EQ(fast.Error, reference.Error) << what;
  EXPECT_EQ(fast.Finished, reference.Finished) << what;
  ASSERT_EQ(fast.Data.size(), reference.Data.size()) << what;
  EXPECT_TRUE(fast.Data == reference.Data) << what;
}

TEST(InflateStream, WholeStreamsAreReadAsZlibReadsThem) {
  const Bytes body = Body(300000);
  const InflateResult finished = InflateStream(testing::Deflate(body, true), ByteBuffer{}, Roomy, 0);
  EXPECT_TRUE(finished.Error.empty());
  EXPECT_TRUE(finished.Finished);
  EXPECT_TRUE(std::equal(body.begin(), body.end(), finished.Data.begin(), finished.Data.end()));

  const InflateResult flushed = InflateStream(testing::Deflate(body, false), ByteBuffer{}, Roomy, 0);
  EXPECT_TRUE(flushed.Error.empty());
  EXPECT_FALSE(flushed.Finished) << "a stream that ends on a sync flush has no final block";
  EXPECT_TRUE(std::equal(body.begin(), body.end(), flushed.Data.begin(), flushed.Data.end()));

  // Stored blocks (level 0), the fastest and the best level, and an empty body.
  for (int level : {0, 1, 9}) {
    ExpectSameAsZlib(testing::Deflate(body, true, level), "level " + std::to_string(level));
    ExpectSameAsZlib(testing::Deflate(body, false, level), "flushed, level " + std::to_string(level));
  }
  ExpectSameAsZlib(testing::Deflate({}, true), "empty body");
  ExpectSameAsZlib(testing::Deflate({}, false), "empty body, flushed");
  ExpectSameAsZlib({}, "no bytes at all");
  ExpectSameAsZlib({0x78}, "half a header");
  ExpectSameAsZlib({0x78, 0x9C}, "a header alone");
}

TEST(InflateStream, TheOutputGoesAfterWhatTheBufferHolds) {
  const Bytes body = Body(5000);
  const InflateResult result = InflateStream(testing::Deflate(body, false), ByteBuffer{'O', 'R', 'V', '5'}, Roomy, 10);
  ASSERT_EQ(result.Data.size(), 4 + body.size());
  EXPECT_EQ(std::memcmp(result.Data.data(), "ORV5", 4), 0);
  EXPECT_EQ(std::memcmp(result.Data.data() + 4, body.data(), body.size()), 0);
}

// After the final block zlib reads the Adler-32 trailer: a trailer cut short keeps the output
// as a stream that never finished, a wrong one is an error, bytes after it are ignored.
TEST(InflateStream, TheTrailerAfterTheFinalBlockIsJudgedAsZlibJudgesIt) {
  const Bytes packed = testing::Deflate(Body(70000), true);
  for (size_t cut = 0; cut <= 4; ++cut) {
    const Bytes shorter(packed.begin(), packed.end() - static_cast<std::ptrdiff_t>(cut));
    ExpectSameAsZlib(shorter, "trailer cut by " + std::to_string(cut));
    EXPECT_EQ(InflateStream(shorter, {}, Roomy, 0).Finished, cut == 0) << cut;
  }
  Bytes wrong = packed;
  wrong.back() ^= 1;
  ExpectSameAsZlib(wrong, "wrong trailer");
  EXPECT_NE(InflateStream(wrong, {}, Roomy, 0).Error.find("incorrect data check"), std::string::npos);
  Bytes longer = packed;
  longer.insert(longer.end(), {1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
  ExpectSameAsZlib(longer, "bytes after the trailer");
}

// A cut anywhere: at a block boundary, inside a coded block (where zlib decodes the last few
// bits ISA-L holds back), inside a stored block or a block header.
TEST(InflateStream, AStreamCutAnywhereKeepsWhatZlibKeeps) {
  for (int level : {0, 6}) {
    const Bytes packed = testing::Deflate(Body(12000, 3), false, level);
    for (size_t cut = 0; cut <= packed.size(); ++cut) {
      ExpectSameAsZlib(Bytes(packed.begin(), packed.begin() + static_cast<std::ptrdiff_t>(cut)),
                       "level " + std::to_string(level) + " cut at " + std::to_string(cut));
      if (::testing::Test::HasFailure()) return;
    }
  }
}

// Every byte of a small stream changed in turn: ISA-L rejects what zlib rejects, with zlib's
// message, and where it reads on it yields zlib's bytes.
TEST(InflateStream, ADamagedStreamGivesZlibsResult) {
  const Bytes packed = testing::Deflate(Body(3000, 5), true);
  for (size_t at = 0; at < packed.size(); ++at) {
    for (uint8_t flip : {0x01, 0x10, 0xFF}) {
      Bytes damaged = packed;
      damaged[at] ^= flip;
      ExpectSameAsZlib(damaged, "byte " + std::to_string(at) + " ^ " + std::to_string(flip));
      if (::testing::Test::HasFailure()) return;
    }
  }
  Bytes corrupt = testing::Deflate(Body(5000), true);
  corrupt[2] ^= 0xFF;
  corrupt[3] ^= 0xFF;
  corrupt[4] ^= 0xFF;
  EXPECT_EQ(InflateStream(corrupt, {}, Roomy, 0).Error.rfind("The compressed body is damaged: zlib says \"", 0), 0u);
}

// Limits hold at their exact boundary, with and without a prefix in the buffer.
TEST(InflateStream, TheLimitHoldsToTheByte) {
  const Bytes packed = testing::Deflate(Body(5000), false);
  for (int64_t limit : {5003, 5004, 5005}) {
    ExpectSameAsZlib(packed, "limit " + std::to_string(limit), limit);
    const InflateResult result = InflateStream(packed, ByteBuffer{'H', 'D', 'R', '!'}, limit, 10);
    EXPECT_EQ(result.Error.empty(), limit >= 5004) << limit;
    EXPECT_LE(static_cast<int64_t>(result.Data.size()), limit);
  }
}

}  // namespace
}  // namespace orv5
