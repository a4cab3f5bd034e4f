// Damaged real saves: cut files, cut bodies, flipped bytes and absurd counts must never crash,
// hang or push a table past its capacity.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <random>
#include <vector>

#include "analysis/Save5Analyse.h"
#include "savefile/ImageReader.h"
#include "tests/support/RealSaves.h"

namespace orv5 {
namespace {

const char* const kSaves[] = {"base-v5-france-scenario.Orv5Save", "exp1-spain.Orv5Save", "qel-poland-t12.Orv5Save",
                              "qel-hotseat-t26.Orv5Save", "qel-denmark-duel.Orv5Save",
                              "header-only-ethiopia.Orv5Save"};

std::vector<uint8_t> ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

void ExpectWithinCapacities(const SaveAnalysis& a) {
  EXPECT_LE(a.Leaders.size(), static_cast<size_t>(MaxPlayers));
  EXPECT_EQ(a.LeaderCount, static_cast<int32_t>(a.Leaders.size()));
  EXPECT_LE(a.ReplayMessages.size(), static_cast<size_t>(MaxReplayMessages));
  EXPECT_LE(a.SessionTurns.size(), static_cast<size_t>(MaxSessionTurns));
  EXPECT_LE(a.HistoryTable.size(), static_cast<size_t>(MaxHistoryRows));
  EXPECT_LE(a.MinorInfluence.size(), static_cast<size_t>(MaxPlayers));
  EXPECT_LE(a.PolicyFlags.size(), static_cast<size_t>(MaxPlayers));
  EXPECT_LE(a.CityNameList.size(), static_cast<size_t>(MaxCities));
  EXPECT_LE(a.DlcNames.size(), static_cast<size_t>(MaxDlc));
  EXPECT_LE(a.GameOptionNames.size(), static_cast<size_t>(MaxGameOptions));
  size_t cities = 0;
  for (const auto& row : a.CityTable) cities += row.size();
  EXPECT_LE(cities, static_cast<size_t>(MaxCities));
  for (const auto& leader : a.Leaders) EXPECT_LE(leader.AgentCount, MaxAgents);
}

// Loads the bytes; when they load, analyses them.
void LoadAndAnalyse(const std::vector<uint8_t>& bytes) {
  LoadResult result = LoadSaveFromBytes(bytes);
  if (const auto* save = std::get_if<SaveContainer>(&result)) ExpectWithinCapacities(Save5Analyse(*save));
}

class DamagedSave : public ::testing::TestWithParam<const char*> {
 protected:
  void SetUp() override {
    path_ = testing::RealSave(GetParam());
    if (path_.empty()) GTEST_SKIP() << "real save " << GetParam() << " not available: set ORV5_REAL_SAVES";
    file_ = ReadFile(path_);
    LoadResult result = LoadSaveFromBytes(file_);
    ASSERT_TRUE(std::holds_alternative<SaveContainer>(result));
    save_ = std::get<SaveContainer>(std::move(result));
  }
  // The loaded container with its image replaced.
  SaveContainer WithImage(ByteBuffer image) const {
    SaveContainer copy;
    copy.BodyStart = save_.BodyStart;
    copy.SaveImage = std::move(image);
    copy.ImageLength = static_cast<int32_t>(copy.SaveImage.size());
    copy.BodyLength = copy.ImageLength - std::max(copy.BodyStart, 0);
    return copy;
  }
  std::filesystem::path path_;
  std::vector<uint8_t> file_;
  SaveContainer save_;
};

TEST_P(DamagedSave, FileCutEvery4KB) {
  for (size_t cut = 0; cut < file_.size(); cut += 4096) {
    LoadAndAnalyse(std::vector<uint8_t>(file_.begin(), file_.begin() + cut));
  }
}

TEST_P(DamagedSave, BodyCutEvery256KB) {
  if (!save_.HasBody()) GTEST_SKIP() << "no body";
  for (int32_t cut = save_.BodyStart; cut < save_.ImageLength; cut += 256 * 1024) {
    ExpectWithinCapacities(Save5Analyse(WithImage(ByteBuffer(save_.SaveImage.begin(), save_.SaveImage.begin() + cut))));
  }
}

// 1,000 random single-byte changes in the body, each analysed on its own.
TEST_P(DamagedSave, RandomByteChanges) {
  if (!save_.HasBody()) GTEST_SKIP() << "no body";
  std::mt19937 random(20261208);
  SaveContainer copy = WithImage(save_.SaveImage);
  std::uniform_int_distribution<int32_t> position(save_.BodyStart, save_.ImageLength - 1);
  for (int change = 0; change < 1000; ++change) {
    const int32_t at = position(random);
    const uint8_t original = copy.SaveImage[at];
    copy.SaveImage[at] = static_cast<uint8_t>(original ^ (1 + random() % 255));
    ExpectWithinCapacities(Save5Analyse(copy));
    copy.SaveImage[at] = original;
    if (::testing::Test::HasFailure()) FAIL() << "byte " << at << " changed";
  }
}

// The first place of each section anchor the parser searches for: its record markers and the
// last dataset name that opens each player's history.
std::vector<int32_t> SectionAnchors(const SaveContainer& save) {
  const int32_t markers[] = {static_cast<int32_t>(0xF5010319), static_cast<int32_t>(0x18BF8791),
                             static_cast<int32_t>(0x37AEAE99), static_cast<int32_t>(0xF1A0EAB7),
                             static_cast<int32_t>(0xAAF91295), static_cast<int32_t>(0x77BF7761),
                             static_cast<int32_t>(0x6F229238), static_cast<int32_t>(0x40B10B7E)};
  const ImageReader reader(save.Image());
  const int32_t from = std::max(save.BodyStart, 0);
  std::vector<int32_t> anchors;
  for (int32_t marker : markers) anchors.push_back(reader.FindInt(marker, from));
  anchors.push_back(reader.FindStr("REPLAYDATASET_MILITARYMIGHT", from));
  std::erase(anchors, 0);
  return anchors;
}

// Every int32 from 16 bytes before to 60 bytes after each anchor, where the counts and check
// values of the records stand, is replaced by absurd values in turn.
TEST_P(DamagedSave, AbsurdCountsNearAnchors) {
  SaveContainer copy = WithImage(save_.SaveImage);
  for (int32_t anchor : SectionAnchors(save_)) {
    for (int32_t offset = -16; offset <= 60; offset += 4) {
      for (int32_t value : {INT32_MIN, -1, 100000000, INT32_MAX}) {
        const int32_t at = anchor + offset;
        if (at < 0 || at > copy.ImageLength - 4) continue;
        const ByteBuffer original(copy.SaveImage.begin() + at, copy.SaveImage.begin() + at + 4);
        int32_t cursor = at;
        WriteInt(copy.SaveImage, cursor, value);
        ExpectWithinCapacities(Save5Analyse(copy));
        std::copy(original.begin(), original.end(), copy.SaveImage.begin() + at);
        if (::testing::Test::HasFailure()) FAIL() << "value " << value << " at " << at;
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(RealSaves, DamagedSave, ::testing::ValuesIn(kSaves), [](const auto& info) {
  return testing::RealSaveTestName(info.param);
});

}  // namespace
}  // namespace orv5
