// orv5 report FILE... [--tab NAME]... [--player N|all] [--lang en|ru] [--json]
// For each save, every tab the window would show, and inside the tabs that follow a selection
// every player, every city of the player, every agent, every statistic and language: the
// models of views/, printed one control value per line (see views/ModelText.h) so that two
// reports compare with diff, or as one JSON document.
#include "cli/ReportCommand.h"

#include <algorithm>
#include <charconv>
#include <nlohmann/json.hpp>
#include <optional>
#include <sstream>
#include <variant>

#include "analysis/Save5Analyse.h"
#include "cli/ParallelSaves.h"
#include "cli/SaveArguments.h"
#include "savefile/Container.h"
#include "savefile/Format.h"
#include "views/LoadNotice.h"
#include "views/ModelJson.h"
#include "views/ModelText.h"
#include "views/Tabs.h"

namespace orv5 {

namespace {

struct ReportScope {
  std::vector<const TabInfo*> Tabs;
  std::optional<int32_t> Player;   // empty: every player
  std::vector<int32_t> Languages;  // items of `StatsLangSelect`
};

struct LabelledView {
  std::string Label;  // "player=0 city=2"; empty for a tab without selections
  ViewSelection Selection;
};

std::optional<int32_t> ParseRow(const std::string& text) {
  int32_t value = -1;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < 0) return std::nullopt;
  return value;
}

std::optional<ReportScope> ParseScope(const ReportOptions& options, std::ostream& err) {
  ReportScope scope;
  for (const std::string& name : options.Tabs) {
    const TabInfo* tab = FindTab(name);
    if (!tab) {
      err << "unknown tab " << name << "; the tabs are:";
      for (const TabInfo& known : AllTabs()) err << " " << known.Sheet;
      err << "\n";
      return std::nullopt;
    }
    scope.Tabs.push_back(tab);
  }
  if (scope.Tabs.empty()) {
    for (const TabInfo& tab : AllTabs()) scope.Tabs.push_back(&tab);
  }
  if (options.Player != "all") {
    scope.Player = ParseRow(options.Player);
    if (!scope.Player) {
      err << "--player takes a player row (0, 1, ...) or all, not " << options.Player << "\n";
      return std::nullopt;
    }
  }
  if (options.Language.empty() || options.Language == "en") scope.Languages.push_back(0);
  if (options.Language.empty() || options.Language == "ru") scope.Languages.push_back(1);
  if (scope.Languages.empty()) {
    err << "--lang takes en or ru, not " << options.Language << "\n";
    return std::nullopt;
  }
  return scope;
}

// One view per item of a sub-selector, or a single view when the selector is empty.
void AddSubViews(std::vector<LabelledView>& views, const LabelledView& base, int count, const char* name,
                 int32_t ViewSelection::*member) {
  if (count <= 0) {
    views.push_back(base);
    return;
  }
  for (int32_t i = 0; i < count; ++i) {
    LabelledView view = base;
    view.Label += Format(" %s=%d", name, i);
    view.Selection.*member = i;
    views.push_back(std::move(view));
  }
}

std::vector<LabelledView> ViewsOf(const TabInfo& tab, const SaveAnalysis& save, const ReportScope& scope) {
  std::vector<LabelledView> views;
  if (tab.Uses & UsesDataset) {
    for (int32_t d = 0; d < DatasetChoiceCount(save); ++d) {
      LabelledView view{Format("dataset=%d", d), {}};
      view.Selection.Dataset = d;
      views.push_back(std::move(view));
    }
    return views;
  }
  if (!(tab.Uses & UsesPlayer)) return {LabelledView{}};
  std::vector<int32_t> players;
  if (scope.Player) {
    players.push_back(*scope.Player);
  } else {
    for (int32_t p = 0; p < std::max(PlayerChoiceCount(save), 1); ++p) players.push_back(p);
  }
  for (int32_t p : players) {
    LabelledView base{Format("player=%d", p), {}};
    base.Selection.Player = p;
    if (tab.Uses & UsesCity) {
      AddSubViews(views, base, CityChoiceCount(save, p), "city", &ViewSelection::City);
    } else if (tab.Uses & UsesAgent) {
      AddSubViews(views, base, AgentChoiceCount(save, p), "agent", &ViewSelection::Agent);
    } else if (tab.Uses & UsesLanguage) {
      for (int32_t language : scope.Languages) {
        LabelledView view = base;
        view.Label += language == 1 ? " lang=ru" : " lang=en";
        view.Selection.Language = language;
        views.push_back(std::move(view));
      }
    } else {
      views.push_back(base);
    }
  }
  return views;
}

void PrintText(const SaveAnalysis& save, const ReportScope& scope, std::ostream& out) {
  for (const TabInfo* tab : scope.Tabs) {
    const bool visible = TabVisible(save, tab->Sheet);
    out << "== TAB " << tab->Sheet << "\n" << tab->Sheet << ".visible\t" << (visible ? 1 : 0) << "\n";
    if (!visible) continue;
    for (const LabelledView& view : ViewsOf(*tab, save, scope)) {
      if (!view.Label.empty()) out << "== VIEW " << view.Label << "\n";
      std::string lines;
      AppendTabLines(tab->Build(save, view.Selection), lines);
      out << lines;
    }
  }
  out << "== DIAGNOSTICS\n";
  for (const StepDiagnostic& step : save.Diagnostics) {
    out << step.Step << "\t" << (step.Found ? "found" : "not found") << "\t" << step.Records << "\t" << step.Stop
        << "\n";
  }
}

// --- JSON: the same content, one document ------------------------------------------------

nlohmann::json FileJson(const SaveAnalysis& save, const ReportScope& scope) {
  nlohmann::json tabs = nlohmann::json::array();
  for (const TabInfo* tab : scope.Tabs) {
    nlohmann::json entry{{"sheet", tab->Sheet}, {"caption", tab->Caption}, {"visible", TabVisible(save, tab->Sheet)}};
    entry["views"] = nlohmann::json::array();
    for (const LabelledView& view : entry["visible"] ? ViewsOf(*tab, save, scope) : std::vector<LabelledView>{}) {
      entry["views"].push_back({{"selection", SelectionJson(*tab, view.Selection)},
                                {"controls", TabControlsJson(tab->Build(save, view.Selection))}});
    }
    tabs.push_back(std::move(entry));
  }
  return {{"tabs", std::move(tabs)}, {"diagnostics", DiagnosticsJson(save)}};
}

// The text of one save: its notice first when it is understood only in part, as the window
// shows it under the tabs.
std::string ReportText(const std::string& file, const SaveAnalysis& save, const ReportScope& scope) {
  std::ostringstream text;
  text << "== FILE " << file << "\n";
  if (const std::string notice = LoadNotice(save); !notice.empty()) text << "== NOTICE\t" << notice << "\n";
  PrintText(save, scope, text);
  return text.str();
}

int ReportJson(const std::vector<std::string>& saves, const ReportScope& scope, std::ostream& out,
               std::ostream& err) {
  int status = 0;
  nlohmann::json files = nlohmann::json::array();
  MapSaves<nlohmann::json>(
      saves,
      [&](const std::string& file, const SaveContainer& container, AnalysisThreads threads) {
        const SaveAnalysis save = Save5Analyse(container, threads);
        nlohmann::json entry = FileJson(save, scope);
        entry["path"] = file;
        entry["notice"] = LoadNotice(save);
        return entry;
      },
      [&](const std::string& file, SaveOutcome<nlohmann::json>& outcome) {
        if (const auto* error = std::get_if<LoadError>(&outcome)) {
          err << file << ": " << error->Message << "\n";
          status = 1;
          files.push_back({{"path", file}, {"error", error->Message}});
          return;
        }
        files.push_back(std::move(std::get<nlohmann::json>(outcome)));
      });
  out << DumpJson(nlohmann::json{{"files", std::move(files)}}, 1) << "\n";
  return status;
}

}  // namespace

int RunReportCommand(const ReportOptions& options, std::ostream& out, std::ostream& err) {
  const std::optional<ReportScope> scope = ParseScope(options, err);
  if (!scope) return 2;
  std::vector<std::string> files;
  const int expanded = ExpandSaveArguments(options.Files, err, files);
  if (options.Json) return std::max(expanded, ReportJson(files, *scope, out, err));
  return std::max(expanded, MapAnalysedSaves<std::string>(
                                files, err,
                                [&](const std::string& file, const SaveContainer&, const SaveAnalysis& save) {
                                  return ReportText(file, save, *scope);
                                },
                                [&](const std::string&, std::string& text) { out << text; }));
}

}  // namespace orv5
