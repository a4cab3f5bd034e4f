#pragma once
// The game's own formulas for values it shows its players but does not store. Thresholds are
// computed in integers where the game's result depends on exact rounding.
#include <cstdint>

#include "analysis/SaveAnalysis.h"

namespace orv5 {

// Policy positions and leader numbers the formulas test (same in every layout).
namespace DerivedRule {
inline constexpr int PolicyLessUnhappiness = 5;      // all unhappiness at 95 %
inline constexpr int PolicyCheaperCulture = 6;       // culture threshold exponent x 0.75
inline constexpr int PolicyPalaceCalm = 11;          // capital unhappiness halved
inline constexpr int PolicyHappinessCulture = 20;    // half the happiness becomes culture (not in QEL)
inline constexpr int PolicyWonderCulture = 22;       // +33 % culture with a world wonder
inline constexpr int PolicyGreatPeople = 42;         // +25 % great-person points
inline constexpr int PolicySpecialistsHalf = 47;     // specialists count half
inline constexpr int32_t LeaderHalvingUnhappiness = 8;   // Gandhi: half the population, twice per city
inline constexpr int32_t LeaderWithExtraCulture = 12;    // Napoleon
inline constexpr int TechEndingNapoleonCulture = 49;
inline constexpr int TechEndingLeader12Culture = 44;
}  // namespace DerivedRule

// Indexes of SaveAnalysis::WonderOwner.
enum WonderSlot { AngkorWat, SistineChapel, HagiaSophia, ForbiddenPalace, LeaningTower };

// The percentages of a player's unhappiness from its number of cities and from its citizens, and
// the share of the whole that a computer player keeps. A nation uses its own difficulty row
// (SlotHandicap); a human without one the game level's row. A computer player whose own row lies
// beyond the table's eight plays the computer players' own level (all of the city-count, three
// quarters of the citizens' unhappiness); one without a row counts 100 %. The whole, cut to
// whole units, is then lowered by the game level's computer percentage (LevelPercent7).
// City-states keep the game level's percentages, a computer city-state's folded into both.
struct UnhappinessPercents {
  int32_t Cities = 100;
  int32_t Citizens = 100;
  int32_t Computer = 100;
};
inline constexpr UnhappinessPercents ComputerLevelPercents{100, 75, 100};
UnhappinessPercents UnhappinessPercentsOf(const SaveAnalysis& save, const TLeaderInfoRec& leader);

// Food a city of this population needs to grow (population outside 1..100 counts as 1).
int32_t FoodNeeded(int32_t population, const TLeaderInfoRec& owner, const SaveAnalysis& save);

// The growth term trunc((n - 1)^1.5), exactly: the integer square root of (n - 1)^3.
int64_t GrowthTerm(int32_t population);

// Culture a city needs for its next tile (step outside 0..1000 counts as 0).
int32_t CultureNeeded(int32_t cultureStep, bool cheaperCulture, bool minorOwner, bool ownsAngkorWat,
                      int32_t speedPercent);

// Happiness a player must gather for its next golden age, in integers:
// ((500 + 250 g) (99 + cities)) div 100, down to a multiple of 5.
int32_t GoldenAgeThreshold(int32_t goldenAges, int32_t cityCount);

// Turns to the next great person at this rate; 9999 when nothing accrues.
float GreatPersonTurns(int32_t threshold, int32_t progress, int32_t rate);

}  // namespace orv5
