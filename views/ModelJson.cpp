#include "views/ModelJson.h"

namespace orv5 {

namespace {

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

}  // namespace

nlohmann::json ControlJson(const ControlModel& control) {
  return std::visit([](const auto& c) { return ToJson(c); }, control);
}

nlohmann::json TabControlsJson(const TabModel& tab) {
  nlohmann::json controls = nlohmann::json::array();
  for (const ControlModel& control : tab.Controls) controls.push_back(ControlJson(control));
  return controls;
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

nlohmann::json DiagnosticsJson(const SaveAnalysis& save) {
  nlohmann::json diagnostics = nlohmann::json::array();
  for (const StepDiagnostic& step : save.Diagnostics) {
    diagnostics.push_back({{"step", step.Step}, {"found", step.Found}, {"records", step.Records}, {"note", step.Stop}});
  }
  return diagnostics;
}

std::string DumpJson(const nlohmann::json& document, int indent) {
  return document.dump(indent, ' ', false, nlohmann::json::error_handler_t::replace);
}

}  // namespace orv5
