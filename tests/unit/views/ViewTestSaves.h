#pragma once
// Hand-made analyses for the view tests: only the fields a view reads are filled, the way the
// parser leaves them.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "analysis/SaveAnalysis.h"
#include "savefile/Format.h"
#include "views/ViewModel.h"

namespace orv5::testing {

// `majors` nations in slots 0.. (slot 0 human, the others computer players), then `minors`
// city-states; one row each, in slot order. Standard speed, Prince, ancient start.
inline SaveAnalysis MakeAnalysis(int majors, int minors, bool qel) {
  SaveAnalysis save;
  save.IsQEL = qel ? 1 : 0;
  save.HasExpansion1 = qel ? 1 : 0;
  save.HasSlotNameTables = 1;
  save.SlotCiv.fill(-1);
  save.SlotStatus.fill(4);
  for (int s = 0; s < majors + minors; ++s) {
    const bool minor = s >= majors;
    save.SlotCiv[static_cast<size_t>(s)] = minor ? 18 : s;
    save.SlotStatus[static_cast<size_t>(s)] = s == 0 ? 3 : 1;
    TLeaderInfoRec row;
    row.LeaderName = minor ? Format("City State %d", s) : Format("Leader %d", s);
    row.CivName = minor ? "Minor" : Format("Civ %d", s);
    row.CivIndex = minor ? 18 : s;
    row.Slot = s;
    row.Status = s == 0 ? 3 : 1;
    row.IsMinorCiv = minor ? 1 : 0;
    for (TAgentRec& agent : row.Agents)
      agent.NameIndex = agent.Rank = agent.X = agent.Y = agent.State = agent.ReviveTurns = -1;
    save.Leaders.push_back(row);
  }
  save.LeaderCount = majors + minors;
  save.MajorPlayerCount = majors;
  save.CityTable.resize(static_cast<size_t>(save.LeaderCount));
  save.NotificationLogs.resize(static_cast<size_t>(save.LeaderCount));
  save.PolicyFlags.resize(static_cast<size_t>(save.LeaderCount));
  save.TurnLimit = 500;
  save.SpeedIndex = 2;
  save.WorldSizePercent = 110;
  return save;
}

// A named city of player `row`, spy lists recording nothing, as the parser starts each city.
inline TCityRec& AddCity(SaveAnalysis& save, int row, std::string name) {
  TCityRec city;
  city.Name = std::move(name);
  city.PreviousOwner = -1;
  city.OriginalOwner = row;
  for (auto& list : city.SpyLists) list.fill(-1);
  auto& cities = save.CityTable[static_cast<size_t>(row)];
  cities.push_back(std::move(city));
  save.Leaders[static_cast<size_t>(row)].CityCount = static_cast<int32_t>(cities.size());
  return cities.back();
}

// The text of an edit field, failing the test when the tab has no such field.
inline std::string EditText(const TabModel& tab, const std::string& name) {
  const EditValue* edit = tab.Find<EditValue>(name);
  EXPECT_NE(edit, nullptr) << "no field " << name << " on " << tab.Sheet;
  return edit ? edit->Text : std::string();
}

// Copies, so that a test may hold the control of a tab it does not keep.
inline GridModel GridOf(const TabModel& tab, const std::string& name) {
  const GridModel* grid = tab.Find<GridModel>(name);
  if (!grid) throw std::runtime_error("no grid " + name + " on " + tab.Sheet);
  return *grid;
}

inline ListModel ListOf(const TabModel& tab, const std::string& name) {
  const ListModel* list = tab.Find<ListModel>(name);
  if (!list) throw std::runtime_error("no list " + name + " on " + tab.Sheet);
  return *list;
}

inline RichTextModel RichTextOf(const TabModel& tab, const std::string& name) {
  const RichTextModel* text = tab.Find<RichTextModel>(name);
  if (!text) throw std::runtime_error("no rich text " + name + " on " + tab.Sheet);
  return *text;
}

inline ViewSelection PlayerSelection(int32_t player) {
  ViewSelection selection;
  selection.Player = player;
  return selection;
}

}  // namespace orv5::testing
