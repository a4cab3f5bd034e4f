// Checked reads and searches over the analysis image.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <random>
#include <string>

#include "savefile/ImageReader.h"
#include "savefile/NeedleSearch.h"
#include "tests/support/SaveBuilder.h"

namespace orv5 {
namespace {

using testing::Bytes;
using testing::ByteWriter;

TEST(ReadUStr, SmallSecondByteMeansSixteenBitUnits) {
  const Bytes image = {0x03, 0, 0, 0, 0x31, 0x00, 0x2E, 0x00, 0x30, 0x00};
  int32_t pos = 0;
  EXPECT_EQ(ImageReader(image).ReadUStr(pos), "1.0");
  EXPECT_EQ(pos, 10);
}

TEST(ReadUStr, LargeSecondByteMeansEightBitUnits) {
  const Bytes image = {0x03, 0, 0, 0, 0x31, 0x2E, 0x30};
  int32_t pos = 0;
  EXPECT_EQ(ImageReader(image).ReadUStr(pos), "1.0");
  EXPECT_EQ(pos, 7);
}

TEST(ReadUStr, SingleCharacterIsAlwaysOneWideUnit) {
  const Bytes image = {0x01, 0, 0, 0, 'A', 'B', 'C'};
  int32_t pos = 0;
  EXPECT_EQ(ImageReader(image).ReadUStr(pos), "A");
  EXPECT_EQ(pos, 6);
}

TEST(ReadUStr, ThresholdOfTheWidthChoiceIsTwenty) {
  int32_t pos = 0;
  const Bytes narrow = {0x02, 0, 0, 0, 'a', 0x14, 'x', 'y'};
  EXPECT_EQ(ImageReader(narrow).ReadUStr(pos), "a\x14");
  EXPECT_EQ(pos, 6);
  pos = 0;
  const Bytes wide = {0x02, 0, 0, 0, 'a', 0x13, 'b', 0};
  EXPECT_EQ(ImageReader(wide).ReadUStr(pos), "ab");
  EXPECT_EQ(pos, 8);
}

TEST(CountedTexts, BadCountGivesEmptyTextAndSkipsOnlyTheCount) {
  for (int32_t count : {0, -1, 16768, INT_MAX}) {
    ByteWriter w;
    w.Int(count).Raw("abcdef");
    const Bytes image = w.Take();
    int32_t pos = 0;
    EXPECT_EQ(ImageReader(image).ReadStr(pos), "") << count;
    EXPECT_EQ(pos, 4);
    pos = 0;
    EXPECT_EQ(ImageReader(image).ReadUStr(pos), "") << count;
    EXPECT_EQ(pos, 4);
  }
}

TEST(CountedTexts, LongestAcceptedCountIsRead) {
  ByteWriter w;
  w.Int(16767).Raw(std::string(16767, 'q'));
  const Bytes image = w.Take();
  int32_t pos = 0;
  EXPECT_EQ(ImageReader(image).ReadStr(pos).size(), 16767u);
}

TEST(CountedTexts, TextStopsAtZeroButCursorPassesAllBytes) {
  ByteWriter w;
  w.Int(6).Raw(std::string("ab\0cde", 6)).Int(42);
  const Bytes image = w.Take();
  const ImageReader reader(image);
  int32_t pos = 0;
  EXPECT_EQ(reader.ReadStr(pos), "ab");
  EXPECT_EQ(pos, 10);
  EXPECT_EQ(reader.ReadInt(pos), 42);
}

TEST(OutOfImage, ReadsGiveZerosAndStillMoveTheCursor) {
  const Bytes image = {1, 2, 3, 4, 5, 6};
  const ImageReader reader(image);
  int32_t pos = 4;
  EXPECT_EQ(reader.ReadInt(pos), 0x0605);  // two bytes inside, two zeros past the end
  EXPECT_EQ(pos, 8);
  EXPECT_EQ(reader.ReadInt(pos), 0);
  EXPECT_EQ(reader.ReadStr(pos), "");
  pos = -2;
  EXPECT_EQ(reader.ReadInt(pos), 0x02010000);  // a negative cursor never touches memory
  EXPECT_EQ(pos, 2);
  pos = INT_MIN;
  EXPECT_EQ(reader.ReadShort(pos), 0);
  EXPECT_EQ(reader.ByteAt(-1), 0);
  EXPECT_EQ(reader.IntAt(INT_MAX), 0);
}

TEST(OutOfImage, TextRunningPastTheEndIsPaddedWithZeros) {
  ByteWriter w;
  w.Int(10).Raw("abc");
  const Bytes image = w.Take();
  int32_t pos = 0;
  EXPECT_EQ(ImageReader(image).ReadStr(pos), "abc");
  EXPECT_EQ(pos, 14);
}

TEST(OutOfImage, CursorNeverOverflows) {
  const Bytes image = {0};
  int32_t pos = INT_MAX - 2;
  ImageReader(image).ReadInt(pos);
  EXPECT_GT(pos, 0);
  pos = INT_MIN + 1;
  ImageReader(image).Skip(pos, -100);
  EXPECT_LT(pos, 0);
}

TEST(Primitives, LittleEndianValues) {
  ByteWriter w;
  w.Int(-2).Short(-3).Byte(200).Bool(true);
  const Bytes image = w.Take();
  const ImageReader reader(image);
  int32_t pos = 0;
  EXPECT_EQ(reader.ReadInt(pos), -2);
  EXPECT_EQ(reader.ReadShort(pos), -3);
  EXPECT_EQ(reader.ReadChar(pos), 200);
  EXPECT_EQ(reader.ReadBool(pos), 1);
  EXPECT_EQ(pos, 8);
}

TEST(Searches, FindIntAtAnyAlignment) {
  ByteWriter w;
  w.Zeros(5).Int(0x12345678).Zeros(3).Int(0x12345678);
  const Bytes image = w.Take();
  const ImageReader reader(image);
  EXPECT_EQ(reader.FindInt(0x12345678, 0), 5);
  EXPECT_EQ(reader.FindInt(0x12345678, 6), 12);
  EXPECT_EQ(reader.FindInt(0x12345678, 13), 0);
  EXPECT_EQ(reader.FindInt(-1, 0), 0);
}

TEST(Searches, FindStrFirstOccurrenceAtOrAfterStart) {
  const std::string text = "xxKEYyyKEY";
  const Bytes image(text.begin(), text.end());
  const ImageReader reader(image);
  EXPECT_EQ(reader.FindStr("KEY", 0), 2);
  EXPECT_EQ(reader.FindStr("KEY", 2), 2);
  EXPECT_EQ(reader.FindStr("KEY", 3), 7);
  EXPECT_EQ(reader.FindStr("NOPE", 0), 0);
  EXPECT_EQ(reader.FindStr("", 4), 4);
  EXPECT_EQ(reader.FindStr("KEY", -50), 2);  // searches never start before the image
}

TEST(Searches, StartAtOrPastTheEndFindsNothing) {
  const Bytes image = {'a', 'b', 'c'};
  const ImageReader reader(image);
  EXPECT_EQ(reader.FindStr("c", 3), 0);
  EXPECT_EQ(reader.FindStr("c", 2), 2);
  EXPECT_EQ(reader.FindStr("", 3), 0);
}

TEST(Searches, BytesPastTheEndCountAsZeros) {
  const Bytes image = {9, 9, 7, 0};
  const ImageReader reader(image);
  EXPECT_EQ(reader.FindInt(7, 0), 2);  // 07 00 | 00 00
  EXPECT_EQ(reader.FindInt(0, 0), 3);
  EXPECT_EQ(reader.FindStr(std::string("\x07\x00\x00", 3), 0), 2);
}

// The vectorised search must agree with the plain definition: the first offset at or after
// the start where the needle stands, bytes past the end counting as zeros.
int32_t NaiveFind(const Bytes& image, const std::string& needle, int32_t start) {
  const auto size = static_cast<int32_t>(image.size());
  for (int32_t p = std::max(start, 0); p < size; ++p) {
    bool match = true;
    for (size_t j = 0; j < needle.size() && match; ++j) {
      const uint8_t b = p + j < image.size() ? image[p + j] : 0;
      match = b == static_cast<uint8_t>(needle[j]);
    }
    if (match) return p;
  }
  return 0;
}

// Images long enough for the 16- and 64-byte vector steps and their left-over tails.
Bytes RandomImage(std::mt19937& random) {
  Bytes image(random() % 300);
  for (auto& b : image) b = static_cast<uint8_t>(random() % 3);  // few values: many near misses
  return image;
}

TEST(Searches, AgreeWithThePlainDefinitionOnRandomData) {
  std::mt19937 random(42);
  for (int round = 0; round < 20000; ++round) {
    const Bytes image = RandomImage(random);
    std::string needle(1 + random() % 6, '\0');
    for (auto& c : needle) c = static_cast<char>(random() % 3);
    const auto start = static_cast<int32_t>(random() % (image.size() + 2));
    ASSERT_EQ(ImageReader(image).FindStr(needle, start), NaiveFind(image, needle, start))
        << "round " << round << ", size " << image.size() << ", needle length " << needle.size();
  }
}

// A search that stops at `end` finds what the full search finds when that starts before `end`.
TEST(Searches, ASearchBeforeAnEndFindsOnlyHitsStartingBeforeIt) {
  std::mt19937 random(7);
  for (int round = 0; round < 20000; ++round) {
    const Bytes image = RandomImage(random);
    const auto value = static_cast<int32_t>(random() % 3 | (random() % 3) << 8);  // two bytes, then zeros
    const auto start = static_cast<int32_t>(random() % (image.size() + 2));
    const auto end = static_cast<int32_t>(random() % (image.size() + 8));
    const int32_t full = ImageReader(image).FindInt(value, start);
    const int32_t expected = full != 0 && full < end ? full : 0;
    ASSERT_EQ(ImageReader(image).FindIntBefore(value, start, end), expected)
        << "round " << round << ", size " << image.size() << ", start " << start << ", end " << end;
  }
}

// Each vector variant finds the first needle that stands wholly inside the haystack.
TEST(Searches, EveryVectorVariantFindsTheFirstHit) {
  std::mt19937 random(99);
  for (int round = 0; round < 20000; ++round) {
    const Bytes image = RandomImage(random);
    std::string needle(2 + random() % 5, '\0');
    for (auto& c : needle) c = static_cast<char>(random() % 3);
    const auto* n = reinterpret_cast<const uint8_t*>(needle.data());
    const auto at = std::search(image.begin(), image.end(), n, n + needle.size());
    const uint8_t* expected = at == image.end() ? nullptr : image.data() + (at - image.begin());
    ASSERT_EQ(search::FindNeedleSse2(image.data(), image.size(), n, needle.size()), expected) << "round " << round;
    if (search::HasAvx2()) {
      ASSERT_EQ(search::FindNeedleAvx2(image.data(), image.size(), n, needle.size()), expected) << "round " << round;
    }
  }
}

TEST(Writers, WriteInsideTheFileOnly) {
  ByteBuffer file(6, 0);
  int32_t pos = 1;
  EXPECT_TRUE(WriteInt(file, pos, 0x04030201));
  EXPECT_EQ(pos, 5);
  EXPECT_TRUE(WriteByte(file, pos, 0x1FF));
  EXPECT_EQ(file[1], 1);
  EXPECT_EQ(file[4], 4);
  EXPECT_EQ(file[5], 0xFF);
  EXPECT_FALSE(WriteByte(file, pos, 1));
  pos = 3;
  EXPECT_FALSE(WriteInt(file, pos, 1));
  EXPECT_EQ(pos, 3);
  pos = -1;
  EXPECT_FALSE(WriteInt(file, pos, 1));
}

}  // namespace
}  // namespace orv5
