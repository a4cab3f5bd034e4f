// Cities, the values derived from them and the reload-list search on the real saves.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <variant>
#include <vector>

#include "analysis/Save5Analyse.h"
#include "refdata/Lookups.h"
#include "refdata/TextArrays.h"
#include "tests/support/RealSaveAnalysis.h"
#include "tests/support/RealSaves.h"

namespace orv5::testing {
namespace {


std::vector<size_t> MajorRows(const SaveAnalysis& save) {
  std::vector<size_t> rows;
  for (size_t r = 0; r < save.Leaders.size(); ++r) {
    if (IsPlayer(save.Leaders[r].Slot, save.SlotCiv, save.SlotStatus)) rows.push_back(r);
  }
  return rows;
}

std::vector<int32_t> MajorCityCounts(const SaveAnalysis& save) {
  std::vector<int32_t> counts;
  for (size_t r : MajorRows(save)) counts.push_back(save.Leaders[r].CityCount);
  return counts;
}

const TLeaderInfoRec* Leader(const SaveAnalysis& save, const std::string& name) {
  for (const TLeaderInfoRec& row : save.Leaders) {
    if (row.LeaderName == name) return &row;
  }
  return nullptr;
}

const StepDiagnostic* Step(const SaveAnalysis& save, const std::string& name) {
  for (const StepDiagnostic& step : save.Diagnostics) {
    if (step.Step == name) return &step;
  }
  return nullptr;
}

void ExpectFollowersMakeThePopulation(const SaveAnalysis& save) {
  for (const auto& cities : save.CityTable) {
    for (const TCityRec& city : cities) {
      int32_t followers = 0;
      for (int32_t i = 0; i < city.ReligionCount; ++i) followers += city.Religions[static_cast<size_t>(i)].Followers;
      EXPECT_EQ(followers, city.Population) << city.Name;
    }
  }
}

TEST(CityRealSaves, PolandTurn12) {
  ORV5_REQUIRE_REAL_SAVE(path, "qel-poland-t12.Orv5Save");
  const SaveAnalysis save = AnalyseRealSave(path);
  EXPECT_EQ(save.CityNameList.size(), 30U);
  EXPECT_EQ(MajorCityCounts(save), (std::vector<int32_t>{1, 1, 2, 2, 2, 2, 2, 2}));
  ASSERT_FALSE(save.CityTable.empty());
  ASSERT_FALSE(save.CityTable[0].empty());
  const TCityRec& warsaw = save.CityTable[0][0];
  EXPECT_EQ(warsaw.Name, "WARSAW");
  EXPECT_EQ(warsaw.Population, 2);
  EXPECT_EQ(warsaw.FoodNeeded, 24);
  EXPECT_EQ(warsaw.CultureNeeded, 25);
  EXPECT_EQ(warsaw.HasPalace, -1);  // the capital's palace, found by its hash
  const TLeaderInfoRec* isabella = Leader(save, "Isabella");  // 2 cities of 2 and 1 citizens
  ASSERT_NE(isabella, nullptr);
  EXPECT_EQ(isabella->Unhappiness, 6);
  ExpectFollowersMakeThePopulation(save);
}

TEST(CityRealSaves, HotseatFinalBuildRecords) {
  ORV5_REQUIRE_REAL_SAVE(path, "qel-hotseat-t26.Orv5Save");
  const SaveAnalysis save = AnalyseRealSave(path);
  ASSERT_EQ(save.CityNameList.size(), 13U);
  const std::vector<std::string> majors(save.CityNameList.begin(), save.CityNameList.begin() + 5);
  EXPECT_EQ(majors, (std::vector<std::string>{"ATHENS", "TENOCHTITLAN", "CONSTANTINOPLE", "EDINBURGH", "DUBLIN"}));
  EXPECT_EQ(MajorCityCounts(save), (std::vector<int32_t>{1, 1, 1, 2}));
  std::vector<int32_t> populations;
  for (size_t r : MajorRows(save)) {
    for (const TCityRec& city : save.CityTable.at(r)) populations.push_back(city.Population);
  }
  EXPECT_EQ(populations, (std::vector<int32_t>{4, 5, 4, 3, 2}));
  size_t cityStateCities = 0;
  for (size_t r = 0; r < save.CityTable.size(); ++r) {
    if (IsMinor(save.Leaders[r].Slot, save.SlotCiv)) cityStateCities += save.CityTable[r].size();
  }
  EXPECT_EQ(cityStateCities, 8U);
  ExpectFollowersMakeThePopulation(save);
}

TEST(CityRealSaves, FirstExpansionSpain) {
  ORV5_REQUIRE_REAL_SAVE(path, "exp1-spain.Orv5Save");
  const SaveAnalysis save = AnalyseRealSave(path);
  ASSERT_EQ(save.CityNameList.size(), 24U);
  EXPECT_EQ(save.CityNameList[0], "MADRID");
  ASSERT_FALSE(save.CityTable.at(0).empty());
  EXPECT_EQ(save.CityTable[0][0].Name, "MADRID");
  EXPECT_EQ(save.CityTable[0][0].Population, 2);
  ExpectFollowersMakeThePopulation(save);
}

TEST(CityRealSaves, FreshGameHasNoCity) {
  ORV5_REQUIRE_REAL_SAVE(path, "qel-denmark-duel.Orv5Save");
  const SaveAnalysis save = AnalyseRealSave(path);
  EXPECT_TRUE(save.CityNameList.empty());
  for (const auto& cities : save.CityTable) EXPECT_TRUE(cities.empty());
  const StepDiagnostic* cities = Step(save, "cities");
  ASSERT_NE(cities, nullptr);
  EXPECT_FALSE(cities->Found);
  EXPECT_FALSE(cities->Stop.empty());
  ASSERT_NE(Step(save, "derived values"), nullptr);
  EXPECT_EQ(save.CancerCount, 0);
}

TEST(CityRealSaves, EveryCityBelongsToItsRowAndNoSaveHasAReloadList) {
  for (const char* name : {"qel-poland-t12.Orv5Save", "qel-hotseat-t26.Orv5Save", "exp1-spain.Orv5Save",
                           "qel-denmark-duel.Orv5Save", "base-v5-france-scenario.Orv5Save"}) {
    ORV5_REQUIRE_REAL_SAVE(path, name);
    const SaveAnalysis save = AnalyseRealSave(path);
    size_t records = 0;
    for (size_t r = 0; r < save.CityTable.size(); ++r) {
      EXPECT_EQ(save.Leaders[r].CityCount, static_cast<int32_t>(save.CityTable[r].size())) << name;
      for (const TCityRec& city : save.CityTable[r]) EXPECT_EQ(city.OwnerIndex, static_cast<int32_t>(r)) << name;
      records += save.CityTable[r].size();
    }
    EXPECT_EQ(records, save.CityNameList.size()) << name;  // every owner slot of these saves is a player
    EXPECT_EQ(save.CancerPos, 0) << name;
  }
}

// The curve's latest sample up to the last turn the graph plots, the turn before the save's.
// Later samples are not the saved game's: exp1-spain stands at turn 12 but holds curves up to
// turn 27, left from a game that went on and was loaded again from this point.
int32_t LatestSample(const SaveAnalysis& save, size_t row, std::string_view curve) {
  const auto names = GraphNames(save.IsQEL != 0);
  const auto dataset = static_cast<size_t>(std::find(names.begin(), names.end(), curve) - names.begin());
  const auto& values = save.HistoryTable.at(row).at(dataset);
  for (size_t turn = std::min<size_t>(values.size(), static_cast<size_t>(std::max(save.CurrentTurn, 0))); turn-- > 0;) {
    if (values[turn] != 0) return values[turn];
  }
  return 0;
}

TEST(CityRealSaves, CityCountsAgreeWithTheHistoryCurves) {
  for (const char* name : {"qel-poland-t12.Orv5Save", "qel-hotseat-t26.Orv5Save", "exp1-spain.Orv5Save"}) {
    ORV5_REQUIRE_REAL_SAVE(path, name);
    const SaveAnalysis save = AnalyseRealSave(path);
    for (size_t r : MajorRows(save)) {
      ASSERT_LT(r, save.HistoryTable.size()) << name;
      EXPECT_EQ(save.Leaders[r].CityCount, LatestSample(save, r, "City Count")) << name << " " << save.Leaders[r].LeaderName;
    }
  }
}

}  // namespace
}  // namespace orv5::testing
