// Base, Leaders, Replay, Player Log and Reloads tabs: the texts of the display pass.
#include <gtest/gtest.h>

#include "savefile/Calendar.h"
#include "tests/unit/views/ViewTestSaves.h"
#include "views/Tabs.h"
#include "views/ViewParts.h"

namespace orv5 {
namespace {

using testing::EditText;
using testing::MakeAnalysis;

TEST(BaseTab, PlayTimeShowsHoursRightAlignedAndTenths) {
  EXPECT_EQ(PlayTimeText(1234567), "    34:17:36,7");
  EXPECT_EQ(PlayTimeText(0), "     0:00:00,0");
  EXPECT_EQ(PlayTimeText(20150), "     0:33:35,0");
}

TEST(BaseTab, YearZeroIsOneADInSixCharactersAndTheBlankBeforeAMissingMonthStays) {
  SaveAnalysis save = MakeAnalysis(2, 0, true);
  save.CurrentTurn = 250;
  save.CurrentYear = 0;
  save.StartTurn = 0;
  const TabModel tab = BaseTabModel(save, {});
  EXPECT_EQ(EditText(tab, "Edit4"), "   1AD ");
  EXPECT_EQ(EditText(tab, "StartDateE"), " 4000BC ");
  EXPECT_EQ(EditText(tab, "Edit3"), " 250/500");
  EXPECT_EQ(EditText(tab, "StartTurnE"), "   0");
}

TEST(BaseTab, GameStatusNamesTheVictoryOnlyOnceTheGameIsOver) {
  EXPECT_EQ(GameStatusText(0, 2), "Incomplete");
  EXPECT_EQ(GameStatusText(1, -1), "Loss");
  EXPECT_EQ(GameStatusText(1, 3), "Culture");
  EXPECT_EQ(GameStatusText(1, 7), "Unknown");
}

TEST(BaseTab, GameTypeOutsideTheListReadsNoneAndActivePlayerWithoutRowIsEmpty) {
  SaveAnalysis save = MakeAnalysis(2, 0, true);
  save.GameType = 9;
  save.ActivePlayer = save.LeaderCount;
  TabModel tab = BaseTabModel(save, {});
  EXPECT_EQ(EditText(tab, "Edit8"), "None");
  EXPECT_EQ(EditText(tab, "Edit14"), "");
  save.GameType = 2;
  save.ActivePlayer = 1;
  tab = BaseTabModel(save, {});
  EXPECT_EQ(EditText(tab, "Edit8"), "Hotseat");
  EXPECT_EQ(EditText(tab, "Edit14"), "Civ 1");
}

TEST(BaseTab, ScoresAndListsShowOnlyWhatIsSet) {
  SaveAnalysis save = MakeAnalysis(1, 0, true);
  save.GameScore = 500;
  save.CurrentTurn = 100;
  save.VictoryAllowed = {1, 0, 1, 0, 0};
  save.GameOptionNames = {"Quick Combat", "No Barbarians"};
  save.GameOptionValues = {0, 1};
  save.DlcNames = {"Mongolia", "Upgrade 1"};
  save.DlcPresent = {-1, 0};
  const TabModel tab = BaseTabModel(save, {});
  EXPECT_EQ(EditText(tab, "Edit6"), "   500");
  EXPECT_EQ(EditText(tab, "Edit13"), "    2500");  // a fifth of the game played
  EXPECT_EQ(testing::ListOf(tab, "GameOptionBox").Items, std::vector<std::string>{"No Barbarians"});
  EXPECT_EQ(testing::ListOf(tab, "DLCBox").Items, std::vector<std::string>{"Mongolia"});
  ASSERT_NE(tab.Find<CheckBoxModel>("CheckBox3"), nullptr);
  EXPECT_TRUE(tab.Find<CheckBoxModel>("CheckBox3")->Checked);
  EXPECT_FALSE(tab.Find<CheckBoxModel>("CheckBox2")->Checked);
}

TEST(TabVisibility, OnlyBaseAndReloadsStayForGamesThatAreNotSinglePlayer) {
  SaveAnalysis save = MakeAnalysis(2, 0, true);
  for (int32_t type : {1, 2, 3, 7, -1}) {
    save.GameType = type;
    for (const TabInfo& tab : AllTabs()) {
      const bool expected = tab.Sheet == "BaseTab" || tab.Sheet == "ReloadsTab";
      EXPECT_EQ(TabVisible(save, tab.Sheet), expected) << tab.Sheet << " type " << type;
    }
  }
  save.GameType = 0;
  for (const TabInfo& tab : AllTabs()) EXPECT_EQ(TabVisible(save, tab.Sheet), tab.Sheet != "TestTab") << tab.Sheet;
}

TEST(LeadersTab, RowsShowNameTraitDeathAndCityCountsAfterTheResetRows) {
  SaveAnalysis save = MakeAnalysis(2, 0, true);
  save.Leaders[1].Status = 2;
  save.Leaders[1].CityCount = 12;
  save.Leaders[1].NeverLostCount = 9;
  save.Leaders[1].OccupiedCount = 2;
  save.Leaders[1].PuppetCount = 1;
  const GridModel& grid = testing::GridOf(LeadersTabModel(save, {}), "LeadersGrid");
  EXPECT_EQ(grid.Cell(0, 0), "№");
  EXPECT_EQ(grid.Cell(2, 2), "Leader 1");
  EXPECT_EQ(grid.Cell(2, 4), "Dead");
  EXPECT_EQ(grid.Cell(1, 4), " ");
  EXPECT_EQ(grid.Cell(2, 5), " 12 (9/2/1)");
  EXPECT_EQ(grid.Cell(64, 0), "64");
  EXPECT_EQ(grid.Cell(64, 10), " ");
  EXPECT_EQ(grid.ColumnWidths[6], 125);
  EXPECT_EQ(grid.ColumnWidths[7], 50);
}

// The turn of a calendar whose year is 0, which every calendar shows as 1 AD.
int32_t TurnOfYearZero(int32_t& speed) {
  for (speed = 0; speed < SpeedIndexCount; ++speed) {
    for (int32_t turn = 0; turn <= TurnLimitOfSpeed(speed); ++turn) {
      std::string month;
      if (Turn2Date(speed, turn, month) == 0) return turn;
    }
  }
  return -1;
}

TEST(ReplayTab, YearZeroIsOneADInSevenCharacters) {
  int32_t speed = 0;
  const int32_t turn = TurnOfYearZero(speed);
  ASSERT_GE(turn, 0) << "no calendar has a year 0";
  const RichTextLine line = ReplayLine(speed, TReplayMsgRec{turn, "Rome is founded."});
  EXPECT_NE(line.Text.find("    1AD "), std::string::npos) << line.Text;
}

TEST(ReplayTab, SessionStartsArePurpleInEnglishRussianAndFrench) {
  EXPECT_EQ(ReplayLine(2, {3, "Session 2 starts"}).LineColour, Purple);
  EXPECT_EQ(ReplayLine(2, {3, "Началась сессия 2"}).LineColour, Purple);
  EXPECT_EQ(ReplayLine(2, {3, "Lancement de la session 2"}).LineColour, Purple);
  EXPECT_EQ(ReplayLine(2, {3, "la session reprend"}).LineColour, Black);
  EXPECT_EQ(ReplayLine(2, {0, "Rome is founded."}).Text, "   0 4000BC  Rome is founded.");
}

TEST(ReplayTab, EmptyTextsAreSkipped) {
  SaveAnalysis save = MakeAnalysis(1, 0, true);
  save.ReplayMessages = {{0, "a"}, {1, ""}, {2, "b"}};
  save.ReplayCount = 3;
  EXPECT_EQ(testing::RichTextOf(ReplayTabModel(save, {}), "ReplayList").Lines.size(), 2u);
}

TNotificationLog FullLog(int32_t first, int32_t last) {
  TNotificationLog log;
  log.First = first;
  log.Last = last;
  for (int i = 0; i < NotificationRing; ++i) log.Messages[static_cast<size_t>(i)].Text = Format("m%d", i);
  return log;
}

TEST(PlayerLog, RingRunsFromFirstUpToLastAndWraps) {
  const std::vector<RichTextLine> lines = DrawPlayerLog(2, FullLog(97, 3));
  std::vector<std::string> texts;
  for (const RichTextLine& line : lines) texts.push_back(line.Text.substr(line.Text.rfind(' ') + 1));
  EXPECT_EQ(texts, (std::vector<std::string>{"m97", "m98", "m99", "m0", "m1", "m2"}));
}

TEST(PlayerLog, EqualEndsListTheWholeRingOnceAndOneBehindListsNinetyNine) {
  EXPECT_EQ(DrawPlayerLog(2, FullLog(40, 40)).size(), 100u);
  EXPECT_EQ(DrawPlayerLog(2, FullLog(40, 39)).size(), 99u);
  TNotificationLog sparse = FullLog(0, 0);
  sparse.Messages[5].Text.clear();
  EXPECT_EQ(DrawPlayerLog(2, sparse).size(), 99u);
}

TEST(PlayerLog, YearZeroIsSixCharactersWide) {
  int32_t speed = 0;
  const int32_t turn = TurnOfYearZero(speed);
  ASSERT_GE(turn, 0);
  TNotificationLog log = FullLog(0, 1);
  log.Messages[0].Turn = turn;
  EXPECT_EQ(DrawPlayerLog(speed, log).front().Text, Format("%4d   1AD  m0", turn));
}

TEST(PlayerLog, NoSelectionShowsRowZeroAndARowWithoutLogShowsNothing) {
  SaveAnalysis save = MakeAnalysis(2, 0, true);
  save.NotificationLogs[0] = FullLog(0, 2);
  TabModel tab = PlayerLogTabModel(save, {});
  EXPECT_EQ(testing::RichTextOf(tab, "PlayerLog").Lines.size(), 2u);
  EXPECT_EQ(testing::ListOf(tab, "PlayerLogSelect").Selected, 0);
  tab = PlayerLogTabModel(save, testing::PlayerSelection(40));
  EXPECT_TRUE(testing::RichTextOf(tab, "PlayerLog").Lines.empty());
  EXPECT_EQ(testing::ListOf(tab, "PlayerLogSelect").Selected, -1);
}

TEST(ReloadsTab, SessionFiguresAndCancerSize) {
  SaveAnalysis save = MakeAnalysis(1, 0, true);
  save.SessionCount = 4;
  save.PreSessionCount = 2;
  save.PlaySessionCount = 2;
  save.AverageSessionSeconds = 3692;  // 7384 seconds over two sessions
  save.CancerCount = 1234;
  save.SessionListLines = {"  1    0 -4000  | "};
  const TabModel tab = ReloadsTabModel(save, {});
  EXPECT_EQ(EditText(tab, "Edit9"), "     4");
  EXPECT_EQ(EditText(tab, "Edit11"), "  2");
  EXPECT_EQ(tab.Find<EditValue>("Edit11")->TextColour, Blue);
  EXPECT_EQ(EditText(tab, "Edit10"), "     2");
  EXPECT_EQ(EditText(tab, "Edit12"), "     1:01:32");
  EXPECT_EQ(EditText(tab, "CancerSizeE"), "       1234");
  EXPECT_EQ(testing::ListOf(tab, "SessionListBox").Items.front(), "  1    0 -4000  | ");
  EXPECT_EQ(testing::ListOf(tab, "FindingsListBox").Items,
            std::vector<std::string>{"Holds 1234 runaway reload records (the Cure count)."});
}

TEST(ReloadsTab, HistoryPastTheSavesTurnIsAFinding) {
  SaveAnalysis save = MakeAnalysis(1, 0, true);
  save.CurrentTurn = 12;
  save.HistoryTable.resize(2);
  save.HistoryTable[1][4].assign(13, 1);  // samples of turns 0..12: the save's own turn
  EXPECT_TRUE(testing::ListOf(ReloadsTabModel(save, {}), "FindingsListBox").Items.empty());
  save.HistoryTable[1][4].push_back(1);  // and of turn 13
  EXPECT_EQ(testing::ListOf(ReloadsTabModel(save, {}), "FindingsListBox").Items,
            std::vector<std::string>{"Saved at turn 12 but holds history samples up to turn 13: it was written after "
                                     "the game had been played on to turn 13 and taken back."});
}

}  // namespace
}  // namespace orv5
