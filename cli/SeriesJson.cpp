// The check and the diff as JSON, with the key names the organisers' tools read.
#include "cli/SeriesCommands.h"

namespace orv5 {

namespace {

using nlohmann::json;

json FindingJson(const Finding& finding) {
  return {{"kind", std::string(FindingKindName(finding.Kind))},
          {"file", finding.File},
          {"turn", finding.Turn ? json(*finding.Turn) : json(nullptr)},
          {"text", finding.Text}};
}

json GameJson(const std::vector<SaveSummary>& saves, const GameSeries& game) {
  json list = json::array();
  for (const SeriesSave& entry : game.Saves) {
    const SaveSummary& save = saves[entry.Index];
    const json parent =
        entry.Parent >= 0 ? json(saves[game.Saves[static_cast<size_t>(entry.Parent)].Index].File) : json(nullptr);
    list.push_back({{"file", save.File}, {"turn", save.Turn}, {"play_seconds", save.PlaySeconds}, {"parent", parent}});
  }
  json findings = json::array();
  for (const Finding& finding : game.Findings) findings.push_back(FindingJson(finding));
  return {{"saves", std::move(list)}, {"findings", std::move(findings)}};
}

json ChangeJson(const ValueChange& change) { return {{"from", change.From}, {"to", change.To}}; }

json PlayerJson(const PlayerChanges& player) {
  json buildings = json::array();
  for (const BuildingCompleted& b : player.BuildingsCompleted)
    buildings.push_back({{"city", b.City}, {"building", b.Building}});
  return {{"row", player.Row},
          {"leader", player.Leader},
          {"civ", player.Civ},
          {"techs_learned", player.TechsLearned},
          {"policies_adopted", player.PoliciesAdopted},
          {"beliefs_adopted", player.BeliefsAdopted},
          {"cities_founded", player.CitiesFounded},
          {"cities_captured", player.CitiesCaptured},
          {"cities_lost", player.CitiesLost},
          {"buildings_completed", std::move(buildings)},
          {"spies_gained", player.SpiesGained},
          {"spies_lost", player.SpiesLost},
          {"score", ChangeJson(player.Score)},
          {"gold", ChangeJson(player.Gold)},
          {"culture", ChangeJson(player.Culture)},
          {"population", ChangeJson(player.Population)},
          {"cities", ChangeJson(player.Cities)}};
}

}  // namespace

json CheckJson(const std::vector<SaveSummary>& saves, const SeriesCheck& check) {
  json games = json::array();
  for (const GameSeries& game : check.Games) games.push_back(GameJson(saves, game));
  json apart = json::array();
  for (size_t index : check.NotComparable) {
    apart.push_back({{"file", saves[index].File}, {"reason", saves[index].NotComparable}});
  }
  return {{"games", std::move(games)}, {"not_comparable", std::move(apart)}};
}

json DiffJson(const SaveDiff& diff) {
  json players = json::array();
  for (const PlayerChanges& player : diff.Players) players.push_back(PlayerJson(player));
  json replay = json::array();
  for (const ReplayLine& line : diff.Replay) replay.push_back({{"turn", line.Turn}, {"text", line.Text}});
  return {{"from", diff.From},
          {"to", diff.To},
          {"turns", {diff.FromTurn, diff.ToTurn}},
          {"branch", diff.Branch ? FindingJson(*diff.Branch) : json(nullptr)},
          {"players", std::move(players)},
          {"replay", std::move(replay)}};
}

}  // namespace orv5
