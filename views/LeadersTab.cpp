// The Leaders tab: one grid row per player row, after `ClearLeadersGrid` has reset all 64.
#include "savefile/Format.h"
#include "views/Tabs.h"
#include "views/ViewCommon.h"

namespace orv5 {

namespace {

constexpr int LeadersColumns = 11;
constexpr int LeadersRows = 65;

GridModel ClearLeadersGrid() {
  GridModel grid("LeadersGrid", LeadersColumns, LeadersRows, 50);
  grid.SetWidths({20, 115, 115, 70, 70, 110, 125});
  const char* headers[] = {"№", "Civilization", "Leader", "Trait", "Alive", "Cities (Nat/Occ/Pup)"};
  for (int col = 0; col < 6; ++col) grid.Set(0, col, headers[col]);
  for (int row = 1; row < LeadersRows; ++row) {
    grid.Set(row, 0, Format("%2d", row));
    for (int col = 1; col < LeadersColumns; ++col) grid.Set(row, col, " ");
  }
  return grid;
}

}  // namespace

TabModel LeadersTabModel(const SaveAnalysis& save, const ViewSelection&) {
  TabModel tab{"LeadersTab", TabVisible(save, "LeadersTab"), {}};
  GridModel& grid = tab.Add(ClearLeadersGrid());
  for (int32_t r = 0; r < save.LeaderCount && r + 1 < LeadersRows; ++r) {
    const TLeaderInfoRec& leader = LeaderAt(save, r);
    grid.Set(r + 1, 1, leader.CivName);
    grid.Set(r + 1, 2, leader.LeaderName);
    grid.Set(r + 1, 3, leader.Trait);
    if (leader.Status == 2) grid.Set(r + 1, 4, "Dead");
    grid.Set(
        r + 1, 5,
        Format("%3d (%d/%d/%d)", leader.CityCount, leader.NeverLostCount, leader.OccupiedCount, leader.PuppetCount));
  }
  return tab;
}

}  // namespace orv5
