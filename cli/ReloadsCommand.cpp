// orv5 reloads FILE...: the Reloads tab of each save on one line, for organisers checking a
// folder of saves: sessions, pre-sessions, play sessions, average session time, cancer size.
// One load and one analysis per file, nothing else, on every core.
#include <algorithm>
#include <sstream>
#include <string_view>
#include <variant>

#include "analysis/Save5Analyse.h"
#include "cli/Commands.h"
#include "cli/ParallelSaves.h"
#include "cli/ReportCommand.h"
#include "cli/SaveArguments.h"
#include "savefile/Container.h"
#include "views/Tabs.h"

namespace orv5 {

namespace {

// The tab's texts are right-aligned for the window; the line wants them bare.
std::string_view Trimmed(std::string_view text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

int RunReloadsCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  std::vector<std::string> files;
  const int expanded = ExpandSaveArguments(arguments, err, files);
  return std::max(expanded, MapAnalysedSaves<std::string>(
      files, err,
      [](const std::string& file, const SaveContainer&, const SaveAnalysis& analysis) {
        const TabModel tab = ReloadsTabModel(analysis, {});
        std::ostringstream line;
        line << file << "\tsessions " << Trimmed(tab.Text("Edit9")) << "\tpre-sessions " << Trimmed(tab.Text("Edit11"))
             << "\tplay sessions " << Trimmed(tab.Text("Edit10")) << "\taverage " << Trimmed(tab.Text("Edit12"))
             << "\tcancer " << Trimmed(tab.Text("CancerSizeE")) << "\n";
        return line.str();
      },
      [&](const std::string&, std::string& line) { out << line; }));
}

}  // namespace orv5
