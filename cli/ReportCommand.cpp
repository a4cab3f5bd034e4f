// orv5 report FILE... [--tab NAME]... [--player N|all] [--lang en|ru] [--json]
// For each save, every tab the window would show, and inside the tabs that follow a selection
// every player, every city of the player, every agent, every statistic and language: the
// models of views/, printed one control value per line (see views/ModelText.h) so that two
// reports compare with diff, or as one JSON document.
#include "cli/ReportCommand.h"

#include <charconv>
#include <nlohmann/json.hpp>
#include <optional>
#include <variant>

#include "analysis/Save5Analyse.h"
#include "savefile/Container.h"
#include "savefile/Format.h"
#include "views/LoadNotice.h"
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

nlohmann::json ToJson(const EditValue& edit) {
  nlohmann::json j{{"kind", "edit"}, {"name", edit.Name}, {"text", edit.Text}};
  if (!edit.Hint.empty()) j["hint"] = edit.Hint;
  if (!edit.Record.empty()) j["record"] = edit.Record;
  if (edit.TextColour) j["colour"] = ColourText(*edit.TextColour);
  return j;
}

nlohmann::json ToJson(const GridModel& grid) {
  nlohmann::json cells = nlohmann::json::array();
  for (int row = 0; row < grid.Rows; ++row) {
    for (int col = 0; col < grid.Columns; ++col) {
      if (!grid.Cell(row, col).empty()) cells.push_back({row, col, grid.Cell(row, col)});
    }
  }
  return {{"kind", "grid"},
          {"name", grid.Name},
          {"columns", grid.Columns},
          {"rows", grid.Rows},
          {"columnWidths", grid.ColumnWidths},
          {"cells", std::move(cells)}};
}

nlohmann::json ToJson(const ListModel& list) {
  nlohmann::json j{{"kind", "list"}, {"name", list.Name}, {"items", list.Items}, {"selected", list.Selected}};
  if (!list.Checked.empty()) j["checked"] = list.Checked;
  if (!list.ItemColours.empty()) {
    j["colours"] = nlohmann::json::array();
    for (Colour colour : list.ItemColours) j["colours"].push_back(ColourText(colour));
  }
  return j;
}

nlohmann::json ToJson(const RichTextModel& text) {
  nlohmann::json lines = nlohmann::json::array();
  for (const RichTextLine& line : text.Lines)
    lines.push_back({{"colour", ColourText(line.LineColour)}, {"text", line.Text}});
  return {{"kind", "richtext"}, {"name", text.Name}, {"lines", std::move(lines)}};
}

nlohmann::json ToJson(const CheckBoxModel& box) {
  return {{"kind", "checkbox"}, {"name", box.Name}, {"checked", box.Checked}};
}

nlohmann::json ToJson(const ChartModel& chart) {
  nlohmann::json series = nlohmann::json::array();
  for (const ChartSeries& line : chart.Series) {
    series.push_back({{"item", line.Item}, {"colour", ColourText(line.LineColour)}, {"points", line.Points}});
  }
  return {{"kind", "chart"},
          {"name", chart.Name},
          {"series", std::move(series)},
          {"bottom", {chart.Bottom.Min, chart.Bottom.Max}},
          {"left", {chart.Left.Min, chart.Left.Max}}};
}

nlohmann::json SelectionJson(const TabInfo& tab, const ViewSelection& selection) {
  nlohmann::json j = nlohmann::json::object();
  if (tab.Uses & UsesPlayer) j["player"] = selection.Player;
  if (tab.Uses & UsesCity) j["city"] = selection.City;
  if (tab.Uses & UsesAgent) j["agent"] = selection.Agent;
  if (tab.Uses & UsesDataset) j["dataset"] = selection.Dataset;
  if (tab.Uses & UsesLanguage) j["lang"] = selection.Language == 1 ? "ru" : "en";
  return j;
}

nlohmann::json FileJson(const SaveAnalysis& save, const ReportScope& scope) {
  nlohmann::json tabs = nlohmann::json::array();
  for (const TabInfo* tab : scope.Tabs) {
    nlohmann::json entry{{"sheet", tab->Sheet}, {"caption", tab->Caption}, {"visible", TabVisible(save, tab->Sheet)}};
    entry["views"] = nlohmann::json::array();
    for (const LabelledView& view : entry["visible"] ? ViewsOf(*tab, save, scope) : std::vector<LabelledView>{}) {
      nlohmann::json controls = nlohmann::json::array();
      for (const ControlModel& control : tab->Build(save, view.Selection).Controls) {
        controls.push_back(std::visit([](const auto& c) { return ToJson(c); }, control));
      }
      entry["views"].push_back({{"selection", SelectionJson(*tab, view.Selection)}, {"controls", std::move(controls)}});
    }
    tabs.push_back(std::move(entry));
  }
  nlohmann::json diagnostics = nlohmann::json::array();
  for (const StepDiagnostic& step : save.Diagnostics) {
    diagnostics.push_back({{"step", step.Step}, {"found", step.Found}, {"records", step.Records}, {"note", step.Stop}});
  }
  return {{"tabs", std::move(tabs)}, {"diagnostics", std::move(diagnostics)}};
}

}  // namespace

int RunReportCommand(const ReportOptions& options, std::ostream& out, std::ostream& err) {
  const std::optional<ReportScope> scope = ParseScope(options, err);
  if (!scope) return 2;
  int status = 0;
  nlohmann::json files = nlohmann::json::array();
  for (const std::string& file : options.Files) {
    LoadResult result = LoadSave(file);
    if (const auto* error = std::get_if<LoadError>(&result)) {
      err << file << ": " << error->Message << "\n";
      status = 1;
      if (options.Json) files.push_back({{"path", file}, {"error", error->Message}});
      continue;
    }
    const SaveAnalysis save = Save5Analyse(std::get<SaveContainer>(result));
    if (options.Json) {
      nlohmann::json entry = FileJson(save, *scope);
      entry["path"] = file;
      entry["notice"] = LoadNotice(save);
      files.push_back(std::move(entry));
    } else {
      out << "== FILE " << file << "\n";
      // The window's notice under the tabs: a save understood only in part says so first.
      if (const std::string notice = LoadNotice(save); !notice.empty()) out << "== NOTICE\t" << notice << "\n";
      PrintText(save, *scope, out);
    }
  }
  if (options.Json) {
    // Save texts that are not valid UTF-8 (16-bit texts keep only their low bytes) get U+FFFD.
    out << nlohmann::json{{"files", std::move(files)}}.dump(1, ' ', false, nlohmann::json::error_handler_t::replace)
        << "\n";
  }
  return status;
}

}  // namespace orv5
