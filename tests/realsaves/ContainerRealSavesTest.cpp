// The container facts of every real save, as the game wrote them.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "savefile/Container.h"
#include "savefile/SaveWriters.h"
#include "tests/support/RealSaves.h"

namespace orv5 {
namespace {

struct ExpectedContainer {
  const char* Name;
  int32_t FileLength, BodyStart, PackedLength, ChunkCount, BodyLength, TailLength, ImageLength;
};

const ExpectedContainer kExpected[] = {
    {"base-v5-france-scenario.Orv5Save", 459319, 7672, 432133, 7, 15626792, 19490, 15653954},
    {"exp1-spain.Orv5Save", 735260, 9793, 725423, 12, 17020274, 0, 17030067},
    {"qel-denmark-duel.Orv5Save", 418069, 10991, 407054, 7, 9761914, 0, 9772905},
    {"qel-hotseat-t26.Orv5Save", 544929, 10936, 533961, 9, 12071142, 0, 12082078},
    {"qel-poland-t12.Orv5Save", 691024, 11227, 679757, 11, 16727961, 0, 16739188},
};

SaveContainer LoadReal(const std::filesystem::path& path) {
  LoadResult result = LoadSave(path);
  if (const auto* error = std::get_if<LoadError>(&result)) ADD_FAILURE() << error->Message;
  return std::get_if<SaveContainer>(&result) ? std::get<SaveContainer>(std::move(result)) : SaveContainer{};
}

class RealContainer : public ::testing::TestWithParam<ExpectedContainer> {};

TEST_P(RealContainer, MatchesWhatTheGameWrote) {
  const ExpectedContainer& e = GetParam();
  ORV5_REQUIRE_REAL_SAVE(path, e.Name);
  const SaveContainer save = LoadReal(path);
  EXPECT_EQ(save.FileLength, e.FileLength);
  EXPECT_EQ(save.BodyStart, e.BodyStart);
  EXPECT_EQ(save.PackedLength, e.PackedLength);
  EXPECT_EQ(save.ChunkCount, e.ChunkCount);
  EXPECT_EQ(save.BodyLength, e.BodyLength);
  EXPECT_EQ(save.TailLength, e.TailLength);
  EXPECT_EQ(save.ImageLength, e.ImageLength);
  EXPECT_FALSE(save.StreamFinished);  // the game never writes the final block
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(save.SaveImage.data()) + save.BodyStart - 4, 4), "BODY");
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(save.SaveImage.data()), 4), "ORV5");
}

TEST_P(RealContainer, CureWithoutCancerRebuildsTheSameBody) {
  const ExpectedContainer& e = GetParam();
  ORV5_REQUIRE_REAL_SAVE(path, e.Name);
  const SaveContainer save = LoadReal(path);
  const auto cured = BuildCuredSave(save, 0);
  ASSERT_TRUE(std::holds_alternative<CureResult>(cured));
  const ByteBuffer& bytes = std::get<CureResult>(cured).Bytes;
  LoadResult again = LoadSaveFromBytes(bytes);
  ASSERT_TRUE(std::holds_alternative<SaveContainer>(again));
  const SaveContainer& rebuilt = std::get<SaveContainer>(again);
  EXPECT_TRUE(std::equal(rebuilt.SaveImage.begin(), rebuilt.SaveImage.end(), save.SaveImage.begin(),
                         save.SaveImage.end()));
  EXPECT_TRUE(std::equal(rebuilt.FileImage.begin(), rebuilt.FileImage.begin() + save.BodyStart - 4,
                         save.FileImage.begin()));
}

INSTANTIATE_TEST_SUITE_P(RealSaves, RealContainer, ::testing::ValuesIn(kExpected), [](const auto& info) {
  return testing::RealSaveTestName(info.param.Name);
});

TEST(RealContainerHeaderOnly, KeepsTheFileAsImage) {
  ORV5_REQUIRE_REAL_SAVE(path, "header-only-ethiopia.Orv5Save");
  const SaveContainer save = LoadReal(path);
  EXPECT_EQ(save.FileLength, 11569);
  EXPECT_EQ(save.BodyStart, -1);
  EXPECT_EQ(save.ImageLength, 11569);
  std::ifstream in(path, std::ios::binary);
  const std::vector<uint8_t> file{std::istreambuf_iterator<char>(in), {}};
  EXPECT_TRUE(std::equal(file.begin(), file.end(), save.SaveImage.begin(), save.SaveImage.end()));
}

}  // namespace
}  // namespace orv5
