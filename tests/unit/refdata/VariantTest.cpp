// The older variants against the QEL tables they were derived from, and the choice of variant.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "refdata/RefTables.h"
#include "refdata/TextArrays.h"
#include "savefile/KeyText.h"

namespace orv5 {
namespace {

// An older building table equals QEL row by row (less the hash) up to its placeholders, except
// the rows where the older game priced a building or rewarded great people differently.
void ExpectBuildingsFollowQEL(std::span<const TBuildingInfoRec> older, size_t placeholdersFrom,
                              const std::set<size_t>& differing) {
  const auto qel = BuildingTableQEL();
  for (size_t i = 0; i < placeholdersFrom; ++i) {
    const TBuildingInfoRec& a = older[i];
    const TBuildingInfoRec& b = qel[i];
    EXPECT_EQ(a.Key, b.Key) << "row " << i;
    EXPECT_EQ(a.RusName, b.RusName) << "row " << i;
    EXPECT_EQ(a.Kind, b.Kind) << "row " << i;
    const bool same = a.Cost == b.Cost && a.GPKind == b.GPKind && a.GPPoints == b.GPPoints;
    EXPECT_EQ(same, !differing.contains(i)) << "row " << i << " " << a.Key;
  }
}

TEST(Variants, OlderBuildingTablesFollowQEL) {
  ExpectBuildingsFollowQEL(BuildingTableExpansion1(), 117,
                           {69, 72, 78, 79, 80, 81, 83, 85, 86, 90, 100, 103, 107});
  ExpectBuildingsFollowQEL(BuildingTableBase(), 93,
                           {5, 17, 18, 19, 21, 45, 47, 49, 69, 71, 72, 76, 77, 78, 79, 80, 81, 82, 83,
                            85, 86, 87, 90});
  EXPECT_EQ(BuildingTableBase()[21].Cost, 120);  // the base game's monastery could be built
  EXPECT_EQ(BuildingTableQEL()[21].Cost, -1);
}

// Row i of an older unit table is QEL row i+1 (there is no settler row) up to `explicitFrom`.
void ExpectUnitsFollowQEL(std::span<const TUnitInfoRec> older, size_t explicitFrom,
                          const std::set<size_t>& repriced) {
  const auto qel = UnitTableQEL();
  for (size_t i = 0; i < explicitFrom; ++i) {
    EXPECT_EQ(older[i].Key, qel[i + 1].Key) << "row " << i;
    EXPECT_EQ(older[i].Cost == qel[i + 1].Cost, !repriced.contains(i)) << "row " << i;
  }
}

TEST(Variants, OlderUnitTablesFollowQELOneRowDown) {
  ExpectUnitsFollowQEL(UnitTableExpansion1(), 118, {22});
  ExpectUnitsFollowQEL(UnitTableBase(), 91, {10, 15, 17, 21, 22, 40, 42, 43, 61, 85});
  // The first expansion ends its list with the Spanish units, which QEL moved further down.
  EXPECT_EQ(UnitTableExpansion1()[118].Key, "UNIT_SPANISH_TERCIO");
  EXPECT_EQ(UnitTableExpansion1()[118].Cost, 160);
  EXPECT_EQ(UnitTableExpansion1()[119].Key, "UNIT_SPANISH_CONQUISTADOR");
  EXPECT_EQ(UnitTableExpansion1()[119].Cost, 135);
  for (UnitRows rows : {UnitTable(GameVariant::Expansion1), UnitTable(GameVariant::Base)}) {
    const auto isSettler = [](const TUnitInfoRec& u) { return u.Key == "UNIT_SETTLER"; };
    EXPECT_TRUE(std::none_of(rows.begin(), rows.end(), isSettler));
  }
}

// The first expansion has every QEL technology but the internet, with iron working dearer.
TEST(Variants, FirstExpansionTechsAreQELWithoutTheInternet) {
  std::vector<TTechInfoRec> expected;
  for (const auto& tech : TechTableQEL()) {
    if (tech.Key != "TECH_INTERNET") expected.push_back(tech);
  }
  const auto older = TechTableExpansion1();
  ASSERT_EQ(older.size(), expected.size());
  for (size_t i = 0; i < older.size(); ++i) {
    EXPECT_EQ(older[i].Key, expected[i].Key) << "row " << i;
    EXPECT_EQ(older[i].Era, expected[i].Era) << "row " << i;
    if (older[i].Key != "TECH_IRON_WORKING") {
      EXPECT_EQ(older[i].Cost, expected[i].Cost) << older[i].Key;
    }
  }
  EXPECT_EQ(TechTableExpansion1()[20].Cost, 195);
  EXPECT_EQ(TechTableQEL()[20].Cost, 175);
}

TEST(Variants, BaseTechsHaveTheirOwnOrder) {
  const auto base = TechTableBase();
  const auto has = [&](std::string_view key) {
    return std::any_of(base.begin(), base.end(), [&](const TTechInfoRec& t) { return t.Key == key; });
  };
  EXPECT_TRUE(has("TECH_TELEGRAPH"));
  EXPECT_TRUE(has("TECH_MASS_MEDIA"));
  EXPECT_EQ(base[13].Key, "TECH_PHILOSOPHY");
}

TEST(Variants, SelectionPrefersQELThenFirstExpansion) {
  EXPECT_EQ(SelectVariant(true, true), GameVariant::QEL);
  EXPECT_EQ(SelectVariant(true, false), GameVariant::QEL);
  EXPECT_EQ(SelectVariant(false, true), GameVariant::Expansion1);
  EXPECT_EQ(SelectVariant(false, false), GameVariant::Base);
  EXPECT_EQ(TechTable(GameVariant::Expansion1).size(), 80u);
  EXPECT_EQ(TechEraTable(GameVariant::Expansion1).size(), 8u);
  EXPECT_EQ(TechEraTable(GameVariant::Base).size(), 7u);
  EXPECT_EQ(PolicyTable(false).size(), 70u);
  EXPECT_EQ(EraTable(false)[6].Key, "ERA_FUTURE");
  EXPECT_EQ(GraphNames(true)[17], "GPT International Trade");
  EXPECT_EQ(ReligionKeys(true)[13], "RELIGION_PROTESTANTISM");
}

TEST(Variants, HanseIsOnlyAQELBuilding) {
  const auto find = [](BuildingRows rows) {
    const auto isHanse = [](const TBuildingInfoRec& b) { return b.Key == "BUILDING_HANSE"; };
    const auto it = std::find_if(rows.begin(), rows.end(), isHanse);
    return it == rows.end() ? -1 : static_cast<int>(std::distance(rows.begin(), it));
  };
  EXPECT_EQ(find(BuildingTable(GameVariant::QEL)), 140);
  EXPECT_EQ(find(BuildingTable(GameVariant::Expansion1)), -1);
  EXPECT_EQ(find(BuildingTable(GameVariant::Base)), -1);
}

TEST(Variants, RowViewNeverReadsOutsideItsTable) {
  const BuildingRows rows = BuildingTable(GameVariant::QEL);
  EXPECT_TRUE(rows.IsQEL());
  EXPECT_EQ(rows.At(-1), nullptr);
  EXPECT_EQ(rows.At(150), nullptr);
  ASSERT_NE(rows.At(99), nullptr);
  EXPECT_EQ(rows.At(99)->RusName, "ЦРУ");
  EXPECT_EQ(UnitTable(GameVariant::Base).At(0)->Key, "UNIT_WORKER");
}

// Both spellings of the older city-state keys must reduce to the name the QEL key gives.
TEST(Variants, CityStateKeysReduceToOneName) {
  const auto name = [](std::string_view key) {
    return CutTextKey(CutTextKey(key, "MINOR_CIV_"), "MINOR_");
  };
  for (size_t row : {20, 21, 22}) {
    EXPECT_EQ(name(CityStateTableExpansion1()[row].Key), name(CityStateTableQEL()[row].Key)) << row;
  }
  for (auto table : {CityStateTableQEL(), CityStateTableExpansion1()}) {
    for (const TCSInfoRec& cs : table.first(table.size() - 1)) {
      EXPECT_TRUE(cs.Key.starts_with("MINOR_")) << cs.Key;
      EXPECT_TRUE(cs.Trait.starts_with("MINOR_TRAIT_")) << cs.Key;
    }
    EXPECT_EQ(table.back().Key, "Unknown CS");
  }
}

}  // namespace
}  // namespace orv5
