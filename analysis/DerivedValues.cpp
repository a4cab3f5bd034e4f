// Values the game computes from the cities and shows its players, and the spy-to-city links.
#include "analysis/DerivedValues.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "analysis/Sections.h"
#include "refdata/Lookups.h"
#include "refdata/RefTables.h"

namespace orv5 {

namespace {

constexpr int32_t ComputerPlayer = 1;  // `Status` of a player the game plays itself
constexpr float NoGreatPersonTurns = 9999.0F;

int64_t ISqrt(int64_t n) {
  if (n <= 0) return 0;
  auto root = static_cast<int64_t>(std::sqrt(static_cast<double>(n)));
  while (root * root > n) --root;
  while ((root + 1) * (root + 1) <= n) ++root;
  return root;
}

int32_t DownToMultipleOf5(int32_t value) { return value - value % 5; }

// Values from a damaged save may be anything: sums and products are taken in 64 bits and kept
// modulo 2^32, so no input makes the arithmetic undefined.
int32_t Narrow(int64_t value) { return static_cast<int32_t>(value); }
void AddTo(int32_t& sum, int64_t value) { sum = Narrow(sum + value); }

bool Adopted(const SaveAnalysis& save, size_t row, int policy) {
  return row < save.PolicyFlags.size() && save.PolicyFlags[row][static_cast<size_t>(policy)] != 0;
}

bool Owns(const SaveAnalysis& save, int32_t row, WonderSlot wonder) {
  return save.WonderOwner[static_cast<size_t>(wonder)] == row;
}

}  // namespace

int64_t GrowthTerm(int32_t population) {
  const int64_t n = population - 1;
  return ISqrt(n * n * n);
}

int32_t FoodNeeded(int32_t population, const TLeaderInfoRec& owner, const SaveAnalysis& save) {
  const int32_t n = (population < 1 || population > 100) ? 1 : population;
  auto food = static_cast<int32_t>(GrowthTerm(n) + 8 * (n - 1) + 15);
  food = food * (owner.Status == ComputerPlayer ? save.DifficultyPercent2 : 100) / 100;
  food = food * (owner.IsMinorCiv ? 150 : 100) / 100;
  food = food * save.SpeedPercent / 100;
  return food * save.EraCityPercent / 100;
}

int32_t CultureNeeded(int32_t cultureStep, bool cheaperCulture, bool minorOwner, bool ownsAngkorWat,
                      int32_t speedPercent) {
  const int32_t n = (cultureStep < 0 || cultureStep > 1000) ? 0 : cultureStep;
  const double exponent = cheaperCulture ? 0.825 : 1.1;
  auto culture = static_cast<int32_t>(std::pow(10.0 * n, exponent) + 15.0);
  culture = culture * (minorOwner ? 150 : 100) / 100;
  culture = culture * (ownsAngkorWat ? 75 : 100) / 100;
  culture = culture * speedPercent / 100;
  return DownToMultipleOf5(culture);
}

int32_t GoldenAgeThreshold(int32_t goldenAges, int32_t cityCount) {
  const int64_t threshold = (500 + 250 * int64_t{goldenAges}) * (99 + int64_t{cityCount}) / 100;
  return DownToMultipleOf5(static_cast<int32_t>(threshold));
}

float GreatPersonTurns(int32_t threshold, int32_t progress, int32_t rate) {
  if (rate < 1) return NoGreatPersonTurns;
  return static_cast<float>((static_cast<double>(threshold) * 100.0 - progress) / rate);
}

namespace {

using namespace DerivedRule;

void CityCultureAndPeople(const SaveAnalysis& save, int32_t h, TCityRec& city) {
  const TLeaderInfoRec& leader = save.Leaders[static_cast<size_t>(h)];
  const auto row = static_cast<size_t>(h);
  city.CultureNeeded = CultureNeeded(city.CultureStep, Adopted(save, row, PolicyCheaperCulture), leader.IsMinorCiv != 0,
                                     Owns(save, h, AngkorWat), save.SpeedPercent);
  const WonderSlot greatPeopleWonder = save.HasExpansion1 ? LeaningTower : HagiaSophia;
  city.GreatPersonBonus = (Adopted(save, row, PolicyGreatPeople) ? 25 : 0) + (Owns(save, h, greatPeopleWonder) ? 25 : 0) +
                          (city.HasNationalEpic ? 25 : 0) + (city.HasGarden ? 25 : 0);
  for (size_t k = 1; k <= 4; ++k) {
    const int64_t points = 3 * int64_t{city.SpecialistCount[k]} + city.BuildingGreatPersonPoints[k];
    city.GreatPersonRate[k] = Narrow((city.GreatPersonBonus + 100) * points);
    city.GreatPersonTurns[k] =
        GreatPersonTurns(leader.GreatPersonThreshold, city.GreatPersonProgress[k], city.GreatPersonRate[k]);
  }
}

bool ExtraLeaderCulture(const TLeaderInfoRec& leader) {
  return (leader.LeaderName == "Napoleon" && leader.TechKnown[TechEndingNapoleonCulture] == 0) ||
         (leader.LeaderIndex == LeaderWithExtraCulture && leader.TechKnown[TechEndingLeader12Culture] == 0);
}

void CityCultureAndFaith(const SaveAnalysis& save, int32_t h, TCityRec& city) {
  const TLeaderInfoRec& leader = save.Leaders[static_cast<size_t>(h)];
  city.CulturePercent = Narrow(int64_t{city.CultureModifier} +
                               (Adopted(save, static_cast<size_t>(h), PolicyWonderCulture) && city.HasClass3Building ? 33 : 0) +
                               (Owns(save, h, SistineChapel) ? 25 : 0));
  city.CultureBase = Narrow(int64_t{city.CultureYieldA} + city.CultureYieldB + city.CultureYieldC + city.CultureYieldE +
                            city.CultureYieldD);
  if (save.HasExpansion1) {
    if (ExtraLeaderCulture(leader)) AddTo(city.CultureBase, 2);
    if (city.StatusFlags[3]) AddTo(city.CulturePercent, -25);
  }
  city.CulturePerTurn = Narrow(int64_t{city.CultureBase} * (int64_t{city.CulturePercent} + 100));
  city.CityFaith = Narrow(int64_t{city.FaithYieldA} + city.FaithYieldB + city.FaithYieldD + city.FaithYieldC);
}

// Citizen and specialist unhappiness of one city, scaled by 1,000.
void CityUnhappiness(const SaveAnalysis& save, int32_t h, TCityRec& city) {
  const TLeaderInfoRec& leader = save.Leaders[static_cast<size_t>(h)];
  const auto row = static_cast<size_t>(h);
  int64_t specialists = 0;
  for (size_t k = 0; k < 5; ++k) specialists += city.SpecialistCount[k];
  // With the policy, specialists count half (rounded up) and each takes two citizens with it.
  const bool halfSpecialists = Adopted(save, row, PolicySpecialistsHalf);
  const int64_t counted = halfSpecialists ? (specialists + 1) / 2 : specialists;
  int64_t fromSpecialists = counted * 10;
  int64_t fromCitizens = (city.Population - (halfSpecialists ? 2 * counted : counted)) * 10;
  const bool halve[] = {city.HasPalace && Adopted(save, row, PolicyPalaceCalm), leader.LeaderIndex == LeaderHalvingUnhappiness};
  for (bool apply : halve) {
    if (!apply) continue;
    fromSpecialists /= 2;
    fromCitizens /= 2;
  }
  int32_t percent = (Adopted(save, row, PolicyLessUnhappiness) ? 95 : 100) - (Owns(save, h, ForbiddenPalace) ? 10 : 0);
  if (city.StatusFlags[5] && !city.StatusFlags[3] && !city.HasCourthouse) percent = 134;
  city.SpecialistUnhappiness = Narrow(fromSpecialists * percent);
  city.CitizenUnhappiness = Narrow(fromCitizens * percent);
}

void AddCityToPlayer(const SaveAnalysis& save, const TCityRec& city, TLeaderInfoRec& leader) {
  if (city.Disorder == 0) {
    AddTo(leader.CityCulture, city.CulturePerTurn / 100);
    AddTo(leader.CityFaithSum, city.CityFaith);
  }
  AddTo(leader.CitizenUnhappinessSum, city.CitizenUnhappiness);
  AddTo(leader.SpecialistUnhappinessSum, city.SpecialistUnhappiness);
  const int32_t perCity = leader.LeaderIndex == LeaderHalvingUnhappiness ? 6 : 3;
  const bool puppet = city.StatusFlags[3] != 0;
  if (city.Population <= 0) return;
  if (city.StatusFlags[0] || puppet) leader.CityUnhappiness += perCity;
  if (city.StatusFlags[5] && !puppet) {
    if (!city.HasCourthouse) {
      leader.OccupiedUnhappiness += 5;
    } else if (save.HasExpansion1) {
      leader.CityUnhappiness += perCity;
    }
  }
}

// Each player's agent that stands in this city gets the city's name and place in the table.
void LinkSpies(SaveAnalysis& save, int32_t h, int32_t c, const TCityRec& city) {
  const auto& agentIndex = city.SpyLists[AgentIndex];
  for (size_t a = 0; a < agentIndex.size() && a < save.Leaders.size(); ++a) {
    const int32_t i = agentIndex[a];
    if (i < 0 || i >= MaxAgents) continue;
    TAgentRec& agent = save.Leaders[a].Agents[static_cast<size_t>(i)];
    agent.CityName = city.Name;
    agent.CityOwner = h;
    agent.CityOrdinal = c;
    agent.AgentOwner = static_cast<int32_t>(a);
  }
}

void PlayerCities(SaveAnalysis& save, int32_t h) {
  TLeaderInfoRec& leader = save.Leaders[static_cast<size_t>(h)];
  leader.CityUnhappiness = leader.CitizenUnhappinessSum = leader.SpecialistUnhappinessSum = 0;
  leader.OccupiedUnhappiness = leader.CityCulture = leader.CityFaithSum = 0;
  if (static_cast<size_t>(h) >= save.CityTable.size()) return;
  auto& cities = save.CityTable[static_cast<size_t>(h)];
  for (size_t c = 0; c < cities.size(); ++c) {
    TCityRec& city = cities[c];
    CityCultureAndPeople(save, h, city);
    CityCultureAndFaith(save, h, city);
    CityUnhappiness(save, h, city);
    AddCityToPlayer(save, city, leader);
    LinkSpies(save, h, static_cast<int32_t>(c), city);
  }
}

// Bonus by era: the base value, from the third era on the second, from the fifth the third.
int32_t ByEra(int32_t era, int32_t early, int32_t middle, int32_t late) {
  return era > 3 ? late : era > 1 ? middle : early;
}

// Friendship and alliance with each city-state, and the culture and faith they bring.
void CityStateBonuses(SaveAnalysis& save, int32_t h, int32_t rows) {
  TLeaderInfoRec& leader = save.Leaders[static_cast<size_t>(h)];
  const int32_t era = save.CurrentEraIndex;
  const auto relation = [&](const std::vector<PlayerGrid>& grid, int32_t minorSlot) {
    return minorSlot >= 0 && static_cast<size_t>(minorSlot) < grid.size() && leader.Slot >= 0 &&
           leader.Slot < MaxPlayers && grid[static_cast<size_t>(minorSlot)][static_cast<size_t>(leader.Slot)] != 0;
  };
  for (int32_t r = 0; r < rows; ++r) {
    const TLeaderInfoRec& minor = save.Leaders[static_cast<size_t>(r)];
    if (!IsMinor(minor.Slot, save.SlotCiv)) continue;
    const bool cultured = minor.Trait == "Cultured" && save.HasExpansion1;
    const bool religious = minor.Trait == "Religious";
    const bool isFriend = relation(save.MinorFriend, minor.Slot);
    const bool isAlly = relation(save.MinorAlly, minor.Slot);
    leader.FriendOf[static_cast<size_t>(r)] = isFriend ? -1 : 0;
    leader.AllyOf[static_cast<size_t>(r)] = isAlly ? -1 : 0;
    if (isFriend && cultured) AddTo(leader.CSCulture, ByEra(era, 3, 6, 13));
    if (isFriend && religious) AddTo(leader.CSFaith, ByEra(era, 2, 4, 8));
    if (isAlly && cultured) AddTo(leader.CSCulture, ByEra(era, 6, 12, 26));
    if (isAlly && religious) AddTo(leader.CSFaith, ByEra(era, 4, 8, 16));
  }
}

// The QEL rules gave the policy at this position other effects: a QEL player who holds it records
// the culture of its cities alone, whatever its happiness.
bool HappinessBecomesCulture(const SaveAnalysis& save, int32_t h) {
  return save.IsQEL == 0 && Adopted(save, static_cast<size_t>(h), PolicyHappinessCulture);
}

void PlayerTotals(SaveAnalysis& save, int32_t h, int32_t rows) {
  TLeaderInfoRec& leader = save.Leaders[static_cast<size_t>(h)];
  const UnhappinessPercents percents = UnhappinessPercentsOf(save, leader);
  leader.CityUnhappiness = Narrow(int64_t{leader.CityUnhappiness} * percents.Cities);
  leader.CitizenUnhappinessSum = Narrow(leader.CitizenUnhappinessSum * percents.Citizens);
  leader.SpecialistUnhappinessSum = Narrow(leader.SpecialistUnhappinessSum * percents.Citizens);
  const int64_t scaled = int64_t{leader.CityUnhappiness} * 1000 + leader.CitizenUnhappinessSum + leader.SpecialistUnhappinessSum;
  leader.Unhappiness = Narrow(scaled / 100000 * percents.Computer / 100 + leader.OccupiedUnhappiness);
  leader.Happiness = Narrow(int64_t{leader.GrossHappiness} - leader.Unhappiness);
  leader.AccHappinessNeeded = GoldenAgeThreshold(leader.GoldenAgeCount, leader.CityCount);
  CityStateBonuses(save, h, rows);
  leader.HappinessCulture = HappinessBecomesCulture(save, h) ? leader.Happiness / 2 : 0;
  leader.CulturePerTurn = Narrow(int64_t{leader.CityCulture} + leader.HappinessCulture + leader.CSCulture);
  const bool goldenAge = save.HasExpansion1 && leader.GoldenAgeTurns > 0;
  leader.GoldenAgeCulture = goldenAge ? Narrow(int64_t{leader.CulturePerTurn} * 20 / 100) : 0;
  AddTo(leader.CulturePerTurn, leader.GoldenAgeCulture);
  leader.FaithPerTurn = Narrow(int64_t{leader.CityFaithSum} + leader.CSFaith);
}

}  // namespace

UnhappinessPercents UnhappinessPercentsOf(const SaveAnalysis& save, const TLeaderInfoRec& leader) {
  const bool computer = leader.Status == ComputerPlayer;
  if (leader.IsMinorCiv != 0) {  // city-states follow the game's level whatever their own row says
    return computer ? UnhappinessPercents{save.DifficultyPercent7, save.DifficultyPercent7}
                    : UnhappinessPercents{save.DifficultyPercent5, save.DifficultyPercent6};
  }
  const auto levels = LevelTable();
  const int32_t own = leader.Slot >= 0 && leader.Slot < MaxPlayers ? save.SlotHandicap[static_cast<size_t>(leader.Slot)] : -1;
  UnhappinessPercents percents =
      computer ? UnhappinessPercents{} : UnhappinessPercents{save.DifficultyPercent5, save.DifficultyPercent6};
  if (own >= 0 && static_cast<size_t>(own) < levels.size()) {
    percents = {levels[static_cast<size_t>(own)].LevelPercent5, levels[static_cast<size_t>(own)].LevelPercent6};
  } else if (computer && own >= 0) {
    percents = ComputerLevelPercents;
  }
  if (computer) percents.Computer = save.DifficultyPercent7;
  return percents;
}

// Only rows below LeaderCount hold players; the rest would copy another row's relations.
void ComputeDerivedValues(SaveAnalysis& save) {
  const auto rows = static_cast<int32_t>(
      std::min<size_t>({static_cast<size_t>(std::max(save.LeaderCount, 0)), save.Leaders.size(), size_t{MaxPlayers}}));
  for (int32_t h = 0; h < rows; ++h) {
    PlayerCities(save, h);
    PlayerTotals(save, h, rows);
  }
  for (TLeaderInfoRec& leader : save.Leaders) leader.OccupiedCount = std::max(0, leader.OccupiedCount - leader.PuppetCount);
  StepDiagnostic& step = AddStep(save, "derived values");
  step.Found = rows > 0;
  step.Records = rows;
  if (rows == 0) step.Stop = "no players";
}

}  // namespace orv5
