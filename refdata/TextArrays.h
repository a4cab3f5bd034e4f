#pragma once
// Fixed display texts indexed by numbers from the save. The last element of most arrays is the
// fallback a consumer shows for a number it does not know.
#include <cstdint>
#include <span>
#include <string_view>

namespace orv5 {

std::span<const std::string_view> LeaderNames();      // 27; only 0..18 name leaders directly
std::span<const std::string_view> CivNames();         // 28; only 0..19 name nations directly
std::span<const std::string_view> CityStateNames();   // 29, for base-game saves
std::span<const std::string_view> CityStateTraits();  // 29, parallel to CityStateNames
std::span<const std::string_view> GameTypes();        // 5
std::span<const int32_t> SpeedPercents();             // 4, by game-speed number

// Names of the history datasets; the last ("Empty") is never offered for selection.
std::span<const std::string_view> GraphNamesOlder();  // 27
std::span<const std::string_view> GraphNamesQEL();    // 28: QEL saves record international trade
std::span<const std::string_view> GraphNames(bool isQEL);

// Line colours of the history graph as 0xBBGGRR.
std::span<const uint32_t> GraphColours();  // 26

std::span<const std::string_view> ReligionKeysOlder();  // 13
std::span<const std::string_view> ReligionKeysQEL();    // 15: QEL adds two religions
std::span<const std::string_view> ReligionKeys(bool isQEL);

std::span<const std::string_view> AgentRanks();    // 4
std::span<const std::string_view> AgentStates();   // 10
std::span<const std::string_view> AgentResults();  // 5
// The month names belong to the calendar: MonthNames() in savefile/Calendar.h.

// Element `index` of a text array, or its last element (the fallback) for any index outside
// it, negative ones included.
std::string_view TextOrFallback(std::span<const std::string_view> texts, int64_t index);

}  // namespace orv5
