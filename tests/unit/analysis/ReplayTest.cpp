// The replay log and the play sessions it reveals.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/BodySections.h"
#include "tests/support/HeaderBuilder.h"

namespace orv5::testing {
namespace {

SyntheticSave WithLog(int32_t version, const std::vector<ReplayEntry>& messages, int32_t sessionCount) {
  SyntheticSave synthetic = MakeSave(version < 7 ? Layout::Base : Layout::QEL, version);
  WriteReplayLog(synthetic.Sections, version, messages, sessionCount);
  return synthetic;
}

// ---- Both message layouts.

class ReplayVersions : public ::testing::TestWithParam<int32_t> {};

TEST_P(ReplayVersions, MessagesAndSessionTotalReadBack) {
  const int32_t version = GetParam();
  const SaveAnalysis save = Analyse(WithLog(version, {{0, "Warsaw is founded."}, {3, "A"}, {7, ""}}, 5));
  ASSERT_EQ(save.ReplayCount, 3);
  ASSERT_EQ(save.ReplayMessages.size(), 3u);
  EXPECT_EQ(save.ReplayMessages[0].Turn, 0);
  EXPECT_EQ(save.ReplayMessages[0].Text, "Warsaw is founded.");
  EXPECT_EQ(save.ReplayMessages[1].Text, "A");
  EXPECT_EQ(save.ReplayMessages[2].Turn, 7);
  EXPECT_EQ(save.SessionCount, 5);
  EXPECT_TRUE(StepOf(save, "replay").Found);
}

INSTANTIATE_TEST_SUITE_P(AllVersions, ReplayVersions, ::testing::Values(4, 5, 6, 7, 8));

// ---- Session messages.

TEST(Sessions, OnlySessionMessagesOnTheStartingTurnArePreSessions) {
  SyntheticSave synthetic = WithLog(8, {{2, "Session 2 starts"}, {2, "Session 3"}, {15, "Session 4 starts"},
                                        {16, "a session of parliament"}, {17, "Сессия 5"}, {18, "Новая сессия"}},
                                    6);
  synthetic.Body.StartTurn = 2;
  synthetic.Body.ElapsedTurns = 20;
  const SaveAnalysis save = Analyse(synthetic);
  EXPECT_EQ(save.SessionTurns, (std::vector<int32_t>{2, 2, 15, 18}));
  EXPECT_EQ(save.PreSessionCount, 2);
  EXPECT_EQ(save.SessionLines, 5);
  EXPECT_EQ(save.PlaySessionCount, 4);
}

TEST(Sessions, MarkupIsCutFromNewerSaves) {
  const SaveAnalysis save = Analyse(WithLog(7, {{4, "[COLOR_POSITIVE_TEXT]Session 2[ENDCOLOR]"}}, 2));
  ASSERT_EQ(save.ReplayCount, 1);
  EXPECT_EQ(save.ReplayMessages[0].Text, "@Session 2@");
  EXPECT_EQ(save.SessionTurns, (std::vector<int32_t>{4}));
}

TEST(Sessions, OlderSavesKeepTheirTextsAsStored) {
  const SaveAnalysis save = Analyse(WithLog(6, {{4, "[ICON_GOLD] Session 2"}}, 2));
  EXPECT_EQ(save.ReplayMessages[0].Text, "[ICON_GOLD] Session 2");
}

TEST(Sessions, EachSessionGetsALineWithItsDate) {
  const SaveAnalysis save = Analyse(WithLog(5, {{15, "Session 2 starts"}, {0, "Session 3 starts"}}, 3));
  EXPECT_EQ(save.SessionListLines, (std::vector<std::string>{"  1   15 -3400  | ", "  2    0 -4000  | "}));
}

TEST(Sessions, SessionsBeyondTheListAreCountedButNotStored) {
  std::vector<ReplayEntry> messages(4100, {1, "Session"});
  const SaveAnalysis save = Analyse(WithLog(8, messages, 4100));
  EXPECT_EQ(save.SessionTurns.size(), 4097u);
  EXPECT_EQ(save.SessionListLines.size(), 4097u);
  EXPECT_EQ(save.SessionLines, 4098);
  EXPECT_NE(StepOf(save, "replay").Stop.find("4100 session messages"), std::string::npos);
}

// ---- Capacity and damaged logs.

TEST(ReplayCapacity, SeventyThousandMessagesKeep65536) {
  std::vector<ReplayEntry> messages;
  for (int32_t i = 0; i < 70000; ++i) messages.push_back({i, "m"});
  const SaveAnalysis save = Analyse(WithLog(8, messages, 9));
  EXPECT_EQ(save.ReplayCount, 65536);
  EXPECT_EQ(save.ReplayMessages.back().Turn, 65535);
  // The session total is read where the cursor stands: the turn of message 65,537.
  EXPECT_EQ(save.SessionCount, 65536);
  EXPECT_NE(StepOf(save, "replay").Stop.find("70000 messages"), std::string::npos);
}

TEST(ReplayDamage, ANegativeCountReadsNoMessage) {
  SyntheticSave synthetic = MakeSave(Layout::QEL, 8);
  WriteReplayLog(synthetic.Sections, 8, {}, 3, -5);
  const SaveAnalysis save = Analyse(synthetic);
  EXPECT_EQ(save.ReplayCount, 0);
  EXPECT_EQ(save.SessionCount, 3);
}

TEST(ReplayDamage, ACountPastTheEndStopsAtTheEndOfTheImage) {
  SyntheticSave synthetic = MakeSave(Layout::QEL, 8);
  WriteReplayLog(synthetic.Sections, 8, {{1, "one"}, {2, "two"}}, 2, 2000000000);
  const SaveAnalysis save = Analyse(synthetic);
  EXPECT_LT(save.ReplayCount, 100);
  EXPECT_EQ(save.ReplayMessages[1].Text, "two");
  EXPECT_NE(StepOf(save, "replay").Stop.find("past the end"), std::string::npos);
}

TEST(ReplayDamage, NoLogReadsNothing) {
  const SaveAnalysis save = Analyse(MakeSave(Layout::QEL, 8));
  EXPECT_EQ(save.ReplayCount, 0);
  EXPECT_TRUE(save.ReplayMessages.empty());
  EXPECT_EQ(save.SessionLines, 1);
  EXPECT_EQ(StepOf(save, "replay").Stop, "no replay log found");
}

TEST(ReplayDamage, RunsWithASmallFourthValueAreNotTheLog) {
  SyntheticSave synthetic = MakeSave(Layout::QEL, 8);
  synthetic.Sections.Int(-1).Int(0).Int(1).Int(9999).Zeros(40);  // 9999 is not above 9999
  synthetic.Sections.Int(-1).Int(0).Int(1).Int(-10000).Zeros(30).Int(1);
  synthetic.Sections.Int(3).Int(5).IntList({}).Int(0).UStr("found", false).Int(4);
  const SaveAnalysis save = Analyse(synthetic);
  ASSERT_EQ(save.ReplayCount, 1);
  EXPECT_EQ(save.ReplayMessages[0].Text, "found");
  EXPECT_EQ(save.SessionCount, 4);
}

}  // namespace
}  // namespace orv5::testing
