#include "views/ModelText.h"

#include "savefile/Format.h"

namespace orv5 {

namespace {

// One value per line: the separators of the format may not appear inside a text.
void AppendEscaped(std::string_view text, std::string& out) {
  for (char ch : text) {
    switch (ch) {
      case '\t':
        out += "\\t";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      default:
        out += ch;
    }
  }
}

void AppendLine(std::string_view key, std::string_view text, std::string& out) {
  out += key;
  out += '\t';
  AppendEscaped(text, out);
  out += '\n';
}

void Append(const EditValue& edit, std::string& out) {
  AppendLine(edit.Name, edit.Text, out);
  if (!edit.Hint.empty()) AppendLine(edit.Name + ".hint", edit.Hint, out);
  if (!edit.Record.empty()) AppendLine(edit.Name + ".record", edit.Record, out);
}

void Append(const GridModel& grid, std::string& out) {
  for (int row = 0; row < grid.Rows; ++row) {
    for (int col = 0; col < grid.Columns; ++col) {
      const std::string& cell = grid.Cell(row, col);
      if (!cell.empty()) AppendLine(Format("%s[%d,%d]", grid.Name, row, col), cell, out);
    }
  }
}

void Append(const ListModel& list, std::string& out) {
  for (size_t i = 0; i < list.Items.size(); ++i) {
    AppendLine(Format("%s#%d", list.Name, i), list.Items[i], out);
    if (i < list.Checked.size()) AppendLine(Format("%s#%d.checked", list.Name, i), list.Checked[i] ? "1" : "0", out);
  }
  AppendLine(list.Name + ".selected", Format("%d", list.Selected), out);
}

void Append(const RichTextModel& text, std::string& out) {
  for (size_t i = 0; i < text.Lines.size(); ++i) {
    AppendLine(Format("%s#%d\t%s", text.Name, i, ColourText(text.Lines[i].LineColour)), text.Lines[i].Text, out);
  }
}

void Append(const CheckBoxModel& box, std::string& out) { AppendLine(box.Name, box.Checked ? "1" : "0", out); }

void Append(const ChartModel& chart, std::string& out) {
  for (size_t s = 0; s < chart.Series.size(); ++s) {
    std::string points = Format("%d\t", chart.Series[s].Item);
    for (size_t k = 0; k < chart.Series[s].Points.size(); ++k) {
      if (k > 0) points += ' ';
      points += Format("%d:%d", chart.Series[s].Points[k].first, chart.Series[s].Points[k].second);
    }
    out += Format("%s.series#%d\t", chart.Name, s) + points + "\n";
  }
  out += Format("%s.bottom\t%.2f\t%.2f\n", chart.Name, chart.Bottom.Min, chart.Bottom.Max);
  out += Format("%s.left\t%.2f\t%.2f\n", chart.Name, chart.Left.Min, chart.Left.Max);
}

}  // namespace

void AppendControlLines(const ControlModel& control, std::string& out) {
  std::visit([&out](const auto& c) { Append(c, out); }, control);
}

void AppendTabLines(const TabModel& tab, std::string& out) {
  for (const ControlModel& control : tab.Controls) AppendControlLines(control, out);
}

}  // namespace orv5
