// The player views: policies, technologies, statistics and espionage.
#include <gtest/gtest.h>

#include "refdata/RefTables.h"
#include "refdata/TextArrays.h"
#include "savefile/KeyText.h"
#include "tests/unit/views/ViewTestSaves.h"
#include "views/Tabs.h"
#include "views/ViewParts.h"

namespace orv5 {
namespace {

using testing::AddCity;
using testing::EditText;
using testing::MakeAnalysis;
using testing::PlayerSelection;

// Position of a policy key in the game version's table.
size_t PolicyRow(bool isQEL, std::string_view key) {
  const auto table = PolicyTable(isQEL);
  for (size_t i = 0; i < table.size(); ++i) {
    if (table[i].Key == key) return i;
  }
  throw std::runtime_error("no policy " + std::string(key));
}

TEST(TechCost, QELCostGrowsWithCitiesAndRoundsUp) {
  SaveAnalysis save = MakeAnalysis(1, 0, true);
  save.Leaders[0].CityCount = 3;
  save.WorldSizePercent = 120;  // Large
  save.WorldSizeFactor = 3;
  EXPECT_EQ(TechCost(save, save.Leaders[0], 20), 27);  // 109 x 24 = 2616
  save.WorldSizePercent = 110;                         // Standard
  save.WorldSizeFactor = 5;
  EXPECT_EQ(TechCost(save, save.Leaders[0], 20), 26);  // 115 x 22 = 2530
}

TEST(TechCost, OlderLayoutsTruncateAndComputerPlayersPayNoDifficultyOrEraShare) {
  SaveAnalysis save = MakeAnalysis(2, 0, false);
  EXPECT_EQ(TechCost(save, save.Leaders[0], 55), 60);  // 55 x 110 / 100
  save.DifficultyPercent1 = 90;
  save.EraResearchPercent = 50;
  EXPECT_EQ(TechCost(save, save.Leaders[0], 100), 49);  // 110 x 90 / 100 x 50 / 100
  EXPECT_EQ(TechCost(save, save.Leaders[1], 100), 110);
}

TEST(TechGrid, KnownProgressAndRowsBeyondTheTable) {
  SaveAnalysis save = MakeAnalysis(1, 0, false);  // the base game has 74 technologies
  save.Leaders[0].TechKnown[0] = 1;
  save.Leaders[0].TechProgress[1] = 1234;
  const GridModel& grid = testing::GridOf(PlayerTabModel(save, {}), "TechGrid");
  EXPECT_EQ(grid.Cell(1, 1), "Agriculture");
  EXPECT_EQ(grid.Cell(1, 2), "Ancient");
  EXPECT_EQ(grid.Cell(1, 3), "     22");
  EXPECT_EQ(grid.Cell(1, 4), "Yes");
  EXPECT_EQ(grid.Cell(2, 4), "   12.34");
  EXPECT_EQ(grid.Cell(3, 4), "No");
  EXPECT_EQ(grid.Cell(74, 1), CutTextKey(TechTableBase()[73].Key, "TECH_"));
  EXPECT_EQ(grid.Cell(75, 0), "75");
  EXPECT_EQ(grid.Cell(75, 1), "");
  EXPECT_EQ(grid.Cell(81, 4), "");
}

TEST(TechView, ResearchOutsideTheTableIsUnknown) {
  SaveAnalysis save = MakeAnalysis(1, 0, true);
  save.Leaders[0].CurrentResearch = 200;
  TabModel tab = PlayerTabModel(save, {});
  EXPECT_EQ(EditText(tab, "ResearchE"), "Unknown");
  EXPECT_EQ(EditText(tab, "AccScienceE"), "");
  save.Leaders[0].CurrentResearch = 1;
  save.Leaders[0].TechProgress[1] = 1439;
  tab = PlayerTabModel(save, {});
  EXPECT_EQ(EditText(tab, "ResearchE"), "Pottery");
  EXPECT_EQ(EditText(tab, "AccScienceE"), "           14.39/38");  // 35 x 110 / 100, no cities
  EXPECT_EQ(EditText(tab, "HappinessE"), "");
  EXPECT_EQ(EditText(tab, "AccFaithE"), "     0/xxx");
}

TEST(PolicyView, QELExplorationGoesToTheFreedomBox) {
  SaveAnalysis save = MakeAnalysis(1, 0, true);
  save.PolicyFlags[0][PolicyRow(true, "POLICY_EXPLORATION")] = 1;
  save.PolicyFlags[0][PolicyRow(true, "POLICY_NAVAL_TRADITION")] = 1;
  const TabModel tab = PolicyTabModel(save, {});
  for (const ControlModel& control : tab.Controls) {
    const auto* box = std::get_if<RichTextModel>(&control);
    if (!box) continue;
    EXPECT_EQ(box->Lines.size(), box->Name == "FreedomBranch" ? 2u : 0u) << box->Name;
  }
  EXPECT_EQ(testing::RichTextOf(tab, "FreedomBranch").Lines[1].Text, "Naval Tradition");
}

TEST(PolicyView, CultureFromCityStatesShowsOnlyInOlderLayouts) {
  SaveAnalysis save = MakeAnalysis(1, 0, true);
  save.Leaders[0].CSCulture = 12;
  save.Leaders[0].CulturePerTurn = 40;
  save.Leaders[0].CityCulture = 28;
  save.Leaders[0].PolicyCulture = 22;
  save.Leaders[0].PolicyCultureNeeded = 25;
  TabModel tab = PolicyTabModel(save, {});
  EXPECT_EQ(EditText(tab, "CSCultureE"), "");
  EXPECT_EQ(EditText(tab, "CulturePerTurnE"), "");
  EXPECT_EQ(EditText(tab, "PolicyCultureE"), "    22/25");
  save.IsQEL = 0;
  tab = PolicyTabModel(save, {});
  EXPECT_EQ(EditText(tab, "CSCultureE"), "   12");
  EXPECT_EQ(EditText(tab, "CulturePerTurnE"), "     40");
  EXPECT_EQ(tab.Find<EditValue>("CulturePerTurnE")->Hint, "28,0,12,0");
}

// The game's history of the player: every dataset of row `row` runs to `lastTurn`, and the
// dataset named `name` holds `value` there.
void Record(SaveAnalysis& save, int32_t row, std::string_view name, int32_t lastTurn, int32_t value) {
  if (save.HistoryTable.size() <= static_cast<size_t>(row)) save.HistoryTable.resize(static_cast<size_t>(row) + 1);
  const auto names = GraphNames(save.IsQEL != 0);
  for (size_t d = 0; d < MaxDatasets; ++d) {
    auto& points = save.HistoryTable[static_cast<size_t>(row)][d];
    points.resize(static_cast<size_t>(lastTurn) + 1);
    if (d < names.size() && names[d] == name) points[static_cast<size_t>(lastTurn)] = value;
  }
}

std::string RecordOf(const TabModel& tab, const std::string& name) {
  const EditValue* edit = tab.Find<EditValue>(name);
  EXPECT_NE(edit, nullptr) << name;
  return edit ? edit->Record : std::string();
}

TEST(RecordTooltips, PlayerFieldsShowTheGamesRecordOfTheLastCompletedTurn) {
  SaveAnalysis save = MakeAnalysis(2, 0, false);
  save.CurrentTurn = 496;
  save.Leaders[1].Happiness = 12;
  for (const auto& [name, value] : {std::pair{"Excess Happiness", 11}, {"Total Gold", 1234}, {"Golden Age Turns", 3}}) {
    Record(save, 0, name, 495, value);
    Record(save, 1, name, 495, value + 1);
  }
  ViewSelection selection;
  selection.Player = 1;
  TabModel tab = PlayerTabModel(save, selection);
  EXPECT_EQ(EditText(tab, "HappinessE"), "  12");
  EXPECT_EQ(RecordOf(tab, "HappinessE"), "recorded by the game at the end of turn 495: 12");
  EXPECT_EQ(RecordOf(tab, "AccGoldE"), "recorded by the game at the end of turn 495: 1235");
  EXPECT_EQ(RecordOf(tab, "GATurnsE"), "recorded by the game at the end of turn 495: 4");
  EXPECT_EQ(RecordOf(tab, "AccHappinessE"), "");  // no dataset of its own
  EXPECT_EQ(ToolTipText(*tab.Find<EditValue>("FaithPerTurnE")), "0,0");

  save.IsQEL = 1;  // the happiness field is empty, the record still shows
  tab = PlayerTabModel(save, selection);
  EXPECT_EQ(EditText(tab, "HappinessE"), "");
  EXPECT_EQ(RecordOf(tab, "HappinessE"), "recorded by the game at the end of turn 495: 12");
  save.CurrentTurn = 497;  // the history ends a turn before the last completed one: nothing to show
  EXPECT_EQ(RecordOf(PlayerTabModel(save, selection), "HappinessE"), "");
}

TEST(RecordTooltips, PolicyFieldsAndTheHintBesideTheRecord) {
  SaveAnalysis save = MakeAnalysis(1, 0, false);
  save.CurrentTurn = 12;
  Record(save, 0, "Culture Per Turn", 11, 7);
  save.HistoryTable[0][21][11] = 2;  // "Number Of Policies" in the older list
  save.HistoryTable[0][7][11] = 19;  // "Total Culture": the culture toward the next policy
  save.Leaders[0].CityCulture = 5;
  TabModel tab = PolicyTabModel(save, {});
  const EditValue* perTurn = tab.Find<EditValue>("CulturePerTurnE");
  ASSERT_NE(perTurn, nullptr);
  EXPECT_EQ(perTurn->Record, "recorded by the game at the end of turn 11: 7");
  EXPECT_EQ(ToolTipText(*perTurn), "5,0,0,0\nrecorded by the game at the end of turn 11: 7");
  EXPECT_EQ(RecordOf(tab, "PolicyNumE"), "recorded by the game at the end of turn 11: 2");
  EXPECT_EQ(RecordOf(tab, "PolicyCultureE"), "recorded by the game at the end of turn 11: 19");
  EXPECT_EQ(RecordOf(tab, "TotalCultureE"), "");
  EXPECT_EQ(ToolTipText(*tab.Find<EditValue>("PolicyNumE")), "recorded by the game at the end of turn 11: 2");
  save.IsQEL = 1;
  tab = PolicyTabModel(save, {});
  EXPECT_EQ(EditText(tab, "CulturePerTurnE"), "");
  EXPECT_EQ(ToolTipText(*tab.Find<EditValue>("CulturePerTurnE")), "recorded by the game at the end of turn 11: 7");
}

TEST(StatsLines, CitiesWithPuppetsApart) {
  SaveAnalysis save = MakeAnalysis(1, 0, true);
  EXPECT_EQ(CitiesStatsLine(save.CityTable[0]), "0 ()");
  for (int32_t population : {12, 8, 5}) AddCity(save, 0, "C").Population = population;
  TCityRec& puppet = AddCity(save, 0, "P");
  puppet.Population = 4;
  puppet.StatusFlags[3] = 1;
  EXPECT_EQ(CitiesStatsLine(save.CityTable[0]), "3 (12,8,5) + 1 (4)");
}

TEST(StatsLines, PoliciesByBranchWithIdeologies) {
  std::array<int32_t, MaxPolicies> flags{};
  for (const char* key : {"POLICY_TRADITION", "POLICY_ARISTOCRACY", "POLICY_LEGALISM", "POLICY_LIBERTY",
                          "POLICY_COLLECTIVE_RULE", "POLICY_CITIZENSHIP", "POLICY_REPUBLIC", "POLICY_REPRESENTATION",
                          "POLICY_MERITOCRACY", "POLICY_CIVIL_SOCIETY"}) {
    flags[PolicyRow(true, key)] = 1;
  }
  EXPECT_EQ(PoliciesStatsLine(true, flags, 0),
            "Tradition (Aristocracy, Legalism), Liberty (all), Freedom (Civil Society)");
  std::array<int32_t, MaxPolicies> opener{};
  opener[PolicyRow(true, "POLICY_TRADITION")] = 1;
  EXPECT_EQ(PoliciesStatsLine(true, opener, 0), "Tradition");
}

TEST(StatsLines, OlderGroupWithoutItsOpenerStartsWithTheBracket) {
  std::array<int32_t, MaxPolicies> flags{};
  flags[PolicyRow(false, "POLICY_ARISTOCRACY")] = 1;
  flags[PolicyRow(false, "POLICY_LEGALISM")] = 1;
  EXPECT_EQ(PoliciesStatsLine(false, flags, 0), " (Aristocracy, Legalism)");
  for (size_t k = 0; k < 6; ++k) flags[k] = 1;  // the first group complete
  EXPECT_EQ(PoliciesStatsLine(false, flags, 0), "Liberty (all),  (Aristocracy, Legalism)");
}

TEST(StatsLines, WondersInBuildOrderMarkedWhenBuiltBeforeCapture) {
  SaveAnalysis save = MakeAnalysis(1, 0, true);
  TCityRec& home = AddCity(save, 0, "Home");
  home.BuildingName[0] = "GREAT_LIBRARY";
  home.BuildingValue5[0] = 1;
  home.BuildingTurn[0] = 80;
  home.BuildingName[1] = "MONUMENT";  // an ordinary building is not a wonder
  home.BuildingValue5[1] = 1;
  TCityRec& taken = AddCity(save, 0, "Taken");
  taken.StatusFlags[5] = 1;
  taken.CapturedTurn = 60;
  taken.BuildingName[0] = "PYRAMID";
  taken.BuildingValue5[0] = 1;
  taken.BuildingTurn[0] = 45;
  taken.BuildingName[1] = "INTELLIGENCE_AGENCY";
  taken.BuildingValue5[1] = 1;
  taken.BuildingTurn[1] = 90;
  EXPECT_EQ(WondersStatsLine(save, save.CityTable[0], 0),
            "*PYRAMID (45), GREAT_LIBRARY (80), INTELLIGENCE_AGENCY (90)");
  EXPECT_EQ(WondersStatsLine(save, save.CityTable[0], 1), "*Пирамиды (45), Великая Библиотека (80), ЦРУ (90)");
}

TEST(StatsLines, BeliefsByNameOrAsHexadecimal) {
  const TBeliefInfoRec& first = BeliefTable()[0];
  std::array<int32_t, 7> beliefs{first.Hash, 0, 0x1234ABCD, 0, 0, 0, 0};
  EXPECT_EQ(BeliefStatsLine(beliefs, 0), "Goddess Hunt, 1234ABCD");
  EXPECT_EQ(BeliefStatsLine(beliefs, 1), std::string(first.RusName) + ", 1234ABCD");
}

// The reset agent slot of a player without spies would read "-1;-1", "Unknown": the fields stay empty.
TEST(Espionage, APlayerWithoutAgentsShowsEmptyFields) {
  SaveAnalysis save = MakeAnalysis(2, 0, true);
  const TabModel tab = EspiTabModel(save, PlayerSelection(1));
  EXPECT_TRUE(testing::ListOf(tab, "AgentSelect").Items.empty());
  EXPECT_EQ(testing::ListOf(tab, "AgentSelect").Selected, -1);
  for (const char* field : {"AgentCityXYE", "AgentRankE", "AgentStateE", "AgentReviveE", "AgentDiplomatE",
                            "AgentReassignE", "AgentCityE", "SpyAmountProgressE", "SpyResultE", "NumTimesCityRobbedE"}) {
    EXPECT_EQ(EditText(tab, field), "") << field;
  }
}

TEST(Espionage, AnAgentInACityShowsWhatTheCityRecordsForItsOwner) {
  SaveAnalysis save = MakeAnalysis(2, 0, true);
  TCityRec& city = AddCity(save, 1, "Rome");
  city.SpyLists[SpyAmountProgress][0] = 0;
  city.SpyLists[SpyRateProgress][0] = 250;
  city.SpyLists[SpyResult][0] = 1;
  city.SpyLists[TimesRobbed][0] = 2;
  TAgentRec& agent = save.Leaders[0].Agents[0];
  agent = TAgentRec{3, 2, 10, 12, 2, 0, 1, 0, "Edward", "Rome", 1, 0, 0};
  const TabModel tab = EspiTabModel(save, {});
  EXPECT_EQ(testing::ListOf(tab, "AgentSelect").Items, std::vector<std::string>{"Edward"});
  EXPECT_EQ(EditText(tab, "AgentRankE"), "Special Agent");
  EXPECT_EQ(EditText(tab, "AgentStateE"), "Surveillance");
  EXPECT_EQ(EditText(tab, "AgentDiplomatE"), "Yes");
  EXPECT_EQ(EditText(tab, "SpyAmountProgressE"), "     0.00");
  EXPECT_EQ(EditText(tab, "SpyRateProgressE"), "     2.50");
  EXPECT_EQ(EditText(tab, "SpyGoalProgressE"), "");
  EXPECT_EQ(EditText(tab, "SpyResultE"), "Spy Detected");
  EXPECT_EQ(EditText(tab, "NumTimesCityRobbedE"), "2");
}

TEST(Espionage, OlderLayoutsHaveNoAgentsToShow) {
  SaveAnalysis save = MakeAnalysis(1, 0, false);
  save.Leaders[0].Agents[0].NameIndex = 0;  // whatever the unused slots hold
  const TabModel tab = EspiTabModel(save, {});
  EXPECT_TRUE(testing::ListOf(tab, "AgentSelect").Items.empty());
  EXPECT_EQ(EditText(tab, "AgentRankE"), "");
  EXPECT_EQ(EditText(tab, "NumTimesCityRobbedE"), "");
}

}  // namespace
}  // namespace orv5
