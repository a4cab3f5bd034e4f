#include "views/Tabs.h"

#include "refdata/TextArrays.h"
#include "views/ViewCommon.h"

namespace orv5 {

namespace {

constexpr TabInfo kTabs[] = {
    {"BaseTab", "Base", UsesNothing, BaseTabModel},
    {"LeadersTab", "Leaders", UsesNothing, LeadersTabModel},
    {"ReplayTab", "Replay", UsesNothing, ReplayTabModel},
    {"PlayerLogTab", "Player Log", UsesPlayer, PlayerLogTabModel},
    {"ReloadsTab", "Reloads", UsesNothing, ReloadsTabModel},
    {"GraphTab", "Graph", UsesDataset, GraphTabModel},
    {"CityTab", "Cities", UsesPlayer | UsesCity, CityTabModel},
    {"PolicyTab", "Policy", UsesPlayer, PolicyTabModel},
    {"PlayerTab", "Player", UsesPlayer, PlayerTabModel},
    {"StatsTab", "Stats", UsesPlayer | UsesLanguage, StatsTabModel},
    {"CSTab", "CS Points", UsesNothing, CSTabModel},
    {"TestTab", "TestTab", UsesNothing, TestTabModel},
    {"LeagueTab", "League", UsesNothing, LeagueTabModel},
    {"EspiTab", "Espionage", UsesPlayer | UsesAgent, EspiTabModel},
};

}  // namespace

std::span<const TabInfo> AllTabs() { return kTabs; }

const TabInfo* FindTab(std::string_view sheet) {
  for (const TabInfo& tab : kTabs) {
    if (tab.Sheet == sheet) return &tab;
  }
  return nullptr;
}

bool TabVisible(const SaveAnalysis& save, std::string_view sheet) {
  if (sheet == "TestTab") return false;
  if (sheet == "BaseTab" || sheet == "ReloadsTab") return true;
  return save.GameType == 0;
}

int PlayerChoiceCount(const SaveAnalysis& save) { return static_cast<int>(PlayerSelector(save, {}, 0).Items.size()); }

int CityChoiceCount(const SaveAnalysis& save, int32_t playerRow) {
  int count = 0;
  for (const TCityRec& city : CitiesOf(save, playerRow)) count += city.Name.empty() ? 0 : 1;
  return count;
}

int AgentChoiceCount(const SaveAnalysis& save, int32_t playerRow) {
  if (!save.IsQEL) return 0;  // only the QEL layout records agents
  int count = 0;
  for (const TAgentRec& agent : LeaderAt(save, playerRow).Agents) count += agent.NameIndex >= 0 ? 1 : 0;
  return count;
}

int DatasetChoiceCount(const SaveAnalysis& save) {
  // The last name ("Empty") is the table's fallback and never offered.
  return static_cast<int>(GraphNames(save.IsQEL != 0).size()) - 1;
}

}  // namespace orv5
