#include "views/ViewCommon.h"

#include <unordered_map>

#include "refdata/Lookups.h"
#include "savefile/Format.h"
#include "savefile/KeyText.h"

namespace orv5 {

namespace {

TLeaderInfoRec MakeUnusedLeader() {
  TLeaderInfoRec row;
  for (TAgentRec& agent : row.Agents) {
    agent.NameIndex = agent.Rank = agent.X = agent.Y = agent.State = agent.ReviveTurns = -1;
  }
  return row;
}

TCityRec MakeEmptyCity() {
  TCityRec city;
  for (auto& list : city.SpyLists) list.fill(-1);
  return city;
}

using NameIndex = std::unordered_map<std::string, int32_t>;

// Shortened key -> first row. Built once per table; the city view asks for up to 300 names
// per selection, and the report asks for every city of every player. A city's lists name an
// item by its key made readable ("Great Library") or by the bare key ("GREAT_LIBRARY"); both
// forms find the row.
template <typename Rows>
NameIndex MakeNameIndex(const Rows& rows, std::string_view prefix) {
  NameIndex index;
  for (size_t i = 0; i < rows.size(); ++i) {
    const std::string_view key = rows[i].Key;
    index.emplace(CutTextKey(key, prefix), static_cast<int32_t>(i));
    if (key.starts_with(prefix)) index.emplace(std::string(key.substr(prefix.size())), static_cast<int32_t>(i));
  }
  return index;
}

int32_t Lookup(const NameIndex& index, std::string_view name) {
  const auto found = index.find(std::string(name));
  return found == index.end() ? -1 : found->second;
}

size_t VariantSlot(GameVariant variant) { return static_cast<size_t>(variant); }

}  // namespace

GameVariant VariantOf(const SaveAnalysis& save) { return SelectVariant(save.IsQEL != 0, save.HasExpansion1 != 0); }

const TLeaderInfoRec& LeaderAt(const SaveAnalysis& save, int32_t row) {
  static const TLeaderInfoRec unused = MakeUnusedLeader();
  if (row < 0 || static_cast<size_t>(row) >= save.Leaders.size()) return unused;
  return save.Leaders[static_cast<size_t>(row)];
}

std::string LeaderNameAt(const SaveAnalysis& save, int32_t row) {
  if (row < 0 || static_cast<size_t>(row) >= save.Leaders.size()) return {};
  return save.Leaders[static_cast<size_t>(row)].LeaderName;
}

std::span<const TCityRec> CitiesOf(const SaveAnalysis& save, int32_t row) {
  if (row < 0 || static_cast<size_t>(row) >= save.CityTable.size()) return {};
  return save.CityTable[static_cast<size_t>(row)];
}

const TCityRec& EmptyCity() {
  static const TCityRec empty = MakeEmptyCity();
  return empty;
}

const std::array<int32_t, MaxPolicies>& PolicyFlagsOf(const SaveAnalysis& save, int32_t row) {
  static const std::array<int32_t, MaxPolicies> none{};
  if (row < 0 || static_cast<size_t>(row) >= save.PolicyFlags.size()) return none;
  return save.PolicyFlags[static_cast<size_t>(row)];
}

std::vector<int32_t> ListedPlayerRows(const SaveAnalysis& save) {
  std::vector<int32_t> rows;
  for (size_t r = 0; r < save.Leaders.size() && r < static_cast<size_t>(MaxPlayers); ++r) {
    if (!save.Leaders[r].LeaderName.empty()) rows.push_back(static_cast<int32_t>(r));
  }
  return rows;
}

ListModel PlayerSelector(const SaveAnalysis& save, std::string name, int32_t row) {
  ListModel list;
  list.Name = std::move(name);
  for (int32_t r : ListedPlayerRows(save)) list.Items.push_back(save.Leaders[static_cast<size_t>(r)].LeaderName);
  list.Selected = SelectedItem(row, list.Items.size());
  return list;
}

int32_t BuildingRowByName(GameVariant variant, std::string_view name) {
  static const NameIndex indexes[] = {
      MakeNameIndex(BuildingTable(GameVariant::Base), "BUILDING_"),
      MakeNameIndex(BuildingTable(GameVariant::Expansion1), "BUILDING_"),
      MakeNameIndex(BuildingTable(GameVariant::QEL), "BUILDING_"),
  };
  static_assert(static_cast<int>(GameVariant::Base) == 0 && static_cast<int>(GameVariant::QEL) == 2);
  return Lookup(indexes[VariantSlot(variant)], name);
}

int32_t UnitRowByName(GameVariant variant, std::string_view name) {
  static const NameIndex indexes[] = {
      MakeNameIndex(UnitTable(GameVariant::Base), "UNIT_"),
      MakeNameIndex(UnitTable(GameVariant::Expansion1), "UNIT_"),
      MakeNameIndex(UnitTable(GameVariant::QEL), "UNIT_"),
  };
  return Lookup(indexes[VariantSlot(variant)], name);
}

bool SlotIsPlayer(const SaveAnalysis& save, int32_t slot) {
  if (slot < 0 || slot >= MaxPlayers) return false;
  return IsPlayer(slot, save.SlotCiv, save.SlotStatus);
}

bool SlotIsMinor(const SaveAnalysis& save, int32_t slot) {
  if (slot < 0 || slot >= MaxPlayers) return false;
  return IsMinor(slot, save.SlotCiv);
}

int32_t SlotGridValue(const std::vector<PlayerGrid>& table, int32_t row, int32_t col) {
  if (row < 0 || static_cast<size_t>(row) >= table.size() || col < 0 || col >= MaxPlayers) return 0;
  return table[static_cast<size_t>(row)][static_cast<size_t>(col)];
}

std::string RecordText(const SaveAnalysis& save, int32_t row, RecordedValue value) {
  const auto record = LastTurnRecord(save, row, value);
  return record ? Format("recorded by the game at the end of turn %d: %d", record->Turn, record->Value) : std::string();
}

}  // namespace orv5
