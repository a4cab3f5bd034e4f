// The values the game shows but does not store: thresholds, great-person turns, unhappiness,
// culture and faith, city-state bonuses and the spy-to-city links.
#include <gtest/gtest.h>

#include <tuple>

#include "analysis/DerivedValues.h"
#include "analysis/Sections.h"

namespace orv5 {
namespace {

using namespace DerivedRule;

// --- Formulas -------------------------------------------------------------------------------

TEST(FoodNeeded, GrowthExamples) {
  const SaveAnalysis save;
  const TLeaderInfoRec human;
  EXPECT_EQ(FoodNeeded(1, human, save), 15);
  EXPECT_EQ(FoodNeeded(5, human, save), 55);
  EXPECT_EQ(FoodNeeded(0, human, save), 15);    // outside 1..100 counts as 1
  EXPECT_EQ(FoodNeeded(101, human, save), 15);
  // (n - 1)^1.5 exactly: 16^1.5 = 64, and 985^2 <= 99^3 < 986^2.
  EXPECT_EQ(std::tuple(GrowthTerm(2), GrowthTerm(17), GrowthTerm(100)), std::tuple(1, 64, 985));
}

TEST(FoodNeeded, PercentagesApplyInOrderWithTruncation) {
  SaveAnalysis save;
  save.DifficultyPercent2 = 75;
  save.SpeedPercent = 67;
  save.EraCityPercent = 90;
  TLeaderInfoRec computerMinor;
  computerMinor.Status = 1;
  computerMinor.IsMinorCiv = 1;
  // 55 -> 41 (75 %) -> 61 (150 %) -> 40 (67 %) -> 36 (90 %)
  EXPECT_EQ(FoodNeeded(5, computerMinor, save), 36);
  TLeaderInfoRec human;
  human.Status = 3;
  EXPECT_EQ(FoodNeeded(5, human, save), 55 * 67 / 100 * 90 / 100);
}

TEST(CultureNeeded, ThresholdExamples) {
  EXPECT_EQ(CultureNeeded(0, false, false, false, 100), 15);
  EXPECT_EQ(CultureNeeded(0, false, false, true, 100), 10);  // 15 x 75 % = 11, down to 10
  EXPECT_EQ(CultureNeeded(1, false, false, false, 100), 25);  // 10^1.1 + 15 = 27
  EXPECT_EQ(CultureNeeded(1, true, false, false, 100), 20);   // 10^0.825 + 15 = 21
  EXPECT_EQ(CultureNeeded(1, false, true, false, 100), 40);   // 27 x 150 % = 40
  EXPECT_EQ(CultureNeeded(0, false, false, false, 67), 10);
  EXPECT_EQ(CultureNeeded(-1, false, false, false, 100), 15);
  EXPECT_EQ(CultureNeeded(1001, false, false, false, 100), 15);
}

TEST(GoldenAgeThreshold, ExamplesInExactIntegers) {
  EXPECT_EQ(GoldenAgeThreshold(0, 1), 500);
  EXPECT_EQ(GoldenAgeThreshold(2, 11), 1100);
  EXPECT_EQ(GoldenAgeThreshold(4, 16), 1725);
  // The same in doubles falls just short of 1725 and would round down to 1720.
  EXPECT_LT((500 + 250 * 4) * (1 + 0.01 * 15), 1725.0);
  EXPECT_EQ(GoldenAgeThreshold(0, 0), 495);
}

TEST(GreatPersonTurns, NoRateMeans9999) {
  EXPECT_EQ(GreatPersonTurns(100, 0, 0), 9999.0F);
  EXPECT_EQ(GreatPersonTurns(100, 0, -5), 9999.0F);
  EXPECT_FLOAT_EQ(GreatPersonTurns(100, 100, 300), 33.0F);
}

// --- Derived values of a save ------------------------------------------------------------------

// Rows 0 and 1 are nations (slots 0 and 1), rows 2 and 3 city-states (slots 22 and 23).
SaveAnalysis FourPlayers() {
  SaveAnalysis save;
  for (int32_t slot : {0, 1, 22, 23}) {
    TLeaderInfoRec& row = save.Leaders.emplace_back();
    row.Slot = slot;
    row.Status = 3;
    row.LeaderIndex = 26;
    row.IsMinorCiv = slot >= 22 ? 1 : 0;
    save.SlotCiv[static_cast<size_t>(slot)] = slot >= 22 ? 18 : slot;
  }
  save.Leaders[2].Trait = "Cultured";
  save.Leaders[3].Trait = "Religious";
  save.LeaderCount = 4;
  save.PolicyFlags.assign(4, {});
  save.CityTable.assign(4, {});
  save.MinorFriend.assign(MaxPlayers, {});
  save.MinorAlly.assign(MaxPlayers, {});
  return save;
}

TCityRec& AddCity(SaveAnalysis& save, size_t row, int32_t population) {
  TCityRec& city = save.CityTable[row].emplace_back();
  city.Population = population;
  city.StatusFlags[0] = 1;
  for (auto& list : city.SpyLists) list.fill(-1);
  save.Leaders[row].CityCount = static_cast<int32_t>(save.CityTable[row].size());
  return city;
}

TEST(Unhappiness, GandhiAtDeity) {
  SaveAnalysis save = FourPlayers();
  save.DifficultyPercent7 = 60;
  save.Leaders[0].Status = 1;
  save.Leaders[0].LeaderIndex = LeaderHalvingUnhappiness;
  AddCity(save, 0, 4);
  AddCity(save, 0, 2);
  ComputeDerivedValues(save);
  // cities: 2 x 6 x 100 x 1000; citizens: (20 + 10) x 100 x 100; 15 units, of which 60 %
  EXPECT_EQ(save.Leaders[0].Unhappiness, 9);
  save.Leaders[0].LeaderIndex = 3;
  ComputeDerivedValues(save);
  EXPECT_EQ(save.Leaders[0].Unhappiness, 7);
}

TEST(Unhappiness, HumanPlayersUseTheirOwnPercentages) {
  SaveAnalysis save = FourPlayers();
  save.DifficultyPercent5 = 40;
  save.DifficultyPercent6 = 75;
  save.Leaders[0].GrossHappiness = 20;
  AddCity(save, 0, 10);
  ComputeDerivedValues(save);
  const TLeaderInfoRec& p = save.Leaders[0];
  EXPECT_EQ(std::tuple(p.CityUnhappiness, p.CitizenUnhappinessSum), std::tuple(3 * 40, 100 * 100 * 75));
  EXPECT_EQ(std::tuple(p.Unhappiness, p.Happiness), std::tuple(8, 12));  // (120,000 + 750,000) / 100,000
}

// Each nation's own difficulty row (the header's per-slot list) sets its city-count and citizen
// percentages; a computer player keeps the game level's computer share of the whole.
TEST(Unhappiness, OwnDifficultyRowOfEachPlayer) {
  SaveAnalysis save = FourPlayers();
  save.DifficultyPercent5 = 40;  // the game level (Settler-like for humans, Immortal for computers)
  save.DifficultyPercent6 = 45;
  save.DifficultyPercent7 = 75;
  const auto percents = [&](int32_t row) {
    const UnhappinessPercents p = UnhappinessPercentsOf(save, save.Leaders[static_cast<size_t>(row)]);
    return std::tuple(p.Cities, p.Citizens, p.Computer);
  };
  save.Leaders[0].Status = 1;
  EXPECT_EQ(percents(0), std::tuple(100, 100, 75));  // own row unknown
  save.SlotHandicap[0] = 1;                          // Chieftain, 60 % and 60 %
  EXPECT_EQ(percents(0), std::tuple(60, 60, 75));
  save.SlotHandicap[0] = 7;                          // the last row of the table
  EXPECT_EQ(percents(0), std::tuple(100, 100, 75));
  save.SlotHandicap[0] = 8;                          // the first row beyond it: the computer players' level
  EXPECT_EQ(percents(0), std::tuple(100, 75, 75));
  EXPECT_EQ(percents(1), std::tuple(40, 45, 100));   // a human without a row keeps the game level's
  save.SlotHandicap[1] = 2;                          // Warlord, 75 % and 75 %
  EXPECT_EQ(percents(1), std::tuple(75, 75, 100));
  save.SlotHandicap[1] = 8;                          // a human beyond the table keeps the game level's
  EXPECT_EQ(percents(1), std::tuple(40, 45, 100));
  save.SlotHandicap[22] = 0;                         // city-states follow the game level, whatever their row
  save.Leaders[2].Status = 1;
  EXPECT_EQ(percents(2), std::tuple(75, 75, 100));
  EXPECT_EQ(percents(3), std::tuple(40, 45, 100));
  save.Leaders[1].Slot = MaxPlayers;                 // a slot outside the list counts as unknown
  EXPECT_EQ(percents(1), std::tuple(40, 45, 100));
}

TEST(Unhappiness, ComputerPlayerOnItsOwnRow) {
  SaveAnalysis save = FourPlayers();
  save.DifficultyPercent7 = 75;
  save.SlotHandicap[0] = 1;
  save.Leaders[0].Status = 1;
  save.Leaders[0].GrossHappiness = 12;
  AddCity(save, 0, 3);
  ComputeDerivedValues(save);
  // (3 + 3) x 60 % = 3.6, cut to 3, then 75 % of it
  EXPECT_EQ(std::tuple(save.Leaders[0].Unhappiness, save.Leaders[0].Happiness), std::tuple(2, 10));
}

// The computer share applies to the unhappiness cut to whole units: 9.75 becomes 9, of which
// 75 % is 6 (the share taken first would give 7.31, so 7).
TEST(Unhappiness, ComputerShareOfTheWholeUnits) {
  SaveAnalysis save = FourPlayers();
  save.DifficultyPercent7 = 75;
  save.SlotHandicap[0] = 8;
  save.Leaders[0].Status = 1;
  AddCity(save, 0, 3);
  AddCity(save, 0, 2);
  ComputeDerivedValues(save);
  const TLeaderInfoRec& p = save.Leaders[0];
  EXPECT_EQ(std::tuple(p.CityUnhappiness, p.CitizenUnhappinessSum), std::tuple(2 * 3 * 100, 5 * 1000 * 75));
  EXPECT_EQ(p.Unhappiness, 6);
  save.DifficultyPercent7 = 100;  // nothing lowered: the whole units themselves
  ComputeDerivedValues(save);
  EXPECT_EQ(p.Unhappiness, 9);
}

TEST(Unhappiness, SpecialistsAndPolicies) {
  SaveAnalysis save = FourPlayers();
  TCityRec& city = AddCity(save, 0, 5);
  city.SpecialistCount = {1, 1, 0, 1, 0, 9, 9};  // only types 0..4 count
  const TCityRec& c = save.CityTable[0][0];
  ComputeDerivedValues(save);
  EXPECT_EQ(std::tuple(c.SpecialistUnhappiness, c.CitizenUnhappiness), std::tuple(30 * 100, 20 * 100));
  save.PolicyFlags[0][PolicySpecialistsHalf] = 1;
  ComputeDerivedValues(save);
  // (3 + 1) div 2 = 2 specialists count, and take 4 citizens with them.
  EXPECT_EQ(std::tuple(c.SpecialistUnhappiness, c.CitizenUnhappiness), std::tuple(20 * 100, 10 * 100));
}

TEST(Unhappiness, PalacePolicyLeaderAndWonderPercentages) {
  SaveAnalysis save = FourPlayers();
  TCityRec& capital = AddCity(save, 0, 5);
  capital.HasPalace = -1;
  save.PolicyFlags[0][PolicyPalaceCalm] = 1;
  save.PolicyFlags[0][PolicyLessUnhappiness] = 1;
  save.WonderOwner[ForbiddenPalace] = 0;
  ComputeDerivedValues(save);
  EXPECT_EQ(save.CityTable[0][0].CitizenUnhappiness, 25 * 85);  // halved, then 95 % - 10
  save.Leaders[0].LeaderIndex = LeaderHalvingUnhappiness;
  ComputeDerivedValues(save);
  EXPECT_EQ(save.CityTable[0][0].CitizenUnhappiness, 12 * 85);  // halved twice
}

TEST(Unhappiness, OccupiedPuppetAndCourthouse) {
  SaveAnalysis save = FourPlayers();
  TCityRec& occupied = AddCity(save, 0, 2);
  occupied.StatusFlags = {0, 0, 0, 0, 0, 1, 0, 0, 0, 0};
  TCityRec& puppet = AddCity(save, 0, 2);
  puppet.StatusFlags = {0, 0, 0, 1, 0, 1, 0, 0, 0, 0};
  TCityRec& calmed = AddCity(save, 0, 2);
  calmed.StatusFlags = {0, 0, 0, 0, 0, 1, 0, 0, 0, 0};
  calmed.HasCourthouse = -1;
  AddCity(save, 0, 0);  // an empty city adds no city unhappiness
  save.Leaders[0].OccupiedCount = 3;
  save.Leaders[0].PuppetCount = 1;
  ComputeDerivedValues(save);
  EXPECT_EQ(save.CityTable[0][0].CitizenUnhappiness, 20 * 134);
  EXPECT_EQ(save.CityTable[0][1].CitizenUnhappiness, 20 * 100);
  EXPECT_EQ(save.Leaders[0].OccupiedUnhappiness, 5);
  EXPECT_EQ(save.Leaders[0].CityUnhappiness, 3 * 100);  // the puppet only; the base game ignores the courthouse
  EXPECT_EQ(save.Leaders[0].OccupiedCount, 2);
  save.HasExpansion1 = -1;
  save.Leaders[0].OccupiedCount = 3;
  ComputeDerivedValues(save);
  EXPECT_EQ(save.Leaders[0].CityUnhappiness, 6 * 100);  // the calmed city counts like any other
}

TEST(Culture, PercentBaseAndPlayerSum) {
  SaveAnalysis save = FourPlayers();
  TCityRec& city = AddCity(save, 0, 3);
  city.CultureModifier = 10;
  city.HasClass3Building = -1;
  city.CultureYieldA = 1, city.CultureYieldB = 2, city.CultureYieldC = 3, city.CultureYieldD = 4, city.CultureYieldE = 5;
  TCityRec& rioting = AddCity(save, 0, 3);
  rioting.CultureYieldA = 50;
  rioting.Disorder = 1;
  save.PolicyFlags[0][PolicyWonderCulture] = 1;
  save.WonderOwner[SistineChapel] = 0;
  ComputeDerivedValues(save);
  const TCityRec& c = save.CityTable[0][0];
  EXPECT_EQ(std::tuple(c.CulturePercent, c.CultureBase, c.CulturePerTurn), std::tuple(68, 15, 15 * 168));
  EXPECT_EQ(save.Leaders[0].CityCulture, 25);  // 2,520 / 100; the city in disorder adds nothing
}

TEST(Culture, ExpansionLeaderBonusAndPuppets) {
  SaveAnalysis save = FourPlayers();
  save.HasExpansion1 = -1;
  save.Leaders[0].LeaderName = "Napoleon";
  save.Leaders[1].LeaderIndex = LeaderWithExtraCulture;
  save.Leaders[1].TechKnown[TechEndingLeader12Culture] = 1;
  TCityRec& paris = AddCity(save, 0, 1);
  paris.StatusFlags[3] = 1;
  AddCity(save, 1, 1);
  ComputeDerivedValues(save);
  EXPECT_EQ(std::tuple(save.CityTable[0][0].CultureBase, save.CityTable[0][0].CulturePercent), std::tuple(2, -25));
  EXPECT_EQ(save.CityTable[1][0].CultureBase, 0);  // the technology ended the bonus
  save.HasExpansion1 = 0;
  ComputeDerivedValues(save);
  EXPECT_EQ(save.CityTable[0][0].CultureBase, 0);
}

TEST(Culture, HappinessGoldenAgeAndCityStates) {
  SaveAnalysis save = FourPlayers();
  save.HasExpansion1 = -1;
  save.CurrentEraIndex = 2;
  TLeaderInfoRec& p = save.Leaders[0];
  p.GrossHappiness = 13;
  p.CSCulture = 5;
  p.GoldenAgeTurns = 3;
  save.PolicyFlags[0][PolicyHappinessCulture] = 1;
  save.MinorFriend[22][0] = 1;
  save.MinorAlly[23][0] = 1;
  ComputeDerivedValues(save);
  EXPECT_EQ(p.HappinessCulture, 6);
  EXPECT_EQ(p.CSCulture, 11);  // friend of a cultured city-state in the third era
  EXPECT_EQ(std::tuple(p.FriendOf[2], p.FriendOf[3], p.AllyOf[2], p.AllyOf[3]), std::tuple(-1, 0, 0, -1));
  EXPECT_EQ(std::tuple(p.GoldenAgeCulture, p.CulturePerTurn), std::tuple((6 + 11) * 20 / 100, 17 + 3));
  EXPECT_EQ(std::tuple(p.CSFaith, p.FaithPerTurn), std::tuple(8, 8));
}

// Under the QEL rules the policy no longer turns happiness into culture; the other layouts keep it.
TEST(Culture, HappinessCultureOnlyOutsideQel) {
  for (auto [isQel, expected] : {std::tuple{0, 6}, std::tuple{-1, 0}}) {
    SaveAnalysis save = FourPlayers();
    save.IsQEL = isQel;
    TLeaderInfoRec& p = save.Leaders[0];
    p.GrossHappiness = 13;
    save.PolicyFlags[0][PolicyHappinessCulture] = 1;
    ComputeDerivedValues(save);
    EXPECT_EQ(std::tuple(p.HappinessCulture, p.CulturePerTurn), std::tuple(expected, expected)) << "IsQEL " << isQel;
  }
}

TEST(CityStates, BonusesGrowWithTheEra) {
  for (auto [era, culture, faith] : {std::tuple{0, 3 + 6, 2 + 4}, std::tuple{3, 6 + 12, 4 + 8}, std::tuple{4, 13 + 26, 8 + 16}}) {
    SaveAnalysis save = FourPlayers();
    save.HasExpansion1 = -1;
    save.CurrentEraIndex = era;
    save.Leaders[3].Trait = "Cultured";
    save.Leaders[2].Trait = "Religious";
    save.MinorFriend[23][1] = save.MinorAlly[23][1] = 1;
    save.MinorFriend[22][1] = save.MinorAlly[22][1] = 1;
    ComputeDerivedValues(save);
    EXPECT_EQ(save.Leaders[1].CSCulture, culture) << "era " << era;
    EXPECT_EQ(save.Leaders[1].CSFaith, faith) << "era " << era;
    save.HasExpansion1 = 0;  // the base game has no cultured bonus
    save.Leaders[1].CSCulture = save.Leaders[1].CSFaith = 0;
    ComputeDerivedValues(save);
    EXPECT_EQ(std::tuple(save.Leaders[1].CSCulture, save.Leaders[1].FriendOf[3]), std::tuple(0, -1));
  }
}

TEST(GreatPeople, BonusRateAndTurns) {
  SaveAnalysis save = FourPlayers();
  save.HasExpansion1 = -1;
  save.Leaders[0].GreatPersonThreshold = 100;
  TCityRec& city = AddCity(save, 0, 4);
  city.HasNationalEpic = -1;
  city.HasGarden = -1;
  city.SpecialistCount[2] = 2;
  city.BuildingGreatPersonPoints[2] = 1;
  city.GreatPersonProgress[2] = 400;
  save.PolicyFlags[0][PolicyGreatPeople] = 1;
  save.WonderOwner[LeaningTower] = 0;
  save.WonderOwner[HagiaSophia] = 0;  // counts only in the base game
  ComputeDerivedValues(save);
  const TCityRec& c = save.CityTable[0][0];
  EXPECT_EQ(std::tuple(c.GreatPersonBonus, c.GreatPersonRate[2]), std::tuple(100, 200 * 7));
  EXPECT_FLOAT_EQ(c.GreatPersonTurns[2], 9600.0F / 1400.0F);
  EXPECT_EQ(c.GreatPersonTurns[1], 9999.0F);
  save.HasExpansion1 = 0;
  ComputeDerivedValues(save);
  EXPECT_EQ(save.CityTable[0][0].GreatPersonBonus, 100);  // Hagia Sophia now
  save.WonderOwner[HagiaSophia] = 1;
  ComputeDerivedValues(save);
  EXPECT_EQ(save.CityTable[0][0].GreatPersonBonus, 75);
}

TEST(PlayerTotals, GoldenAgeThresholdFromCityCount) {
  SaveAnalysis save = FourPlayers();
  save.Leaders[0].GoldenAgeCount = 4;
  save.Leaders[0].CityCount = 16;
  save.Leaders[1].CityCount = 1;
  save.PolicyFlags.clear();  // rows no step reached: nothing adopted, no relation
  save.MinorFriend.clear();
  ComputeDerivedValues(save);
  EXPECT_EQ(std::tuple(save.Leaders[0].AccHappinessNeeded, save.Leaders[1].AccHappinessNeeded), std::tuple(1725, 500));
}

TEST(PlayerTotals, OnlyRowsBelowLeaderCount) {
  SaveAnalysis save = FourPlayers();
  save.LeaderCount = 3;
  save.Leaders[3].Unhappiness = 77;
  save.Leaders[3].OccupiedCount = 1;
  save.Leaders[3].PuppetCount = 4;
  save.MinorFriend[22][23] = 1;  // what an unused row would pick up
  ComputeDerivedValues(save);
  EXPECT_EQ(save.Leaders[3].Unhappiness, 77);
  EXPECT_EQ(save.Leaders[3].FriendOf[2], 0);
  EXPECT_EQ(save.Leaders[3].OccupiedCount, 0);  // never below 0, for every row
}

TEST(SpyLinks, AgentsLearnTheirCity) {
  SaveAnalysis save = FourPlayers();
  AddCity(save, 1, 3).Name = "FIRST";
  TCityRec& city = AddCity(save, 1, 3);
  city.Name = "SECOND";
  city.SpyLists[AgentIndex][0] = 2;   // player row 0's agent 2
  city.SpyLists[AgentIndex][2] = 10;  // no such agent
  ComputeDerivedValues(save);
  const TAgentRec& agent = save.Leaders[0].Agents[2];
  EXPECT_EQ(std::tuple(agent.CityName, agent.CityOwner, agent.CityOrdinal, agent.AgentOwner), std::tuple("SECOND", 1, 1, 0));
  EXPECT_TRUE(save.Leaders[0].Agents[0].CityName.empty());
  EXPECT_EQ(save.Leaders[2].Agents[9].CityOwner, -1);
}

}  // namespace
}  // namespace orv5
