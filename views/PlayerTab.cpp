// The Player tab (`PlayerTechChoose`): every technology of the game version with its era, its
// cost for this player and how far it is researched, and the player's economy figures.
#include <algorithm>
#include <cstdint>

#include "refdata/RefTables.h"
#include "savefile/Format.h"
#include "savefile/KeyText.h"
#include "views/Tabs.h"
#include "views/ViewCommon.h"
#include "views/ViewParts.h"

namespace orv5 {

namespace {

constexpr int TechGridRows = 82;

std::string KnownText(const TLeaderInfoRec& player, size_t i) {
  if (player.TechKnown[i] != 0) return "Yes";
  if (player.TechProgress[i] != 0) return Format("%8.2f", player.TechProgress[i] / 100.0);
  return "No";
}

// Rows beyond the version's table are emptied, so no text of a larger table stays behind.
GridModel TechGrid(const SaveAnalysis& save, const TLeaderInfoRec& player) {
  GridModel grid("TechGrid", 5, TechGridRows, 64);
  grid.SetWidths({20, 200, 70, 50, 50});
  const char* headers[] = {"№", "Tech", "Era", "Cost", "Known"};
  for (int col = 0; col < 5; ++col) grid.Set(0, col, headers[col]);
  for (int row = 1; row < TechGridRows; ++row) grid.Set(row, 0, Format("%2d", row));
  const auto techs = TechTable(VariantOf(save));
  for (size_t i = 0; i < techs.size() && i < MaxTechs; ++i) {
    const int row = static_cast<int>(i) + 1;
    grid.Set(row, 1, CutTextKey(techs[i].Key, "TECH_"));
    grid.Set(row, 2, TechEraText(save, techs[i]));
    grid.Set(row, 3, Format("%7d", TechCost(save, player, techs[i].Cost)));
    grid.Set(row, 4, KnownText(player, i));
  }
  return grid;
}

void AddResearch(const SaveAnalysis& save, const TLeaderInfoRec& player, TabModel& tab) {
  const int32_t r = ResearchRow(save, player);
  tab.AddEdit("ResearchE", ResearchText(save, player));
  if (r == 0) {
    tab.AddEdit("AccScienceE", {});
    return;
  }
  const TTechInfoRec& tech = TechTable(VariantOf(save))[static_cast<size_t>(r)];
  tab.AddEdit("AccScienceE", Format("%16.2f/%d", player.TechProgress[static_cast<size_t>(r)] / 100.0,
                                    TechCost(save, player, tech.Cost)));
}

// The fields whose value the game records every turn show that record in their tooltip; in QEL
// saves the happiness field stays empty, and the record is the only figure it offers.
void AddEconomy(const SaveAnalysis& save, int32_t p, const TLeaderInfoRec& player, TabModel& tab) {
  tab.AddEdit("OverflowResearchE", Format("%9.2f", player.ResearchOverflow / 100.0));
  tab.AddEdit("GATurnsE", Format("%4d", player.GoldenAgeTurns)).Record = RecordText(save, p, RecordedValue::GoldenAgeTurns);
  tab.AddEdit("GGPointsE", Format("%6d/%d", player.GGPoints, player.GreatGeneralThreshold));
  tab.AddEdit("GAPointsE", Format("%6d/%d", player.GAPoints, player.GreatAdmiralThreshold));
  tab.AddEdit("TGGPointsE", Format("%6d", player.TGGPoints));
  tab.AddEdit("AccHappinessE", Format("%6d/%d", player.AccHappiness, player.AccHappinessNeeded));
  tab.AddEdit("HappinessE", save.IsQEL ? std::string() : Format("%4d", player.Happiness)).Record =
      RecordText(save, p, RecordedValue::Happiness);
  tab.AddEdit("AccFaithE", Format("%6d/xxx", player.AccFaith));
  tab.AddEdit("TotalFaithE", Format("%7d", player.TotalFaith));
  tab.AddEdit("FaithPerTurnE", Format("%7d", player.FaithPerTurn),
              Format("%d,%d", player.CityFaithSum, player.CSFaith));
  tab.AddEdit("AccGoldE", Format("%11.2f", player.Gold / 100.0)).Record = RecordText(save, p, RecordedValue::TotalGold);
  tab.AddEdit("DiploGoldE", Format("%7d", player.DiploGold));
  const std::pair<const char*, int32_t> faiths[] = {{"GWrFaithE", player.GWrFaith}, {"GArFaithE", player.GArFaith},
                                                    {"GMuFaithE", player.GMuFaith}, {"GGFaithE", player.GGFaith},
                                                    {"GSFaithE", player.GSFaith},   {"GMFaithE", player.GMFaith},
                                                    {"GEFaithE", player.GEFaith},   {"GAFaithE", player.GAFaith}};
  for (const auto& [name, value] : faiths) tab.AddEdit(name, Format("%4d", value));
}

}  // namespace

int32_t TechCost(const SaveAnalysis& save, const TLeaderInfoRec& player, int32_t baseCost) {
  int64_t c = int64_t{baseCost} * save.WorldSizePercent / 100;
  c = c * save.SpeedPercent / 100;
  if (player.Status != 1) {  // computer players pay no difficulty or starting-era share
    c = c * save.DifficultyPercent1 / 100;
    c = c * save.EraResearchPercent / 100;
  }
  if (save.IsQEL) {  // the cost grows with the player's cities, rounded up
    const int64_t t = (int64_t{player.CityCount} * save.WorldSizeFactor + 100) * c;
    c = t / 100 + (t % 100 != 0 ? 1 : 0);
  }
  return static_cast<int32_t>(std::clamp<int64_t>(c, INT32_MIN, INT32_MAX));
}

std::string TechEraText(const SaveAnalysis& save, const TTechInfoRec& tech) {
  const auto eras = TechEraTable(VariantOf(save));
  if (tech.Era < 0 || static_cast<size_t>(tech.Era) >= eras.size()) return {};
  return CutTextKey(eras[static_cast<size_t>(tech.Era)].Key, "ERA_");
}

int32_t ResearchRow(const SaveAnalysis& save, const TLeaderInfoRec& player) {
  const auto techs = TechTable(VariantOf(save));
  const int32_t rows = static_cast<int32_t>(std::min(techs.size(), static_cast<size_t>(MaxTechs)));
  return player.CurrentResearch >= 0 && player.CurrentResearch < rows ? player.CurrentResearch : 0;
}

std::string ResearchText(const SaveAnalysis& save, const TLeaderInfoRec& player) {
  const int32_t r = ResearchRow(save, player);
  if (r == 0) return "Unknown";
  return CutTextKey(TechTable(VariantOf(save))[static_cast<size_t>(r)].Key, "TECH_");
}

TabModel PlayerTabModel(const SaveAnalysis& save, const ViewSelection& selection) {
  const int32_t p = SelectedRow(selection.Player);
  const TLeaderInfoRec& player = LeaderAt(save, p);
  TabModel tab{"PlayerTab", TabVisible(save, "PlayerTab"), {}};
  tab.Add(PlayerSelector(save, "PlayerTechSelect", p));
  tab.Add(TechGrid(save, player));
  AddResearch(save, player, tab);
  AddEconomy(save, p, player, tab);
  return tab;
}

}  // namespace orv5
