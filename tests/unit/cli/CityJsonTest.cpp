// The cities in the JSON dump: CityTable keyed by player row, every record field by name.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

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

}  // namespace
}  // namespace orv5
