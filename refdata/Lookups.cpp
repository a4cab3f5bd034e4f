#include "refdata/Lookups.h"

#include <algorithm>
#include <vector>

#include "refdata/RefTables.h"
#include "refdata/TextArrays.h"
#include "savefile/KeyText.h"

namespace orv5 {

namespace {

// Built-in names cover leaders below 19 and nations below 20; higher numbers came with packages
// and are named by the save itself.
constexpr int32_t BuiltInLeaders = 19;
constexpr int32_t BuiltInCivs = 20;

template <typename Rec>
int32_t FindStoredHash(std::span<const Rec> rows, int32_t hash) {
  // 0 marks a row without a stored hash, never a real one.
  if (hash == 0) return -1;
  for (size_t i = 0; i < rows.size(); ++i) {
    if (rows[i].Hash == hash) return static_cast<int32_t>(i);
  }
  return -1;
}

// The hashes of a table's texts in ascending order, each with the first row that has it. A city
// looks up a few hundred hashes, so they are found by halving rather than row by row.
using HashIndex = std::vector<std::pair<int32_t, int32_t>>;

int32_t FindHash(const HashIndex& index, int32_t hash) {
  const auto it = std::lower_bound(index.begin(), index.end(), hash,
                                   [](const std::pair<int32_t, int32_t>& entry, int32_t h) { return entry.first < h; });
  return it != index.end() && it->first == hash ? it->second : -1;
}

// The tables never change, so each text is hashed once; the first match stays the first match.
template <typename Rec, typename TextOf>
HashIndex HashTexts(std::span<const Rec> rows, TextOf textOf) {
  HashIndex index;
  index.reserve(rows.size());
  for (size_t i = 0; i < rows.size(); ++i) index.emplace_back(Crc32String(textOf(rows[i])), static_cast<int32_t>(i));
  std::sort(index.begin(), index.end());
  index.erase(std::unique(index.begin(), index.end(), [](const auto& a, const auto& b) { return a.first == b.first; }),
              index.end());
  return index;
}

// Entry n of the names the save added for numbers from `first` on; empty when it has none.
std::string_view ExtraName(std::span<const std::string> extra, int32_t n, int32_t first) {
  if (n < first || n >= MaxSlots) return {};
  const auto k = static_cast<size_t>(n - first);
  return k < extra.size() ? std::string_view(extra[k]) : std::string_view();
}

std::string NameOrFallback(std::span<const std::string_view> builtIn, int32_t builtInCount,
                           std::span<const std::string> extra, int32_t n) {
  const std::string_view name = (n >= 0 && n < builtInCount) ? builtIn[static_cast<size_t>(n)]
                                                              : ExtraName(extra, n, builtInCount);
  return std::string(name.empty() ? builtIn.back() : name);
}

bool ValidSlot(int slot, size_t tableSize) {
  return slot >= 0 && slot < MaxSlots && static_cast<size_t>(slot) < tableSize;
}

}  // namespace

int32_t FindBIndex(int32_t hash) { return FindStoredHash(BuildingTableQEL(), hash); }
int32_t FindUIndex(int32_t hash) { return FindStoredHash(UnitTableQEL(), hash); }
int32_t FindPIndex(int32_t hash) { return FindStoredHash(ProjectTable(), hash); }
int32_t FindCIndex(int32_t hash) { return FindStoredHash(CommerceTable(), hash); }

int32_t FindBIndex32(int32_t hash) {
  static const HashIndex hashes =
      HashTexts(BuildingTableQEL(), [](const TBuildingInfoRecQEL& row) { return row.Key; });
  return FindHash(hashes, hash);
}

int32_t FindUIndex32(int32_t hash) {
  static const HashIndex hashes =
      HashTexts(UnitTableQEL(), [](const TUnitInfoRecQEL& row) { return row.Key; });
  return FindHash(hashes, hash);
}

int32_t FindPIndex32(int32_t hash) {
  static const HashIndex hashes =
      HashTexts(ProjectTable(), [](const TProjectInfoRec& row) { return row.Name; });
  return FindHash(hashes, hash);
}

int32_t FindCIndex32(int32_t hash) {
  static const HashIndex hashes =
      HashTexts(CommerceTable(), [](const TCommerceInfoRec& row) { return row.Name; });
  return FindHash(hashes, hash);
}

std::string GetLeaderName(int32_t n, std::span<const std::string> extraLeaderNames) {
  return NameOrFallback(LeaderNames(), BuiltInLeaders, extraLeaderNames, n);
}

std::string GetCivName(int32_t n, std::span<const std::string> extraCivNames) {
  return NameOrFallback(CivNames(), BuiltInCivs, extraCivNames, n);
}

bool IsPlayer(int slot, std::span<const int32_t> slotCiv, std::span<const int32_t> slotStatus) {
  if (!ValidSlot(slot, slotCiv.size()) || !ValidSlot(slot, slotStatus.size())) return false;
  const int32_t civ = slotCiv[static_cast<size_t>(slot)];
  if (civ < 0 || civ >= MaxSlots || civ == MinorCiv || civ == BarbarianCiv) return false;
  return slotStatus[static_cast<size_t>(slot)] != SlotStatusUnused;
}

bool IsMinor(int slot, std::span<const int32_t> slotCiv) {
  return ValidSlot(slot, slotCiv.size()) && slotCiv[static_cast<size_t>(slot)] == MinorCiv;
}

int32_t Slot2Index(int32_t slotId, std::span<const int32_t> leaderSlots) {
  if (slotId < 0 || slotId >= MaxSlots) return -1;
  const size_t rows = std::min<size_t>(leaderSlots.size(), MaxSlots);
  for (size_t i = 0; i < rows; ++i) {
    if (leaderSlots[i] == slotId) return static_cast<int32_t>(i);
  }
  return -1;
}

std::string GetSpyName(std::string_view civName, int32_t n) {
  std::string name = std::to_string(n);
  if (n < 0 || n >= SpyNamesPerCiv) return name;
  // The shortened keys are unique, so at most one row matches.
  for (const TSpyNamesRec& row : SpyNameTable()) {
    if (CutTextKey(row.Civ, "CIVILIZATION_") == civName) name = row.Names[static_cast<size_t>(n)];
  }
  return name;
}

int32_t FinalScore(int32_t score, int32_t turn, int32_t maxTurns) {
  // 64-bit so that no save value can overflow the products.
  const int64_t elapsed = maxTurns > 0 ? int64_t{turn} * 100 / maxTurns : 0;
  if (elapsed <= 0) return 0;
  const int64_t projected = int64_t{score} * 100 / elapsed;
  return static_cast<int32_t>(std::clamp<int64_t>(projected, INT32_MIN, INT32_MAX));
}

}  // namespace orv5
