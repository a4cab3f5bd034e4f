// The League tab: each player's contribution to the three world-congress projects, each
// project's cost and how far it is complete. Only QEL saves record the congress.
#include "savefile/Format.h"
#include "views/Tabs.h"
#include "views/ViewCommon.h"
#include "views/ViewParts.h"

namespace orv5 {

namespace {

constexpr int LeagueColumns = 4;
constexpr int LeagueRows = 66;
constexpr int FirstPlayerRow = 3;

GridModel ClearLeagueGrid() {
  GridModel grid("LeagueProjectGrid", LeagueColumns, LeagueRows, 190);
  grid.SetWidths({170, 170, 170, 250});
  grid.Set(0, 1, "WORLD`S FAIR");
  grid.Set(0, 2, "WORLD`S GAMES");
  grid.Set(0, 3, "INTERNATIONAL SPACE STATION");
  grid.Set(1, 0, "                   COST");
  grid.Set(2, 0, "               COMPLETE");
  return grid;
}

// Project id -> (column, cost entry); ids 0 and 3 both name the space station.
bool ProjectColumn(int32_t projectId, int& column, size_t& cost) {
  switch (projectId) {
    case 1:
      column = 1, cost = 0;
      return true;
    case 2:
      column = 2, cost = 1;
      return true;
    case 0:
    case 3:
      column = 3, cost = 2;
      return true;
    default:
      return false;  // -1: the record holds no project
  }
}

void AddProjects(const SaveAnalysis& save, const std::array<int32_t, 3>& costs, GridModel& grid) {
  int row = FirstPlayerRow;
  for (size_t r = 0; r < save.Leaders.size() && r < 63; ++r) {  // 63 rows fit below the headers
    if (SlotIsPlayer(save, save.Leaders[r].Slot)) grid.Set(row++, 0, save.Leaders[r].LeaderName);
  }
  for (const LeagueProject& project : save.LeagueProjects) {
    int column = 0;
    size_t cost = 0;
    if (!ProjectColumn(project.ProjectId, column, cost)) continue;
    row = FirstPlayerRow;
    for (int32_t p = 0; p < MaxPlayers; ++p) {
      if (SlotIsPlayer(save, p))
        grid.Set(row++, column, Format("%9.2f", project.Contribution[static_cast<size_t>(p)] / 100.0));
    }
    grid.Set(2, column, LeaguePercentText(project.Total, costs[cost]));
  }
  for (size_t k = 0; k < costs.size(); ++k) grid.Set(1, static_cast<int>(k) + 1, Format("%6d", costs[k]));
}

}  // namespace

std::array<int32_t, 3> LeagueProjectCost(int32_t majorPlayers, int32_t speedPercent, int32_t eraPercent) {
  std::array<int32_t, 3> costs{};
  const int32_t bases[] = {350, 720, 850};
  for (size_t k = 0; k < costs.size(); ++k) {
    const int64_t cost = int64_t{majorPlayers} * bases[k] * speedPercent / 100 * eraPercent / 100;
    costs[k] = static_cast<int32_t>(cost);
  }
  return costs;
}

std::string LeaguePercentText(int32_t total, int32_t cost) {
  // In single precision, as this figure has always been computed; its last digit depends on it.
  const float share = cost < 1 ? 0.0F : static_cast<float>(total) / static_cast<float>(cost);
  return Format("%9.2f%%", share);
}

TabModel LeagueTabModel(const SaveAnalysis& save, const ViewSelection&) {
  TabModel tab{"LeagueTab", TabVisible(save, "LeagueTab"), {}};
  GridModel& grid = tab.Add(ClearLeagueGrid());
  if (save.IsQEL) {
    AddProjects(save, LeagueProjectCost(save.MajorPlayerCount, save.SpeedPercent, save.EraLeaguePercent), grid);
  }
  return tab;
}

}  // namespace orv5
