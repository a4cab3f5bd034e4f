// The model types, their line format, and the list of tabs.
#include <gtest/gtest.h>

#include "tests/unit/views/ViewTestSaves.h"
#include "views/ModelText.h"
#include "views/Tabs.h"

namespace orv5 {
namespace {

std::string Lines(const ControlModel& control) {
  std::string out;
  AppendControlLines(control, out);
  return out;
}

TEST(Colours, TableOrderBgrBecomesRgbText) {
  EXPECT_EQ(FromBgr(0x0080FF), 0xFF8000u);
  EXPECT_EQ(ColourText(FromBgr(0x800080)), "#800080");
  EXPECT_EQ(ColourText(FromBgr(0x0000FF)), "#FF0000");
  EXPECT_EQ(ColourText(0x0a0b0c), "#0A0B0C");
}

TEST(ModelText, EditsWithHintsAndEscapedSeparators) {
  EXPECT_EQ(Lines(EditValue{"Edit3", "  12/500", "", std::nullopt, {}}), "Edit3\t  12/500\n");
  EXPECT_EQ(Lines(EditValue{"GSPointsE", "a\tb\nc", "12.50 turns", std::nullopt, {}}),
            "GSPointsE\ta\\tb\\nc\nGSPointsE.hint\t12.50 turns\n");
  EXPECT_EQ(Lines(EditValue{"AgentCityE", "", "", std::nullopt, {}}), "AgentCityE\t\n");
}

// The game's record of a value follows the value and its hint on a line of its own; the
// tooltip shows the hint and, below it, the record.
TEST(ModelText, RecordsOnALineOfTheirOwn) {
  const EditValue both{"CulturePerTurnE", "      3", "3,0,0,0", std::nullopt, "recorded by the game at the end of turn 11: 3"};
  EXPECT_EQ(Lines(both),
            "CulturePerTurnE\t      3\nCulturePerTurnE.hint\t3,0,0,0\n"
            "CulturePerTurnE.record\trecorded by the game at the end of turn 11: 3\n");
  EXPECT_EQ(ToolTipText(both), "3,0,0,0\nrecorded by the game at the end of turn 11: 3");
  const EditValue recordOnly{"HappinessE", "", "", std::nullopt, "recorded by the game at the end of turn 11: 4"};
  EXPECT_EQ(Lines(recordOnly), "HappinessE\t\nHappinessE.record\trecorded by the game at the end of turn 11: 4\n");
  EXPECT_EQ(ToolTipText(recordOnly), "recorded by the game at the end of turn 11: 4");
  EXPECT_EQ(ToolTipText(EditValue{"E", "", "hint", std::nullopt, {}}), "hint");
}

TEST(ModelText, GridsPrintOnlyCellsWithText) {
  GridModel grid("TechGrid", 3, 2, 64);
  grid.Set(0, 1, "Tech");
  grid.Set(1, 2, " ");
  grid.Set(5, 5, "outside");  // a grid keeps its size
  EXPECT_EQ(Lines(grid), "TechGrid[0,1]\tTech\nTechGrid[1,2]\t \n");
}

TEST(ModelText, ListsRichTextCheckBoxesAndCharts) {
  EXPECT_EQ(Lines(ListModel{"CityBox", {"Rome", "Antium"}, 1, 2, {}, {}}),
            "CityBox#0\tRome\nCityBox#1\tAntium\nCityBox.selected\t1\n");
  EXPECT_EQ(Lines(ListModel{"CheckListBox1", {"A"}, -1, 0, {true}, {Black}}),
            "CheckListBox1#0\tA\nCheckListBox1#0.checked\t1\nCheckListBox1.selected\t-1\n");
  EXPECT_EQ(Lines(RichTextModel{"ReplayList", {{Purple, "Session 2"}}}), "ReplayList#0\t#800080\tSession 2\n");
  EXPECT_EQ(Lines(CheckBoxModel{"CheckBox1", true}), "CheckBox1\t1\n");
  ChartModel chart{"HistoryChart", {{3, Black, {{0, 5}, {1, -2}}}}, {0, 11}, {-19.98, 1048.95}};
  EXPECT_EQ(
      Lines(chart),
      "HistoryChart.series#0\t3\t0:5 1:-2\nHistoryChart.bottom\t0.00\t11.00\nHistoryChart.left\t-19.98\t1048.95\n");
}

TEST(Tabs, FourteenSheetsInTheWindowsOrderEachBuiltUnderItsOwnName) {
  const std::vector<std::string> expected = {"BaseTab",  "LeadersTab", "ReplayTab", "PlayerLogTab", "ReloadsTab",
                                             "GraphTab", "CityTab",    "PolicyTab", "PlayerTab",    "StatsTab",
                                             "CSTab",    "TestTab",    "LeagueTab", "EspiTab"};
  const SaveAnalysis save = testing::MakeAnalysis(2, 1, true);
  ASSERT_EQ(AllTabs().size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    const TabInfo& tab = AllTabs()[i];
    EXPECT_EQ(tab.Sheet, expected[i]);
    EXPECT_EQ(tab.Build(save, {}).Sheet, tab.Sheet);
    EXPECT_EQ(FindTab(expected[i]), &tab);
  }
  EXPECT_EQ(FindTab("Nowhere"), nullptr);
}

TEST(Tabs, EveryTabCopesWithAnEmptyAnalysisAndSelectionsOutsideIt) {
  const SaveAnalysis empty;
  ViewSelection far;
  far.Player = 70;
  far.City = 600;
  far.Agent = 12;
  far.Dataset = 99;
  far.Language = 5;
  for (const TabInfo& tab : AllTabs()) {
    EXPECT_FALSE(tab.Build(empty, {}).Controls.empty()) << tab.Sheet;
    EXPECT_FALSE(tab.Build(empty, far).Controls.empty()) << tab.Sheet;
  }
}

TEST(Tabs, ActiveBoxListsNationsWithTheActivePlayerSelected) {
  SaveAnalysis save = testing::MakeAnalysis(3, 2, true);
  save.ActivePlayer = 2;
  const ListModel& active = testing::ListOf(TestTabModel(save, {}), "ActiveBox");
  EXPECT_EQ(active.Items.size(), 3u);
  EXPECT_EQ(active.Selected, 2);
}

}  // namespace
}  // namespace orv5
