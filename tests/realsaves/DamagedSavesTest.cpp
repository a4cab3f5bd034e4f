// Damaged real saves: cut files, cut bodies, flipped bytes and absurd counts must never crash,
// hang or push a table past its capacity.
#include <gtest/gtest.h>

#include <cctype>
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

// 1,000 random byte changes in the body, 20 at a time.
TEST_P(DamagedSave, RandomByteChanges) {
  if (!save_.HasBody()) GTEST_SKIP() << "no body";
  std::mt19937 random(20261208);
  SaveContainer copy = WithImage(save_.SaveImage);
  std::uniform_int_distribution<int32_t> position(save_.BodyStart, save_.ImageLength - 1);
  for (int round = 0; round < 50; ++round) {
    std::vector<std::pair<int32_t, uint8_t>> changed;
    for (int change = 0; change < 20; ++change) {
      const int32_t at = position(random);
      changed.emplace_back(at, copy.SaveImage[at]);
      copy.SaveImage[at] = static_cast<uint8_t>(random());
    }
    ExpectWithinCapacities(Save5Analyse(copy));
    for (auto it = changed.rbegin(); it != changed.rend(); ++it) copy.SaveImage[it->first] = it->second;
  }
}

// Every int32 near a place the parser searches for is replaced by absurd counts in turn.
TEST_P(DamagedSave, AbsurdCountsNearMarkers) {
  const int32_t markers[] = {static_cast<int32_t>(0xF5010319), static_cast<int32_t>(0x18BF8791),
                             static_cast<int32_t>(0x37AEAE99), static_cast<int32_t>(0xF1A0EAB7),
                             static_cast<int32_t>(0xAAF91295), static_cast<int32_t>(0x77BF7761),
                             static_cast<int32_t>(0x6F229238), static_cast<int32_t>(0x40B10B7E)};
  const ImageReader reader(save_.Image());
  SaveContainer copy = WithImage(save_.SaveImage);
  for (int32_t marker : markers) {
    const int32_t hit = reader.FindInt(marker, std::max(save_.BodyStart, 0));
    if (hit == 0) continue;
    for (int32_t offset = -16; offset <= 48; offset += 8) {
      for (int32_t value : {-2147483647 - 1, 2147483647}) {
        int32_t at = hit + offset;
        if (at < 0 || at + 4 > copy.ImageLength) continue;
        ByteBuffer original(copy.SaveImage.begin() + at, copy.SaveImage.begin() + at + 4);
        WriteInt(copy.SaveImage, at, value);
        ExpectWithinCapacities(Save5Analyse(copy));
        std::copy(original.begin(), original.end(), copy.SaveImage.begin() + (at - 4));
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(RealSaves, DamagedSave, ::testing::ValuesIn(kSaves), [](const auto& info) {
  std::string name = info.param;
  name = name.substr(0, name.find('.'));
  for (char& ch : name) {
    if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
  }
  return name;
});

}  // namespace
}  // namespace orv5
