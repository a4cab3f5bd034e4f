// The Base tab: the game's settings, turn, dates, score, play time and status.
#include <string>

#include "refdata/Lookups.h"
#include "refdata/TextArrays.h"
#include "savefile/Calendar.h"
#include "savefile/Format.h"
#include "views/Tabs.h"
#include "views/ViewCommon.h"
#include "views/ViewParts.h"

namespace orv5 {

namespace {

void AddSettings(const SaveAnalysis& save, TabModel& tab) {
  tab.AddEdit("GameVersionE", save.GameVersionText);
  tab.AddEdit("SaveIndexE", Format("%5d", save.SaveVersion));
  tab.AddEdit("CivNameE", save.CivNameText);
  tab.AddEdit("LevelE", save.LevelText);
  tab.AddEdit("StartingEraE", save.StartingEraText);
  tab.AddEdit("CurrentEraE", save.CurrentEraText);
  tab.AddEdit("Game5SpeedE", save.GameSpeedText);
  tab.AddEdit("World5SizeE", save.WorldSizeText);
  tab.AddEdit("Map5ScriptE", save.MapScriptText);
}

void AddTurnsAndScore(const SaveAnalysis& save, TabModel& tab) {
  tab.AddEdit("Edit3", Format("%4d/%3d", save.CurrentTurn, save.TurnLimit));
  tab.AddEdit("Edit4", BaseDateText(save.CurrentYear, save.CurrentDateText));
  std::string month;
  const int32_t startYear = Turn2Date(save.SpeedIndex, save.StartTurn, month);
  tab.AddEdit("StartTurnE", Format("%4d", save.StartTurn));
  tab.AddEdit("StartDateE", BaseDateText(startYear, month));
  tab.AddEdit("Edit6", Format("%6d", save.GameScore));
  tab.AddEdit("Edit13", Format("%8d", FinalScore(save.GameScore, save.CurrentTurn, save.TurnLimit)));
}

// The listed entries whose flag is set, in order.
ListModel FlaggedList(std::string name, const std::vector<std::string>& names, const std::vector<int32_t>& flags) {
  ListModel list;
  list.Name = std::move(name);
  for (size_t i = 0; i < names.size() && i < flags.size(); ++i) {
    if (flags[i] != 0) list.Items.push_back(names[i]);
  }
  return list;
}

void AddGameState(const SaveAnalysis& save, TabModel& tab) {
  tab.AddEdit("Edit8", std::string(TextOrFallback(GameTypes(), save.GameType)));
  const bool hasActiveRow = save.ActivePlayer >= 0 && save.ActivePlayer < save.LeaderCount;
  tab.AddEdit("Edit14", hasActiveRow ? LeaderAt(save, save.ActivePlayer).CivName : std::string());
  tab.AddEdit("Edit5", PlayTimeText(save.PlayTime));
  tab.AddEdit("Edit7", GameStatusText(save.GameOver, save.VictoryType));
  tab.AddEdit("UserNameE", save.UserName);
  tab.Add(FlaggedList("GameOptionBox", save.GameOptionNames, save.GameOptionValues));
  for (size_t i = 0; i < save.VictoryAllowed.size(); ++i) {
    tab.Add(CheckBoxModel{Format("CheckBox%d", i + 1), save.VictoryAllowed[i] != 0});
  }
  tab.Add(FlaggedList("DLCBox", save.DlcNames, save.DlcPresent));
}

}  // namespace

std::string PlayTimeText(int32_t tenths) {
  const int32_t minutes = tenths / 600;
  return Format("%6d:%02.2d:%02.2d,%1d", minutes / 60, minutes % 60, tenths / 10 % 60, tenths % 10);
}

std::string GameStatusText(int32_t gameOver, int32_t victoryType) {
  if (gameOver == 0) return "Incomplete";
  switch (victoryType) {
    case -1:
      return "Loss";
    case 0:
      return "Time";
    case 1:
      return "Science";
    case 2:
      return "Domination";
    case 3:
      return "Culture";
    case 4:
      return "Diplomatic";
    default:
      return "Unknown";
  }
}

TabModel BaseTabModel(const SaveAnalysis& save, const ViewSelection&) {
  TabModel tab{"BaseTab", TabVisible(save, "BaseTab"), {}};
  AddSettings(save, tab);
  AddTurnsAndScore(save, tab);
  AddGameState(save, tab);
  return tab;
}

}  // namespace orv5
