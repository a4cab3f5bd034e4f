// What follows a city's marker: building and unit lists, the build queue, and the block of
// specialists, great-person progress, religions and spy lists.
#include <gtest/gtest.h>

#include <chrono>
#include <tuple>

#include "analysis/CityReaders.h"
#include "analysis/DerivedValues.h"
#include "analysis/Sections.h"
#include "savefile/Calendar.h"
#include "tests/support/CityBuilder.h"

namespace orv5 {
namespace {

using testing::BuildingEntry;
using testing::CityImageBuilder;
using testing::CityShape;
using testing::CitySpec;

constexpr int32_t UnknownHash = 0x00ABCDEF;

struct Parsed {
  SaveAnalysis Save;
  const TCityRec& City() const { return Save.CityTable[0].at(0); }
};

Parsed Parse(CityShape shape, const CitySpec& city, int32_t speedIndex = 2, bool buildAbove341539 = false) {
  CityImageBuilder image(shape, buildAbove341539);
  image.Add(city);
  Parsed parsed{testing::SaveWithPlayers(shape, {0, 2, 22})};
  parsed.Save.SpeedIndex = speedIndex;
  parsed.Save.BuildAbove341539 = buildAbove341539 ? -1 : 0;
  ParseContext ctx = testing::ContextFor(image.Image());
  ReadCities(ctx, parsed.Save);
  return parsed;
}

BuildingEntry Building(std::string key, std::array<int32_t, 6> values = {}) {
  return BuildingEntry{std::move(key), 0, values, false};
}

// --- Building lists ---------------------------------------------------------------------

TEST(BuildingListsQEL, NamesByHashAndUnknownHashAsHex) {
  CitySpec city;
  city.Buildings = {Building("BUILDING_FLOATING_GARDENS"), BuildingEntry{"", 0, {}, true},
                    BuildingEntry{"", UnknownHash, {5}}, Building("BUILDING_MONUMENT", {1200, 2, 3, -3680, 1, 0})};
  const Parsed p = Parse(CityShape::QEL, city);
  const TCityRec& c = p.City();
  EXPECT_EQ(c.BuildingName[0], "Floating Gardens");
  EXPECT_EQ(c.BuildingName[1], "00ABCDEF");  // the lone 0 took no place
  EXPECT_EQ(c.BuildingValue1[1], 5);
  EXPECT_EQ(c.BuildingName[2], "Monument");
  EXPECT_EQ(std::tuple(c.BuildingValue1[2], c.BuildingValue2[2], c.BuildingValue3[2], c.BuildingValue5[2]),
            std::tuple(1200, 2, 3, 1));
  EXPECT_EQ(std::tuple(c.BuildingDate[2], c.BuildingTurn[2]), std::tuple(-3680, Date2Turn(2, -3680)));
  EXPECT_TRUE(c.BuildingName[3].empty());
}

TEST(BuildingLists, DateBelowMinus9998LeavesTheTurnUnset) {
  // An unknown calendar gives turn -1 for any date it converts, so a converted date shows.
  CitySpec city;
  city.Buildings = {Building("BUILDING_FLOATING_GARDENS", {0, 0, 0, INT32_MIN}), Building("BUILDING_A", {0, 0, 0, -9999}),
                    Building("BUILDING_B", {0, 0, 0, -9998}), Building("BUILDING_C", {0, 0, 0, 1200})};
  for (CityShape shape : {CityShape::QEL, CityShape::Expansion1}) {
    const Parsed p = Parse(shape, city, /*speedIndex=*/7);
    const auto& turn = p.City().BuildingTurn;
    EXPECT_EQ(std::tuple(turn[0], turn[1], turn[2], turn[3]), std::tuple(0, 0, -1, -1));
  }
}

TEST(BuildingLists, KeepsThe150FirstEntriesAndStaysInStep) {
  for (CityShape shape : {CityShape::QEL, CityShape::Expansion1}) {
    CitySpec city;
    city.Buildings.push_back(Building("BUILDING_FLOATING_GARDENS", {1}));
    for (int i = 1; i < 160; ++i) city.Buildings.push_back(Building("BUILDING_X" + std::to_string(i), {i}));
    city.Units = {{"UNIT_WARRIOR", 0, 40, 3}};
    const Parsed p = Parse(shape, city);
    EXPECT_EQ(p.City().BuildingValue1[149], 149);
    EXPECT_FALSE(p.City().BuildingName[149].empty());
    EXPECT_EQ(p.City().UnitName[0], "Warrior");
    EXPECT_EQ(p.City().UnitValue1[0], 40);
  }
}

TEST(BuildingListsQEL, StandingBuildingsSetFlagsWondersAndPoints) {
  CitySpec city;
  city.OwnerSlot = 2;  // row 1
  city.Buildings = {Building("BUILDING_FLOATING_GARDENS"),      Building("BUILDING_PALACE", {0, 0, 0, 0, 1}),
                    Building("BUILDING_COURTHOUSE", {0, 0, 0, 0, 1}), Building("BUILDING_NATIONAL_EPIC", {0, 0, 0, 0, 2}),
                    Building("BUILDING_ANGKOR_WAT", {0, 0, 0, 0, 1}), Building("BUILDING_SISTINE_CHAPEL", {1, 1, 1, 1, 0, 1}),
                    Building("BUILDING_GARDEN", {0, 0, 0, 0, 0, 1})};
  CityImageBuilder image(CityShape::QEL);
  image.Add(city);
  SaveAnalysis save = testing::SaveWithPlayers(CityShape::QEL, {0, 2, 22});
  ParseContext ctx = testing::ContextFor(image.Image());
  ReadCities(ctx, save);
  const TCityRec& c = save.CityTable[1][0];
  // The garden stands in list 6 only; the floating gardens have no value.
  EXPECT_EQ(std::tuple(c.HasPalace, c.HasCourthouse, c.HasNationalEpic, c.HasGarden, c.HasFloatingGardens),
            std::tuple(-1, -1, -1, -1, 0));
  EXPECT_EQ(save.WonderOwner[AngkorWat], 1);
  EXPECT_EQ(save.WonderOwner[SistineChapel], -1);  // not standing in list 5
  EXPECT_EQ(c.HasClass3Building, -1);              // Angkor Wat is a world wonder
  EXPECT_EQ(c.BuildingGreatPersonPoints[4], 1);
}

TEST(BuildingListsOlder, StandingBuildingsAreFoundByKey) {
  CitySpec city;
  city.Buildings = {Building("BUILDING_FLOATING_GARDENS", {0, 0, 0, 0, 1}), Building("BUILDING_STATUE_ZEUS"),
                    Building("BUILDING_ANGKOR_WAT", {0, 0, 0, 0, 1}), Building("BUILDING_PALACE", {0, 0, 0, 0, 1}),
                    Building("BUILDING_GARDEN", {0, 0, 0, 0, 0, 1})};
  for (CityShape shape : {CityShape::Expansion1, CityShape::Base}) {
    const Parsed p = Parse(shape, city);
    const TCityRec& c = p.City();
    EXPECT_EQ(c.BuildingName[2], "Angkor Wat");
    EXPECT_EQ(std::tuple(c.HasFloatingGardens, c.HasPalace, c.HasGarden, c.HasClass3Building), std::tuple(-1, -1, -1, -1));
    EXPECT_EQ(c.BuildingGreatPersonPoints[4], 1);  // the older tables give Angkor Wat one point too
    EXPECT_EQ(p.Save.WonderOwner[AngkorWat], 0);
  }
}

TEST(YieldList, KeepsTheFirstSevenValues) {
  CitySpec city;
  city.SkippedInts = {9, 9, 9, 9, 9};  // 5 + 8 ints keep the check where it belongs
  city.Yields = {1, 2, 3, 4, 5, 6, 7, 8};
  EXPECT_EQ(Parse(CityShape::QEL, city).City().YieldValues, (std::array<int32_t, 7>{1, 2, 3, 4, 5, 6, 7}));
  city.Yields = {11, 12, 13, 14, 15, 16, 17};
  EXPECT_EQ(Parse(CityShape::Base, city).City().YieldValues, (std::array<int32_t, 7>{11, 12, 13, 14, 15, 16, 17}));
}

// --- Units and queue ----------------------------------------------------------------------

TEST(UnitLists, NamesValuesAndUnknownHash) {
  CitySpec city;
  city.Units = {{"UNIT_SETTLER", 0, 2600, 4}, {"", UnknownHash, 7, 8}};
  const TCityRec q = Parse(CityShape::QELLonger, city).City();
  EXPECT_EQ(std::tuple(q.UnitName[0], q.UnitValue1[0], q.UnitValue2[0]), std::tuple("Settler", 2600, 4));
  EXPECT_EQ(q.UnitName[1], "00ABCDEF");
  city.Units = {{"UNIT_WORKER", 0, 30, 1}};
  const TCityRec o = Parse(CityShape::Expansion1, city).City();
  EXPECT_EQ(std::tuple(o.UnitName[0], o.UnitValue1[0], o.UnitValue2[0]), std::tuple("Worker", 30, 1));
}

TEST(BuildQueue, OrdersAreReadAndTheFirstIsCurrent) {
  CitySpec city;
  city.Queue = {{0, -798712536, 1, true, false}, {1, 28, -1, false, true}};
  for (CityShape shape : {CityShape::QEL, CityShape::SlotNames}) {
    const TCityRec c = Parse(shape, city).City();
    EXPECT_EQ(std::tuple(c.QueueLength, c.BuildQueue[1].Item, c.BuildQueue[1].Data), std::tuple(2, 28, -1));
    EXPECT_EQ(std::tuple(c.BuildQueue[0].Flag1, c.BuildQueue[0].Flag2, c.BuildQueue[1].Flag2), std::tuple(1, 0, 1));
    EXPECT_EQ(std::tuple(c.CurrentOrderType, c.CurrentOrderItem), std::tuple(0, -798712536));
  }
}

TEST(BuildQueue, KeepsAt20AndShowsAnEmptyOrMissingQueueAsTypeMinusOne) {
  CitySpec longQueue;
  for (int i = 0; i < 25; ++i) longQueue.Queue.push_back({1, i, 0, false, false});
  const TCityRec l = Parse(CityShape::QEL, longQueue).City();
  EXPECT_EQ(std::tuple(l.QueueLength, l.BuildQueue[19].Item), std::tuple(20, 19));
  CitySpec missing;
  missing.WriteQueueAnchor = false;
  missing.WriteReligionBlock = false;
  for (const CitySpec& city : {CitySpec(), missing}) {
    const TCityRec c = Parse(CityShape::QEL, city).City();
    EXPECT_EQ(std::tuple(c.QueueLength, c.BuildQueue[0].Type, c.CurrentOrderType), std::tuple(0, -1, -1));
  }
}

TEST(DamagedCounts, ListsStopAtTheImageEnd) {
  // A count that says two billion entries follows the record's last bytes.
  testing::ByteWriter bytes;
  bytes.Int(0x7FFFFFFF);
  const testing::Bytes image = bytes.Take();
  const ImageReader reader(std::span<const uint8_t>(image.data(), image.size()));
  SaveAnalysis save = testing::SaveWithPlayers(CityShape::Base, {0});
  const SlotRows rows(save);
  for (CityShape shape : {CityShape::QEL, CityShape::Base}) {
    save.IsQEL = testing::IsQELShape(shape) ? -1 : 0;
    const CityReadContext ctx{reader, SelectCityLayout(save), rows, GameVariant::Base};
    TCityRec city;
    const auto start = std::chrono::steady_clock::now();
    ReadCityLists(ctx, 0, CityTarget{city, 0, save.WonderOwner});
    ReadCityReligionBlock(ctx, 0, city);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
  }
}

// --- Religion, great-person and spy block -------------------------------------------------

TEST(ReligionBlockQEL, SpecialistsGreatPeopleAndReligions) {
  CitySpec city;
  city.Specialists = {1, 2, 3, 4, 5, 6, 7};
  city.GreatPersonProgress = {100, 101, 102, 103, 104, 105, 106};
  city.Religions = {{2, 3, true, 2, 300}, {1, -1, false, 1, 100}};
  city.StrengthC = 42;
  const TCityRec c = Parse(CityShape::QELLonger, city).City();
  EXPECT_EQ(c.SpecialistCount, (std::array<int32_t, 7>{1, 2, 3, 4, 5, 6, 7}));
  EXPECT_EQ(c.GreatPersonProgress, (std::array<int32_t, 7>{0, 101, 102, 103, 104, 105, 106}));
  ASSERT_EQ(c.ReligionCount, 2);
  EXPECT_EQ(std::tuple(c.Religions[0].Religion, c.Religions[0].Holy), std::tuple(3, 1));
  // The second is read after the extra value of a kind above 1.
  EXPECT_EQ(std::tuple(c.Religions[1].Kind, c.Religions[1].Followers), std::tuple(1, 1));
  EXPECT_EQ(std::tuple(c.Religions[0].Percent, c.Religions[1].Percent), std::tuple(75.0F, 25.0F));
  EXPECT_EQ(c.StrengthC, 42);
}

TEST(ReligionBlock, NoPointsGiveZeroPercentAndCountsAreClampedPerLayout) {
  CitySpec city;
  city.Religions = {{1, 2, false, 1, 0}, {1, 3, false, 1, 0}};
  for (CityShape shape : {CityShape::QEL, CityShape::Expansion1}) {
    const TCityRec c = Parse(shape, city).City();
    ASSERT_EQ(c.ReligionCount, 2);
    EXPECT_EQ(std::tuple(c.Religions[0].Percent, c.Religions[1].Percent), std::tuple(0.0F, 0.0F));
  }
  city.ReligionCount = 16;
  EXPECT_EQ(Parse(CityShape::QEL, city).City().ReligionCount, 15);
  EXPECT_EQ(Parse(CityShape::Expansion1, city).City().ReligionCount, 13);
  city.ReligionCount = -3;
  EXPECT_EQ(Parse(CityShape::QEL, city).City().ReligionCount, 0);
}

TEST(ReligionBlockQEL, SpyListEntriesAreSlotsStoredByRow) {
  CitySpec city;
  std::vector<int32_t> agents(23, -1);
  agents[1] = 5;   // slot 1 has no player row: dropped
  agents[2] = 3;   // slot 2 is row 1
  agents[22] = 0;  // slot 22 is row 2
  city.SpyLists[AgentIndex] = agents;
  city.SpyLists[TimesRobbed] = std::vector<int32_t>(70, 4);  // more than 64: the rest read and dropped
  city.StrengthC = 9;
  const TCityRec c = Parse(CityShape::QEL, city).City();
  const auto& agent = c.SpyLists[AgentIndex];
  EXPECT_EQ(std::tuple(agent[0], agent[1], agent[2], agent[3]), std::tuple(-1, 3, 0, -1));
  EXPECT_EQ(c.SpyLists[TimesRobbed][2], 4);
  EXPECT_EQ(c.SpyLists[SpyResult][0], -1);
  EXPECT_EQ(c.StrengthC, 9);
}

TEST(ReligionBlockOlder, FirstExpansionBlockMovesWithTheBuild) {
  CitySpec city;
  city.Specialists = {1, 2, 3, 4, 5};
  city.GreatPersonProgress = {0, 11, 12, 13, 14};
  city.Religions = {{2, 4, true, 3, 600}};  // no extra value in these saves
  for (bool later : {false, true}) {
    const TCityRec c = Parse(CityShape::Expansion1, city, 2, later).City();
    EXPECT_EQ(c.SpecialistCount, (std::array<int32_t, 7>{1, 2, 3, 4, 5, 0, 0}));
    EXPECT_EQ(c.GreatPersonProgress, (std::array<int32_t, 7>{0, 11, 12, 13, 14, 0, 0}));
    ASSERT_EQ(c.ReligionCount, 1);
    EXPECT_EQ(std::tuple(c.Religions[0].Religion, c.Religions[0].Followers, c.Religions[0].Percent), std::tuple(4, 3, 100.0F));
  }
}

TEST(ReligionBlockOlder, BaseGameHasSpecialistsButNoReligionsOrSpies) {
  CitySpec city;
  city.Specialists = {0, 2, 0, 1, 0};
  city.Religions = {{1, 2, false, 1, 10}};
  const TCityRec c = Parse(CityShape::Base, city).City();
  EXPECT_EQ(std::tuple(c.SpecialistCount[1], c.SpecialistCount[3], c.ReligionCount), std::tuple(2, 1, 0));
  EXPECT_EQ(c.SpyLists[AgentIndex][0], -1);  // no agent is linked to a city of these saves
}

}  // namespace
}  // namespace orv5
