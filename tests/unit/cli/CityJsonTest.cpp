// The cities in the JSON dump: CityTable keyed by player row, every record field by name.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <set>
#include <span>
#include <string>

#include "cli/AnalysisJson.h"

namespace orv5 {
namespace {

using nlohmann::json;

TEST(CityJson, TableByRowWithEveryFieldAndOnlyTheListEntriesThatSaySomething) {
  SaveAnalysis save;
  save.CityTable.resize(2);
  TCityRec& city = save.CityTable[1].emplace_back();
  for (auto& list : city.SpyLists) list.fill(-1);
  city.Name = "WARSAW";
  city.BuildingName[2] = "PALACE";
  city.BuildingValue5[2] = 1;
  city.QueueLength = 1;
  city.BuildQueue[0] = {1, 28, -1, 0, 1};
  city.ReligionCount = 1;
  city.Religions[0] = {2, 3, 1, 2, 300, 100.0F};
  city.SpyLists[AgentIndex][4] = 0;
  save.CityNameList = {"WARSAW", "LOST"};
  save.CityOwnerList = {7, 40};
  save.CancerPos = 1234;
  save.CancerCount = 9;
  json out = json::object();
  AddCityJson(out, save);
  EXPECT_EQ(out["CityTable"]["0"], json::array());
  const json& c = out["CityTable"]["1"].at(0);
  EXPECT_EQ(c["Name"], "WARSAW");
  EXPECT_EQ(c["BuildingName"], (json{{"2", "PALACE"}}));
  EXPECT_EQ(c["BuildingValue5"], (json{{"2", 1}}));
  EXPECT_EQ(c["BuildQueue"].size(), 1U);
  EXPECT_EQ(c["BuildQueue"][0]["Item"], 28);
  EXPECT_EQ(c["Religions"][0]["Points"], 300);
  EXPECT_EQ(c["SpyLists"]["AgentIndex"], (json{{"4", 0}}));
  EXPECT_EQ(c["SpyLists"]["TimesRobbed"], json::object());
  for (const char* field : {"StatusFlags", "FoodNeeded", "CultureNeeded", "GreatPersonTurns", "PlotGroups", "StrengthC",
                            "SpecialistUnhappiness", "UnitValue2", "YieldValues", "MaxPopulation"}) {
    EXPECT_TRUE(c.contains(field)) << field;
  }
  EXPECT_EQ(out["CityOwnerList"], (json{7, 40}));
  EXPECT_EQ(out["WonderOwner"], (json{-1, -1, -1, -1, -1}));
  EXPECT_EQ(std::pair(out["CancerPos"].get<int>(), out["CancerCount"].get<int>()), std::pair(1234, 9));
}

// The dump's record objects hold exactly the named fields of the record's field list and the
// list-valued fields the dump adds itself: a field added to a list appears in the dump.
template <typename Record>
std::set<std::string> NamedFields(std::span<const RecordField<Record>> fields, std::set<std::string> lists) {
  for (const auto& field : fields) {
    if (!field.Key.empty()) lists.emplace(field.Key);
  }
  return lists;
}

std::set<std::string> KeysOf(const json& object) {
  std::set<std::string> keys;
  for (const auto& [key, value] : object.items()) keys.insert(key);
  return keys;
}

TEST(RecordJson, PlayerCityAndMessageObjectsHoldTheirFieldListsNames) {
  SaveAnalysis save;
  save.Leaders.emplace_back().LeaderName = "Casimir";
  save.CityTable.resize(1);
  save.CityTable[0].emplace_back().Name = "WARSAW";
  save.ReplayMessages.push_back({3, "Warsaw is founded."});
  save.NotificationLogs.resize(1);
  const SaveContainer container;
  const json doc = AnalysisJson(container, save);
  EXPECT_EQ(KeysOf(doc["Leaders"][0]),
            NamedFields(PlayerFields(), {"Beliefs", "TechKnown", "TechProgress", "FriendOf", "AllyOf", "Agents"}));
  EXPECT_EQ(KeysOf(doc["CityTable"]["0"][0]),
            NamedFields(CityFields(), {"StatusFlags", "BuildQueue", "BuildingName", "BuildingValue1", "BuildingValue2",
                                       "BuildingValue3", "BuildingDate", "BuildingTurn", "BuildingValue5",
                                       "BuildingValue6", "YieldValues", "UnitName", "UnitValue1", "UnitValue2",
                                       "PlotGroups", "GreatPersonProgress", "GreatPersonRate", "GreatPersonTurns",
                                       "SpecialistCount", "BuildingGreatPersonPoints", "Religions", "SpyLists"}));
  EXPECT_EQ(doc["ReplayMessages"][0], (json{{"Turn", 3}, {"Text", "Warsaw is founded."}}));
  EXPECT_EQ(KeysOf(doc["NotificationLogs"]["0"]["Messages"][0]), NamedFields(NotificationFields(), {}));
}

}  // namespace
}  // namespace orv5
