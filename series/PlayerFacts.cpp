// The facts of one player that a comparison of two saves reports, named as the window names
// them: technologies and policies by their reference keys, beliefs by key or hash, cities and
// buildings as the city view lists them.
#include <algorithm>

#include "refdata/RefTables.h"
#include "savefile/Format.h"
#include "savefile/KeyText.h"
#include "series/SaveSummary.h"

namespace orv5 {

namespace {

template <typename T>
const T* RowOf(const std::vector<T>& table, int32_t row) {
  return row >= 0 && static_cast<size_t>(row) < table.size() ? &table[static_cast<size_t>(row)] : nullptr;
}

std::vector<std::string> KnownTechs(GameVariant variant, const TLeaderInfoRec& player) {
  std::vector<std::string> names;
  const auto techs = TechTable(variant);
  for (size_t i = 0; i < techs.size() && i < player.TechKnown.size(); ++i) {
    if (player.TechKnown[i] != 0) names.push_back(CutTextKey(techs[i].Key, "TECH_"));
  }
  return names;
}

std::vector<std::string> AdoptedPolicies(const SaveAnalysis& save, int32_t row) {
  std::vector<std::string> names;
  const auto* flags = RowOf(save.PolicyFlags, row);
  if (!flags) return names;
  const auto policies = PolicyTable(save.IsQEL != 0);
  for (size_t k = 0; k < policies.size() && k < flags->size(); ++k) {
    if ((*flags)[k] != 0) names.push_back(CutTextKey(policies[k].Key, "POLICY_"));
  }
  return names;
}

std::string BeliefName(int32_t id) {
  const auto table = BeliefTable().first(BeliefSearchRows);
  const auto row = std::find_if(table.begin(), table.end(), [id](const TBeliefInfoRec& b) { return b.Hash == id; });
  return row == table.end() ? Format("%08x", id) : CutTextKey(row->Key, "BELIEF_");
}

std::vector<std::string> Beliefs(const TLeaderInfoRec& player) {
  std::vector<std::string> names;
  for (size_t i = 0; i < 6; ++i) {
    if (player.Beliefs[i] != 0) names.push_back(BeliefName(player.Beliefs[i]));
  }
  return names;
}

std::vector<std::string> Spies(const TLeaderInfoRec& player) {
  std::vector<std::string> names;
  const size_t count = static_cast<size_t>(std::clamp(player.AgentCount, 0, MaxAgents));
  for (size_t a = 0; a < count; ++a) names.push_back(player.Agents[a].Name);
  return names;
}

// The buildings that stand in the city: those the city view lists in black.
CityFacts FactsOfCity(const TCityRec& city) {
  CityFacts facts{city.Name, city.Population, {}};
  for (size_t k = 0; k < MaxCityLists; ++k) {
    if (city.BuildingValue5[k] > 0 && !city.BuildingName[k].empty()) facts.Buildings.push_back(city.BuildingName[k]);
  }
  return facts;
}

// The score a player's history records for the save's turn, or for its last turn before that.
int32_t ScoreAt(const SaveAnalysis& save, int32_t row) {
  const HistoryRow* history = RowOf(save.HistoryTable, row);
  if (!history || (*history)[0].empty() || save.CurrentTurn < 0) return 0;
  const std::vector<int32_t>& score = (*history)[0];
  return score[std::min(static_cast<size_t>(save.CurrentTurn), score.size() - 1)];
}

}  // namespace

PlayerFacts FactsOfPlayer(const SaveAnalysis& save, int32_t row) {
  PlayerFacts facts;
  const TLeaderInfoRec* player = RowOf(save.Leaders, row);
  if (!player) return facts;
  facts.Row = row;
  facts.Leader = player->LeaderName;
  facts.Civ = player->CivName;
  if (const auto* cities = RowOf(save.CityTable, row)) {
    for (const TCityRec& city : *cities) {
      if (city.Name.empty()) continue;
      facts.Cities.push_back(FactsOfCity(city));
    }
  }
  facts.Techs = KnownTechs(SelectVariant(save.IsQEL != 0, save.HasExpansion1 != 0), *player);
  facts.Policies = AdoptedPolicies(save, row);
  facts.Beliefs = Beliefs(*player);
  facts.Spies = Spies(*player);
  facts.Score = ScoreAt(save, row);
  facts.Gold = player->Gold / 100;
  facts.Culture = player->TotalCulture;
  return facts;
}

}  // namespace orv5
