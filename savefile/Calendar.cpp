#include "savefile/Calendar.h"

#include <algorithm>
#include <cstdint>
#include <span>

#include "savefile/Format.h"

namespace orv5 {

namespace {

// One period of a schedule. Within it the year advances linearly from the year of
// `fromTurn` (the previous period's last turn, so periods join without a jump):
//   yearsPerTurn > 0: each turn adds that many years, no month;
//   turnsPerYear > 1: that many turns share a year, each starting a month 12/n later.
struct TurnPeriod {
  int32_t lastTurn;
  int32_t fromTurn;
  int32_t fromYear;
  int32_t yearsPerTurn;
  int32_t turnsPerYear;
};

constexpr TurnPeriod Years(int32_t lastTurn, int32_t fromTurn, int32_t fromYear, int32_t step) {
  return {lastTurn, fromTurn, fromYear, step, 1};
}

constexpr TurnPeriod Months(int32_t lastTurn, int32_t fromTurn, int32_t fromYear, int32_t turns) {
  return {lastTurn, fromTurn, fromYear, 0, turns};
}

// 1,500 turns (index 0).
constexpr TurnPeriod Marathon[] = {
    Years(100, 0, -4000, 15), Years(400, 100, -2500, 10), Years(570, 400, 500, 5),     Years(771, 570, 1350, 2),
    Years(900, 771, 1752, 1), Months(1080, 900, 1881, 2), Months(1344, 1080, 1971, 4), Months(1500, 1344, 2037, 12),
};

// 750 turns (index 1).
constexpr TurnPeriod Epic[] = {
    Years(140, 0, -4000, 25), Years(230, 140, -500, 15), Years(270, 230, 850, 10),  Years(360, 270, 1250, 5),
    Years(430, 360, 1700, 2), Years(530, 430, 1840, 1),  Months(750, 530, 1940, 2),
};

// 500 turns (index 2).
constexpr TurnPeriod Standard[] = {
    Years(75, 0, -4000, 40),  Years(135, 75, -1000, 25), Years(160, 135, 500, 20), Years(210, 160, 1000, 10),
    Years(270, 210, 1500, 5), Years(320, 270, 1800, 2),  Years(440, 320, 1900, 1), Months(500, 440, 2020, 2),
};

// 330 turns (index 3); no period is shorter than a year.
constexpr TurnPeriod Quick[] = {
    Years(50, 0, -4000, 60),   Years(80, 50, -1000, 40), Years(100, 80, 200, 30),  Years(130, 100, 800, 20),
    Years(155, 130, 1400, 10), Years(195, 155, 1650, 5), Years(260, 195, 1850, 2), Years(330, 260, 1980, 1),
};

constexpr std::span<const TurnPeriod> TurnSchedules[SpeedIndexCount] = {Marathon, Epic, Standard, Quick};

// The way back from a year to a turn, one row per period, latest first:
//   turn = fromTurn + (year - fromYear) * turnsPerYear / yearsPerTurn
// with truncating division; the numerator is never negative because the row applies
// only from fromYear on and the last row starts at the clamp, 4000 BC.
struct YearPeriod {
  int32_t fromYear;
  int32_t fromTurn;
  int32_t turnsPerYear;
  int32_t yearsPerTurn;
};

constexpr YearPeriod MarathonYears[] = {
    {2037, 1344, 12, 1}, {1971, 1080, 4, 1}, {1881, 900, 2, 1},   {1752, 771, 1, 1},
    {1350, 570, 1, 2},   {500, 400, 1, 5},   {-2500, 100, 1, 10}, {-4000, 0, 1, 15},
};

constexpr YearPeriod EpicYears[] = {
    {1940, 530, 2, 1}, {1840, 430, 1, 1},  {1700, 360, 1, 2}, {1250, 270, 1, 5},
    {850, 230, 1, 10}, {-500, 140, 1, 15}, {-4000, 0, 1, 25},
};

constexpr YearPeriod StandardYears[] = {
    {2020, 440, 2, 1},  {1900, 320, 1, 1}, {1800, 270, 1, 2},  {1500, 210, 1, 5},
    {1000, 160, 1, 10}, {500, 135, 1, 20}, {-1000, 75, 1, 25}, {-4000, 0, 1, 40},
};

constexpr YearPeriod QuickYears[] = {
    {1980, 260, 1, 1}, {1850, 195, 1, 2}, {1650, 155, 1, 5},  {1400, 130, 1, 10},
    {800, 100, 1, 20}, {200, 80, 1, 30},  {-1000, 50, 1, 40}, {-4000, 0, 1, 60},
};

constexpr std::span<const YearPeriod> YearSchedules[SpeedIndexCount] = {MarathonYears, EpicYears, StandardYears,
                                                                        QuickYears};

constexpr int32_t FirstYear = -4000;

bool IsSpeedIndex(int32_t speedIndex) { return speedIndex >= 0 && speedIndex < SpeedIndexCount; }

}  // namespace

int32_t SpeedIndexFromTurnLimit(int32_t turnLimit) {
  switch (turnLimit) {
    case 1500:
      return 0;
    case 750:
      return 1;
    case 330:
      return 3;
    default:
      return 2;  // 500 and any limit the game does not offer
  }
}

int32_t TurnLimitOfSpeed(int32_t speedIndex) {
  return IsSpeedIndex(speedIndex) ? TurnSchedules[speedIndex].back().lastTurn : 0;
}

const std::array<std::string_view, 13>& MonthNames() {
  static constexpr std::array<std::string_view, 13> names = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul",
                                                             "Aug", "Sep", "Oct", "Nov", "Dec", ""};
  return names;
}

