#pragma once
// What a check of saves reports to an organiser: each finding names a save, a turn where one
// applies, and says in a sentence what was seen.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orv5 {

enum class FindingKind {
  Branch,                // the save does not continue the latest earlier save of its game
  HistoryAfterSaveTurn,  // the save holds history samples for turns after its own turn
  LoadedEarlierTurn,     // its sessions are not its parent's followed by loads from the parent's turn on
  PlayTimeWentBack,      // less play time than the save it continues
  ReloadRecords,         // runaway reload records (what Cure removes)
};

// "branch", "history-after-save-turn", "loaded-earlier-turn", "play-time-went-back", "reload-records".
std::string_view FindingKindName(FindingKind kind);

struct Finding {
  FindingKind Kind = FindingKind::Branch;
  std::string File;
  std::optional<int32_t> Turn;
  std::string Text;
};

// What one save says about itself, without any other save: history after its turn, reload records.
std::vector<Finding> SingleSaveFindings(const std::string& file, int32_t turn, int32_t lastHistoryTurn,
                                        int32_t cancerCount);

// Play time in tenths of a second as "h:mm:ss".
std::string PlayTimeClock(int32_t tenths);

}  // namespace orv5
