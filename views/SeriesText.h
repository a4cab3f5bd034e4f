#pragma once
// The check of several saves and the comparison of two, as lines of text for reading: what
// `orv5 check` and `orv5 diff` print, and what the window shows when it compares saves.
#include <span>
#include <string>
#include <vector>

#include "series/SaveDiff.h"
#include "series/SaveSeries.h"

namespace orv5 {

// "history-after-save-turn  exp1-spain.Orv5Save  turn 27: Saved at turn 12 ..."
std::string FindingLine(const Finding& finding);

// Each game with its saves in order (turn, play time, line, file, the save it continues) and
// its findings; then the saves that cannot be compared; then a count.
std::vector<std::string> CheckLines(std::span<const SaveSummary> saves, const SeriesCheck& check);

// The branch finding first when there is one, then each player that changed, then the replay
// messages between the two turns.
std::vector<std::string> DiffLines(const SaveDiff& diff);

}  // namespace orv5
