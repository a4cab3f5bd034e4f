// Lookups from save numbers and hashes to rows and names.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "refdata/Lookups.h"
#include "refdata/RefTables.h"
#include "refdata/TextArrays.h"
#include "savefile/KeyText.h"

namespace orv5 {
namespace {

TEST(HashLookups, RuntimeHashingAgreesWithStoredHashes) {
  const auto buildings = BuildingTableQEL();
  for (size_t i = 0; i < buildings.size(); ++i) {
    if (buildings[i].Hash == 0) continue;
    EXPECT_EQ(FindBIndex(buildings[i].Hash), static_cast<int32_t>(i)) << buildings[i].Key;
    EXPECT_EQ(FindBIndex32(buildings[i].Hash), static_cast<int32_t>(i)) << buildings[i].Key;
  }
  const auto units = UnitTableQEL();
  for (size_t i = 0; i < units.size(); ++i) {
    if (units[i].Hash == 0) continue;
    EXPECT_EQ(FindUIndex(units[i].Hash), static_cast<int32_t>(i)) << units[i].Key;
    EXPECT_EQ(FindUIndex32(units[i].Hash), static_cast<int32_t>(i)) << units[i].Key;
  }
}

TEST(HashLookups, RowsWithoutStoredHashAreFoundOnlyByHashingTheKey) {
  const int32_t unitedNations = Crc32String("BUILDING_UNITED_NATIONS");
  EXPECT_EQ(FindBIndex(unitedNations), -1);
  EXPECT_EQ(FindBIndex32(unitedNations), 89);
  EXPECT_EQ(FindBIndex32(Crc32String("BUILDING_HANSE")), 140);
  EXPECT_EQ(FindUIndex(Crc32String("UNIT_PROPHET")), -1);
  EXPECT_EQ(FindUIndex32(Crc32String("UNIT_PROPHET")), 92);
  EXPECT_EQ(FindBIndex32(Crc32String("BUILDING_NOT_IN_THE_GAME")), -1);
}

TEST(HashLookups, ZeroNeverMatchesAStoredHash) {
  EXPECT_EQ(FindBIndex(0), -1);
  EXPECT_EQ(FindUIndex(0), -1);
  EXPECT_EQ(FindPIndex(0), -1);
  EXPECT_EQ(FindCIndex(0), -1);
}

TEST(HashLookups, ProjectsAndCommerce) {
  EXPECT_EQ(FindPIndex(113407765), 0);
  EXPECT_EQ(FindPIndex(-219100156), 1);
  EXPECT_EQ(FindCIndex(-1310205922), 3);
  // The hashing forms hash the display names, which the game never does.
  EXPECT_EQ(FindPIndex32(Crc32String("Utopia Project")), 6);
  EXPECT_EQ(FindCIndex32(Crc32String("International SS")), 4);
  EXPECT_EQ(FindPIndex32(113407765), -1);
}

TEST(Names, LeadersAboveTheBuiltInOnesComeFromTheSave) {
  EXPECT_EQ(GetLeaderName(0), "Alexander");
  EXPECT_EQ(GetLeaderName(18), "Wu Zetian");
  EXPECT_EQ(GetLeaderName(19), "Unknown Leader");  // not "Isabella": that entry is never read
  const std::vector<std::string> extra = {"Isabella", "", "Pachacuti"};
  EXPECT_EQ(GetLeaderName(19, extra), "Isabella");
  EXPECT_EQ(GetLeaderName(20, extra), "Unknown Leader");
  EXPECT_EQ(GetLeaderName(21, extra), "Pachacuti");
  EXPECT_EQ(GetLeaderName(22, extra), "Unknown Leader");
  EXPECT_EQ(GetLeaderName(64, std::vector<std::string>(60, "x")), "Unknown Leader");
  EXPECT_EQ(GetLeaderName(-1), "Unknown Leader");
  EXPECT_EQ(GetLeaderName(INT32_MIN), "Unknown Leader");
}

TEST(Names, CivilizationsIncludeMinorsAndBarbarians) {
  EXPECT_EQ(GetCivName(0), "America");
  EXPECT_EQ(GetCivName(18), "Minor");
  EXPECT_EQ(GetCivName(19), "Barbarian");
  EXPECT_EQ(GetCivName(20), "Unknown Civ");
  const std::vector<std::string> extra = {"Inca", "Spain"};
  EXPECT_EQ(GetCivName(21, extra), "Spain");
  EXPECT_EQ(GetCivName(63, std::vector<std::string>(44, "Zulu")), "Zulu");
  EXPECT_EQ(GetCivName(64, std::vector<std::string>(60, "Zulu")), "Unknown Civ");
  EXPECT_EQ(GetCivName(-5, extra), "Unknown Civ");
}

TEST(Names, TextArraysFallBackToTheirLastElement) {
  EXPECT_EQ(TextOrFallback(GameTypes(), 2), "Hotseat");
  EXPECT_EQ(TextOrFallback(GameTypes(), 5), "None");
  EXPECT_EQ(TextOrFallback(GameTypes(), -1), "None");
  EXPECT_EQ(TextOrFallback(CityStateNames(), 99), "Unknown CS");
}

TEST(Slots, PlayersAreNationsThatTakePart) {
  std::vector<int32_t> civ(64, 0);
  std::vector<int32_t> status(64, 0);
  civ[1] = MinorCiv;
  civ[2] = BarbarianCiv;
  civ[3] = 64;
  civ[4] = -1;
  status[5] = SlotStatusUnused;
  status[6] = SlotStatusUnused;
  civ[6] = MinorCiv;
  civ[7] = 63;
  EXPECT_TRUE(IsPlayer(0, civ, status));
  EXPECT_TRUE(IsPlayer(7, civ, status));
  for (int slot : {1, 2, 3, 4, 5, 6, -1, 64}) EXPECT_FALSE(IsPlayer(slot, civ, status)) << slot;
  EXPECT_FALSE(IsPlayer(10, civ, std::span<const int32_t>(status).first(10)));
  EXPECT_TRUE(IsMinor(1, civ));
  EXPECT_TRUE(IsMinor(6, civ));  // whatever its status
  for (int slot : {0, 2, -1, 64}) EXPECT_FALSE(IsMinor(slot, civ)) << slot;
}

TEST(Slots, SlotToRowTakesTheFirstOfTheFirst64Rows) {
  std::vector<int32_t> slots = {3, 0, 7, 7};
  EXPECT_EQ(Slot2Index(7, slots), 2);
  EXPECT_EQ(Slot2Index(0, slots), 1);
  EXPECT_EQ(Slot2Index(5, slots), -1);
  EXPECT_EQ(Slot2Index(-1, std::vector<int32_t>{-1}), -1);
  EXPECT_EQ(Slot2Index(64, std::vector<int32_t>{64}), -1);
  std::vector<int32_t> many(70, 1);
  many[64] = 9;
  EXPECT_EQ(Slot2Index(9, many), -1);
}

TEST(Agents, SpyNamesByCivilizationAndIndex) {
  EXPECT_EQ(GetSpyName("America", 3), "Edward");
  EXPECT_EQ(GetSpyName("America", 10), "10");
  EXPECT_EQ(GetSpyName("America", -1), "-1");
  EXPECT_EQ(GetSpyName("america", 3), "3");
  EXPECT_EQ(GetSpyName("Atlantis", 0), "0");
  EXPECT_EQ(GetSpyName("Korea", 7), "Na2");
  EXPECT_EQ(GetSpyName("Sweden", 9), "EuKusinn");
}

TEST(Score, ProjectedToTheEndOfTheGame) {
  EXPECT_EQ(FinalScore(500, 100, 500), 2500);
  EXPECT_EQ(FinalScore(500, 4, 500), 0);  // under one percent elapsed
  EXPECT_EQ(FinalScore(500, 100, 0), 0);
  EXPECT_EQ(FinalScore(500, 100, -500), 0);
  EXPECT_EQ(FinalScore(500, -100, 500), 0);
  EXPECT_EQ(FinalScore(INT32_MAX, INT32_MAX, INT32_MAX), INT32_MAX);
  EXPECT_EQ(FinalScore(INT32_MAX, 1, 100), INT32_MAX);
}

TEST(Literals, OddTextsAreKeptExactly) {
  EXPECT_EQ(BuildingTableQEL()[55].RusName, "Героический  Эпос");
  EXPECT_EQ(BuildingTableQEL()[129].RusName, "Театр \"Глобус\"");
  EXPECT_EQ(PolicyTableOlder()[53].RusName, "Коммунизм ");
  EXPECT_EQ(CommerceTable()[0].Name, "Welth");
  EXPECT_EQ(CommerceTable()[2].Name, "World`s Fair");
}

}  // namespace
}  // namespace orv5
