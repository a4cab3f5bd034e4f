// The city search: finding records by marker and variant, the name, the owner block and the
// values read before the marker, in every layout.
#include <gtest/gtest.h>

#include <tuple>

#include "analysis/CityReaders.h"
#include "analysis/Sections.h"
#include "tests/support/CityBuilder.h"

namespace orv5 {
namespace {

using testing::CityImageBuilder;
using testing::CityShape;
using testing::CitySpec;

// A city with a distinct value in every field read before the marker.
CitySpec DistinctCity() {
  CitySpec c;
  c.NameKey = "TXT_KEY_CITY_NAME_KRAKOW";
  c.StatusFlags = {1, 0, 1, 0, 0, 0, 0, 1, 1, 0};
  c.OwnerSlot = 2;
  c.PreviousOwnerSlot = 22;
  c.OriginalOwnerSlot = 0;
  c.OwnerValue = 77;
  c.PlotGroups = {{1}, {2, 3}, {}, {4}, {10, 11, 12, 13, 14, 15}};
  c.FoodStored = 501, c.FoodValue2 = 502, c.ProductionOverflow = 503;
  c.Strength = 1130, c.StrengthA = 24, c.StrengthB = 50302, c.WltkdTurns = 6, c.Disorder = 1;
  c.CultureStored = 17, c.CultureStep = 2, c.CultureYieldA = 3, c.CultureYieldB = 4, c.CultureYieldC = 5;
  c.CultureYieldD = 6, c.FaithYieldA = 7, c.FaithYieldB = 8, c.FaithYieldC = 9, c.CultureModifier = 10;
  c.CultureYieldE = 11;
  c.X = 48, c.Y = 12, c.Founded = -3680, c.CapturedTurn = 9, c.Population = 5, c.MaxPopulation = 6;
  c.CurrentResearch = 31;
  return c;
}

SaveAnalysis Parse(CityShape shape, const CityImageBuilder& image, const std::vector<int32_t>& slots = {0, 2, 22}) {
  SaveAnalysis save = testing::SaveWithPlayers(shape, slots);
  ParseContext ctx = testing::ContextFor(image.Image());
  ReadCities(ctx, save);
  return save;
}

class EveryLayout : public ::testing::TestWithParam<CityShape> {};

INSTANTIATE_TEST_SUITE_P(Cities, EveryLayout,
                         ::testing::Values(CityShape::QEL, CityShape::QELLonger, CityShape::Expansion1,
                                           CityShape::SlotNames, CityShape::Base));

TEST_P(EveryLayout, ReadsEveryFieldAroundTheMarker) {
  CityImageBuilder image(GetParam());
  image.Add(DistinctCity());
  const SaveAnalysis save = Parse(GetParam(), image);
  ASSERT_EQ(save.CityNameList, std::vector<std::string>{"KRAKOW"});
  EXPECT_EQ(save.CityOwnerList, std::vector<int32_t>{2});
  ASSERT_EQ(save.CityTable.size(), 3U);
  ASSERT_EQ(save.CityTable[1].size(), 1U);
  const TCityRec& c = save.CityTable[1][0];
  EXPECT_EQ(c.Name, "KRAKOW");
  EXPECT_EQ(std::tuple(c.OwnerIndex, c.PreviousOwner, c.OriginalOwner, c.OwnerValue), std::tuple(1, 2, 0, 77));
  EXPECT_EQ(c.StatusFlags, (std::array<int32_t, 10>{1, 0, 1, 0, 0, 0, 0, 1, 1, 0}));
  EXPECT_EQ(std::tuple(c.PlotGroups[1].Count, c.PlotGroups[1].Values[1], c.PlotGroups[4].Values[5]), std::tuple(2, 3, 15));
  EXPECT_EQ(std::tuple(c.FoodStored, c.FoodValue2, c.ProductionOverflow), std::tuple(501, 502, 503));
  EXPECT_EQ(std::tuple(c.Strength, c.StrengthA, c.StrengthB, c.WltkdTurns, c.Disorder), std::tuple(1130, 24, 50302, 6, 1));
  EXPECT_EQ(std::tuple(c.CultureStored, c.CultureStep, c.CultureYieldA, c.CultureYieldB, c.CultureYieldC, c.CultureModifier),
            std::tuple(17, 2, 3, 4, 5, 10));
  EXPECT_EQ(std::tuple(c.X, c.Y, c.Founded, c.CapturedTurn, c.Population, c.MaxPopulation), std::tuple(48, 12, -3680, 9, 5, 6));
  if (GetParam() == CityShape::SlotNames || GetParam() == CityShape::Base) {
    EXPECT_EQ(std::tuple(c.CultureYieldE, c.CultureYieldD, c.FaithYieldA, c.FaithYieldD), std::tuple(11, 0, 0, 0));
  } else {
    // The expansions keep the fifth and sixth value of plot group 4 as culture and faith.
    EXPECT_EQ(std::tuple(c.CultureYieldD, c.FaithYieldA, c.FaithYieldB, c.FaithYieldC, c.CultureYieldE, c.FaithYieldD),
              std::tuple(6, 7, 8, 9, 14, 15));
  }
}

TEST_P(EveryLayout, CurrentResearchComesWithThePlayersFirstCity) {
  CitySpec first = DistinctCity();
  CitySpec second = DistinctCity();
  second.CurrentResearch = 99;
  CitySpec other = DistinctCity();
  other.OwnerSlot = 0;
  other.ResearchShape = -1;  // stored 32 bytes further back
  other.CurrentResearch = 12;
  CityImageBuilder image(GetParam());
  image.Add(first).Add(second).Add(other);
  const SaveAnalysis save = Parse(GetParam(), image);
  EXPECT_EQ(save.Leaders[1].CurrentResearch, 31);
  EXPECT_EQ(save.Leaders[0].CurrentResearch, 12);
  EXPECT_EQ(save.Leaders[1].CityCount, 2);
}

TEST_P(EveryLayout, UnknownSlotKeepsOnlyTheName) {
  CitySpec lost = DistinctCity();
  lost.OwnerSlot = 5;  // no player row has slot 5
  CityImageBuilder image(GetParam());
  image.Add(lost).Add(DistinctCity());
  const SaveAnalysis save = Parse(GetParam(), image);
  EXPECT_EQ(save.CityNameList.size(), 2U);
  EXPECT_EQ(save.CityOwnerList, (std::vector<int32_t>{5, 2}));
  EXPECT_EQ(save.Leaders[1].CityCount, 1);
  size_t records = 0;
  for (const auto& row : save.CityTable) records += row.size();
  EXPECT_EQ(records, 1U);
}

TEST(CitySearch, OnlyHitsWithAMatchingVariantAndANameAreCities) {
  // A save of the final build may hold records of both shapes; each hit is probed on its own.
  CitySpec first = DistinctCity();
  first.NameKey = "TXT_KEY_CITY_NAME_A";
  CitySpec nameless = DistinctCity();
  nameless.WriteName = false;
  CitySpec second = DistinctCity();
  second.NameKey = "TXT_KEY_CITY_NAME_B";
  CityImageBuilder a(CityShape::QEL);
  a.AddStrayMarker().Add(first).Add(nameless);
  CityImageBuilder b(CityShape::QELLonger);
  b.Add(second).AddStrayMarker();
  a.AddBytes(testing::Bytes(b.Image().begin() + CityImageBuilder::BodyStart, b.Image().end()));
  EXPECT_EQ(Parse(CityShape::QEL, a).CityNameList, (std::vector<std::string>{"A", "B"}));
  EXPECT_TRUE(Parse(CityShape::Expansion1, a).CityNameList.empty());  // another layout's marker
}

TEST(CitySearch, KeepsTheFirst500Cities) {
  CityImageBuilder image(CityShape::QEL);
  CitySpec city;
  for (int i = 0; i < 503; ++i) {
    city.NameKey = "TXT_KEY_CITY_NAME_C" + std::to_string(i);
    city.OwnerSlot = i % 2 == 0 ? 0 : 5;  // every other city belongs to no player
    image.Add(city);
  }
  const SaveAnalysis save = Parse(CityShape::QEL, image);
  ASSERT_EQ(save.CityNameList.size(), 500U);
  EXPECT_EQ(save.CityNameList.back(), "C499");
  EXPECT_EQ(save.Leaders[0].CityCount, 250);
  EXPECT_EQ(save.CityTable[0].size(), 250U);
  EXPECT_TRUE(save.CityTable[1].empty());  // only the cities found, no empty records
  EXPECT_EQ(save.Diagnostics.back().Records, 500);
  EXPECT_NE(save.Diagnostics.back().Stop.find("500"), std::string::npos);
}

TEST(CitySearch, CountsStatusFlagsPerPlayer) {
  CitySpec puppet = DistinctCity();
  puppet.StatusFlags = {1, 0, 0, 1, 0, 1, 0, 0, 0, 0};  // never lost, puppet, occupied
  CitySpec occupied = DistinctCity();
  occupied.StatusFlags = {0, 0, 0, 0, 0, 1, 0, 0, 0, 0};
  CityImageBuilder image(CityShape::Expansion1);
  image.Add(puppet).Add(occupied);
  const SaveAnalysis save = Parse(CityShape::Expansion1, image);
  const TLeaderInfoRec& owner = save.Leaders[1];
  EXPECT_EQ(owner.CityCount, 2);
  EXPECT_EQ(owner.NeverLostCount, 1);
  EXPECT_EQ(owner.PuppetCount, 1);
  EXPECT_EQ(owner.OccupiedCount, 2);
}

TEST(CitySearch, FoodThresholdIsComputedWhenTheCityIsRead) {
  CitySpec city = DistinctCity();
  city.Population = 5;
  city.OwnerSlot = 22;  // a city-state: half as much again
  CityImageBuilder image(CityShape::QEL);
  image.Add(city);
  SaveAnalysis save = testing::SaveWithPlayers(CityShape::QEL, {0, 2, 22});
  save.Leaders[2].Status = 3;  // human: no difficulty percentage
  ParseContext ctx = testing::ContextFor(image.Image());
  ReadCities(ctx, save);
  EXPECT_EQ(save.CityTable[2][0].FoodNeeded, 55 * 150 / 100);
}

TEST(CitySearch, ClearsTheTablesOfAnEarlierRead) {
  CityImageBuilder image(CityShape::QEL);
  image.Add(DistinctCity());
  SaveAnalysis save = testing::SaveWithPlayers(CityShape::QEL, {0, 2, 22});
  save.WonderOwner[0] = 2;
  save.Leaders[1].PuppetCount = 4;
  ParseContext ctx = testing::ContextFor(image.Image());
  ReadCities(ctx, save);
  ReadCities(ctx, save);
  EXPECT_EQ(save.CityNameList.size(), 1U);
  EXPECT_EQ(save.Leaders[1].CityCount, 1);
  EXPECT_EQ(save.Leaders[1].PuppetCount, 0);
  EXPECT_EQ(save.WonderOwner[0], -1);
}

TEST(CityNames, KeyPartsAreStripped) {
  EXPECT_EQ(StripCityNameKey("TXT_KEY_CITY_NAME_WARSAW"), "WARSAW");
  EXPECT_EQ(StripCityNameKey("TXT_KEY_CITYSTATE_BUENOS_AIRES"), "BUENOS_AIRES");
  EXPECT_EQ(StripCityNameKey("TXT_KEY_SONG_CITY_NAME_GAO"), "GAO");
  EXPECT_EQ(StripCityNameKey("TXT_KEY_ORV5_DLC_NAME"), "DLC_NAME");
  EXPECT_EQ(StripCityNameKey("Nova Roma"), "Nova Roma");
  EXPECT_EQ(StripCityNameKey("TXT_KEY_CITY_NAME"), "");
}

}  // namespace
}  // namespace orv5
