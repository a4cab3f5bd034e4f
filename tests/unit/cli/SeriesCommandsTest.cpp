// orv5 check and orv5 diff over builder-made saves written to a folder: folders as arguments,
// damaged, header-only and foreign files among the saves, the exit statuses and the JSON shapes.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>

#include "cli/SeriesCommands.h"
#include "tests/support/TempFolder.h"
#include "tests/unit/series/LineSaves.h"

namespace orv5 {
namespace {

using testing::Bytes;
using testing::LineSave;

std::vector<testing::ReplayEntry> Past() { return {{1, "Athens is founded."}, {3, "Sparta is founded."}}; }

std::set<std::string> Keys(const nlohmann::json& object) {
  std::set<std::string> keys;
  for (const auto& item : object.items()) keys.insert(item.key());
  return keys;
}

class SeriesCommands : public ::testing::Test {
 protected:
  std::string Write(const std::string& name, const Bytes& bytes) { return folder_.Write(name, bytes); }
  std::string WriteSave(const std::string& name, const LineSave& line) {
    return Write(name, testing::BuildLineSave(line).File());
  }

  int Check(const std::vector<std::string>& arguments, bool json) {
    out_.str({});
    err_.str({});
    return RunCheckCommand({arguments, json}, out_, err_);
  }
  int Diff(const std::string& earlier, const std::string& later, bool json) {
    out_.str({});
    err_.str({});
    return RunDiffCommand({{earlier, later}, json}, out_, err_);
  }

