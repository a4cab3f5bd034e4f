#pragma once
// The game-setup pieces that the header and body-value steps call in the middle of their own
// reading: the package list, the era lookup, and the values at the start of the body.
#include <cstdint>
#include <string_view>

#include "analysis/ListReads.h"
#include "analysis/Sections.h"

namespace orv5 {

// The header's package list: DlcNames/DlcPresent, the expansion flags, and the extra nation and
// leader names the nation packages bring.
void ReadPackageList(ListReader& lists, SaveAnalysis& save);

// Era indexes from the era keys (then shortened for display), and the era and world-size
// values that follow from the header's texts alone.
void ApplyHeaderSetup(SaveAnalysis& save);

// Difficulty, victory, game-over and score from the start of the body, and the difficulty
// percentages of the level.
void ReadSetupValues(const ParseContext& ctx, SaveAnalysis& save);

// Leader number of a leader key in the layouts that name leaders by key: the built-in leader
// (0..18) whose name the key shortens to, else 26, the unknown leader.
int32_t LeaderIndexFromKey(std::string_view leaderKey);

}  // namespace orv5
