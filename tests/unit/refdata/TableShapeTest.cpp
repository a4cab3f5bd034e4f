// Shape and consistency of the reference tables: sizes, stored hashes, unique keys, placeholders.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "refdata/RefTables.h"
#include "refdata/TextArrays.h"
#include "savefile/Calendar.h"
#include "savefile/KeyText.h"

namespace orv5 {
namespace {

TEST(TableShape, RowCountsOfEveryTable) {
  EXPECT_EQ(BuildingTableQEL().size(), 150u);
  EXPECT_EQ(BuildingTableExpansion1().size(), 150u);
  EXPECT_EQ(BuildingTableBase().size(), 150u);
  EXPECT_EQ(UnitTableQEL().size(), 150u);
  EXPECT_EQ(UnitTableExpansion1().size(), 150u);
  EXPECT_EQ(UnitTableBase().size(), 150u);
  EXPECT_EQ(ProjectTable().size(), 7u);
  EXPECT_EQ(CommerceTable().size(), 5u);
  EXPECT_EQ(TechTableQEL().size(), 81u);
  EXPECT_EQ(TechTableExpansion1().size(), 80u);
  EXPECT_EQ(TechTableBase().size(), 74u);
  EXPECT_EQ(PolicyTableQEL().size(), 111u);
  EXPECT_EQ(PolicyTableOlder().size(), 70u);
  EXPECT_EQ(BeliefTable().size(), 70u);
  EXPECT_EQ(CityStateTableQEL().size(), 59u);
  EXPECT_EQ(CityStateTableExpansion1().size(), 43u);
  EXPECT_EQ(EraTable8().size(), 8u);
  EXPECT_EQ(EraTable7().size(), 7u);
  EXPECT_EQ(LevelTable().size(), 8u);
  EXPECT_EQ(WorldSizeTable().size(), 6u);
  EXPECT_EQ(SpyNameTable().size(), 43u);
}

TEST(TableShape, ElementCountsOfEveryTextArray) {
  EXPECT_EQ(LeaderNames().size(), 27u);
  EXPECT_EQ(CivNames().size(), 28u);
  EXPECT_EQ(CityStateNames().size(), 29u);
  EXPECT_EQ(CityStateTraits().size(), 29u);
  EXPECT_EQ(GameTypes().size(), 5u);
  EXPECT_EQ(SpeedPercents().size(), 4u);
  EXPECT_EQ(GraphNamesOlder().size(), 27u);
  EXPECT_EQ(GraphNamesQEL().size(), 28u);
  EXPECT_EQ(GraphColours().size(), 26u);
  EXPECT_EQ(ReligionKeysOlder().size(), 13u);
  EXPECT_EQ(ReligionKeysQEL().size(), 15u);
  EXPECT_EQ(AgentRanks().size(), 4u);
  EXPECT_EQ(AgentStates().size(), 10u);
  EXPECT_EQ(AgentResults().size(), 5u);
  EXPECT_EQ(MonthNames().size(), 13u);
}

// Every stored hash must be the key's own, or the hash lookups would name the wrong item.
template <typename Rows>
int CheckHashesAndCountZeros(Rows rows) {
  int zeros = 0;
  for (const auto& row : rows) {
    if (row.Hash == 0) {
      ++zeros;
    } else {
      EXPECT_EQ(row.Hash, Crc32String(row.Key)) << row.Key;
    }
  }
  return zeros;
}

TEST(TableShape, StoredHashesAreTheKeysCrc) {
  EXPECT_EQ(CheckHashesAndCountZeros(BuildingTableQEL()), 13);
  EXPECT_EQ(CheckHashesAndCountZeros(UnitTableQEL()), 56);
  EXPECT_EQ(CheckHashesAndCountZeros(BeliefTable()), 1);
  EXPECT_EQ(BeliefTable().back().Hash, 0);
  EXPECT_EQ(BuildingTableQEL()[89].Hash, 0);  // "BUILDING_UNITED_NATIONS"
  EXPECT_EQ(UnitTableQEL()[92].Hash, 0);      // "UNIT_PROPHET"
}

template <typename Rows, typename KeyOf>
void ExpectUniqueKeys(Rows rows, KeyOf keyOf, const char* table) {
  std::set<std::string> seen;
  for (const auto& row : rows) {
    EXPECT_TRUE(seen.insert(std::string(keyOf(row))).second) << table << ": " << keyOf(row);
  }
}

TEST(TableShape, KeysAreUniqueWithinEachTable) {
  const auto key = [](const auto& row) { return row.Key; };
  ExpectUniqueKeys(BuildingTableQEL(), key, "buildings QEL");
  ExpectUniqueKeys(BuildingTableExpansion1(), key, "buildings expansion 1");
  ExpectUniqueKeys(BuildingTableBase(), key, "buildings base");
  ExpectUniqueKeys(UnitTableQEL(), key, "units QEL");
  ExpectUniqueKeys(UnitTableExpansion1(), key, "units expansion 1");
  ExpectUniqueKeys(UnitTableBase(), key, "units base");
  ExpectUniqueKeys(TechTableQEL(), key, "techs QEL");
  ExpectUniqueKeys(TechTableExpansion1(), key, "techs expansion 1");
  ExpectUniqueKeys(TechTableBase(), key, "techs base");
  ExpectUniqueKeys(PolicyTableQEL(), key, "policies QEL");
  ExpectUniqueKeys(PolicyTableOlder(), key, "policies older");
  ExpectUniqueKeys(BeliefTable(), key, "beliefs");
  ExpectUniqueKeys(CityStateTableQEL(), key, "city-states QEL");
  ExpectUniqueKeys(CityStateTableExpansion1(), key, "city-states expansion 1");
  // Agent names are found by the shortened civilization key.
  const auto civName = [](const TSpyNamesRec& row) { return CutTextKey(row.Civ, "CIVILIZATION_"); };
  ExpectUniqueKeys(SpyNameTable(), civName, "spy names");
}

// Placeholders run from `first` to the end, numbered consecutively from `number`.
template <typename Rows>
void ExpectPlaceholders(Rows rows, size_t first, std::string_view prefix, int number) {
  for (size_t i = first; i < rows.size(); ++i, ++number) {
    EXPECT_EQ(rows[i].Key, std::string(prefix) + std::to_string(number)) << "row " << i;
    EXPECT_EQ(rows[i].Cost, -1) << "row " << i;
  }
  EXPECT_NE(rows[first - 1].Key.substr(0, prefix.size()), prefix) << "placeholders start late";
}

TEST(TableShape, OlderPlaceholdersAreNumberedFromTheirFirstRow) {
  ExpectPlaceholders(BuildingTableExpansion1(), 117, "BUILDING_UNKNOWN_", 2);
  ExpectPlaceholders(BuildingTableBase(), 93, "BUILDING_UNKNOWN_", 1);
  ExpectPlaceholders(UnitTableExpansion1(), 120, "UNIT_UNKNOWN_", 1);
  ExpectPlaceholders(UnitTableBase(), 91, "UNIT_UNKNOWN_", 1);
  EXPECT_EQ(BuildingTableQEL()[141].Key, "BUILDING_UNKNOWN_02");
  EXPECT_EQ(UnitTableQEL()[141].Key, "UNIT_UNKNOWN_01");
}

TEST(TableShape, BuildingPlaceholdersHaveNoKindBonusOrName) {
  for (BuildingRows rows : {BuildingTable(GameVariant::QEL), BuildingTable(GameVariant::Expansion1),
                            BuildingTable(GameVariant::Base)}) {
    for (const TBuildingInfoRec& row : rows) {
      if (row.Key.find("UNKNOWN") == std::string_view::npos) continue;
      EXPECT_EQ(row.Kind, -1) << row.Key;
      EXPECT_EQ(row.GPKind + row.GPPoints, 0) << row.Key;
      EXPECT_TRUE(row.RusName.empty()) << row.Key;
    }
  }
}

TEST(TableShape, OnlyTheOrbitalStationIsKindFive) {
  int kindFive = 0;
  for (const auto& row : BuildingTableQEL()) kindFive += row.Kind == 5;
  EXPECT_EQ(kindFive, 1);
  EXPECT_EQ(BuildingTableQEL()[135].Kind, 5);
  EXPECT_EQ(BuildingTableQEL()[135].Cost, -1);
}

TEST(TableShape, TechErasStayWithinTheirEraTableAndNeverGoBack) {
  for (GameVariant v : {GameVariant::QEL, GameVariant::Expansion1, GameVariant::Base}) {
    int previous = 0;
    for (const TTechInfoRec& tech : TechTable(v)) {
      EXPECT_GE(tech.Era, previous) << tech.Key;
      EXPECT_LT(static_cast<size_t>(tech.Era), TechEraTable(v).size()) << tech.Key;
      previous = tech.Era;
    }
  }
}

// A branch's finisher belongs to the branch whose opener has the same name.
TEST(TableShape, PolicyFinishersShareTheirOpenersBranch) {
  for (auto table : {PolicyTableQEL(), PolicyTableOlder()}) {
    for (const TPolicyInfoRec& finisher : table) {
      const size_t at = finisher.Key.find("_FINISHER");
      if (at == std::string_view::npos) continue;
      const auto opener = std::find_if(table.begin(), table.end(), [&](const TPolicyInfoRec& p) {
        return p.Key == finisher.Key.substr(0, at);
      });
      ASSERT_NE(opener, table.end()) << finisher.Key;
      EXPECT_EQ(opener->Branch, finisher.Branch) << finisher.Key;
    }
  }
  for (const auto& p : PolicyTableQEL()) EXPECT_LE(p.Branch, 11) << p.Key;
  for (const auto& p : PolicyTableOlder()) EXPECT_LE(p.Branch, 9) << p.Key;
}

}  // namespace
}  // namespace orv5
