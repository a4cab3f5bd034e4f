#pragma once
// The game's calendar: which year (and, late in the game, which month) a turn shows,
// and the turn a recorded year falls in. Each game length has its own schedule in
// which a turn covers fewer years as history advances; all of them end at 2050.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace orv5 {

// Speed indices 0..3 stand for games of 1,500, 750, 500 and 330 turns.
inline constexpr int32_t SpeedIndexCount = 4;

// Returned by Turn2Date for a speed index outside 0..3.
inline constexpr int32_t NoYear = -9999;

// Returned by Date2Turn for a speed index outside 0..3.
inline constexpr int32_t NoTurn = -1;

// The turn limit the save records chooses the calendar; a limit the game does not
// offer falls back to the 500-turn calendar (index 2).
int32_t SpeedIndexFromTurnLimit(int32_t turnLimit);

// Last turn of the calendar of a speed index (1500, 750, 500, 330); 0 for a bad index.
int32_t TurnLimitOfSpeed(int32_t speedIndex);

// "Jan" .. "Dec" at 0..11 and an empty text at 12.
const std::array<std::string_view, 13>& MonthNames();

// Year of a turn (negative = BC); turns outside 0..limit count as the nearest end.
// Sets month to the month name where a turn is shorter than a year, else empty.
// A bad speed index gives NoYear and an empty month.
int32_t Turn2Date(int32_t speedIndex, int32_t turn, std::string& month);

// First turn of the year, or the turn whose step contains it. Years before 4000 BC
// count as 4000 BC; years after 2050 give turns past the limit. NoTurn for a bad index.
int32_t Date2Turn(int32_t speedIndex, int32_t year);

// Year texts. The game has no year 0; it is shown as 1 AD, and each view has kept
// its own spelling of that case, so they are separate functions rather than a flag.

// Base tab and player log: "%5dBC" / "%5dAD"; year 0 is "   1AD" (six characters).
std::string YearText(int32_t year);

// Replay list: as YearText, but year 0 is "    1AD" (seven characters, aligned).
std::string ReplayYearText(int32_t year);

// City view: unpadded "%dBC" / "%dAD"; year 0 is "1AD".
std::string CityYearText(int32_t year);

// yearText followed by one blank and the month, the blank only when there is a month.
std::string WithMonth(std::string yearText, std::string_view month);

// Base tab date: YearText, one blank, month; the blank is there even without a month.
std::string BaseDateText(int32_t year, std::string_view month);

// City view date of a turn: CityYearText followed by the month when there is one.
std::string CityDateText(int32_t speedIndex, int32_t turn);

}  // namespace orv5
