#include "series/Findings.h"

#include "savefile/Format.h"

namespace orv5 {

std::string_view FindingKindName(FindingKind kind) {
  switch (kind) {
    case FindingKind::Branch:
      return "branch";
    case FindingKind::HistoryAfterSaveTurn:
      return "history-after-save-turn";
    case FindingKind::LoadedEarlierTurn:
      return "loaded-earlier-turn";
    case FindingKind::PlayTimeWentBack:
      return "play-time-went-back";
    case FindingKind::ReloadRecords:
      return "reload-records";
  }
  return "unknown";
}

std::string PlayTimeClock(int32_t tenths) {
  const int64_t seconds = int64_t{tenths} / 10;
  return Format("%d:%02d:%02d", {seconds / 3600, seconds / 60 % 60, seconds % 60});
}

std::vector<Finding> SingleSaveFindings(const std::string& file, int32_t turn, int32_t lastHistoryTurn,
                                        int32_t cancerCount) {
  std::vector<Finding> findings;
  if (lastHistoryTurn > turn) {
    findings.push_back({FindingKind::HistoryAfterSaveTurn, file, lastHistoryTurn,
                        Format("Saved at turn %d but holds history samples up to turn %d: it was written after the "
                               "game had been played on to turn %d and taken back.",
                               {turn, lastHistoryTurn, lastHistoryTurn})});
  }
  if (cancerCount > 0) {
    findings.push_back({FindingKind::ReloadRecords, file, std::nullopt,
                        Format("Holds %d runaway reload records (the Cure count).", cancerCount)});
  }
  return findings;
}

}  // namespace orv5
