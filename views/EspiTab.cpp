// The Espionage tab (`PlayerEspionage`, `ChooseAgent`): one spy of one player at a time, where
// it is, its rank and state, and the progress of its operation in the city it sits in.
#include "refdata/TextArrays.h"
#include "savefile/Format.h"
#include "views/Tabs.h"
#include "views/ViewCommon.h"

namespace orv5 {

namespace {

// The six progress lists, in hundredths, in the order of their fields.
constexpr std::pair<const char*, SpyList> kProgressFields[] = {
    {"SpyAmountProgressE", SpyAmountProgress}, {"SpyRateProgressE", SpyRateProgress},
    {"SpyGoalProgressE", SpyGoalProgress},     {"LastProgressE", LastProgress},
    {"LastPotentialE", LastPotential},         {"LastBasePotentialE", LastBasePotential}};

constexpr const char* kAgentFields[] = {"AgentCityXYE",   "AgentRankE",     "AgentStateE", "AgentReviveE",
                                        "AgentDiplomatE", "AgentReassignE", "AgentCityE"};

// What the city the agent sits in records for it; -1 (nothing recorded) when it is in no city.
int32_t SpyValue(const SaveAnalysis& save, const TAgentRec& agent, SpyList list) {
  const std::span<const TCityRec> cities = CitiesOf(save, agent.CityOwner);
  if (agent.CityOrdinal < 0 || static_cast<size_t>(agent.CityOrdinal) >= cities.size()) return -1;
  if (agent.AgentOwner < 0 || agent.AgentOwner >= MaxPlayers) return -1;
  return cities[static_cast<size_t>(agent.CityOrdinal)].SpyLists[list][static_cast<size_t>(agent.AgentOwner)];
}

void ChooseAgent(const SaveAnalysis& save, const TAgentRec& agent, TabModel& tab) {
  tab.AddEdit("AgentCityXYE", Format("%4d;%d", agent.X, agent.Y));
  tab.AddEdit("AgentRankE", std::string(TextOrFallback(AgentRanks(), agent.Rank)));
  tab.AddEdit("AgentStateE", std::string(TextOrFallback(AgentStates(), agent.State)));
  tab.AddEdit("AgentReviveE", Format("%4d", agent.ReviveTurns));
  tab.AddEdit("AgentDiplomatE", agent.IsDiplomat != 0 ? "Yes" : "No");
  tab.AddEdit("AgentReassignE", agent.Reassign != 0 ? "Yes" : "No");
  tab.AddEdit("AgentCityE", agent.CityName);
  for (const auto& [name, list] : kProgressFields) {
    const int32_t value = SpyValue(save, agent, list);
    tab.AddEdit(name, value < 0 ? std::string() : Format("%9.2f", value / 100.0));
  }
  tab.AddEdit("SpyResultE", std::string(TextOrFallback(AgentResults(), SpyValue(save, agent, SpyResult))));
  tab.AddEdit("NumTimesCityRobbedE", Format("%d", SpyValue(save, agent, TimesRobbed)));
}

// Layouts before QEL record no agents, and a player may have none: then there is no spy to show,
// rather than an empty slot's -1 coordinates and "Unknown" rank.
void ClearAgentFields(TabModel& tab) {
  for (const char* name : kAgentFields) tab.AddEdit(name, {});
  for (const auto& [name, list] : kProgressFields) tab.AddEdit(name, {});
  tab.AddEdit("SpyResultE", {});
  tab.AddEdit("NumTimesCityRobbedE", {});
}

}  // namespace

TabModel EspiTabModel(const SaveAnalysis& save, const ViewSelection& selection) {
  const int32_t p = SelectedRow(selection.Player);
  TabModel tab{"EspiTab", TabVisible(save, "EspiTab"), {}};
  tab.Add(PlayerSelector(save, "PlayerEspiSelect", p));
  ListModel& agents = tab.Add(ListModel{"AgentSelect", {}, -1, 0, {}, {}});
  if (!save.IsQEL) {
    ClearAgentFields(tab);
    return tab;
  }
  const TLeaderInfoRec& player = LeaderAt(save, p);
  for (const TAgentRec& agent : player.Agents) {
    if (agent.NameIndex >= 0) agents.Items.push_back(agent.Name);
  }
  if (agents.Items.empty()) {
    ClearAgentFields(tab);
    return tab;
  }
  // Agents fill the slots from 0 without gaps, so the item is the slot.
  const int32_t slot = SelectedRow(selection.Agent) < MaxAgents ? SelectedRow(selection.Agent) : 0;
  agents.Selected = SelectedItem(slot, agents.Items.size());
  ChooseAgent(save, player.Agents[static_cast<size_t>(slot)], tab);
  return tab;
}

}  // namespace orv5