int32_t Turn2Date(int32_t speedIndex, int32_t turn, std::string& month) {
  month.clear();
  if (!IsSpeedIndex(speedIndex)) return NoYear;
  const std::span<const TurnPeriod> schedule = TurnSchedules[speedIndex];
  const int32_t t = std::clamp(turn, 0, schedule.back().lastTurn);
  const TurnPeriod& period =
      *std::find_if(schedule.begin(), schedule.end(), [t](const TurnPeriod& p) { return t <= p.lastTurn; });
  const int32_t elapsed = t - period.fromTurn;  // >= 0 after the clamp
  if (period.turnsPerYear == 1) return period.fromYear + period.yearsPerTurn * elapsed;
  month = MonthNames()[(elapsed % period.turnsPerYear) * (12 / period.turnsPerYear)];
  return period.fromYear + elapsed / period.turnsPerYear;
}

int32_t Date2Turn(int32_t speedIndex, int32_t year) {
  const int32_t y = std::max(year, FirstYear);
  if (!IsSpeedIndex(speedIndex)) return NoTurn;
  for (const YearPeriod& period : YearSchedules[speedIndex]) {
    if (y >= period.fromYear) {
      // 64-bit so that a garbage year from a damaged save cannot overflow.
      const int64_t turn = period.fromTurn + (int64_t{y} - period.fromYear) * period.turnsPerYear / period.yearsPerTurn;
      return static_cast<int32_t>(std::min<int64_t>(turn, INT32_MAX));
    }
  }
  return 0;  // not reached: the last row starts at FirstYear
}

std::string YearText(int32_t year) {
  if (year == 0) return "   1AD";
  return year < 0 ? Format("%5dBC", -int64_t{year}) : Format("%5dAD", year);
}

std::string ReplayYearText(int32_t year) { return year == 0 ? std::string("    1AD") : YearText(year); }

std::string CityYearText(int32_t year) {
  if (year == 0) return "1AD";
  return year < 0 ? Format("%dBC", -int64_t{year}) : Format("%dAD", year);
}

std::string WithMonth(std::string yearText, std::string_view month) {
  if (!month.empty()) {
    yearText += ' ';
    yearText += month;
  }
  return yearText;
}

std::string BaseDateText(int32_t year, std::string_view month) {
  std::string text = YearText(year);
  text += ' ';
  text += month;
  return text;
}

std::string CityDateText(int32_t speedIndex, int32_t turn) {
  std::string month;
  const int32_t year = Turn2Date(speedIndex, turn, month);
  return WithMonth(CityYearText(year), month);
}

}  // namespace orv5