  testing::TempFolder folder_{"orv5-series"};
  std::ostringstream out_;
  std::ostringstream err_;
};

TEST_F(SeriesCommands, AFolderStandsForItsSavesAndBadFilesDoNotStopTheCheck) {
  const std::string b = WriteSave("b.Orv5Save", {"", 6, 200, Past()});
  const std::string a = WriteSave("a.ORV5SAVE", {"", 4, 100, Past()});
  testing::SyntheticSave setUp = testing::BuildLineSave({"", 0, 0, {}});
  setUp.WithBody = false;
  const std::string header = Write("c-setup.Orv5Save", setUp.File());
  const Bytes whole = testing::BuildLineSave({"", 8, 300, Past()}).File();
  const std::string cut = Write("d-cut.Orv5Save", Bytes(whole.begin(), whole.begin() + 600));  // within the header
  const std::string stub =
      Write("e-stub.Orv5Save", Bytes(whole.begin(), whole.begin() + 100));  // shorter than a header
  Write("notes.txt", {'h', 'i'});
  std::filesystem::create_directory(folder_.Path() / "older.Orv5Save");  // a folder, not a save

  EXPECT_EQ(Check({folder_.Path().string()}, true), 1);  // the stub is refused
  EXPECT_EQ(err_.str().find(stub + ": not an Orv5 save"), 0u) << err_.str();
  const nlohmann::json report = nlohmann::json::parse(out_.str());
  ASSERT_EQ(report["games"].size(), 1u);
  const nlohmann::json& saves = report["games"][0]["saves"];
  ASSERT_EQ(saves.size(), 2u);
  EXPECT_EQ(saves[0], (nlohmann::json{{"file", a}, {"turn", 4}, {"play_seconds", 10}, {"parent", nullptr}}));
  EXPECT_EQ(saves[1], (nlohmann::json{{"file", b}, {"turn", 6}, {"play_seconds", 20}, {"parent", a}}));
  EXPECT_EQ(report["not_comparable"],
            (nlohmann::json::array(
                {{{"file", header}, {"reason", "it holds a header only, no compressed body (a multiplayer set-up)"}},
                 {{"file", cut}, {"reason", "its header was not understood"}}})));
}

TEST_F(SeriesCommands, CheckExitsThreeOnFindingsAndZeroWithout) {
  const std::string a = WriteSave("a.Orv5Save", {"", 4, 100, Past()});
  const std::string b = WriteSave("b.Orv5Save", {"", 6, 50, Past()});
  EXPECT_EQ(Check({a}, false), 0);
  EXPECT_EQ(Check({a, b}, true), FindingsStatus);
  const nlohmann::json finding = nlohmann::json::parse(out_.str())["games"][0]["findings"][0];
  EXPECT_EQ(Keys(finding), (std::set<std::string>{"kind", "file", "turn", "text"}));
  EXPECT_EQ(finding["kind"], "play-time-went-back");
  EXPECT_EQ(finding["file"], b);
  EXPECT_EQ(finding["turn"], 6);
  LineSave cancer{"", 4, 100, Past()};
  cancer.ReloadRecords = 2;
  const std::string c = WriteSave("c.Orv5Save", cancer);
  EXPECT_EQ(Check({c}, true), FindingsStatus);
  EXPECT_TRUE(nlohmann::json::parse(out_.str())["games"][0]["findings"][0]["turn"].is_null());
  EXPECT_EQ(Check({folder_.Path().string() + "/missing.Orv5Save", a}, false), 1);
}

TEST_F(SeriesCommands, AnEmptyFolderIsSaidSo) {
  EXPECT_EQ(Check({folder_.Path().string()}, false), 1) << "a folder that stands for no save is a refused argument";
  EXPECT_EQ(err_.str(), folder_.Path().string() + ": no *.Orv5Save files in this folder\n");
  EXPECT_EQ(out_.str(), "0 saves: 0 games, 0 not comparable, 0 findings.\n");
}

TEST_F(SeriesCommands, DiffJsonAndItsExitStatuses) {
  const std::string a = WriteSave("a.Orv5Save", {"", 4, 100, Past()});
  const std::string b = WriteSave("b.Orv5Save", {"", 6, 200, {{1, "Athens is founded."}, {5, "Argos is founded."}}});
  EXPECT_EQ(Diff(a, b, true), FindingsStatus);  // b lost Sparta's founding at turn 3
  const nlohmann::json diff = nlohmann::json::parse(out_.str());
  EXPECT_EQ(Keys(diff), (std::set<std::string>{"from", "to", "turns", "branch", "players", "replay"}));
  EXPECT_EQ(diff["turns"], (nlohmann::json{4, 6}));
  EXPECT_EQ(diff["branch"]["kind"], "branch");
  EXPECT_EQ(diff["branch"]["turn"], 3);
  EXPECT_EQ(diff["replay"], (nlohmann::json::array({{{"turn", 5}, {"text", "Argos is founded."}}})));
  ASSERT_FALSE(diff["players"].empty());
  EXPECT_EQ(Keys(diff["players"][0]),
            (std::set<std::string>{"row", "leader", "civ", "techs_learned", "policies_adopted", "beliefs_adopted",
                                   "cities_founded", "cities_captured", "cities_lost", "buildings_completed",
                                   "spies_gained", "spies_lost", "score", "gold", "culture", "population", "cities"}));
  EXPECT_EQ(diff["players"][1]["score"],
            (nlohmann::json{{"from", testing::LineScore(1, 4)}, {"to", testing::LineScore(1, 6)}}));
  EXPECT_EQ(Diff(a, a, false), 0);

  testing::SyntheticSave otherMap = testing::BuildLineSave({"", 6, 200, Past()});
  otherMap.Header.MapScript = "Assets/Maps/Continents.lua";
  const std::string c = Write("c.Orv5Save", otherMap.File());
  EXPECT_EQ(Diff(a, c, false), 1);
  EXPECT_EQ(out_.str(), "");
  EXPECT_EQ(err_.str(), a + " and " + c +
                            " are saves of different games: they differ in their map script (assets/maps/pangaea.lua "
                            "against assets/maps/continents.lua).\n");
}

TEST_F(SeriesCommands, UsageErrorsExitTwo) {
  const std::string program = ORV5_CLI_PROGRAM;
  const auto status = [&](const std::string& arguments) {
    const int raw = std::system((program + " " + arguments + " >/dev/null 2>&1").c_str());
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  };
  const std::string a = WriteSave("a.Orv5Save", {"", 4, 100, Past()});
  EXPECT_EQ(status("check"), 2) << "no save given";
  EXPECT_EQ(status("diff " + a), 2) << "one save";
  EXPECT_EQ(status("diff " + a + " " + a + " " + a), 2) << "three saves";
  EXPECT_EQ(status("check " + a), 0);
  EXPECT_EQ(status("diff " + a + " " + a), 0);
}

}  // namespace
}  // namespace orv5
