// The bundled demo save: the committed file is what the builder makes, every section of it is
// found, and every tab has something to show for the human player.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>
#include <map>
#include <set>

#include "refdata/RefTables.h"
#include "tests/support/HeaderBuilder.h"
#include "tools/DemoSave.h"
#include "views/Tabs.h"

namespace orv5 {
namespace {

const char* const RefreshHint = "run `build/tools/make_demo_save examples/demo.Orv5Save` to refresh it";

testing::Bytes CommittedDemo() {
  std::ifstream in(std::string(ORV5_SOURCE_DIR) + "/examples/demo.Orv5Save", std::ios::binary);
  return testing::Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class DemoSave : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { analysis_ = new SaveAnalysis(testing::AnalyseFile(demo::BuildDemoSave())); }
  static void TearDownTestSuite() {
    delete analysis_;
    analysis_ = nullptr;
  }
  static const SaveAnalysis& Save() { return *analysis_; }

 private:
  static inline SaveAnalysis* analysis_ = nullptr;
};

TEST(DemoSaveFile, TheCommittedFileIsWhatTheBuilderMakes) {
  const testing::Bytes committed = CommittedDemo();
  ASSERT_FALSE(committed.empty()) << "examples/demo.Orv5Save is missing: " << RefreshHint;
  EXPECT_TRUE(committed == demo::BuildDemoSave()) << "examples/demo.Orv5Save is out of date: " << RefreshHint;
}

TEST_F(DemoSave, EveryStepFindsItsSection) {
  for (const StepDiagnostic& step : Save().Diagnostics) EXPECT_TRUE(step.Found) << step.Step << ": " << step.Stop;
}

TEST_F(DemoSave, FourNationsAndFourCityStates) {
  ASSERT_EQ(Save().LeaderCount, 8);
  EXPECT_EQ(Save().MajorPlayerCount, 4);
  for (int32_t row = 0; row < 8; ++row) EXPECT_EQ(Save().Leaders[static_cast<size_t>(row)].IsMinorCiv != 0, row >= 4);
  EXPECT_EQ(Save().Leaders[0].Trait, "Human");
  EXPECT_EQ(Save().GameType, 0);
}

TEST_F(DemoSave, TenCitiesAmongTheNations) {
  EXPECT_EQ(Save().CityNameList.size(), 10u);
  int32_t cities = 0;
  for (const TLeaderInfoRec& leader : Save().Leaders) {
    cities += leader.CityCount;
    EXPECT_GE(leader.CityCount, leader.IsMinorCiv == 0 ? 2 : 0) << leader.LeaderName;
  }
  EXPECT_EQ(cities, 10);
}

TEST_F(DemoSave, FourSessionsTwoOfThemOnTheStartingTurn) {
  EXPECT_EQ(Save().SessionCount, 4);
  EXPECT_EQ(Save().PreSessionCount, 2);
  EXPECT_EQ(Save().PlaySessionCount, 2);
}

TEST_F(DemoSave, PoliciesOfSeveralBranchesAndAnIdeology) {
  const auto table = PolicyTableQEL();
  std::set<int32_t> branches;
  for (size_t k = 0; k < table.size(); ++k) {
    if (Save().PolicyFlags[0][k] != 0) branches.insert(table[k].Branch);
  }
  EXPECT_GE(branches.size(), 3u);
  EXPECT_TRUE(std::any_of(branches.begin(), branches.end(), [](int32_t branch) { return branch >= 9; }))
      << "no ideology adopted";
  EXPECT_EQ(Save().Leaders[0].PolicyCount, 11);
}

TEST_F(DemoSave, KnownAndPartlyResearchedTechnologies) {
  for (int32_t row = 0; row < 4; ++row) {
    const TLeaderInfoRec& player = Save().Leaders[static_cast<size_t>(row)];
    int32_t known = 0, begun = 0;
    for (size_t t = 0; t < player.TechKnown.size(); ++t) {
      known += player.TechKnown[t] != 0;
      begun += player.TechKnown[t] == 0 && player.TechProgress[t] > 0;
    }
    EXPECT_GE(known, 15) << player.LeaderName;
    EXPECT_GE(begun, 1) << player.LeaderName;
    EXPECT_GT(player.TechProgress[static_cast<size_t>(player.CurrentResearch)], 0) << player.LeaderName;
  }
}

TEST_F(DemoSave, ThreeAgentsOneOfThemAtWorkInAForeignCity) {
  int32_t agents = 0;
  int32_t abroad = 0;
  for (const TLeaderInfoRec& leader : Save().Leaders) {
    agents += leader.AgentCount;
    for (int32_t a = 0; a < leader.AgentCount; ++a) {
      const TAgentRec& agent = leader.Agents[static_cast<size_t>(a)];
      EXPECT_FALSE(agent.CityName.empty()) << agent.Name;
      if (agent.CityOwner < 0 || agent.CityOwner == agent.AgentOwner) continue;
      const TCityRec& city =
          Save().CityTable[static_cast<size_t>(agent.CityOwner)][static_cast<size_t>(agent.CityOrdinal)];
      EXPECT_GT(city.SpyLists[SpyAmountProgress][static_cast<size_t>(agent.AgentOwner)], 0);
      ++abroad;
    }
  }
  EXPECT_EQ(agents, 3);
  EXPECT_EQ(abroad, 1);
}

TEST_F(DemoSave, ALeagueProjectWithContributions) {
  const LeagueProject& project = Save().LeagueProjects[0];
  EXPECT_GE(project.ProjectId, 0);
  EXPECT_GT(project.Total, 0);
  EXPECT_EQ(std::count_if(project.Contribution.begin(), project.Contribution.end(), [](int32_t c) { return c > 0; }),
            4);
}

TEST_F(DemoSave, AReloadListOfFiveRecords) {
  EXPECT_GT(Save().CancerPos, 0);
  EXPECT_EQ(Save().CancerCount, 5);
}

TEST_F(DemoSave, NotificationsForEveryNation) {
  for (int32_t row = 0; row < Save().LeaderCount; ++row) {
    const TNotificationLog& log = Save().NotificationLogs[static_cast<size_t>(row)];
    const auto messages =
        std::count_if(log.Messages.begin(), log.Messages.end(), [](const TMessageRec& m) { return !m.Text.empty(); });
    if (Save().Leaders[static_cast<size_t>(row)].IsMinorCiv == 0) {
      EXPECT_GE(messages, 3) << "row " << row;
    } else {
      EXPECT_EQ(messages, 0) << "row " << row;
    }
  }
}

// ---- What the tabs show.

bool Meaningful(std::string_view text) {
  return std::any_of(text.begin(), text.end(),
                     [](char ch) { return std::isalpha(static_cast<unsigned char>(ch)) || (ch >= '1' && ch <= '9'); });
}

// The texts a control shows; a grid's header row and column are left out.
std::vector<std::string> Texts(const ControlModel& control) {
  if (const auto* edit = std::get_if<EditValue>(&control)) return {edit->Text};
  if (const auto* list = std::get_if<ListModel>(&control)) return list->Items;
  std::vector<std::string> texts;
  if (const auto* rich = std::get_if<RichTextModel>(&control)) {
    for (const RichTextLine& line : rich->Lines) texts.push_back(line.Text);
  }
  if (const auto* grid = std::get_if<GridModel>(&control)) {
    for (int row = 1; row < grid->Rows; ++row) {
      for (int col = 1; col < grid->Columns; ++col) texts.push_back(grid->Cell(row, col));
    }
  }
  return texts;
}

// A control shows something beyond blanks, zeros and its grid's headers.
bool ShowsSomething(const ControlModel& control) {
  if (const auto* chart = std::get_if<ChartModel>(&control)) {
    for (const ChartSeries& series : chart->Series) {
      if (std::any_of(series.Points.begin(), series.Points.end(), [](const auto& p) { return p.second != 0; }))
        return true;
    }
    return false;
  }
  const std::vector<std::string> texts = Texts(control);
  return std::any_of(texts.begin(), texts.end(), Meaningful);
}

// The fallbacks of the reference lookups: "Unknown ..." and an item's hash in hex digits.
bool IsFallbackName(std::string_view text) {
  if (text.find("Unknown") != std::string_view::npos) return true;
  const bool hexOnly =
      std::all_of(text.begin(), text.end(), [](char ch) { return std::isxdigit(static_cast<unsigned char>(ch)); });
  return text.size() == 8 && hexOnly &&
         std::any_of(text.begin(), text.end(), [](char ch) { return ch >= 'A' && ch <= 'F'; });
}

// The controls of each sheet that must show something for the human player; the selectors
// would show names in any save.
const std::map<std::string_view, std::vector<std::string_view>>& ControlsToFill() {
  static const std::map<std::string_view, std::vector<std::string_view>> controls = {
      {"BaseTab", {"CivNameE", "Edit6", "GameOptionBox", "DLCBox"}},
      {"LeadersTab", {"LeadersGrid"}},
      {"ReplayTab", {"ReplayList"}},
      {"PlayerLogTab", {"PlayerLog"}},
      {"ReloadsTab", {"Edit9", "Edit11", "SessionListBox", "CancerSizeE"}},
      {"GraphTab", {"HistoryChart"}},
      {"CityTab",
       {"CityBox", "BuildingQueue", "BuildingsList", "ProductionGrid", "ReligionGrid", "CitySpyBox", "GWrPointsE",
        "OutCultureE"}},
      {"PolicyTab", {"TraditionBranch", "FreedomIdeology", "PolicyCultureE", "PolicyNumE"}},
      {"PlayerTab", {"TechGrid", "ResearchE", "AccScienceE", "AccGoldE"}},
      {"StatsTab", {"CitiesStats", "WondersStats", "PoliciesStats", "BeliefStats"}},
      {"CSTab", {"CSGrid"}},
      {"LeagueTab", {"LeagueProjectGrid"}},
      {"EspiTab", {"AgentSelect", "AgentCityE", "AgentStateE", "SpyAmountProgressE"}},
  };
  return controls;
}

TEST_F(DemoSave, EveryTabShowsSomethingForTheHumanPlayer) {
  ViewSelection selection;
  selection.Player = 0;
  for (const TabInfo& info : AllTabs()) {
    if (info.Sheet == "TestTab") continue;
    EXPECT_TRUE(TabVisible(Save(), info.Sheet)) << info.Sheet;
    const auto wanted = ControlsToFill().find(info.Sheet);
    ASSERT_NE(wanted, ControlsToFill().end()) << info.Sheet << " has no controls to check";
    const TabModel tab = info.Build(Save(), selection);
    for (std::string_view name : wanted->second) {
      const auto control = std::find_if(tab.Controls.begin(), tab.Controls.end(),
                                        [name](const ControlModel& c) { return ControlName(c) == name; });
      ASSERT_NE(control, tab.Controls.end()) << info.Sheet << " has no " << name;
      EXPECT_TRUE(ShowsSomething(*control)) << info.Sheet << "." << name << " is empty";
    }
  }
}

// Every name the human player's views show comes from the reference tables.
TEST_F(DemoSave, NoUnknownNamesForTheHumanPlayer) {
  ViewSelection selection;
  selection.Player = 0;
  for (const TabInfo& info : AllTabs()) {
    const int cities = (info.Uses & UsesCity) ? CityChoiceCount(Save(), 0) : 1;
    const int agents = (info.Uses & UsesAgent) ? AgentChoiceCount(Save(), 0) : 1;
    for (selection.City = 0; selection.City < cities; ++selection.City) {
      for (selection.Agent = 0; selection.Agent < agents; ++selection.Agent) {
        const TabModel tab = info.Build(Save(), selection);
        for (const ControlModel& control : tab.Controls) {
          for (const std::string& text : Texts(control)) {
            EXPECT_FALSE(IsFallbackName(text)) << info.Sheet << "." << ControlName(control) << ": " << text;
          }
        }
      }
    }
  }
}

}  // namespace
}  // namespace orv5
