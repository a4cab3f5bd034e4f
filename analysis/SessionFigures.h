#pragma once
// How long a play session lasted on average, as the reloads page shows it.
#include <cstdint>
#include <string>
#include <string_view>

#include "analysis/SaveAnalysis.h"

namespace orv5 {

// Recomputes the play sessions and their average length from a pre-session count, as when
// the user corrects that count on the reloads page.
void CheckValues(SaveAnalysis& save, int32_t preSessionCount);

// A replay message that opens a play session: its text holds "Session" or "сессия"
// (case-sensitive), the words the game writes in English and Russian games.
bool IsSessionMessage(std::string_view text);

// Hours, minutes of the hour and seconds of the minute: "     0:28:25".
std::string AverageSessionText(int32_t seconds);

}  // namespace orv5
