// orv5 check SAVE|FOLDER...: the saves grouped into games and lines of play, with the findings.
// orv5 diff EARLIER LATER: what happened between two saves of one game.
// Each file is loaded, analysed and summarised in turn; only the summaries are kept.
#include "cli/SeriesCommands.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "analysis/Save5Analyse.h"
#include "cli/Commands.h"
#include "cli/ParallelSaves.h"
#include "cli/SaveArguments.h"
#include "views/ModelJson.h"
#include "views/SeriesText.h"

namespace orv5 {

namespace {

void PrintLines(const std::vector<std::string>& lines, std::ostream& out) {
  for (const std::string& line : lines) out << line << "\n";
}

void PrintJson(const nlohmann::json& document, std::ostream& out) { out << DumpJson(document, 1) << "\n"; }

}  // namespace

int SummariseSaves(const std::vector<std::string>& files, std::ostream& err, std::vector<SaveSummary>& summaries) {
  return MapAnalysedSaves<SaveSummary>(
      files, err,
      [](const std::string& file, const SaveContainer&, const SaveAnalysis& analysis) {
        return SummariseSave(file, analysis);
      },
      [&](const std::string&, SaveSummary& summary) { summaries.push_back(std::move(summary)); });
}

int RunCheckCommand(const SeriesOptions& options, std::ostream& out, std::ostream& err) {
  std::vector<std::string> files;
  int status = ExpandSaveArguments(options.Files, err, files);
  std::vector<SaveSummary> saves;
  status = std::max(status, SummariseSaves(files, err, saves));
  const SeriesCheck check = CheckSeries(saves);
  if (options.Json) {
    PrintJson(CheckJson(saves, check), out);
  } else {
    PrintLines(CheckLines(saves, check), out);
  }
  if (status != 0) return status;
  return check.FindingCount() > 0 ? FindingsStatus : 0;
}

int RunDiffCommand(const SeriesOptions& options, std::ostream& out, std::ostream& err) {
  std::vector<SaveSummary> saves;
  if (SummariseSaves(options.Files, err, saves) != 0) return 1;
  if (saves.size() != 2) {
    err << "diff compares two saves, EARLIER and LATER\n";
    return 1;
  }
  if (const std::string refusal = DiffRefusal(saves[0], saves[1]); !refusal.empty()) {
    err << refusal << "\n";
    return 1;
  }
  const SaveDiff diff = DiffSaves(saves[0], saves[1]);
  if (options.Json) {
    PrintJson(DiffJson(diff), out);
  } else {
    PrintLines(DiffLines(diff), out);
  }
  return diff.Branch ? FindingsStatus : 0;
}

}  // namespace orv5
