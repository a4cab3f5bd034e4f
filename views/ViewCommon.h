#pragma once
// Helpers every view shares: safe access to the parsed tables by a selected row, the player
// selectors, and name lookups in the reference tables of the save's game version.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "analysis/GameRecords.h"
#include "analysis/SaveAnalysis.h"
#include "refdata/RefTables.h"
#include "views/ViewModel.h"

namespace orv5 {

// The row a selector's item index stands for: no selection shows row 0.
inline int32_t SelectedRow(int32_t item) { return item < 0 ? 0 : item; }

GameVariant VariantOf(const SaveAnalysis& save);

// The player row, or an unused row (no name, no cities, agent slots reset) when the save has
// no such row: a selection never reads outside the tables.
const TLeaderInfoRec& LeaderAt(const SaveAnalysis& save, int32_t row);

// The leader name of a row, or an empty text when the row does not exist.
std::string LeaderNameAt(const SaveAnalysis& save, int32_t row);

// The cities of a player row (empty when the row has none).
std::span<const TCityRec> CitiesOf(const SaveAnalysis& save, int32_t row);

// A city record as it reads before anything was parsed into it; spy lists record nothing.
const TCityRec& EmptyCity();

// The policy flags of a player row, or none adopted.
const std::array<int32_t, MaxPolicies>& PolicyFlagsOf(const SaveAnalysis& save, int32_t row);

// The rows a player selector lists: every filled row of the player table, in row order.
std::vector<int32_t> ListedPlayerRows(const SaveAnalysis& save);

// A player selector (`PlayerCitySelect`, ...): one item per filled row of the player table,
// in row order, with `row` selected when it exists.
ListModel PlayerSelector(const SaveAnalysis& save, std::string name, int32_t row);

// The row of the game version's building / unit table whose key, shortened by `CutTextKey`
// ("Great Library") or only without its prefix ("GREAT_LIBRARY"), equals `name` exactly; -1
// when none does. The first matching row wins.
int32_t BuildingRowByName(GameVariant variant, std::string_view name);
int32_t UnitRowByName(GameVariant variant, std::string_view name);

// "recorded by the game at the end of turn N: V" for the game's record of the value of player row
// `row` at the end of the last completed turn; empty when the save holds none.
std::string RecordText(const SaveAnalysis& save, int32_t row, RecordedValue value);

// Slot tests over the save's slot lists.
bool SlotIsPlayer(const SaveAnalysis& save, int32_t slot);
bool SlotIsMinor(const SaveAnalysis& save, int32_t slot);

// Element [row][col] of one of the [city-state slot][player slot] tables; 0 outside.
int32_t SlotGridValue(const std::vector<PlayerGrid>& table, int32_t row, int32_t col);

// An empty selector of the toolkit shows no selection; one with items shows `item`.
inline int SelectedItem(int32_t item, size_t itemCount) {
  return item >= 0 && static_cast<size_t>(item) < itemCount ? item : -1;
}

}  // namespace orv5
