// orv5 report and orv5 reloads over synthetic saves written to a temporary folder.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>

#include "cli/ReportCommand.h"
#include "tests/support/BodySections.h"
#include "tests/support/HeaderBuilder.h"
#include "tests/support/RealSaves.h"

namespace orv5::testing {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;

class ReportCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("orv5-report-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::string Write(const std::string& name, const Bytes& bytes) {
    const fs::path path = folder_ / name;
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return path.string();
  }

  // A single-player QEL game at turn 12 with a session start in its replay log.
  static Bytes ExampleSave(int32_t gameType = 0) {
    SyntheticSave synthetic = MakeSave(Layout::QEL, 8);
    synthetic.Header.GameType = gameType;
    WriteReplayLog(synthetic.Sections, 8, {{0, "Session 2 starts"}, {3, "Kraków is founded."}}, 3);
    std::vector<HistoryPoints> datasets(27);
    datasets[0] = {{0, 4}, {1, 0}, {11, 36}};
    datasets[9] = {{11, 7}};  // "Excess Happiness" at the end of turn 11
    WriteHistoryBlock(synthetic.Sections, datasets);
    return synthetic.File();
  }

  static ReportOptions Options(std::vector<std::string> files) {
    ReportOptions options;
    options.Files = std::move(files);
    return options;
  }

  fs::path folder_;
};

bool HasLine(const std::string& text, const std::string& line) {
  return ("\n" + text).find("\n" + line + "\n") != std::string::npos;
}

TEST_F(ReportCommand, PrintsEveryTabWithItsControlsAndTheDiagnostics) {
  const std::string path = Write("a.Orv5Save", ExampleSave());
  std::ostringstream out, err;
  ASSERT_EQ(RunReportCommand(Options({path}), out, err), 0);
  EXPECT_EQ(err.str(), "");
  const std::string text = out.str();
  EXPECT_TRUE(HasLine(text, "== FILE " + path));
  EXPECT_TRUE(HasLine(text, "== TAB BaseTab"));
  EXPECT_TRUE(HasLine(text, "BaseTab.visible\t1"));
  EXPECT_TRUE(HasLine(text, "TestTab.visible\t0"));
  EXPECT_TRUE(HasLine(text, "Edit3\t  12/500"));
  EXPECT_TRUE(HasLine(text, "ReplayList#0\t#800080\t   0 4000BC  Session 2 starts"));
  EXPECT_TRUE(HasLine(text, "== VIEW player=0 lang=ru"));
  EXPECT_TRUE(HasLine(text, "== VIEW dataset=26"));
  EXPECT_NE(text.find("HistoryChart.series#0\t0\t0:4 1:0 2:0"), std::string::npos);
  EXPECT_TRUE(HasLine(text, "== DIAGNOSTICS"));
  EXPECT_NE(text.find("\nheader\tfound\t"), std::string::npos);
  // The game's record follows the field it belongs to, on a line of its own.
  EXPECT_NE(text.find("\nHappinessE\t\nHappinessE.record\trecorded by the game at the end of turn 11: 7\n"),
            std::string::npos);
  // The builder's save has a header, players and a replay log, but none of the per-player sections.
  EXPECT_NE(text.find("== NOTICE\tThis save was only partly understood: "), std::string::npos);
}

TEST_F(ReportCommand, SelectionOptionsNarrowTheViews) {
  const std::string path = Write("a.Orv5Save", ExampleSave());
  ReportOptions options = Options({path});
  options.Tabs = {"StatsTab"};
  options.Player = "1";
  options.Language = "en";
  std::ostringstream out, err;
  ASSERT_EQ(RunReportCommand(options, out, err), 0);
  EXPECT_TRUE(HasLine(out.str(), "== VIEW player=1 lang=en"));
  EXPECT_EQ(out.str().find("== VIEW player=0"), std::string::npos);
  EXPECT_EQ(out.str().find("== TAB BaseTab"), std::string::npos);
}

TEST_F(ReportCommand, MultiplayerGamesShowOnlyBaseAndReloads) {
  const std::string path = Write("hotseat.Orv5Save", ExampleSave(2));
  std::ostringstream out, err;
  ASSERT_EQ(RunReportCommand(Options({path}), out, err), 0);
  EXPECT_TRUE(HasLine(out.str(), "LeadersTab.visible\t0"));
  EXPECT_TRUE(HasLine(out.str(), "ReloadsTab.visible\t1"));
  EXPECT_EQ(out.str().find("LeadersGrid["), std::string::npos);
}

