#pragma once
// Builder-made saves of one game for the series tests: a QEL game of the builder's usual
// players whose saves differ only in their turn, play time, replay log, history and reload
// records, summarised as the check sees them.
#include <cstdint>
#include <string>
#include <vector>

#include "series/SaveSummary.h"
#include "tests/support/BodySections.h"
#include "tests/support/HeaderBuilder.h"

namespace orv5::testing {

inline constexpr int32_t LinePlayers = 2;

struct LineSave {
  std::string File;
  int32_t Turn = 0;
  int32_t PlayTime = 0;             // tenths of a second
  std::vector<ReplayEntry> Replay;  // messages with "Session" in their text open a session
  int32_t LastHistoryTurn = -1;     // each player's score is sampled from turn 0 to here (-1: the save's turn)
  int32_t ChangedScoreTurn = -1;    // a turn whose score the second player records differently
  int32_t ReloadRecords = 0;
};

// Player p's score at turn t in every save of the game: 10 t + p, so that turns and players differ.
inline int32_t LineScore(int32_t player, int32_t turn) { return 10 * turn + player; }

inline SyntheticSave BuildLineSave(const LineSave& line) {
  SyntheticSave save = MakeSave(Layout::QEL, 8);
  save.Body.ElapsedTurns = line.Turn;
  save.Body.PlayTime = line.PlayTime;
  WriteReplayLog(save.Sections, 8, line.Replay, 1);
  const int32_t last = line.LastHistoryTurn >= 0 ? line.LastHistoryTurn : line.Turn;
  for (int32_t player = 0; player < LinePlayers; ++player) {
    std::vector<HistoryPoints> datasets(27);
    for (int32_t turn = 0; turn <= last; ++turn) {
      const bool changed = player == 1 && turn == line.ChangedScoreTurn;
      datasets[0].emplace_back(turn, LineScore(player, turn) + (changed ? 5 : 0));
    }
    WriteHistoryBlock(save.Sections, datasets);
  }
  WriteClosingDatasetList(save.Sections, 26);
  if (line.ReloadRecords > 0) WriteCancerBlock(save.Sections, line.ReloadRecords);
  return save;
}

inline SaveSummary SummaryOf(const LineSave& line) { return SummariseSave(line.File, Analyse(BuildLineSave(line))); }

inline std::vector<SaveSummary> SummariesOf(const std::vector<LineSave>& lines) {
  std::vector<SaveSummary> summaries;
  for (const LineSave& line : lines) summaries.push_back(SummaryOf(line));
  return summaries;
}

}  // namespace orv5::testing
