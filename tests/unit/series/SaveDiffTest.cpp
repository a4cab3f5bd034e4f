// What changed between two saves: the matching of cities by name, what counts as new in each
// list, the replay messages between the turns, and when two saves are not compared at all.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "series/SaveDiff.h"
#include "tests/unit/series/LineSaves.h"

namespace orv5::testing {
namespace {

using Names = std::vector<std::string>;

PlayerFacts Player(int32_t row, std::string leader, std::vector<CityFacts> cities) {
  PlayerFacts player;
  player.Row = row;
  player.Leader = std::move(leader);
  player.Civ = "Civ" + std::to_string(row);
  player.Cities = std::move(cities);
  return player;
}

SaveSummary Summary(std::string file, int32_t turn, std::vector<PlayerFacts> players) {
  SaveSummary save;
  save.File = std::move(file);
  save.Turn = turn;
  save.HasPlayerFacts = true;
  save.Players = std::move(players);
  return save;
}

TEST(Diff, CitiesAreMatchedByNameAcrossPlayers) {
  const SaveSummary earlier = Summary("a", 10,
                                      {Player(0, "Pericles", {{"Athens", 3, {"Palace"}}, {"Sparta", 1, {}}}),
                                       Player(1, "Augustus", {{"Rome", 4, {"Palace", "Walls"}}})});
  const SaveSummary later =
      Summary("b", 14,
              {Player(0, "Pericles", {{"Athens", 4, {"Palace", "Monument"}}, {"Rome", 3, {"Walls", "Barracks"}}}),
               Player(1, "Augustus", {{"Antium", 1, {"Palace"}}})});
  const SaveDiff diff = DiffSaves(earlier, later);
  ASSERT_EQ(diff.Players.size(), 2u);
  const PlayerChanges& greece = diff.Players[0];
  EXPECT_EQ(greece.CitiesFounded, Names{});
  EXPECT_EQ(greece.CitiesCaptured, Names{"Rome"});
  EXPECT_EQ(greece.CitiesLost, Names{"Sparta"});  // razed: in no one's hands
  // A captured city's buildings stood before; only what was built since counts.
  EXPECT_EQ(greece.BuildingsCompleted, (std::vector<BuildingCompleted>{{"Athens", "Monument"}, {"Rome", "Barracks"}}));
  EXPECT_EQ(greece.Population.From, 4);
  EXPECT_EQ(greece.Population.To, 7);
  EXPECT_FALSE(greece.Cities.Changed());
  const PlayerChanges& rome = diff.Players[1];
  EXPECT_EQ(rome.CitiesFounded, Names{"Antium"});
  EXPECT_EQ(rome.CitiesLost, Names{"Rome"});
  EXPECT_EQ(rome.BuildingsCompleted, (std::vector<BuildingCompleted>{{"Antium", "Palace"}}));
  EXPECT_EQ(rome.Cities.From, 1);
  EXPECT_EQ(rome.Cities.To, 1);
}

TEST(Diff, ListsCountWhatIsNewAndValuesTheirChange) {
  PlayerFacts before = Player(0, "Pericles", {});
  before.Techs = {"Pottery"};
  before.Policies = {"Tradition"};
  before.Beliefs = {"Sacred Waters"};
  before.Spies = {"Ana", "Ana"};
  before.Gold = 40;
  before.Score = 12;
  before.Culture = 7;
  PlayerFacts after = before;
  after.Techs = {"Pottery", "Mining", "Writing"};
  after.Policies = {"Tradition", "Aristocracy"};
  after.Beliefs = {"Sacred Waters", "Tithe"};
  after.Spies = {"Ana", "Bo"};
  after.Gold = 15;
  after.Score = 30;
  const SaveDiff diff = DiffSaves(Summary("a", 10, {before, Player(1, "Augustus", {})}),
                                  Summary("b", 14, {after, Player(1, "Augustus", {})}));
  const PlayerChanges& changes = diff.Players[0];
  EXPECT_EQ(changes.TechsLearned, (Names{"Mining", "Writing"}));
  EXPECT_EQ(changes.PoliciesAdopted, Names{"Aristocracy"});
  EXPECT_EQ(changes.BeliefsAdopted, Names{"Tithe"});
  EXPECT_EQ(changes.SpiesGained, Names{"Bo"});
  EXPECT_EQ(changes.SpiesLost, Names{"Ana"});  // one of the two agents of that name
  EXPECT_TRUE(changes.Gold.Changed());
  EXPECT_EQ(changes.Gold.To, 15);
  EXPECT_EQ(changes.Score.From, 12);
  EXPECT_FALSE(changes.Culture.Changed());
  EXPECT_TRUE(changes.Changed());
  EXPECT_FALSE(diff.Players[1].Changed());
}

TEST(Diff, ReplayFromTheEarlierTurnLessWhatTheEarlierSaveHolds) {
  SaveSummary earlier = Summary("a", 4, {});
  earlier.Replay = {{3, {{"Sparta is founded."}}}, {4, {{"Corinth is founded."}, {""}}}};
  SaveSummary later = Summary("b", 6, {});
  later.Replay = {{3, {{"Sparta is founded."}}},
                  {4, {{"Corinth is founded."}, {""}, {"Argos is founded."}}},
                  {5, {{""}, {"Session 2 starts", true}, {"Thebes is founded."}}}};
  const SaveDiff diff = DiffSaves(earlier, later);
  EXPECT_EQ(diff.Replay,
            (std::vector<ReplayLine>{{4, "Argos is founded."}, {5, "Session 2 starts"}, {5, "Thebes is founded."}}));
  EXPECT_FALSE(diff.Branch.has_value());
  EXPECT_TRUE(DiffSaves(later, later).Replay.empty());
}

TEST(Diff, ALaterSaveOfAnotherBranchCarriesTheBranchFinding) {
  SaveSummary earlier = Summary("a", 6, {});
  earlier.Replay = {{3, {{"Sparta is founded."}}}};
  SaveSummary later = Summary("b", 8, {});
  later.Replay = {{3, {{"Thebes is founded."}}}};
  const SaveDiff diff = DiffSaves(earlier, later);
  ASSERT_TRUE(diff.Branch.has_value());
  EXPECT_EQ(diff.Branch->Kind, FindingKind::Branch);
  EXPECT_EQ(diff.Branch->File, "b");
  EXPECT_EQ(diff.Branch->Turn, 3);
}

TEST(Diff, AnEarlyBuildsSavesCompareOnlyTheirReplay) {
  SaveSummary earlier = Summary("a", 4, {Player(0, "Pericles", {})});
  SaveSummary later = Summary("b", 6, {Player(0, "Pericles", {{"Athens", 1, {}}})});
  earlier.HasPlayerFacts = false;
  const SaveDiff diff = DiffSaves(earlier, later);
  EXPECT_FALSE(diff.HasPlayerFacts);
  EXPECT_TRUE(diff.Players.empty());
}

TEST(Diff, SavesOfDifferentGamesOrThatCannotBeComparedAreRefused) {
  SaveSummary a = Summary("a", 4, {});
  SaveSummary b = Summary("b", 6, {});
  EXPECT_EQ(DiffRefusal(a, b), "");
  b.Game.WorldSize = "Small";
  a.Game.WorldSize = "Standard";
  EXPECT_EQ(DiffRefusal(a, b),
            "a and b are saves of different games: they differ in their world size (Standard "
            "against Small).");
  b.Game = a.Game;
  b.Game.Players = {"slot 0: Greece (Alexander)"};
  a.Game.Players = {"slot 0: Greece (Alexander)", "slot 1: Rome (Augustus)"};
  EXPECT_EQ(DiffRefusal(a, b),
            "a and b are saves of different games: they differ in their players (slot 1: Rome "
            "(Augustus) against none).");
  b.Game = a.Game;
  b.NotComparable = "it holds a header only, no compressed body (a multiplayer set-up)";
  EXPECT_EQ(DiffRefusal(a, b),
            "b cannot be compared: it holds a header only, no compressed body (a multiplayer set-up).");
}

TEST(Summary, BuilderSaveKeepsItsPastAndSessions) {
  LineSave line{"a", 6, 1234, {{1, "Athens is founded."}, {2, "Session 2 starts"}}};
  line.LastHistoryTurn = 9;
  line.ReloadRecords = 3;
  const SaveSummary save = SummaryOf(line);
  EXPECT_TRUE(save.Comparable());
  EXPECT_EQ(save.Turn, 6);
  EXPECT_EQ(save.PlayTime, 1234);
  EXPECT_EQ(save.PlaySeconds, 124);  // 123.4 seconds round up past a tenth of 1
  EXPECT_EQ(save.Replay.at(2), (std::vector<ReplayText>{{"Session 2 starts", true}}));
  EXPECT_EQ(save.SessionTurns, std::vector<int32_t>{2});
  EXPECT_EQ(save.LastHistoryTurn, 9);
  EXPECT_EQ(save.CancerCount, 3);
  ASSERT_GE(save.Players.size(), 2u);
  EXPECT_EQ(save.Players[1].Score, LineScore(1, 6));  // the score at the save's turn, not the last sample
  EXPECT_EQ(save.Game.MapScript, "assets/maps/pangaea.lua");
}

}  // namespace
}  // namespace orv5::testing
