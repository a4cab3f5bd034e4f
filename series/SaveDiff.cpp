#include "series/SaveDiff.h"

#include <algorithm>
#include <map>

#include "savefile/Format.h"
#include "series/SaveSeries.h"

namespace orv5 {

namespace {

// What `later` lists that `earlier` does not, each repeat counted (two agents may share a name).
std::vector<std::string> Added(const std::vector<std::string>& earlier, const std::vector<std::string>& later) {
  std::vector<std::string> remaining = earlier;
  std::vector<std::string> added;
  for (const std::string& item : later) {
    const auto found = std::find(remaining.begin(), remaining.end(), item);
    if (found == remaining.end()) {
      added.push_back(item);
    } else {
      remaining.erase(found);
    }
  }
  return added;
}

struct CityAt {
  int32_t Owner = -1;
  const CityFacts* City = nullptr;
};

// Every city of a save by name; a name that occurs twice keeps its first city.
std::map<std::string, CityAt> CitiesByName(const SaveSummary& save) {
  std::map<std::string, CityAt> cities;
  for (const PlayerFacts& player : save.Players) {
    for (const CityFacts& city : player.Cities) cities.emplace(city.Name, CityAt{player.Row, &city});
  }
  return cities;
}

void CompareCities(const PlayerFacts* before, const PlayerFacts& after, const std::map<std::string, CityAt>& earlier,
                   const std::map<std::string, CityAt>& later, PlayerChanges& changes) {
  static const std::vector<std::string> noBuildings;
  for (const CityFacts& city : after.Cities) {
    const auto old = earlier.find(city.Name);
    if (old == earlier.end()) {
      changes.CitiesFounded.push_back(city.Name);
    } else if (old->second.Owner != after.Row) {
      changes.CitiesCaptured.push_back(city.Name);
    }
    const std::vector<std::string>& had = old == earlier.end() ? noBuildings : old->second.City->Buildings;
    for (std::string& building : Added(had, city.Buildings)) {
      changes.BuildingsCompleted.push_back({city.Name, std::move(building)});
    }
  }
  if (!before) return;
  for (const CityFacts& city : before->Cities) {
    const auto now = later.find(city.Name);
    if (now == later.end() || now->second.Owner != after.Row) changes.CitiesLost.push_back(city.Name);
  }
}

int32_t PopulationOf(const PlayerFacts& player) {
  int32_t population = 0;
  for (const CityFacts& city : player.Cities) population += city.Population;
  return population;
}

PlayerChanges ComparePlayer(const PlayerFacts* before, const PlayerFacts& after,
                            const std::map<std::string, CityAt>& earlierCities,
                            const std::map<std::string, CityAt>& laterCities) {
  static const PlayerFacts nothing;
  const PlayerFacts& was = before ? *before : nothing;
  PlayerChanges changes;
  changes.Row = after.Row;
  changes.Leader = after.Leader;
  changes.Civ = after.Civ;
  CompareCities(before, after, earlierCities, laterCities, changes);
  changes.TechsLearned = Added(was.Techs, after.Techs);
  changes.PoliciesAdopted = Added(was.Policies, after.Policies);
  changes.BeliefsAdopted = Added(was.Beliefs, after.Beliefs);
  changes.SpiesGained = Added(was.Spies, after.Spies);
  changes.SpiesLost = Added(after.Spies, was.Spies);
  changes.Score = {was.Score, after.Score};
  changes.Gold = {was.Gold, after.Gold};
  changes.Culture = {was.Culture, after.Culture};
  changes.Population = {PopulationOf(was), PopulationOf(after)};
  changes.Cities = {static_cast<int32_t>(was.Cities.size()), static_cast<int32_t>(after.Cities.size())};
  return changes;
}

// The messages of the later save from the earlier save's turn on, less those the earlier save
// already holds at the start of each turn. Messages without text are not shown anywhere.
std::vector<ReplayLine> NewReplayLines(const SaveSummary& earlier, const SaveSummary& later) {
  std::vector<ReplayLine> lines;
  for (auto turn = later.Replay.lower_bound(earlier.Turn); turn != later.Replay.end(); ++turn) {
    const auto old = earlier.Replay.find(turn->first);
    const std::vector<ReplayText>& now = turn->second;
    size_t known = 0;
    if (old != earlier.Replay.end()) {
      known = static_cast<size_t>(std::mismatch(old->second.begin(), old->second.end(), now.begin(), now.end()).first -
                                  old->second.begin());
    }
    for (size_t i = known; i < now.size(); ++i) {
      if (!now[i].Text.empty()) lines.push_back({turn->first, now[i].Text});
    }
  }
  return lines;
}

// The first of the game's fixed settings on which two saves differ, as a phrase.
std::string FirstSettingDifference(const GameIdentity& a, const GameIdentity& b) {
  if (a.Variant != b.Variant) return "game version's layout";
  const std::pair<const char*, const std::string*> texts[] = {{"map script", &a.MapScript},
                                                              {"world size", &a.WorldSize},
                                                              {"game speed", &a.GameSpeed},
                                                              {"starting era", &a.StartingEra}};
  const std::string* others[] = {&b.MapScript, &b.WorldSize, &b.GameSpeed, &b.StartingEra};
  for (size_t i = 0; i < std::size(texts); ++i) {
    if (*texts[i].second != *others[i])
      return Format("%s (%s against %s)", {texts[i].first, *texts[i].second, *others[i]});
  }
  if (a.StartTurn != b.StartTurn) return Format("starting turn (%d against %d)", {a.StartTurn, b.StartTurn});
  if (a.TurnLimit != b.TurnLimit) return Format("turn limit (%d against %d)", {a.TurnLimit, b.TurnLimit});
  const auto [pa, pb] = std::mismatch(a.Players.begin(), a.Players.end(), b.Players.begin(), b.Players.end());
  return Format("players (%s against %s)",
                {pa == a.Players.end() ? "none" : *pa, pb == b.Players.end() ? "none" : *pb});
}

}  // namespace

bool PlayerChanges::Changed() const {
  return !CitiesFounded.empty() || !CitiesCaptured.empty() || !CitiesLost.empty() || !BuildingsCompleted.empty() ||
         !TechsLearned.empty() || !PoliciesAdopted.empty() || !BeliefsAdopted.empty() || !SpiesGained.empty() ||
         !SpiesLost.empty() || Score.Changed() || Gold.Changed() || Culture.Changed() || Population.Changed() ||
         Cities.Changed();
}

std::string DiffRefusal(const SaveSummary& earlier, const SaveSummary& later) {
  for (const SaveSummary* save : {&earlier, &later}) {
    if (!save->Comparable()) return Format("%s cannot be compared: %s.", {save->File, save->NotComparable});
  }
  if (earlier.Game == later.Game) return {};
  return Format("%s and %s are saves of different games: they differ in their %s.",
                {earlier.File, later.File, FirstSettingDifference(earlier.Game, later.Game)});
}

SaveDiff DiffSaves(const SaveSummary& earlier, const SaveSummary& later) {
  SaveDiff diff;
  diff.From = earlier.File;
  diff.To = later.File;
  diff.FromTurn = earlier.Turn;
  diff.ToTurn = later.Turn;
  diff.Branch = BranchFinding(earlier, later);
  diff.HasPlayerFacts = earlier.HasPlayerFacts && later.HasPlayerFacts;
  if (diff.HasPlayerFacts) {
    const auto earlierCities = CitiesByName(earlier);
    const auto laterCities = CitiesByName(later);
    for (const PlayerFacts& after : later.Players) {
      const auto row = static_cast<size_t>(after.Row);
      const PlayerFacts* before = row < earlier.Players.size() ? &earlier.Players[row] : nullptr;
      diff.Players.push_back(ComparePlayer(before, after, earlierCities, laterCities));
    }
  }
  diff.Replay = NewReplayLines(earlier, later);
  return diff;
}

}  // namespace orv5
