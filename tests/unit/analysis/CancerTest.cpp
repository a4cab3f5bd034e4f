// The search for the runaway reload list that Cure removes.
#include <gtest/gtest.h>

#include "analysis/Sections.h"
#include "tests/support/CityBuilder.h"

namespace orv5 {
namespace {

using testing::ByteWriter;
using testing::Bytes;

// The block: its record count, then the header 56, 41, 0, 1, -1, then 20-byte records.
void WriteBlock(ByteWriter& out, int32_t count, int32_t spoil = -1) {
  int32_t header[] = {56, 41, 0, 1, -1};
  if (spoil >= 0) header[spoil] += 7;
  out.Int(count);
  for (int32_t v : header) out.Int(v);
  out.Zeros(static_cast<size_t>(count) * 20);
}

SaveAnalysis Search(const Bytes& image, bool isQEL = true) {
  SaveAnalysis save;
  save.IsQEL = isQEL ? -1 : 0;
  save.CancerPos = 99;
  save.CancerCount = 99;
  ParseContext ctx = testing::ContextFor(image);
  FindCancer(ctx, save);
  return save;
}

TEST(Cancer, FindsTheBlockAndItsRecordCount) {
  ByteWriter image;
  image.Zeros(testing::CityImageBuilder::BodyStart + 100);
  const auto countAt = static_cast<int32_t>(image.Size());
  WriteBlock(image, 3000);
  const SaveAnalysis save = Search(image.Data());
  EXPECT_EQ(save.CancerPos, countAt);
  EXPECT_EQ(save.CancerCount, 3000);
  EXPECT_TRUE(save.Diagnostics.back().Found);
  EXPECT_EQ(save.Diagnostics.back().Records, 3000);
}

TEST(Cancer, NearMissesArePassedOver) {
  ByteWriter image;
  image.Zeros(testing::CityImageBuilder::BodyStart + 3);
  for (int32_t spoil = 1; spoil < 5; ++spoil) WriteBlock(image, 2, spoil);
  const auto countAt = static_cast<int32_t>(image.Size());
  WriteBlock(image, 12);
  const SaveAnalysis save = Search(image.Data());
  EXPECT_EQ(save.CancerPos, countAt);
  EXPECT_EQ(save.CancerCount, 12);
}

TEST(Cancer, NoneFoundLeavesZero) {
  ByteWriter image;
  image.Zeros(testing::CityImageBuilder::BodyStart + 40);
  WriteBlock(image, 5, 4);
  const SaveAnalysis save = Search(image.Data());
  EXPECT_EQ(save.CancerPos, 0);
  EXPECT_EQ(save.CancerCount, 0);
  EXPECT_FALSE(save.Diagnostics.back().Found);
}

TEST(Cancer, OnlyQELSavesHaveTheList) {
  ByteWriter image;
  image.Zeros(testing::CityImageBuilder::BodyStart + 8);
  WriteBlock(image, 4);
  const SaveAnalysis save = Search(image.Data(), false);
  EXPECT_EQ(save.CancerPos, 0);
  EXPECT_EQ(save.CancerCount, 0);
}

TEST(Cancer, HeaderRightAtTheBodyStartIsNotSought) {
  // The search starts one byte after the body start, as the game's own tool does.
  ByteWriter image;
  image.Zeros(testing::CityImageBuilder::BodyStart - 4);
  WriteBlock(image, 4);
  EXPECT_EQ(Search(image.Data()).CancerCount, 0);
}

}  // namespace
}  // namespace orv5
