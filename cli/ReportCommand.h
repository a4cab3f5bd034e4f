#pragma once
// orv5 report: what every tab of the window shows for each save, as text or JSON.
// orv5 reloads: one line of reload figures per save.
#include <ostream>
#include <string>
#include <vector>

namespace orv5 {

struct ReportOptions {
  std::vector<std::string> Files;
  std::vector<std::string> Tabs;  // sheet names (`BaseTab`, ...); empty: every tab
  std::string Player = "all";     // a player row, or "all"
  std::string Language;           // "en" or "ru"; empty: both
  bool Json = false;
};

// Exit status: 0 when every file loaded, 1 when one did not, 2 for invalid options.
int RunReportCommand(const ReportOptions& options, std::ostream& out, std::ostream& err);

// Exit status: 0 when every file loaded, else 1.
int RunReloadsCommand(const std::vector<std::string>& files, std::ostream& out, std::ostream& err);

}  // namespace orv5
