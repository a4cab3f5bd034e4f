// InflateStream (ISA-L, with zlib deciding where the two could differ) against zlib alone:
// finished, sync-flushed, cut and damaged streams give the same bytes, the same end and the
// same message.
#include <gtest/gtest.h>
#include <isa-l/igzip_lib.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstring>
#include <memory>
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

// Deflate data written bit by bit: fields least significant bit first, Huffman codes most
// significant bit first.
class BitWriter {
 public:
  BitWriter& Field(uint32_t value, int bits) {
    for (int i = 0; i < bits; ++i) Put((value >> i) & 1);
    return *this;
  }
  BitWriter& Code(uint32_t code, int bits) {
    for (int i = bits - 1; i >= 0; --i) Put((code >> i) & 1);
    return *this;
  }
  Bytes Take() { return std::move(bytes_); }

 private:
  void Put(uint32_t bit) {
    if (used_ % 8 == 0) bytes_.push_back(0);
    bytes_.back() |= static_cast<uint8_t>(bit << (used_++ % 8));
  }
  Bytes bytes_ = {0x78, 0x9C};
  size_t used_ = 0;
};

// The one difference from zlib, which only damage can bring about (zlib's deflate always writes
// complete codes): a block whose distance code leaves codes unused. zlib refuses the stream;
// ISA-L reads it, as it reads any block that uses none of the missing codes.
TEST(InflateStream, ABlockWhoseCodeLeavesCodesUnusedIsReadWhereZlibRefusesIt) {
  BitWriter block;
  block.Field(1, 1).Field(2, 2);                 // the final block, dynamic codes
  block.Field(0, 5).Field(3, 5).Field(14, 4);    // 257 length codes, 4 distance codes, 18 code-length lengths
  // Code-length lengths in their order 16 17 18 0 8 7 9 6 10 5 11 4 12 3 13 2 14 1: 2 bits each
  // for 18, 0, 2 and 1, whose codes are then 11, 00, 10 and 01.
  for (uint32_t length : {0, 0, 2, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 2}) block.Field(length, 3);
  block.Code(3, 2).Field(65 - 11, 7);  // 65 zeros: no code for bytes 0 to 64
  block.Code(1, 2);                    // 'A' (65): a code of 1 bit
  block.Code(3, 2).Field(138 - 11, 7).Code(3, 2).Field(52 - 11, 7);  // 190 zeros: 66 to 255
  block.Code(1, 2);                                                  // end of block (256): 1 bit
  block.Code(2, 2).Code(2, 2).Code(2, 2).Code(0, 2);  // distances 0 to 2 of 2 bits, 3 unused: 1/4 left over
  block.Code(0, 1).Code(0, 1).Code(1, 1);              // 'A', 'A', end of block
  const Bytes packed = block.Take();

  const InflateResult fast = InflateStream(packed, {}, Roomy, 0);
  EXPECT_TRUE(fast.Error.empty()) << fast.Error;
  EXPECT_FALSE(fast.Finished) << "no Adler-32 trailer follows";
  EXPECT_EQ(std::string(fast.Data.begin(), fast.Data.end()), "AA");
  EXPECT_EQ(InflateStreamWithZlib(packed, {}, Roomy, 0).Error,
            "The compressed body is damaged: zlib says \"invalid distances set\".");
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

// `size` bytes that end where a page no one may read or write begins.
class GuardedBytes {
 public:
  explicit GuardedBytes(size_t size) : size_(size) {
    const size_t page = static_cast<size_t>(sysconf(_SC_PAGESIZE));
    mapped_ = (size + page - 1) / page * page + page;
    base_ = static_cast<uint8_t*>(mmap(nullptr, mapped_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0));
    if (base_ == MAP_FAILED) throw std::bad_alloc();
    mprotect(base_ + mapped_ - page, page, PROT_NONE);
  }
  ~GuardedBytes() { munmap(base_, mapped_); }
  GuardedBytes(const GuardedBytes&) = delete;
  GuardedBytes& operator=(const GuardedBytes&) = delete;
  uint8_t* data() { return base_ + mapped_ - static_cast<size_t>(sysconf(_SC_PAGESIZE)) - size_; }

 private:
  size_t size_;
  size_t mapped_ = 0;
  uint8_t* base_ = nullptr;
};

// ISA-L is assembly that AddressSanitizer does not see into. Inflating as the loader does,
// with the input and the output each ending at a guarded page, it reads no byte past the
// stream and writes none past the room it is given, whatever the room.
TEST(InflateStream, IsalStaysInsideItsInputAndOutput) {
  const Bytes body = Body(100000);
  for (bool finish : {false, true}) {
    const Bytes packed = testing::Deflate(body, finish);
    GuardedBytes input(packed.size() - 2);
    std::memcpy(input.data(), packed.data() + 2, packed.size() - 2);
    for (size_t room : {body.size() + 1, body.size(), body.size() - 1, size_t{4096}, size_t{1}}) {
      GuardedBytes output(room);
      auto state = std::make_unique<inflate_state>();
      isal_inflate_init(state.get());
      state->crc_flag = ISAL_DEFLATE;
      state->next_in = input.data();
      state->avail_in = static_cast<uint32_t>(packed.size() - 2);
      state->next_out = output.data();
      state->avail_out = static_cast<uint32_t>(room);
      EXPECT_EQ(isal_inflate(state.get()), ISAL_DECOMP_OK) << room;
      EXPECT_EQ(std::memcmp(output.data(), body.data(), std::min(room, body.size())), 0) << room;
    }
  }
}

}  // namespace
}  // namespace orv5