TEST_F(ReportCommand, AFileThatFailsToLoadIsReportedAndTheOthersStillPrint) {
  const std::string good = Write("a.Orv5Save", ExampleSave());
  const std::string missing = (folder_ / "missing.Orv5Save").string();
  std::ostringstream out, err;
  EXPECT_EQ(RunReportCommand(Options({missing, good}), out, err), 1);
  EXPECT_NE(err.str().find(missing), std::string::npos);
  EXPECT_EQ(out.str().find(missing), std::string::npos) << "a file that did not load has no report";
  EXPECT_TRUE(HasLine(out.str(), "== FILE " + good));
  EXPECT_TRUE(HasLine(out.str(), "== DIAGNOSTICS"));
}

TEST_F(ReportCommand, InvalidOptionsAreRefusedBeforeAnyFileIsRead) {
  const std::string path = Write("a.Orv5Save", ExampleSave());
  for (auto change : {+[](ReportOptions& o) { o.Tabs = {"Nowhere"}; }, +[](ReportOptions& o) { o.Player = "-1"; },
                      +[](ReportOptions& o) { o.Player = "two"; }, +[](ReportOptions& o) { o.Language = "de"; }}) {
    ReportOptions options = Options({path});
    change(options);
    std::ostringstream out, err;
    EXPECT_EQ(RunReportCommand(options, out, err), 2);
    EXPECT_EQ(out.str(), "");
    EXPECT_NE(err.str(), "");
  }
}

TEST_F(ReportCommand, JsonHoldsTheSameContent) {
  const std::string path = Write("a.Orv5Save", ExampleSave());
  ReportOptions options = Options({path, (folder_ / "missing.Orv5Save").string()});
  options.Json = true;
  std::ostringstream out, err;
  EXPECT_EQ(RunReportCommand(options, out, err), 1);
  const json doc = json::parse(out.str());
  ASSERT_EQ(doc["files"].size(), 2u);
  const json& file = doc["files"][0];
  EXPECT_EQ(file["path"], path);
  ASSERT_EQ(file["tabs"].size(), 14u);
  EXPECT_EQ(file["tabs"][0]["sheet"], "BaseTab");
  const json& edit3 = file["tabs"][0]["views"][0]["controls"][9];
  EXPECT_EQ(edit3["name"], "Edit3");
  EXPECT_EQ(edit3["text"], "  12/500");
  EXPECT_EQ(file["tabs"][11]["visible"], false);
  const json& playerTab = file["tabs"][8]["views"][0]["controls"];
  const auto happiness = std::find_if(playerTab.begin(), playerTab.end(), [](const json& c) { return c["name"] == "HappinessE"; });
  ASSERT_NE(happiness, playerTab.end());
  EXPECT_EQ((*happiness)["record"], "recorded by the game at the end of turn 11: 7");
  EXPECT_TRUE(file["tabs"][11]["views"].empty());
  EXPECT_EQ(file["tabs"][9]["views"][1]["selection"]["lang"], "ru");
  EXPECT_FALSE(file["diagnostics"].empty());
  EXPECT_TRUE(doc["files"][1].contains("error"));
}

TEST_F(ReportCommand, ReloadsPrintsOneLinePerSave) {
  const std::string a = Write("a.Orv5Save", ExampleSave());
  const std::string b = Write("b.Orv5Save", ExampleSave());
  std::ostringstream out, err;
  ASSERT_EQ(RunReloadsCommand({a, b}, out, err), 0);
  EXPECT_EQ(out.str(), a + "\tsessions 3\tpre-sessions 1\tplay sessions 2\taverage 0:16:47\tcancer 0\n" + b +
                           "\tsessions 3\tpre-sessions 1\tplay sessions 2\taverage 0:16:47\tcancer 0\n");
  std::ostringstream out2, err2;
  EXPECT_EQ(RunReloadsCommand({(folder_ / "missing").string(), a}, out2, err2), 1);
  const std::string lines = out2.str();
  EXPECT_EQ(std::count(lines.begin(), lines.end(), '\n'), 1);
}

// The six real saves, when $ORV5_REAL_SAVES names their folder.
TEST(ReportRealSaves, ReportAndReloadsRunOverAllSaves) {
  std::vector<std::string> files;
  for (const char* name : {"base-v5-france-scenario.Orv5Save", "exp1-spain.Orv5Save", "qel-poland-t12.Orv5Save",
                           "qel-hotseat-t26.Orv5Save", "qel-denmark-duel.Orv5Save", "header-only-ethiopia.Orv5Save"}) {
    ORV5_REQUIRE_REAL_SAVE(path, name);
    files.push_back(path.string());
  }
  std::ostringstream out, err, reloads;
  ReportOptions options;
  options.Files = files;
  EXPECT_EQ(RunReportCommand(options, out, err), 0);
  EXPECT_EQ(err.str(), "");
  EXPECT_EQ(RunReloadsCommand(files, reloads, err), 0);
  const std::string lines = reloads.str();
  EXPECT_EQ(std::count(lines.begin(), lines.end(), '\n'), static_cast<long>(files.size()));
}

}  // namespace
}  // namespace orv5::testing
