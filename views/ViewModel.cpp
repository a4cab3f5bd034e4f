#include "views/ViewModel.h"

#include "savefile/Format.h"

namespace orv5 {

std::string ColourText(Colour colour) { return Format("#%06x", colour & 0xFFFFFFu); }

GridModel::GridModel(std::string name, int columns, int rows, int defaultWidth)
    : Name(std::move(name)),
      Columns(columns),
      Rows(rows),
      Cells(static_cast<size_t>(columns * rows)),
      ColumnWidths(static_cast<size_t>(columns), defaultWidth) {}

void GridModel::Set(int row, int col, std::string text) {
  if (row < 0 || row >= Rows || col < 0 || col >= Columns) return;
  Cell(row, col) = std::move(text);
}

void GridModel::SetWidths(std::initializer_list<int> widths) {
  size_t col = 0;
  for (int width : widths) {
    if (col >= ColumnWidths.size()) break;
    ColumnWidths[col++] = width;
  }
}

const std::string& ControlName(const ControlModel& control) {
  return std::visit([](const auto& c) -> const std::string& { return c.Name; }, control);
}

EditValue& TabModel::AddEdit(std::string name, std::string text, std::string hint) {
  return Add(EditValue{std::move(name), std::move(text), std::move(hint), std::nullopt, {}});
}

std::string ToolTipText(const EditValue& edit) {
  if (edit.Record.empty()) return edit.Hint;
  if (edit.Hint.empty()) return edit.Record;
  return edit.Hint + "\n" + edit.Record;
}

std::string TabModel::Text(std::string_view name) const {
  const EditValue* edit = Find<EditValue>(name);
  return edit ? edit->Text : std::string();
}

}  // namespace orv5
