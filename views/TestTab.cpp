// The hidden test sheet: the players that Make Single may keep as the one human player.
#include "views/Tabs.h"
#include "views/ViewCommon.h"

namespace orv5 {

TabModel TestTabModel(const SaveAnalysis& save, const ViewSelection&) {
  TabModel tab{"TestTab", TabVisible(save, "TestTab"), {}};
  ListModel& active = tab.Add(ListModel{"ActiveBox", {}, -1, 0, {}, {}});
  for (size_t r = 0; r < save.Leaders.size() && r < static_cast<size_t>(MaxPlayers); ++r) {
    const TLeaderInfoRec& leader = save.Leaders[r];
    if (!leader.LeaderName.empty() && leader.IsMinorCiv == 0 && leader.Slot < 63)
      active.Items.push_back(leader.LeaderName);
  }
  // The active player's number selects the item, as Make Single's choice starts from it.
  active.Selected = SelectedItem(save.ActivePlayer, active.Items.size());
  return tab;
}

}  // namespace orv5
