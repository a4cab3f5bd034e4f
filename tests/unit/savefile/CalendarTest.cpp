#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "savefile/Calendar.h"

namespace orv5 {
namespace {

constexpr int32_t AllSpeeds[] = {0, 1, 2, 3};

struct Date {
  int32_t year;
  std::string month;
};

Date DateOf(int32_t speedIndex, int32_t turn) {
  Date date;
  date.year = Turn2Date(speedIndex, turn, date.month);
  return date;
}

// ---- Speed index -------------------------------------------------------------------

TEST(CalendarSpeed, TurnLimitChoosesTheSchedule) {
  EXPECT_EQ(SpeedIndexFromTurnLimit(1500), 0);
  EXPECT_EQ(SpeedIndexFromTurnLimit(750), 1);
  EXPECT_EQ(SpeedIndexFromTurnLimit(500), 2);
  EXPECT_EQ(SpeedIndexFromTurnLimit(330), 3);
}

TEST(CalendarSpeed, UnknownTurnLimitFallsBackToStandard) {
  for (int32_t limit : {0, -1, 331, 499, 501, 1000, 100000}) EXPECT_EQ(SpeedIndexFromTurnLimit(limit), 2) << limit;
}

TEST(CalendarSpeed, TurnLimitOfEachSpeedRoundTrips) {
  for (int32_t speed : AllSpeeds) EXPECT_EQ(SpeedIndexFromTurnLimit(TurnLimitOfSpeed(speed)), speed);
  EXPECT_EQ(TurnLimitOfSpeed(0), 1500);
  EXPECT_EQ(TurnLimitOfSpeed(3), 330);
  EXPECT_EQ(TurnLimitOfSpeed(4), 0);
  EXPECT_EQ(TurnLimitOfSpeed(-1), 0);
}

TEST(CalendarMonths, TwelveNamesThenEmpty) {
  const auto& names = MonthNames();
  ASSERT_EQ(names.size(), 13u);
  EXPECT_EQ(names[0], "Jan");
  EXPECT_EQ(names[3], "Apr");
  EXPECT_EQ(names[6], "Jul");
  EXPECT_EQ(names[11], "Dec");
  EXPECT_EQ(names[12], "");
}

// ---- Turn2Date: documented examples -----------------------------------------------

TEST(Turn2DateExamples, QuickGameReachesYearZero) {
  const Date date = DateOf(3, 75);
  EXPECT_EQ(date.year, 0);
  EXPECT_EQ(date.month, "");
  EXPECT_EQ(YearText(date.year), "   1AD");
}

TEST(Turn2DateExamples, StandardGameHalfYearTurns) {
  EXPECT_EQ(DateOf(2, 440).year, 2020);
  EXPECT_EQ(DateOf(2, 440).month, "");  // the last whole-year turn
  EXPECT_EQ(DateOf(2, 441).year, 2020);
  EXPECT_EQ(DateOf(2, 441).month, "Jul");
  EXPECT_EQ(DateOf(2, 442).year, 2021);
  EXPECT_EQ(DateOf(2, 442).month, "Jan");
  EXPECT_EQ(DateOf(2, 500).year, 2050);
  EXPECT_EQ(DateOf(2, 500).month, "Jan");
}

TEST(Turn2DateExamples, MarathonQuarterAndMonthTurns) {
  EXPECT_EQ(DateOf(0, 1081).year, 1971);
  EXPECT_EQ(DateOf(0, 1081).month, "Apr");
  EXPECT_EQ(DateOf(0, 1345).year, 2037);
  EXPECT_EQ(DateOf(0, 1345).month, "Feb");
}

TEST(Turn2DateExamples, MarathonMonthsCycleThroughTheYear) {
  const auto& names = MonthNames();
  for (int32_t k = 0; k < 12; ++k) {
    const Date date = DateOf(0, 1345 + k);
    EXPECT_EQ(date.year, k < 11 ? 2037 : 2038) << k;
    EXPECT_EQ(date.month, names[(k + 1) % 12]) << k;
  }
  const char* quarters[] = {"Apr", "Jul", "Oct", "Jan"};
  for (int32_t k = 0; k < 4; ++k) EXPECT_EQ(DateOf(0, 1081 + k).month, quarters[k]) << k;
  EXPECT_EQ(DateOf(0, 1084).year, 1972);
}

TEST(Turn2DateExamples, EpicHalfYears) {
  EXPECT_EQ(DateOf(1, 530).year, 1940);
  EXPECT_EQ(DateOf(1, 530).month, "");
  EXPECT_EQ(DateOf(1, 531).year, 1940);
  EXPECT_EQ(DateOf(1, 531).month, "Jul");
  EXPECT_EQ(DateOf(1, 532).year, 1941);
  EXPECT_EQ(DateOf(1, 532).month, "Jan");
}

TEST(Turn2DateExamples, PeriodsJoinWithoutAJump) {
  EXPECT_EQ(DateOf(3, 50).year, -1000);
  EXPECT_EQ(DateOf(3, 51).year, -960);
}

// ---- Turn2Date: range and bad input -----------------------------------------------

TEST(Turn2DateRange, TurnsOutsideTheGameCountAsItsEnds) {
  for (int32_t speed : AllSpeeds) {
    const int32_t limit = TurnLimitOfSpeed(speed);
    const Date last = DateOf(speed, limit);
    for (int32_t turn : {limit + 1, limit + 1000, std::numeric_limits<int32_t>::max()}) {
      EXPECT_EQ(DateOf(speed, turn).year, 2050) << speed << " " << turn;
      EXPECT_EQ(DateOf(speed, turn).month, last.month) << speed << " " << turn;
    }
    for (int32_t turn : {-1, -500, std::numeric_limits<int32_t>::min()}) {
      EXPECT_EQ(DateOf(speed, turn).year, -4000) << speed << " " << turn;
      EXPECT_EQ(DateOf(speed, turn).month, "") << speed << " " << turn;
    }
  }
}

TEST(Turn2DateRange, BadSpeedIndexGivesNoYearAndClearsMonth) {
  for (int32_t speed : {4, -1, 100}) {
    std::string month = "stale";
    EXPECT_EQ(Turn2Date(speed, 10, month), -9999) << speed;
    EXPECT_EQ(month, "") << speed;
  }
}

TEST(Turn2DateRange, MonthIsClearedOnEveryCall) {
  std::string month = "Jul";
  Turn2Date(2, 10, month);
  EXPECT_EQ(month, "");
}

// ---- Turn2Date: whole schedules ----------------------------------------------------

// Year at the last turn of each period and at the turn after it, read off the tables
// of each game length; one wrong constant in a period shows up here.
struct Boundary {
  int32_t speed;
  int32_t turn;
  int32_t year;
};

TEST(Turn2DateSchedules, YearsAtEveryPeriodBoundary) {
  const Boundary boundaries[] = {
      {3, 0, -4000},  {3, 50, -1000},  {3, 51, -960},   {3, 80, 200},    {3, 81, 230},    {3, 100, 800},
      {3, 101, 820},  {3, 130, 1400},  {3, 131, 1410},  {3, 155, 1650},  {3, 156, 1655},  {3, 195, 1850},
      {3, 196, 1852}, {3, 260, 1980},  {3, 261, 1981},  {3, 330, 2050},  {2, 0, -4000},   {2, 75, -1000},
      {2, 76, -975},  {2, 135, 500},   {2, 136, 520},   {2, 160, 1000},  {2, 161, 1010},  {2, 210, 1500},
      {2, 211, 1505}, {2, 270, 1800},  {2, 271, 1802},  {2, 320, 1900},  {2, 321, 1901},  {2, 440, 2020},
      {2, 441, 2020}, {1, 0, -4000},   {1, 140, -500},  {1, 141, -485},  {1, 230, 850},   {1, 231, 860},
      {1, 270, 1250}, {1, 271, 1255},  {1, 360, 1700},  {1, 361, 1702},  {1, 430, 1840},  {1, 431, 1841},
      {1, 530, 1940}, {1, 750, 2050},  {0, 0, -4000},   {0, 100, -2500}, {0, 101, -2490}, {0, 400, 500},
      {0, 401, 505},  {0, 570, 1350},  {0, 571, 1352},  {0, 771, 1752},  {0, 772, 1753},  {0, 900, 1881},
      {0, 901, 1881}, {0, 1080, 1971}, {0, 1344, 2037}, {0, 1500, 2050},
  };
  for (const Boundary& b : boundaries)
    EXPECT_EQ(DateOf(b.speed, b.turn).year, b.year) << "speed " << b.speed << " turn " << b.turn;
}

TEST(Turn2DateSchedules, YearsNeverGoBackAndEndAt2050) {
  for (int32_t speed : AllSpeeds) {
    const int32_t limit = TurnLimitOfSpeed(speed);
    int32_t previous = DateOf(speed, 0).year;
    EXPECT_EQ(previous, -4000);
    for (int32_t turn = 1; turn <= limit; ++turn) {
      const int32_t year = DateOf(speed, turn).year;
      ASSERT_GE(year, previous) << "speed " << speed << " turn " << turn;
      ASSERT_LE(year - previous, 60) << "speed " << speed << " turn " << turn;
      previous = year;
    }
    EXPECT_EQ(previous, 2050) << speed;
  }
}

// Where turns are shorter than a year, consecutive turns walk through the months in
// order, and a new year starts exactly when the month wraps to January.
TEST(Turn2DateSchedules, MonthsAdvanceInStepsAndWrapWithTheYear) {
  for (int32_t speed : AllSpeeds) {
    const int32_t limit = TurnLimitOfSpeed(speed);
    for (int32_t turn = 1; turn <= limit; ++turn) {
      const Date before = DateOf(speed, turn - 1);
      const Date date = DateOf(speed, turn);
      if (date.month.empty() || before.month.empty()) continue;
      const auto& names = MonthNames();
      const auto index = [&](const std::string& m) { return std::find(names.begin(), names.end(), m) - names.begin(); };
      const auto step = (index(date.month) - index(before.month) + 12) % 12;
      EXPECT_GT(step, 0) << "speed " << speed << " turn " << turn;
      EXPECT_EQ(date.year - before.year, index(date.month) < index(before.month) ? 1 : 0)
          << "speed " << speed << " turn " << turn;
    }
  }
}

TEST(Turn2DateSchedules, QuickGameHasNoMonths) {
  for (int32_t turn = 0; turn <= 330; ++turn) EXPECT_EQ(DateOf(3, turn).month, "") << turn;
}

// ---- Date2Turn ---------------------------------------------------------------------

TEST(Date2TurnExamples, YearInsideAStepMapsToTheTurnBeforeIt) {
  EXPECT_EQ(Date2Turn(3, 1975), 257);
  EXPECT_EQ(DateOf(3, 257).year, 1974);
}

TEST(Date2TurnExamples, BadSpeedIndexGivesNoTurn) {
  EXPECT_EQ(Date2Turn(4, 1900), -1);
  EXPECT_EQ(Date2Turn(-1, 1900), -1);
  EXPECT_EQ(Date2Turn(4, -10000), -1);
}

TEST(Date2TurnExamples, YearsBefore4000BCCountAs4000BC) {
  for (int32_t speed : AllSpeeds) {
    EXPECT_EQ(Date2Turn(speed, -4000), 0);
    EXPECT_EQ(Date2Turn(speed, -9998), 0);
    EXPECT_EQ(Date2Turn(speed, std::numeric_limits<int32_t>::min()), 0);
  }
}

TEST(Date2TurnExamples, YearsPast2050GoPastTheLimit) {
  EXPECT_EQ(Date2Turn(3, 2050), 330);
  EXPECT_EQ(Date2Turn(2, 2050), 500);
  EXPECT_EQ(Date2Turn(1, 2050), 750);
  EXPECT_EQ(Date2Turn(0, 2050), 1500);
  EXPECT_EQ(Date2Turn(3, 2051), 331);
  EXPECT_EQ(Date2Turn(2, 2051), 502);
  EXPECT_EQ(Date2Turn(1, 2051), 752);
  EXPECT_EQ(Date2Turn(0, 2051), 1512);
}

TEST(Date2TurnExamples, GarbageYearDoesNotOverflow) {
  for (int32_t speed : AllSpeeds) EXPECT_GT(Date2Turn(speed, std::numeric_limits<int32_t>::max()), 1500) << speed;
}

// The two directions are kept as separate tables; this checks them against each
// other for every year of the game: a year maps to the first turn of the latest
// year shown at or before it.
TEST(Date2TurnConsistency, AgreesWithTurn2DateForEveryYear) {
  for (int32_t speed : AllSpeeds) {
    const int32_t limit = TurnLimitOfSpeed(speed);
    std::vector<int32_t> years;
    for (int32_t turn = 0; turn <= limit; ++turn) years.push_back(DateOf(speed, turn).year);
    int32_t expected = 0;
    for (int32_t year = -4000; year <= 2050; ++year) {
      // Move on to the first turn of the next shown year once the year reaches it.
      int32_t next = expected;
      while (next <= limit && years[next] == years[expected]) ++next;
      if (next <= limit && years[next] <= year) expected = next;
      ASSERT_EQ(Date2Turn(speed, year), expected) << "speed " << speed << " year " << year;
    }
  }
}

TEST(Date2TurnConsistency, FirstTurnOfAShownYearRoundTrips) {
  for (int32_t speed : AllSpeeds) {
    const int32_t limit = TurnLimitOfSpeed(speed);
    for (int32_t turn = 0; turn <= limit; ++turn) {
      const int32_t year = DateOf(speed, turn).year;
      const bool firstOfYear = turn == 0 || DateOf(speed, turn - 1).year != year;
      if (firstOfYear)
        EXPECT_EQ(Date2Turn(speed, year), turn) << "speed " << speed << " turn " << turn;
      else
        EXPECT_LT(Date2Turn(speed, year), turn) << "speed " << speed << " turn " << turn;
    }
  }
}

// ---- Year and date texts -----------------------------------------------------------

TEST(YearTexts, BaseTabFormsArePaddedToFiveDigits) {
  EXPECT_EQ(YearText(-4000), " 4000BC");
  EXPECT_EQ(YearText(-5), "    5BC");
  EXPECT_EQ(YearText(1), "    1AD");
  EXPECT_EQ(YearText(2050), " 2050AD");
  EXPECT_EQ(YearText(0), "   1AD");  // six characters, one short of the others
  EXPECT_EQ(YearText(-123456), "123456BC");
  EXPECT_EQ(YearText(std::numeric_limits<int32_t>::min()), "2147483648BC");
}

TEST(YearTexts, ReplayListAlignsYearZero) {
  EXPECT_EQ(ReplayYearText(0), "    1AD");
  EXPECT_EQ(ReplayYearText(-4000), " 4000BC");
  EXPECT_EQ(ReplayYearText(1974), " 1974AD");
}

TEST(YearTexts, CityViewFormsAreUnpadded) {
  EXPECT_EQ(CityYearText(-4000), "4000BC");
  EXPECT_EQ(CityYearText(-5), "5BC");
  EXPECT_EQ(CityYearText(0), "1AD");
  EXPECT_EQ(CityYearText(1974), "1974AD");
}

TEST(DateTexts, MonthFollowsAfterOneBlankOnlyWhenPresent) {
  EXPECT_EQ(WithMonth("1971AD", "Apr"), "1971AD Apr");
  EXPECT_EQ(WithMonth("1971AD", ""), "1971AD");
  EXPECT_EQ(WithMonth(YearText(2020), "Jul"), " 2020AD Jul");
}

TEST(DateTexts, BaseTabKeepsTheBlankWithoutAMonth) {
  EXPECT_EQ(BaseDateText(-4000, ""), " 4000BC ");
  EXPECT_EQ(BaseDateText(2020, "Jul"), " 2020AD Jul");
  EXPECT_EQ(BaseDateText(0, ""), "   1AD ");
}

TEST(DateTexts, CityDateOfATurn) {
  EXPECT_EQ(CityDateText(3, 0), "4000BC");
  EXPECT_EQ(CityDateText(3, 75), "1AD");
  EXPECT_EQ(CityDateText(2, 441), "2020AD Jul");
  EXPECT_EQ(CityDateText(0, 1345), "2037AD Feb");
  EXPECT_EQ(CityDateText(2, 100000), "2050AD Jan");
}

}  // namespace
}  // namespace orv5
