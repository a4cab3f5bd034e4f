// City-state and league grids, and the history graph.
#include <gtest/gtest.h>

#include "tests/unit/views/ViewTestSaves.h"
#include "views/Tabs.h"
#include "views/ViewParts.h"

namespace orv5 {
namespace {

using testing::GridOf;
using testing::MakeAnalysis;

TEST(CSGrid, InfluenceTextWithFriendAndAllyMarks) {
  EXPECT_EQ(InfluenceText(3050, -1, 0), "  30.50 (Friends)");
  EXPECT_EQ(InfluenceText(3050, -1, -1), "  30.50 (Friends) (Allies)");
  EXPECT_EQ(InfluenceText(-1234, 0, 0), " -12.34");
}

TEST(CSGrid, PlayersHeadColumnsCityStatesHeadRowsInSlotOrder) {
  SaveAnalysis save = MakeAnalysis(2, 2, true);
  save.MinorInfluence.assign(4, PlayerGrid{});
  save.MinorFriend.assign(4, PlayerGrid{});
  save.MinorAlly.assign(4, PlayerGrid{});
  save.MinorInfluence[3][1] = 6500;  // city-state slot 3, player slot 1
  save.MinorAlly[3][1] = -1;
  const GridModel& grid = GridOf(CSTabModel(save, {}), "CSGrid");
  EXPECT_EQ(grid.Cell(0, 1), "Leader 0");
  EXPECT_EQ(grid.Cell(0, 2), "Leader 1");
  EXPECT_EQ(grid.Cell(1, 0), "City State 2");
  EXPECT_EQ(grid.Cell(2, 0), "City State 3");
  EXPECT_EQ(grid.Cell(2, 2), "  65.00 (Allies)");
  EXPECT_EQ(grid.Cell(1, 1), "   0.00");
  save.HasSlotNameTables = 0;  // without the name tables only the headers show
  EXPECT_EQ(GridOf(CSTabModel(save, {}), "CSGrid").Cell(2, 2), "");
}

TEST(LeagueCosts, ScaleWithMajorsSpeedAndStartingEra) {
  EXPECT_EQ(LeagueProjectCost(3, 100, 100), (std::array<int32_t, 3>{1050, 2160, 2550}));
  EXPECT_EQ(LeagueProjectCost(3, 67, 55), (std::array<int32_t, 3>{386, 795, 939}));
  EXPECT_EQ(LeagueProjectCost(0, 100, 100), (std::array<int32_t, 3>{0, 0, 0}));
}

TEST(LeagueCosts, CompletionIsTheTotalOverTheCost) {
  EXPECT_EQ(LeaguePercentText(52500, 1050), "    50.00%");
  EXPECT_EQ(LeaguePercentText(52500, 0), "     0.00%");
}

TEST(LeagueGrid, ProjectIdsChooseTheColumnAndTheLaterRecordWins) {
  SaveAnalysis save = MakeAnalysis(3, 1, true);
  save.LeagueProjects[0].ProjectId = 0;
  save.LeagueProjects[0].Contribution[1] = 1234;
  save.LeagueProjects[0].Total = 1234;
  save.LeagueProjects[1].ProjectId = 3;
  save.LeagueProjects[1].Contribution[1] = 99;
  save.LeagueProjects[1].Total = 255000;
  save.LeagueProjects[2].ProjectId = 1;
  const GridModel& grid = GridOf(LeagueTabModel(save, {}), "LeagueProjectGrid");
  EXPECT_EQ(grid.Cell(1, 0), "                   COST");
  EXPECT_EQ(grid.Cell(1, 1), "  1050");
  EXPECT_EQ(grid.Cell(1, 3), "  2550");
  EXPECT_EQ(grid.Cell(3, 0), "Leader 0");
  EXPECT_EQ(grid.Cell(6, 0), "");  // the city-state has no row
  EXPECT_EQ(grid.Cell(4, 3), "     0.99");
  EXPECT_EQ(grid.Cell(2, 3), "   100.00%");
  EXPECT_EQ(grid.Cell(2, 1), "     0.00%");
  EXPECT_EQ(grid.Cell(2, 2), "");  // no record chose it
}

TEST(LeagueGrid, OlderLayoutsShowOnlyTheFixedHeaders) {
  SaveAnalysis save = MakeAnalysis(3, 0, false);
  save.LeagueProjects[0].ProjectId = 1;
  const GridModel& grid = GridOf(LeagueTabModel(save, {}), "LeagueProjectGrid");
  EXPECT_EQ(grid.Cell(0, 3), "INTERNATIONAL SPACE STATION");
  EXPECT_EQ(grid.Cell(1, 1), "");
  EXPECT_EQ(grid.Cell(3, 0), "");
}

TEST(Graph, LineNumbersFollowTheCheckMarksAndAtMostTwentyFiveStay) {
  EXPECT_EQ(CheckGraphIndexes({true, false, true}), (std::vector<int32_t>{0, -1, 1}));
  const std::vector<bool> limited = LimitGraphChecks(std::vector<bool>(30, true));
  EXPECT_TRUE(limited[24]);
  EXPECT_FALSE(limited[25]);
  EXPECT_FALSE(limited[29]);
}

TEST(Graph, CityStatesAndBarbariansStartUnchecked) {
  SaveAnalysis save = MakeAnalysis(2, 1, true);
  save.Leaders[1].CivIndex = 19;
  EXPECT_EQ(DefaultGraphChecks(save), (std::vector<bool>{true, false, false}));
}

TEST(Graph, LinesRunFromTheStartingTurnToTheTurnBeforeTheCurrent) {
  SaveAnalysis save = MakeAnalysis(2, 0, true);
  save.StartTurn = 100;
  save.ElapsedTurns = 3;
  save.CurrentTurn = 103;
  save.HistoryTable.resize(2);
  save.HistoryTable[1][4].assign(102, 0);
  save.HistoryTable[1][4][101] = 77;
  const auto series = DrawGraph(save, 4, {-1, 0});
  ASSERT_EQ(series.size(), 1u);
  EXPECT_EQ(series[0].Item, 1);
  EXPECT_EQ(series[0].LineColour, 0xFF0000u);  // the first line is red
  EXPECT_EQ(series[0].Points, (std::vector<std::pair<int32_t, int32_t>>{{100, 0}, {101, 77}, {102, 0}}));
}

TEST(Graph, BottomAxisEndsAtTheLastTurnPlotted) {
  SaveAnalysis save = MakeAnalysis(1, 0, true);
  save.StartTurn = 100;
  save.ElapsedTurns = 150;
  save.CurrentTurn = 250;
  EXPECT_EQ(DefaultBottomAxis(save).Max, 249);
  save.ElapsedTurns = 1;
  EXPECT_EQ(DefaultBottomAxis(save).Max, 0);
}

TEST(Graph, FitWithoutPointsUsesTheChartsStartingBounds) {
  const AxisRange reset = HistoryChartFitSize({}, {0, 10}, 0, 11, true);
  EXPECT_NEAR(reset.Min, -19.98, 1e-6);
  EXPECT_NEAR(reset.Max, 1048.95, 1e-6);
  const AxisRange zoomed = HistoryChartFitSize({}, {0, 10}, 0, 11, false);
  EXPECT_NEAR(zoomed.Min, 979.02, 1e-6);
}

TEST(Graph, FitCoversThePointsInViewAndNegativeValuesLowerTheAxis) {
  ChartSeries line{0, Black, {{0, 40}, {1, -10}, {2, 200}, {3, 500}}};
  AxisRange left = HistoryChartFitSize({line}, {0, 2}, 0, 4, true);
  EXPECT_NEAR(left.Min, -10 - 0.02 * 200, 1e-6);
  EXPECT_NEAR(left.Max, 1.05 * 200, 1e-6);
  left = HistoryChartFitSize({line}, {2, 3}, 0, 4, true);
  EXPECT_NEAR(left.Min, 0 - 0.02 * 500, 1e-6);  // positive data start the axis at zero
}

TEST(Graph, LineFourteenAndItsListEntryHaveTheirOwnColours) {
  SaveAnalysis save = MakeAnalysis(15, 0, true);
  const TabModel tab = GraphTabModel(save, {});
  const ChartModel* chart = tab.Find<ChartModel>("HistoryChart");
  ASSERT_NE(chart, nullptr);
  ASSERT_EQ(chart->Series.size(), 15u);
  EXPECT_EQ(chart->Series[13].LineColour, FromBgr(0x408080));
  EXPECT_EQ(testing::ListOf(tab, "CheckListBox1").ItemColours[13], FromBgr(0x808040));
  EXPECT_EQ(testing::ListOf(tab, "GraphSelect").Items.size(), 27u);
  EXPECT_EQ(testing::ListOf(GraphTabModel(MakeAnalysis(1, 0, false), {}), "GraphSelect").Items.size(), 26u);
}

TEST(Graph, UncheckedPlayersArePaintedBlackAndDrawNoLine) {
  SaveAnalysis save = MakeAnalysis(3, 0, true);
  ViewSelection selection;
  selection.GraphChecks = {false, true, true};
  const TabModel tab = GraphTabModel(save, selection);
  EXPECT_EQ(testing::ListOf(tab, "CheckListBox1").ItemColours,
            (std::vector<Colour>{Black, FromBgr(0x0000FF), FromBgr(0xFF0000)}));
  EXPECT_EQ(tab.Find<ChartModel>("HistoryChart")->Series.front().Item, 1);
}

}  // namespace
}  // namespace orv5
