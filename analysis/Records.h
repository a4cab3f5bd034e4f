#pragma once
// The records one analysis fills: players, cities, agents, notifications, replay messages.
// Fixed-size inner arrays keep the indexes the save and the views use; the tables that
// hold these records are sized to what the save contains.
#include <array>
#include <cstdint>
#include <string>

namespace orv5 {

inline constexpr int MaxPlayers = 64;       // player slots of a game
inline constexpr int MaxTechs = 81;
inline constexpr int MaxPolicies = 111;
inline constexpr int MaxAgents = 10;
inline constexpr int MaxCityLists = 150;    // entries kept per building or unit list
inline constexpr int MaxBuildQueue = 20;
inline constexpr int MaxCityReligions = 15;
inline constexpr int NotificationRing = 100;

struct TAgentRec {
  int32_t NameIndex = 0;
  int32_t Rank = 0;
  int32_t X = 0;
  int32_t Y = 0;
  int32_t State = 0;
  int32_t ReviveTurns = 0;
  int32_t IsDiplomat = 0;
  int32_t Reassign = 0;
  std::string Name;
  std::string CityName;
  int32_t CityOwner = -1;
  int32_t CityOrdinal = -1;
  int32_t AgentOwner = -1;
};

struct TLeaderInfoRec {
  // Identity, from the header's slot lists.
  std::string LeaderName;  // empty marks an unused row
  std::string CivName;
  std::string Trait;
  int32_t CivIndex = 0;
  int32_t LeaderIndex = 0;
  int32_t Slot = 0;
  int32_t Status = 0;
  int32_t IsMinorCiv = 0;

  // Religion founded: belief identifiers, 0 = none (the first six are used).
  std::array<int32_t, 7> Beliefs{};

  // Technologies, policies and the economy block.
  int32_t TechLeadValue = 0;
  std::array<int32_t, MaxTechs> TechKnown{};
  std::array<int32_t, MaxTechs> TechProgress{};
  int32_t ResearchOverflow = 0;
  int32_t PolicyCount = 0;
  int32_t PolicyCulture = 0;
  int32_t PolicyCultureNeeded = 0;
  int32_t TotalCulture = 0;
  int32_t CSCulture = 0;
  int32_t GrossHappiness = 0;
  int32_t AccHappiness = 0;
  int32_t GoldenAgeCount = 0;
  int32_t GoldenAgeTurns = 0;
  int32_t GoldenAgeExtra = 0;
  int32_t GreatPeopleCount = 0;
  int32_t GreatPersonThreshold = 0;
  int32_t GreatWriterThreshold = 0;
  int32_t GreatArtistThreshold = 0;
  int32_t GreatMusicianThreshold = 0;
  int32_t GreatGeneralThreshold = 0;
  int32_t GreatAdmiralThreshold = 0;
  int32_t GGPoints = 0;
  int32_t GAPoints = 0;
  int32_t TGGPoints = 0;
  int32_t GMFaith = 0;
  int32_t GSFaith = 0;
  int32_t GWrFaith = 0;
  int32_t GArFaith = 0;
  int32_t GMuFaith = 0;
  int32_t GGFaith = 0;
  int32_t GAFaith = 0;
  int32_t GEFaith = 0;
  int32_t GreatPeopleExtra = 0;
  int32_t PolicyExtra1 = 0;
  int32_t PolicyExtra2 = 0;
  int32_t AccFaith = 0;
  int32_t TotalFaith = 0;

  // Cities of the player.
  int32_t CityCount = 0;
  int32_t NeverLostCount = 0;
  int32_t OccupiedCount = 0;
  int32_t PuppetCount = 0;
  int32_t CurrentResearch = 0;

  // Values the game shows but does not store, computed from the cities.
  int32_t CityUnhappiness = 0;
  int32_t CitizenUnhappinessSum = 0;
  int32_t SpecialistUnhappinessSum = 0;
  int32_t OccupiedUnhappiness = 0;
  int32_t Unhappiness = 0;
  int32_t Happiness = 0;
  int32_t AccHappinessNeeded = 0;
  int32_t CityCulture = 0;
  int32_t HappinessCulture = 0;
  int32_t GoldenAgeCulture = 0;
  int32_t CulturePerTurn = 0;
  int32_t CityFaithSum = 0;
  int32_t CSFaith = 0;
  int32_t FaithPerTurn = 0;
  std::array<int32_t, MaxPlayers> FriendOf{};
  std::array<int32_t, MaxPlayers> AllyOf{};

