#pragma once
// orv5 check: which saves belong to one game, which continue which, and what an organiser
// should look at. orv5 diff: what happened between two saves of one game.
#include <nlohmann/json.hpp>
#include <ostream>
#include <string>
#include <vector>

#include "series/SaveDiff.h"
#include "series/SaveSeries.h"

namespace orv5 {

// Exit status of `check` when it reports findings, and of `diff` when the later save does not
// continue the earlier one.
inline constexpr int FindingsStatus = 3;

// Loads and analyses each file in turn and keeps only its summary, in the order of the files;
// no loaded save outlives its summary. A file that fails to load is reported on `err` and
// skipped. Returns 0 when every file loaded, else 1.
int SummariseSaves(const std::vector<std::string>& files, std::ostream& err, std::vector<SaveSummary>& summaries);

// {"games":[{"saves":[{"file","turn","play_seconds","parent"}],"findings":[{"kind","file","turn",
// "text"}]}],"not_comparable":[{"file","reason"}]}
nlohmann::json CheckJson(const std::vector<SaveSummary>& saves, const SeriesCheck& check);

// {"from","to","turns":[a,b],"branch":finding or null,"players":[...],"replay":[{"turn","text"}]}
nlohmann::json DiffJson(const SaveDiff& diff);

struct SeriesOptions {
  std::vector<std::string> Files;  // check: saves and folders; diff: EARLIER and LATER
  bool Json = false;
};

// 0: no finding; 3: findings; 1: a file was refused (whatever was found in the others).
int RunCheckCommand(const SeriesOptions& options, std::ostream& out, std::ostream& err);

// 0: the diff was printed; 3: printed, and the later save does not continue the earlier one;
// 1: a file was refused, or the two saves cannot be compared.
int RunDiffCommand(const SeriesOptions& options, std::ostream& out, std::ostream& err);

}  // namespace orv5
