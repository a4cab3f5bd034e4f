// Cities as JSON: CityTable keyed by player row, each city with every TCityRec field by name.
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

void AddIdentityAndYields(json& out, const TCityRec& c) {
  out["Name"] = c.Name;
  out["X"] = c.X;
  out["Y"] = c.Y;
  out["StatusFlags"] = c.StatusFlags;
  out["OwnerIndex"] = c.OwnerIndex;
  out["PreviousOwner"] = c.PreviousOwner;
  out["OriginalOwner"] = c.OriginalOwner;
  out["OwnerValue"] = c.OwnerValue;
  out["FoodStored"] = c.FoodStored;
  out["FoodValue2"] = c.FoodValue2;
  out["FoodNeeded"] = c.FoodNeeded;
  out["ProductionOverflow"] = c.ProductionOverflow;
  out["Strength"] = c.Strength;
  out["StrengthA"] = c.StrengthA;
  out["StrengthB"] = c.StrengthB;
  out["StrengthC"] = c.StrengthC;
  out["WltkdTurns"] = c.WltkdTurns;
  out["Disorder"] = c.Disorder;
  out["CultureStored"] = c.CultureStored;
  out["CultureStep"] = c.CultureStep;
  out["CultureNeeded"] = c.CultureNeeded;
  out["Founded"] = c.Founded;
  out["CapturedTurn"] = c.CapturedTurn;
  out["Population"] = c.Population;
  out["MaxPopulation"] = c.MaxPopulation;
  out["CurrentOrderType"] = c.CurrentOrderType;
  out["CurrentOrderItem"] = c.CurrentOrderItem;
  out["BuildQueue"] = QueueJson(c);
  out["QueueLength"] = c.QueueLength;
}

void AddCultureAndFlags(json& out, const TCityRec& c) {
  out["CultureYieldA"] = c.CultureYieldA;
  out["CultureYieldB"] = c.CultureYieldB;
  out["CultureYieldC"] = c.CultureYieldC;
  out["CultureYieldD"] = c.CultureYieldD;
  out["CultureYieldE"] = c.CultureYieldE;
  out["CultureModifier"] = c.CultureModifier;
  out["FaithYieldA"] = c.FaithYieldA;
  out["FaithYieldB"] = c.FaithYieldB;
  out["FaithYieldC"] = c.FaithYieldC;
  out["FaithYieldD"] = c.FaithYieldD;
  out["HasGarden"] = c.HasGarden;
  out["HasFloatingGardens"] = c.HasFloatingGardens;
  out["HasCourthouse"] = c.HasCourthouse;
  out["HasNationalEpic"] = c.HasNationalEpic;
  out["HasClass3Building"] = c.HasClass3Building;
  out["HasPalace"] = c.HasPalace;
  out["GreatPersonBonus"] = c.GreatPersonBonus;
  out["CulturePercent"] = c.CulturePercent;
  out["CulturePerTurn"] = c.CulturePerTurn;
  out["CultureBase"] = c.CultureBase;
  out["CityFaith"] = c.CityFaith;
  out["CitizenUnhappiness"] = c.CitizenUnhappiness;
  out["SpecialistUnhappiness"] = c.SpecialistUnhappiness;
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
  out["ReligionCount"] = c.ReligionCount;
  out["Religions"] = ReligionsJson(c);
  out["SpyLists"] = SpyListsJson(c);
}

json CityJson(const TCityRec& city) {
  json out = json::object();
  AddIdentityAndYields(out, city);
  AddCultureAndFlags(out, city);
  AddListsAndPeople(out, city);
  return out;
}

}  // namespace

void AddCityJson(json& out, const SaveAnalysis& save) {
  json table = json::object();
  for (size_t row = 0; row < save.CityTable.size(); ++row) {
    json cities = json::array();
    for (const TCityRec& city : save.CityTable[row]) cities.push_back(CityJson(city));
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
