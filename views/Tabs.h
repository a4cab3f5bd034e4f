#pragma once
// The tab sheets of the window, in order, each with the one function that builds what it
// shows. The window and `orv5 report` both walk AllTabs(); nothing else lists the tabs.
#include <cstdint>
#include <span>
#include <string_view>

#include "analysis/SaveAnalysis.h"
#include "views/ViewModel.h"

namespace orv5 {

// The selections a tab's model depends on (bit set); the report walks each of them.
enum SelectionUse : unsigned {
  UsesNothing = 0,
  UsesPlayer = 1u << 0,
  UsesCity = 1u << 1,
  UsesAgent = 1u << 2,
  UsesDataset = 1u << 3,
  UsesLanguage = 1u << 4,
};

using TabBuilder = TabModel (*)(const SaveAnalysis& save, const ViewSelection& selection);

struct TabInfo {
  std::string_view Sheet;    // object name of the sheet: `BaseTab`
  std::string_view Caption;  // "Base"
  unsigned Uses;             // SelectionUse bits
  TabBuilder Build;
};

// The fourteen sheets of `PageControls`, in the window's order (`TestTab` included, never shown).
std::span<const TabInfo> AllTabs();
const TabInfo* FindTab(std::string_view sheet);

// Whether a sheet is shown for this save: a game that is not single-player shows only the
// Base and Reloads sheets; `TestTab` is never shown.
bool TabVisible(const SaveAnalysis& save, std::string_view sheet);

// Items of the selectors, for walking every selection.
int PlayerChoiceCount(const SaveAnalysis& save);
int CityChoiceCount(const SaveAnalysis& save, int32_t playerRow);
int AgentChoiceCount(const SaveAnalysis& save, int32_t playerRow);
int DatasetChoiceCount(const SaveAnalysis& save);

// The builders, one per sheet (`Print5Data` and the views it starts).
TabModel BaseTabModel(const SaveAnalysis& save, const ViewSelection& selection);
TabModel LeadersTabModel(const SaveAnalysis& save, const ViewSelection& selection);
TabModel ReplayTabModel(const SaveAnalysis& save, const ViewSelection& selection);
TabModel PlayerLogTabModel(const SaveAnalysis& save, const ViewSelection& selection);
TabModel ReloadsTabModel(const SaveAnalysis& save, const ViewSelection& selection);
TabModel GraphTabModel(const SaveAnalysis& save, const ViewSelection& selection);
TabModel CityTabModel(const SaveAnalysis& save, const ViewSelection& selection);
TabModel PolicyTabModel(const SaveAnalysis& save, const ViewSelection& selection);
TabModel PlayerTabModel(const SaveAnalysis& save, const ViewSelection& selection);
TabModel StatsTabModel(const SaveAnalysis& save, const ViewSelection& selection);
TabModel CSTabModel(const SaveAnalysis& save, const ViewSelection& selection);
TabModel TestTabModel(const SaveAnalysis& save, const ViewSelection& selection);
TabModel LeagueTabModel(const SaveAnalysis& save, const ViewSelection& selection);
TabModel EspiTabModel(const SaveAnalysis& save, const ViewSelection& selection);

}  // namespace orv5
