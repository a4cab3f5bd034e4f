// The writing commands end to end: Cure on a save with a reload list, Make Single on a
// hotseat game, and the refusals that must leave no file behind.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "analysis/Save5Analyse.h"
#include "cli/AnalysisJson.h"
#include "cli/WriteCommands.h"
#include "tests/support/BodySections.h"
#include "tests/support/HeaderBuilder.h"
#include "tests/support/RealSaves.h"
#include "views/Tabs.h"

namespace orv5 {
namespace {

class WriteCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() / ("orv5-write-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  std::string WriteBytes(const std::string& name, const testing::Bytes& bytes) {
    const auto path = folder_ / name;
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return path.string();
  }
  static LoadedSave LoadAndAnalyse(const std::string& path) {
    LoadResult result = LoadSave(path);
    EXPECT_TRUE(std::holds_alternative<SaveContainer>(result));
    LoadedSave loaded{std::get<SaveContainer>(std::move(result)), {}};
    loaded.Analysis = Save5Analyse(loaded.Container);
    return loaded;
  }
  size_t FilesInFolder() const {
    return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(folder_), {}));
  }

  std::filesystem::path folder_;
  std::ostringstream out_, err_;
};

// Everything the analysis shows except where the file itself differs.
nlohmann::json Comparable(const LoadedSave& loaded) {
  nlohmann::json json = AnalysisJson(loaded.Container, loaded.Analysis);
  for (const char* key : {"load", "diagnostics", "CancerPos", "CancerCount"}) json.erase(key);
  return json;
}

TEST_F(WriteCommands, CureCutsTheReloadListAndKeepsEverythingElse) {
  testing::SyntheticSave save = testing::MakeSave(testing::Layout::QEL, 8);
  testing::WriteReplayLog(save.Sections, 8, {{0, "Session 1"}, {3, "Session 2"}}, 2);
  save.Sections.Zeros(64);
  testing::WriteCancerBlock(save.Sections, 3);
  save.Sections.Zeros(64);
  const std::string source = WriteBytes("source.Orv5Save", save.File());
  const LoadedSave before = LoadAndAnalyse(source);
  ASSERT_EQ(before.Analysis.CancerCount, 3);

  const std::string target = (folder_ / "cured.Orv5Save").string();
  ASSERT_EQ(RunCureCommand({source, target, false}, out_, err_), 0) << err_.str();
  EXPECT_NE(out_.str().find("3 records of 20 bytes cut"), std::string::npos) << out_.str();
  const LoadedSave after = LoadAndAnalyse(target);
  EXPECT_EQ(after.Container.BodyLength, before.Container.BodyLength - 60);
  EXPECT_EQ(after.Analysis.CancerCount, 0);
  EXPECT_EQ(Comparable(after), Comparable(before));
}

TEST_F(WriteCommands, RefusalsLeaveNoFileBehind) {
  const std::string source = WriteBytes("source.Orv5Save", testing::MakeSave(testing::Layout::QEL, 8).File());
  const auto sourceSize = std::filesystem::file_size(source);
  EXPECT_NE(RunCureCommand({source, source, false}, out_, err_), 0);  // writing over the save read
  EXPECT_EQ(std::filesystem::file_size(source), sourceSize);

  testing::SyntheticSave headerOnly = testing::MakeSave(testing::Layout::QEL, 8);
  headerOnly.WithBody = false;
  const std::string setup = WriteBytes("setup.Orv5Save", headerOnly.File());
  EXPECT_NE(RunCureCommand({setup, (folder_ / "a.Orv5Save").string(), false}, out_, err_), 0);
  EXPECT_NE(RunSingleCommand({setup, (folder_ / "b.Orv5Save").string(), false}, 0, out_, err_), 0);
  EXPECT_NE(RunImageCommand({(folder_ / "missing.Orv5Save").string(), (folder_ / "c.bin").string(), false}, out_, err_),
            0);
  EXPECT_EQ(FilesInFolder(), 2u);  // only the two saves written above
}

TEST_F(WriteCommands, ForceAllowsReplacingTheSaveRead) {
  const std::string source = WriteBytes("source.Orv5Save", testing::MakeSave(testing::Layout::QEL, 8).File());
  EXPECT_EQ(RunCureCommand({source, source, true}, out_, err_), 0) << err_.str();
  EXPECT_EQ(LoadAndAnalyse(source).Analysis.LeaderCount, 25);
}

TEST_F(WriteCommands, SingleTurnsAHotseatGameIntoASinglePlayerOne) {
  ORV5_REQUIRE_REAL_SAVE(path, "qel-hotseat-t26.Orv5Save");
  const LoadedSave before = LoadAndAnalyse(path.string());
  const std::string target = (folder_ / "single.Orv5Save").string();
  ASSERT_EQ(RunSingleCommand({path.string(), target, false}, 0, out_, err_), 0) << err_.str();
  const LoadedSave after = LoadAndAnalyse(target);
  EXPECT_EQ(after.Analysis.GameType, 0);
  EXPECT_EQ(after.Analysis.ActivePlayer, 0);
  EXPECT_EQ(after.Analysis.SlotStatus[0], 3);
  for (int slot = 1; slot < MaxPlayers; ++slot) {
    if (before.Analysis.SlotStatus[slot] == 3) {
      EXPECT_EQ(after.Analysis.SlotStatus[slot], 1) << slot;
    }
  }
  EXPECT_EQ(after.Analysis.LeaderCount, before.Analysis.LeaderCount);
  for (const TabInfo& tab : AllTabs()) {
    if (tab.Sheet != "TestTab") {
      EXPECT_TRUE(TabVisible(after.Analysis, tab.Sheet)) << tab.Sheet;
    }
  }
  EXPECT_FALSE(TabVisible(before.Analysis, "CityTab"));
}

}  // namespace
}  // namespace orv5
