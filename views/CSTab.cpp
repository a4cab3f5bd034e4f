// The CS Points tab: every player's influence with every city-state, with the friend and ally
// marks. Players head the columns and city-states the rows, both in slot order.
#include "savefile/Format.h"
#include "views/Tabs.h"
#include "views/ViewCommon.h"
#include "views/ViewParts.h"

namespace orv5 {

namespace {

constexpr int CSGridSize = 65;

void AddHeaders(const SaveAnalysis& save, GridModel& grid) {
  int column = 1;
  int row = 1;
  for (size_t r = 0; r < save.Leaders.size() && r < static_cast<size_t>(MaxPlayers); ++r) {
    const TLeaderInfoRec& leader = save.Leaders[r];
    if (SlotIsPlayer(save, leader.Slot)) grid.Set(0, column++, leader.LeaderName);
  }
  for (size_t r = 0; r < save.Leaders.size() && r < static_cast<size_t>(MaxPlayers); ++r) {
    const TLeaderInfoRec& leader = save.Leaders[r];
    if (SlotIsMinor(save, leader.Slot)) grid.Set(row++, 0, leader.LeaderName);
  }
}

// Saves without the per-slot name tables show the headers only.
void AddInfluence(const SaveAnalysis& save, GridModel& grid) {
  if (!save.HasSlotNameTables) return;
  int row = 1;
  for (int32_t m = 0; m < MaxPlayers; ++m) {
    if (!SlotIsMinor(save, m)) continue;
    int column = 1;
    for (int32_t p = 0; p < MaxPlayers; ++p) {
      if (!SlotIsPlayer(save, p)) continue;
      grid.Set(row, column++,
               InfluenceText(SlotGridValue(save.MinorInfluence, m, p), SlotGridValue(save.MinorFriend, m, p),
                             SlotGridValue(save.MinorAlly, m, p)));
    }
    ++row;
  }
}

}  // namespace

std::string InfluenceText(int32_t influence, int32_t isFriend, int32_t isAlly) {
  std::string text = Format("%7.2f", influence / 100.0);
  if (isFriend != 0) text += " (Friends)";
  if (isAlly != 0) text += " (Allies)";
  return text;
}

TabModel CSTabModel(const SaveAnalysis& save, const ViewSelection&) {
  TabModel tab{"CSTab", TabVisible(save, "CSTab"), {}};
  GridModel& grid = tab.Add(GridModel("CSGrid", CSGridSize, CSGridSize, 81));
  AddHeaders(save, grid);
  AddInfluence(save, grid);
  return tab;
}

}  // namespace orv5