  // Espionage and treasury, from the player's notification record.
  std::array<TAgentRec, MaxAgents> Agents{};
  int32_t AgentCount = 0;
  int32_t Gold = 0;
  int32_t DiploGold = 0;
  int32_t GoldExtra1 = 0;
  int32_t GoldExtra2 = 0;
  int32_t GoldExtra3 = 0;
  int32_t GoldExtra4 = 0;
};

struct TReplayMsgRec {
  int32_t Turn = 0;
  std::string Text;
};

struct TMessageRec {
  int32_t Kind = 0;
  std::string Text;
  std::string Summary;
  int32_t Value1 = 0;
  int32_t Value2 = 0;
  int32_t Value3 = 0;
  int32_t Value4 = 0;
  int32_t Turn = 0;
  int32_t Value5 = 0;
  int32_t Flag = 0;
  int32_t Value6 = 0;
};

struct TNotificationLog {
  int32_t First = 0;
  int32_t Last = 0;
  std::array<TMessageRec, NotificationRing> Messages{};
};

struct BuildOrder {
  int32_t Type = 0;
  int32_t Item = 0;
  int32_t Data = 0;
  int32_t Flag1 = 0;
  int32_t Flag2 = 0;
};

struct PlotGroup {
  int32_t Count = 0;
  std::array<int32_t, 6> Values{};
};

struct CityReligion {
  int32_t Kind = 0;
  int32_t Religion = 0;
  int32_t Holy = 0;
  int32_t Followers = 0;
  int32_t Points = 0;
  float Percent = 0;
};

// Indexes into TCityRec::SpyLists.
enum SpyList { AgentIndex, SpyAmountProgress, SpyRateProgress, SpyGoalProgress, LastProgress, LastPotential,
               LastBasePotential, SpyResult, TimesRobbed, SpyListCount };

struct TCityRec {
  std::string Name;
  int32_t X = 0;
  int32_t Y = 0;
  std::array<int32_t, 10> StatusFlags{};  // [0] never lost, [3] puppet, [5] occupied, [7] ever capital, [8] railroad
  int32_t OwnerIndex = 0;
  int32_t PreviousOwner = 0;
  int32_t OriginalOwner = 0;
  int32_t OwnerValue = 0;
  int32_t FoodStored = 0;
  int32_t FoodValue2 = 0;
  int32_t FoodNeeded = 0;
  int32_t ProductionOverflow = 0;
  int32_t Strength = 0;
  int32_t StrengthA = 0;
  int32_t StrengthB = 0;
  int32_t StrengthC = 0;
  int32_t WltkdTurns = 0;
  int32_t Disorder = 0;
  int32_t CultureStored = 0;
  int32_t CultureStep = 0;
  int32_t CultureNeeded = 0;
  int32_t Founded = 0;
  int32_t CapturedTurn = 0;
  int32_t Population = 0;
  int32_t MaxPopulation = 0;
  int32_t CurrentOrderType = 0;
  int32_t CurrentOrderItem = 0;
  std::array<BuildOrder, MaxBuildQueue> BuildQueue{};
  int32_t QueueLength = 0;
  int32_t CultureYieldA = 0;
  int32_t CultureYieldB = 0;
  int32_t CultureYieldC = 0;
  int32_t CultureYieldD = 0;
  int32_t CultureYieldE = 0;
  int32_t CultureModifier = 0;
  int32_t FaithYieldA = 0;
  int32_t FaithYieldB = 0;
  int32_t FaithYieldC = 0;
  int32_t FaithYieldD = 0;
  int32_t HasGarden = 0;
  int32_t HasFloatingGardens = 0;
  int32_t HasCourthouse = 0;
  int32_t HasNationalEpic = 0;
  int32_t HasClass3Building = 0;
  int32_t HasPalace = 0;
  int32_t GreatPersonBonus = 0;
  int32_t CulturePercent = 0;
  int32_t CulturePerTurn = 0;
  int32_t CultureBase = 0;
  int32_t CityFaith = 0;
  int32_t CitizenUnhappiness = 0;
  int32_t SpecialistUnhappiness = 0;
  std::array<std::string, MaxCityLists> BuildingName{};
  std::array<int32_t, MaxCityLists> BuildingValue1{};
  std::array<int32_t, MaxCityLists> BuildingValue2{};
  std::array<int32_t, MaxCityLists> BuildingValue3{};
  std::array<int32_t, MaxCityLists> BuildingDate{};
  std::array<int32_t, MaxCityLists> BuildingTurn{};
  std::array<int32_t, MaxCityLists> BuildingValue5{};
  std::array<int32_t, MaxCityLists> BuildingValue6{};
  std::array<int32_t, 7> YieldValues{};
  std::array<std::string, MaxCityLists> UnitName{};
  std::array<int32_t, MaxCityLists> UnitValue1{};
  std::array<int32_t, MaxCityLists> UnitValue2{};
  std::array<PlotGroup, 18> PlotGroups{};
  // Great-person arrays are indexed by specialist type, which starts at 1: [0] stays unused.
  std::array<int32_t, 7> GreatPersonProgress{};        // types 1..6
  std::array<int32_t, 5> GreatPersonRate{};            // types 1..4
  std::array<float, 5> GreatPersonTurns{};             // types 1..4
  std::array<int32_t, 7> SpecialistCount{};            // types 0..6
  std::array<int32_t, 5> BuildingGreatPersonPoints{};  // types 1..4
  int32_t ReligionCount = 0;
  std::array<CityReligion, MaxCityReligions> Religions{};
  std::array<std::array<int32_t, MaxPlayers>, SpyListCount> SpyLists{};
};

}  // namespace orv5
