// Cities as JSON: CityTable keyed by player row, each city with every TCityRec field by name:
// the single values from the city's field list, the lists here.
// The 150-entry lists and the per-player spy lists hold only the entries that say something,
// keyed by index (numbers as texts), like the other large tables of the dump.
#include <span>
#include <string>

#include "cli/AnalysisJson.h"

namespace orv5 {

namespace {

using nlohmann::json;

template <typename T>
json EntriesOtherThan(std::span<const T> values, const T& nothing) {
  json out = json::object();
  for (size_t i = 0; i < values.size(); ++i) {
    if (values[i] != nothing) out[std::to_string(i)] = values[i];
  }
  return out;
}

json Ints(std::span<const int32_t> values) { return EntriesOtherThan(values, int32_t{0}); }
json Texts(std::span<const std::string> values) { return EntriesOtherThan(values, std::string()); }

json QueueJson(const TCityRec& city) {
  json out = json::array();
  for (int32_t i = 0; i < city.QueueLength && i < MaxBuildQueue; ++i) {
    const BuildOrder& order = city.BuildQueue[static_cast<size_t>(i)];
    out.push_back({{"Type", order.Type}, {"Item", order.Item}, {"Data", order.Data}, {"Flag1", order.Flag1},
                   {"Flag2", order.Flag2}});
  }
  return out;
}

json PlotGroupsJson(const TCityRec& city) {
  json out = json::array();
  for (const PlotGroup& group : city.PlotGroups) out.push_back({{"Count", group.Count}, {"Values", group.Values}});
  return out;
}

json ReligionsJson(const TCityRec& city) {
  json out = json::array();
  for (int32_t i = 0; i < city.ReligionCount && i < MaxCityReligions; ++i) {
    const CityReligion& r = city.Religions[static_cast<size_t>(i)];
    out.push_back({{"Kind", r.Kind}, {"Religion", r.Religion}, {"Holy", r.Holy}, {"Followers", r.Followers},
                   {"Points", r.Points}, {"Percent", r.Percent}});
  }
  return out;
}

json SpyListsJson(const TCityRec& city) {
  static constexpr const char* Names[SpyListCount] = {
      "AgentIndex",   "SpyAmountProgress", "SpyRateProgress",   "SpyGoalProgress", "LastProgress",
      "LastPotential", "LastBasePotential", "SpyResult", "TimesRobbed"};
  json out = json::object();
  for (size_t k = 0; k < SpyListCount; ++k) out[Names[k]] = EntriesOtherThan<int32_t>(city.SpyLists[k], -1);
  return out;
}

void AddListsAndPeople(json& out, const TCityRec& c) {
  out["BuildingName"] = Texts(c.BuildingName);
  out["BuildingValue1"] = Ints(c.BuildingValue1);
  out["BuildingValue2"] = Ints(c.BuildingValue2);
  out["BuildingValue3"] = Ints(c.BuildingValue3);
  out["BuildingDate"] = Ints(c.BuildingDate);
  out["BuildingTurn"] = Ints(c.BuildingTurn);
  out["BuildingValue5"] = Ints(c.BuildingValue5);
  out["BuildingValue6"] = Ints(c.BuildingValue6);
  out["YieldValues"] = c.YieldValues;
  out["UnitName"] = Texts(c.UnitName);
  out["UnitValue1"] = Ints(c.UnitValue1);
  out["UnitValue2"] = Ints(c.UnitValue2);
  out["PlotGroups"] = PlotGroupsJson(c);
  out["GreatPersonProgress"] = c.GreatPersonProgress;
  out["GreatPersonRate"] = c.GreatPersonRate;
  out["GreatPersonTurns"] = c.GreatPersonTurns;
  out["SpecialistCount"] = c.SpecialistCount;
  out["BuildingGreatPersonPoints"] = c.BuildingGreatPersonPoints;
  out["Religions"] = ReligionsJson(c);
  out["SpyLists"] = SpyListsJson(c);
}

// The single values come from the city's field list; the lists are the dump's own.
json CityJson(const SaveAnalysis& save, int32_t row, const TCityRec& city) {
  json out = RecordJson(CityFields(), {save, row}, city);
  out["StatusFlags"] = city.StatusFlags;
  out["BuildQueue"] = QueueJson(city);
  AddListsAndPeople(out, city);
  return out;
}

}  // namespace

void AddCityJson(json& out, const SaveAnalysis& save) {
  json table = json::object();
  for (size_t row = 0; row < save.CityTable.size(); ++row) {
    json cities = json::array();
    for (const TCityRec& city : save.CityTable[row]) cities.push_back(CityJson(save, static_cast<int32_t>(row), city));
    table[std::to_string(row)] = std::move(cities);
  }
  out["CityTable"] = std::move(table);
  out["CityNameList"] = save.CityNameList;
  out["CityOwnerList"] = save.CityOwnerList;
  out["WonderOwner"] = save.WonderOwner;
  out["CancerPos"] = save.CancerPos;
  out["CancerCount"] = save.CancerCount;
}

}  // namespace orv5
