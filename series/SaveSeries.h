#pragma once
// Several saves at once: which belong to one game, the order they were written in, which save
// each continues (its parent), and what an organiser should look at.
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "series/Findings.h"
#include "series/SaveSummary.h"

namespace orv5 {

// One save of a game, in the game's order.
struct SeriesSave {
  size_t Index = 0;  // into the summaries the check was given
  int Parent = -1;   // position in the game's saves of the latest earlier save it continues; -1: none
  int Line = 0;      // lines of play numbered from 1 in the order they start
};

struct GameSeries {
  std::string Title;
  std::vector<SeriesSave> Saves;  // by turn, then play time, then the order given
  std::vector<Finding> Findings;  // save by save, in the order of Saves
};

struct SeriesCheck {
  std::vector<GameSeries> Games;      // in the order their first save was given
  std::vector<size_t> NotComparable;  // summaries listed apart, never compared
  size_t FindingCount() const;
};

// The comparable saves grouped into games (equal identities), each group ordered by turn, then
// play time, then the order given.
std::vector<std::vector<size_t>> GroupIntoGames(std::span<const SaveSummary> saves);

// Parents and lines of play of one game's ordered saves. A save's parent is the latest earlier
// save it continues; a save is on its parent's line when it is that parent's first child, else
// it starts a line.
std::vector<SeriesSave> OrderIntoLines(std::span<const SaveSummary> saves, std::span<const size_t> game);

// The findings of one game, save by save: branch, loaded-earlier-turn, play-time-went-back,
// history-after-save-turn, reload-records.
std::vector<Finding> GameFindings(std::span<const SaveSummary> saves, std::span<const SeriesSave> game);

// The whole check: games, lines and findings.
SeriesCheck CheckSeries(std::span<const SaveSummary> saves);

// The `branch` finding of `later` against `earlier`: where they first differ. None when `later`
// continues `earlier`.
std::optional<Finding> BranchFinding(const SaveSummary& earlier, const SaveSummary& later);

}  // namespace orv5
