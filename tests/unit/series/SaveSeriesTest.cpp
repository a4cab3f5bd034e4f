// Games, lines of play and the findings of a check, over builder-made saves of one game.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "series/Continuation.h"
#include "series/SaveSeries.h"
#include "tests/unit/series/LineSaves.h"

namespace orv5::testing {
namespace {

// The past every save of the game shares: a city at turn 1 and one at turn 3.
std::vector<ReplayEntry> SharedPast() { return {{1, "Athens is founded."}, {3, "Sparta is founded."}}; }

std::vector<ReplayEntry> With(std::vector<ReplayEntry> replay, const std::vector<ReplayEntry>& more) {
  replay.insert(replay.end(), more.begin(), more.end());
  return replay;
}

std::vector<int> Parents(const GameSeries& game) {
  std::vector<int> parents;
  for (const SeriesSave& save : game.Saves) parents.push_back(save.Parent);
  return parents;
}

std::vector<int> Lines(const GameSeries& game) {
  std::vector<int> lines;
  for (const SeriesSave& save : game.Saves) lines.push_back(save.Line);
  return lines;
}

std::vector<std::string> Files(const std::vector<SaveSummary>& saves, const GameSeries& game) {
  std::vector<std::string> files;
  for (const SeriesSave& save : game.Saves) files.push_back(saves[save.Index].File);
  return files;
}

// The one finding of a check of one game, or none when there are more or fewer.
std::optional<Finding> OnlyFinding(const SeriesCheck& check) {
  if (check.Games.size() != 1 || check.Games[0].Findings.size() != 1) return std::nullopt;
  return check.Games[0].Findings[0];
}

TEST(Games, FixedSettingsMakeOneGameAndAnyOfThemAnother) {
  SyntheticSave first = BuildLineSave({"a", 4, 100, SharedPast()});
  SyntheticSave sameMap = BuildLineSave({"b", 6, 200, SharedPast()});
  sameMap.Header.MapScript = "ASSETS\\Maps\\Pangaea.lua";  // the separator and case the game may also write
  sameMap.Header.CurrentEraKey = "ERA_CLASSICAL";          // changes while the game is played
  SyntheticSave otherSize = BuildLineSave({"c", 6, 200, SharedPast()});
  otherSize.Header.WorldSizeKey = "WORLDSIZE_SMALL";
  SyntheticSave otherNation = BuildLineSave({"d", 6, 200, SharedPast()});
  otherNation.Header.Slots[1].CivKey = "CIVILIZATION_ZULU";
  const std::vector<SaveSummary> saves = {SummariseSave("a", Analyse(first)), SummariseSave("b", Analyse(sameMap)),
                                          SummariseSave("c", Analyse(otherSize)),
                                          SummariseSave("d", Analyse(otherNation))};
  const auto games = GroupIntoGames(saves);
  ASSERT_EQ(games.size(), 3u);
  EXPECT_EQ(games[0], (std::vector<size_t>{0, 1}));
  EXPECT_EQ(games[1], std::vector<size_t>{2});
  EXPECT_EQ(games[2], std::vector<size_t>{3});
}

TEST(Games, AHeaderOnlySaveIsListedApartAndNeverCompared) {
  SyntheticSave setUp = BuildLineSave({"setup", 0, 0, {}});
  setUp.WithBody = false;
  std::vector<SaveSummary> saves = SummariesOf({{"a", 4, 100, SharedPast()}});
  saves.push_back(SummariseSave("setup", Analyse(setUp)));
  EXPECT_EQ(saves[1].NotComparable, "it holds a header only, no compressed body (a multiplayer set-up)");
  const SeriesCheck check = CheckSeries(saves);
  ASSERT_EQ(check.Games.size(), 1u);
  EXPECT_EQ(check.Games[0].Saves.size(), 1u);
  EXPECT_EQ(check.NotComparable, std::vector<size_t>{1});
  EXPECT_EQ(check.FindingCount(), 0u);
}

TEST(Games, SavesAreOrderedByTurnThenPlayTimeThenAsGiven) {
  const std::vector<SaveSummary> saves = SummariesOf({{"t6-late", 6, 900, SharedPast()},
                                                      {"t6-early", 6, 500, SharedPast()},
                                                      {"t4", 4, 700, SharedPast()},
                                                      {"t6-early-too", 6, 500, SharedPast()}});
  const SeriesCheck check = CheckSeries(saves);
  ASSERT_EQ(check.Games.size(), 1u);
  EXPECT_EQ(Files(saves, check.Games[0]), (std::vector<std::string>{"t4", "t6-early", "t6-early-too", "t6-late"}));
}

TEST(Lines, EachSaveOfOneLineContinuesThePreviousOne) {
  const std::vector<SaveSummary> saves =
      SummariesOf({{"t0", 0, 0, {}},
                   {"t2", 2, 300, {{1, "Athens is founded."}}},
                   {"t4", 4, 600, SharedPast()},
                   {"t6", 6, 900, With(SharedPast(), {{5, "Corinth is founded."}})}});
  const SeriesCheck check = CheckSeries(saves);
  ASSERT_EQ(check.Games.size(), 1u);
  EXPECT_EQ(Parents(check.Games[0]), (std::vector<int>{-1, 0, 1, 2}));
  EXPECT_EQ(Lines(check.Games[0]), (std::vector<int>{1, 1, 1, 1}));
  EXPECT_TRUE(check.Games[0].Findings.empty());
}

TEST(Lines, ADifferentReplayMessageAtTurn5IsABranchThere) {
  const std::vector<SaveSummary> saves =
      SummariesOf({{"a", 4, 100, SharedPast()},
                   {"b", 8, 400, With(SharedPast(), {{5, "Corinth is founded."}, {7, "Argos is founded."}})},
                   {"c", 8, 500, With(SharedPast(), {{5, "Thebes is founded."}})}});
  const SeriesCheck check = CheckSeries(saves);
  ASSERT_EQ(check.Games.size(), 1u);
  EXPECT_EQ(Parents(check.Games[0]), (std::vector<int>{-1, 0, 0}));
  EXPECT_EQ(Lines(check.Games[0]), (std::vector<int>{1, 1, 2}));
  const std::optional<Finding> branch = OnlyFinding(check);
  ASSERT_TRUE(branch.has_value());
  EXPECT_EQ(branch->Kind, FindingKind::Branch);
  EXPECT_EQ(branch->File, "c");
  EXPECT_EQ(branch->Turn, 5);
  EXPECT_EQ(branch->Text,
            "Does not continue b (turn 8): they differ from turn 5 on, first in replay message 1 of turn 5, which "
            "reads \"Corinth is founded.\" there and \"Thebes is founded.\" here. It continues a.");
}

TEST(Lines, MessagesOfTheEarlierSavesOwnTurnMayStillChange) {
  // Turn 4 is being played when a is written: b may hold more or other messages of it.
  const std::vector<SaveSummary> saves = SummariesOf({{"a", 4, 100, With(SharedPast(), {{4, "Corinth is founded."}})},
                                                      {"b", 5, 200, With(SharedPast(), {{4, "Thebes is founded."}})}});
  EXPECT_TRUE(Continues(saves[1], saves[0]));
  const std::vector<SaveSummary> oneTurnEarlier =
      SummariesOf({{"a", 4, 100, With(SharedPast(), {{3, "Corinth is founded."}})}, {"b", 5, 200, SharedPast()}});
  const auto first = FirstDisagreement(oneTurnEarlier[0], oneTurnEarlier[1]);
  ASSERT_TRUE(first.has_value());
  EXPECT_EQ(first->Turn, 3);
  EXPECT_EQ(first->What, "replay message 2 of turn 3");
  EXPECT_EQ(first->Earlier, "\"Corinth is founded.\"");
  EXPECT_EQ(first->Later, "(none)");
}

TEST(Lines, AHistoryValueChangedAtTurn3IsABranchThere) {
  LineSave changed{"b", 9, 400, SharedPast()};
  changed.ChangedScoreTurn = 3;
  const std::vector<SaveSummary> saves = SummariesOf({{"a", 6, 100, SharedPast()}, changed});
  const SeriesCheck check = CheckSeries(saves);
  EXPECT_EQ(Parents(check.Games[0]), (std::vector<int>{-1, -1}));
  EXPECT_EQ(Lines(check.Games[0]), (std::vector<int>{1, 2}));
  const std::optional<Finding> branch = OnlyFinding(check);
  ASSERT_TRUE(branch.has_value());
  EXPECT_EQ(branch->Turn, 3);
  const std::string player = saves[1].Players[1].Leader;
  EXPECT_EQ(branch->Text, "Does not continue a (turn 6): they differ from turn 3 on, first in Score of " + player +
                              " at turn 3, which reads " + std::to_string(LineScore(1, 3)) + " there and " +
                              std::to_string(LineScore(1, 3) + 5) + " here. It continues no earlier save.");
}

TEST(Lines, HistoryOfTheEarlierSavesOwnTurnMayStillChange) {
  LineSave atOwnTurn{"b", 9, 400, SharedPast()};
  atOwnTurn.ChangedScoreTurn = 6;
  LineSave turnBefore = atOwnTurn;
  turnBefore.ChangedScoreTurn = 5;
  const SaveSummary a = SummaryOf({"a", 6, 100, SharedPast()});
  EXPECT_TRUE(Continues(SummaryOf(atOwnTurn), a));
  EXPECT_FALSE(Continues(SummaryOf(turnBefore), a));
}

TEST(Findings, LessPlayTimeThanTheSaveItContinues) {
  const std::vector<SaveSummary> saves = SummariesOf({{"a", 4, 36000, SharedPast()}, {"b", 6, 35990, SharedPast()}});
  const std::optional<Finding> finding = OnlyFinding(CheckSeries(saves));
  ASSERT_TRUE(finding.has_value());
  EXPECT_EQ(finding->Kind, FindingKind::PlayTimeWentBack);
  EXPECT_EQ(finding->File, "b");
  EXPECT_EQ(finding->Turn, 6);
  EXPECT_EQ(finding->Text, "Has 0:59:59 of play time, less than the 1:00:00 of a, which it continues.");
  const std::vector<SaveSummary> same = SummariesOf({{"a", 4, 36000, SharedPast()}, {"b", 6, 36000, SharedPast()}});
  EXPECT_EQ(CheckSeries(same).FindingCount(), 0u);
}

TEST(Findings, ALoadAtATurnBeforeTheEarlierSavesTurn) {
  const SaveSummary earlier = SummaryOf({"a", 6, 100, With(SharedPast(), {{0, "Session 1 starts"}})});
  // A load at the earlier save's own turn is how one goes on from it.
  const std::vector<SaveSummary> onFromIt = {
      earlier, SummaryOf({"b", 9, 200, With(SharedPast(), {{0, "Session 1 starts"}, {6, "Session 2 starts"}})})};
  EXPECT_EQ(CheckSeries(onFromIt).FindingCount(), 0u);
  // A load at turn 5 means an older save was taken up again; the replayed turns agree.
  const std::vector<SaveSummary> reloaded = {
      earlier, SummaryOf({"b", 9, 200, With(SharedPast(), {{0, "Session 1 starts"}, {5, "Session 2 starts"}})})};
  const SeriesCheck check = CheckSeries(reloaded);
  EXPECT_EQ(Parents(check.Games[0]), (std::vector<int>{-1, 0}));
  const std::optional<Finding> finding = OnlyFinding(check);
  ASSERT_TRUE(finding.has_value());
  EXPECT_EQ(finding->Kind, FindingKind::LoadedEarlierTurn);
  EXPECT_EQ(finding->Turn, 5);
  EXPECT_EQ(finding->Text,
            "Loaded at turn 5, before turn 6 of a, which it continues: its sessions are at turns 0, 5, those of a "
            "at turns 0.");
}

TEST(Findings, SessionsThatAreNotTheEarlierOnesFollowedByLoads) {
  const SaveSummary earlier =
      SummaryOf({"a", 6, 100, With(SharedPast(), {{0, "Session 1 starts"}, {6, "Session 2 starts"}})});
  const std::vector<SaveSummary> saves = {
      earlier, SummaryOf({"b", 9, 200, With(SharedPast(), {{0, "Session 1 starts"}, {7, "Session 2 starts"}})})};
  const std::optional<Finding> finding = OnlyFinding(CheckSeries(saves));
  ASSERT_TRUE(finding.has_value());
  EXPECT_EQ(finding->Kind, FindingKind::LoadedEarlierTurn);
  EXPECT_EQ(finding->Turn, 7);
  EXPECT_EQ(finding->Text,
            "Its sessions are not those of the save it continues followed by further loads: its sessions are at "
            "turns 0, 7, those of a at turns 0, 6.");
}

TEST(Findings, HistoryAfterTheSavesOwnTurn) {
  LineSave wentBack{"a", 12, 100, SharedPast()};
  wentBack.LastHistoryTurn = 27;
  const std::optional<Finding> finding = OnlyFinding(CheckSeries(SummariesOf({wentBack})));
  ASSERT_TRUE(finding.has_value());
  EXPECT_EQ(finding->Kind, FindingKind::HistoryAfterSaveTurn);
  EXPECT_EQ(finding->Turn, 27);
  EXPECT_EQ(finding->Text,
            "Saved at turn 12 but holds history samples up to turn 27: it was written after the game had been "
            "played on to turn 27 and taken back.");
  wentBack.LastHistoryTurn = 12;  // samples of the save's own turn are ordinary
  EXPECT_EQ(CheckSeries(SummariesOf({wentBack})).FindingCount(), 0u);
}

TEST(Findings, RunawayReloadRecords) {
  LineSave cancer{"a", 4, 100, SharedPast()};
  cancer.ReloadRecords = 5;
  const std::optional<Finding> finding = OnlyFinding(CheckSeries(SummariesOf({cancer})));
  ASSERT_TRUE(finding.has_value());
  EXPECT_EQ(finding->Kind, FindingKind::ReloadRecords);
  EXPECT_FALSE(finding->Turn.has_value());
  EXPECT_EQ(finding->Text, "Holds 5 runaway reload records (the Cure count).");
}

TEST(Findings, KindNames) {
  EXPECT_EQ(FindingKindName(FindingKind::Branch), "branch");
  EXPECT_EQ(FindingKindName(FindingKind::HistoryAfterSaveTurn), "history-after-save-turn");
  EXPECT_EQ(FindingKindName(FindingKind::LoadedEarlierTurn), "loaded-earlier-turn");
  EXPECT_EQ(FindingKindName(FindingKind::PlayTimeWentBack), "play-time-went-back");
  EXPECT_EQ(FindingKindName(FindingKind::ReloadRecords), "reload-records");
}

}  // namespace
}  // namespace orv5::testing
