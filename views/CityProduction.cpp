// What a city builds: its build queue, its buildings in the order they were built, and the items
// it has stored production for, each with its cost for the city's owner.
#include <algorithm>
#include <cstdint>
#include <numeric>
#include <utility>

#include "refdata/Lookups.h"
#include "refdata/RefTables.h"
#include "savefile/Format.h"
#include "savefile/KeyText.h"
#include "views/ViewCommon.h"
#include "views/ViewParts.h"

namespace orv5 {

namespace {

constexpr int ProductionGridRows = 15;
constexpr int32_t NoBuildingDate = -9999;

// A QEL queue names items by hash; the hex text stands in for a hash the tables do not know.
std::string QueueTextQEL(const BuildOrder& order) {
  switch (order.Type) {
    case 0: {
      const int32_t row = FindUIndex32(order.Item);
      return row >= 0 ? CutTextKey(UnitTableQEL()[static_cast<size_t>(row)].Key, "UNIT_")
                      : Format("Unit(%08x)", order.Item);
    }
    case 1: {
      const int32_t row = FindBIndex32(order.Item);
      return row >= 0 ? CutTextKey(BuildingTableQEL()[static_cast<size_t>(row)].Key, "BUILDING_")
                      : Format("Building(%08x)", order.Item);
    }
    case 2: {
      const int32_t row = FindPIndex(order.Item);
      return row >= 0 ? std::string(ProjectTable()[static_cast<size_t>(row)].Name)
                      : Format("Project(%08x)", order.Item);
    }
    case 3:
      return Format("Spec(%08x)", order.Item);
    case 4: {
      const int32_t row = FindCIndex(order.Item);
      return row >= 0 ? std::string(CommerceTable()[static_cast<size_t>(row)].Name)
                      : Format("Commerce(%08x)", order.Item);
    }
    default:
      return {};
  }
}

template <typename Container>
std::string TextAt(const Container& texts, int32_t index) {
  if (index < 0 || static_cast<size_t>(index) >= texts.size()) return {};
  return std::string(texts[static_cast<size_t>(index)]);
}

template <typename Rows>
std::string NameAt(const Rows& rows, int32_t index) {
  if (index < 0 || static_cast<size_t>(index) >= rows.size()) return {};
  return std::string(rows[static_cast<size_t>(index)].Name);
}

// Older queues index the city's own lists and the project and commerce tables.
std::string QueueTextOlder(const BuildOrder& order, const TCityRec& city) {
  switch (order.Type) {
    case 0:
      return TextAt(city.UnitName, order.Item);
    case 1:
      return TextAt(city.BuildingName, order.Item);
    case 2:
      return NameAt(ProjectTable(), order.Item);
    case 4:
      return NameAt(CommerceTable(), order.Item);
    default:
      return {};
  }
}

struct CostRules {
  int32_t AiPercent;     // the difficulty's production percentage, for computer players
  int32_t MinorPercent;  // city-states pay half again
  int32_t Speed;
  int32_t Era;
};

std::array<std::string, 4> ProductionRow(int row, const std::string& name, int32_t stored, int32_t cost,
                                         std::string delay) {
  const double hammers = stored / 100.0;
  return {Format("%2d", row), name, cost <= 0 ? Format("%8.2f", hammers) : Format("%8.2f/%d", hammers, cost),
          std::move(delay)};
}

void AddBuildingRows(GameVariant variant, const TLeaderInfoRec& owner, const TCityRec& city, const CostRules& rules,
                     std::vector<std::array<std::string, 4>>& rows) {
  const BuildingRows table = BuildingTable(variant);
  for (size_t k = 0; k < MaxCityLists; ++k) {
    if (city.BuildingValue1[k] <= 0 || city.BuildingValue5[k] != 0 || city.BuildingValue6[k] != 0) continue;
    if (rows.size() >= ProductionGridRows) return;
    const int32_t found = BuildingRowByName(variant, city.BuildingName[k]);
    int32_t cost = 0;
    if (found >= 0) {
      const TBuildingInfoRec& row = table[static_cast<size_t>(found)];
      const int32_t base = row.Cost + (row.Kind == 2 ? 30 * owner.CityCount : 0);  // national wonders
      const bool aiPays = owner.Status == 1 && row.Kind < 3;
      cost = ProductionCost(base, aiPays ? rules.AiPercent : 100, rules.MinorPercent, rules.Speed, rules.Era);
    }
    rows.push_back(ProductionRow(static_cast<int>(rows.size()) + 1, city.BuildingName[k], city.BuildingValue1[k], cost,
                                 Format("%5d", city.BuildingValue2[k])));
  }
}

void AddUnitRows(GameVariant variant, const TLeaderInfoRec& owner, const TCityRec& city, const CostRules& rules,
                 std::vector<std::array<std::string, 4>>& rows) {
  const UnitRows table = UnitTable(variant);
  for (size_t k = 0; k < MaxCityLists; ++k) {
    if (city.UnitValue1[k] <= 0) continue;
    if (rows.size() >= ProductionGridRows) return;
    const int32_t found = UnitRowByName(variant, city.UnitName[k]);
    const int32_t base = found >= 0 ? table[static_cast<size_t>(found)].Cost : 0;
    const int32_t cost =
        ProductionCost(base, owner.Status == 1 ? rules.AiPercent : 100, rules.MinorPercent, rules.Speed, rules.Era);
    rows.push_back(ProductionRow(static_cast<int>(rows.size()) + 1, city.UnitName[k], city.UnitValue1[k], cost,
                                 Format("%5d", city.UnitValue2[k])));
  }
}

void AddProjectRows(const TCityRec& city, const CostRules& rules, std::vector<std::array<std::string, 4>>& rows) {
  const auto projects = ProjectTable();
  for (size_t j = 0; j < projects.size() && j < city.YieldValues.size(); ++j) {
    if (city.YieldValues[j] <= 0) continue;
    if (rows.size() >= ProductionGridRows) return;
    const int32_t cost = ProductionCost(projects[j].Cost, 100, 100, rules.Speed, rules.Era);
    rows.push_back(
        ProductionRow(static_cast<int>(rows.size()) + 1, std::string(projects[j].Name), city.YieldValues[j], cost, {}));
  }
}

}  // namespace

int32_t ProductionCost(int32_t baseCost, int32_t aiPercent, int32_t minorPercent, int32_t speedPercent,
                       int32_t eraPercent) {
  int64_t cost = baseCost;
  for (int32_t percent : {aiPercent, minorPercent, speedPercent, eraPercent}) cost = cost * percent / 100;
  return static_cast<int32_t>(std::clamp<int64_t>(cost, INT32_MIN, INT32_MAX));
}

std::vector<std::array<std::string, 4>> ProductionRows(const SaveAnalysis& save, const TLeaderInfoRec& owner,
                                                       const TCityRec& city) {
  const CostRules rules{save.DifficultyPercent4, owner.IsMinorCiv != 0 ? 150 : 100, save.SpeedPercent,
                        save.EraLeaguePercent};
  const GameVariant variant = VariantOf(save);
  std::vector<std::array<std::string, 4>> rows;
  AddBuildingRows(variant, owner, city, rules, rows);
  AddUnitRows(variant, owner, city, rules, rows);
  AddProjectRows(city, rules, rows);
  return rows;
}

bool HasBuildingDate(const TCityRec& city, size_t k) { return k < MaxCityLists && city.BuildingDate[k] > NoBuildingDate; }

std::vector<size_t> StandingBuildings(const TCityRec& city) {
  std::vector<size_t> order(MaxCityLists);
  std::iota(order.begin(), order.end(), size_t{0});
  std::stable_sort(order.begin(), order.end(),
                   [&city](size_t a, size_t b) { return city.BuildingDate[a] < city.BuildingDate[b]; });
  std::erase_if(order, [&city](size_t k) { return city.BuildingValue5[k] <= 0; });
  return order;
}

std::vector<RichTextLine> BuildingsListLines(const TCityRec& city) {
  std::vector<RichTextLine> lines;
  for (size_t k : StandingBuildings(city)) {
    std::string line = Format("%-24s", city.BuildingName[k]);
    if (HasBuildingDate(city, k)) line += Format(" %5d %5d", city.BuildingDate[k], city.BuildingTurn[k]);
    lines.push_back({Black, std::move(line)});
  }
  for (size_t k = 0; k < MaxCityLists; ++k) {
    if (city.BuildingValue6[k] > 0) lines.push_back({Blue, city.BuildingName[k]});
  }
  return lines;
}

std::vector<std::string> BuildQueueTexts(bool isQEL, const TCityRec& city) {
  std::vector<std::string> texts;
  const int32_t length = std::clamp(city.QueueLength, 0, MaxBuildQueue);
  for (int32_t i = 0; i < length; ++i) {
    const BuildOrder& order = city.BuildQueue[static_cast<size_t>(i)];
    texts.push_back(isQEL ? QueueTextQEL(order) : QueueTextOlder(order, city));
  }
  return texts;
}

std::vector<std::string_view> CityStatusWords(const TCityRec& city) {
  static constexpr std::pair<size_t, std::string_view> kFlags[] = {
      {0, "Never Lost"}, {3, "Puppet"}, {5, "Occupied"}, {7, "Ever Capital"}, {8, "Railroad"}};
  std::vector<std::string_view> words;
  for (const auto& [flag, word] : kFlags) {
    if (city.StatusFlags[flag] != 0) words.push_back(word);
  }
  return words;
}

}  // namespace orv5
