// The texts of a check of several saves and of the comparison of two: every line they can hold.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/unit/series/LineSaves.h"
#include "views/SeriesText.h"

namespace orv5::testing {
namespace {

using Lines = std::vector<std::string>;

TEST(SeriesText, CheckListsEachGameItsSavesAndFindingsThenTheSavesApart) {
  std::vector<SaveSummary> saves = SummariesOf({{"a", 4, 100, {{1, "Athens is founded."}}},
                                                {"b", 6, 50, {{1, "Athens is founded."}}},
                                                {"c", 8, 36612, {{1, "Thebes is founded."}}}});
  SyntheticSave setUp = BuildLineSave({"setup", 0, 0, {}});
  setUp.WithBody = false;
  saves.push_back(SummariseSave("setup", Analyse(setUp)));
  EXPECT_EQ(CheckLines(saves, CheckSeries(saves)),
            (Lines{"Game 1: " + saves[0].GameTitle, "  turn  play time  line  save", "     4    0:00:10     1  a",
                   "     6    0:00:05     1  b  continues a", "     8    1:01:01     2  c  continues no earlier save",
                   "  Findings:",
                   "    play-time-went-back  b  turn 6: Has 0:00:05 of play time, less than the 0:00:10 of a, which it "
                   "continues.",
                   "    branch  c  turn 1: Does not continue b (turn 6): they differ from turn 1 on, first in replay "
                   "message 1 of turn 1, which reads \"Athens is founded.\" there and \"Thebes is founded.\" here. It "
                   "continues no earlier save.",
                   "Not comparable:", "  setup: it holds a header only, no compressed body (a multiplayer set-up)",
                   "4 saves: 1 game, 1 not comparable, 2 findings."}));
  EXPECT_EQ(saves[0].GameTitle.rfind("Pangaea.lua, Standard, Standard, Ancient start: ", 0), 0u) << saves[0].GameTitle;
}

TEST(SeriesText, ACheckWithoutFindingsSaysSo) {
  const std::vector<SaveSummary> saves = SummariesOf({{"a", 4, 100, {}}});
  const Lines lines = CheckLines(saves, CheckSeries(saves));
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[3], "  No findings.");
  EXPECT_EQ(lines[4], "1 save: 1 game, 0 not comparable, 0 findings.");
}

SaveDiff EveryKindOfChange() {
  SaveDiff diff;
  diff.From = "a";
  diff.To = "b";
  diff.FromTurn = 10;
  diff.ToTurn = 14;
  diff.HasPlayerFacts = true;
  PlayerChanges greece;
  greece.Leader = "Pericles";
  greece.Civ = "Greece";
  greece.CitiesFounded = {"Corinth", "Argos"};
  greece.CitiesCaptured = {"Rome"};
  greece.CitiesLost = {"Sparta"};
  greece.BuildingsCompleted = {{"Athens", "Monument"}, {"Rome", "Barracks"}};
  greece.TechsLearned = {"Mining"};
  greece.PoliciesAdopted = {"Tradition"};
  greece.BeliefsAdopted = {"Tithe"};
  greece.SpiesGained = {"Ana"};
  greece.SpiesLost = {"Bo"};
  greece.Score = {12, 30};
  greece.Gold = {40, 15};
  greece.Culture = {7, 9};
  greece.Population = {4, 9};
  greece.Cities = {2, 4};
  PlayerChanges rome;
  rome.Leader = "Augustus";
  rome.Civ = "Rome";
  rome.Score = {5, 5};
  diff.Players = {greece, rome};
  diff.Replay = {{12, "Corinth is founded."}};
  return diff;
}

TEST(SeriesText, DiffShowsEachPlayerThatChangedThenTheReplay) {
  EXPECT_EQ(DiffLines(EveryKindOfChange()),
            (Lines{"From a (turn 10) to b (turn 14)", "Pericles (Greece):",
                   "  score 12 -> 30, gold 40 -> 15, culture 7 -> 9, population 4 -> 9, cities 2 -> 4",
                   "  cities founded: Corinth, Argos", "  cities captured: Rome", "  cities lost: Sparta",
                   "  buildings completed: Monument (Athens), Barracks (Rome)", "  technologies learned: Mining",
                   "  policies adopted: Tradition", "  beliefs adopted: Tithe", "  spies gained: Ana",
                   "  spies lost: Bo", "Replay from turn 10:", "    12  Corinth is founded."}));
}

TEST(SeriesText, DiffOfABranchWithoutPlayerFactsOrNewMessages) {
  SaveDiff diff;
  diff.From = "a";
  diff.To = "b";
  diff.FromTurn = 52;
  diff.ToTurn = 52;
  diff.Branch = Finding{FindingKind::Branch, "b", 3, "Does not continue a."};
  EXPECT_EQ(DiffLines(diff), (Lines{"From a (turn 52) to b (turn 52)", "branch  b  turn 3: Does not continue a.",
                                    "Players: an early build's save keeps no per-player sections, so only the replay "
                                    "is compared.",
                                    "Replay from turn 52:", "  No new messages."}));
  diff.HasPlayerFacts = true;
  diff.Players.resize(2);
  EXPECT_EQ(DiffLines(diff)[2], "No player changed.");
}

}  // namespace
}  // namespace orv5::testing
