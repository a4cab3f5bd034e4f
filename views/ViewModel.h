#pragma once
// What a tab shows, as plain values: the window copies these into its widgets by object name,
// and `orv5 report` prints them. Nothing here knows about a toolkit.
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace orv5 {

// 0xRRGGBB. The reference tables and the chart's colour list are 0xBBGGRR; convert with FromBgr.
using Colour = uint32_t;
inline constexpr Colour Black = 0x000000;
inline constexpr Colour Blue = 0x0000FF;
inline constexpr Colour Purple = 0x800080;

constexpr Colour FromBgr(uint32_t bgr) { return ((bgr & 0xFF) << 16) | (bgr & 0xFF00) | ((bgr >> 16) & 0xFF); }
std::string ColourText(Colour colour);  // "#RRGGBB"

// An edit field or a label value.
struct EditValue {
  std::string Name;
  std::string Text;
  std::string Hint;                  // tooltip; empty clears it
  std::optional<Colour> TextColour;  // only where the field has its own colour
  std::string Record;                // the game's own record of the value, shown in the tooltip
};

// The tooltip of an edit field: its hint, and the game's record on a line of its own.
std::string ToolTipText(const EditValue& edit);

// A string grid with fixed dimensions; headers are ordinary cells of row 0 / column 0.
struct GridModel {
  std::string Name;
  int Columns = 0;
  int Rows = 0;
  std::vector<std::string> Cells;  // row-major, Rows x Columns
  std::vector<int> ColumnWidths;   // one per column, in pixels at 96 dpi

  GridModel() = default;
  GridModel(std::string name, int columns, int rows, int defaultWidth);
  std::string& Cell(int row, int col) { return Cells[static_cast<size_t>(row * Columns + col)]; }
  const std::string& Cell(int row, int col) const { return Cells[static_cast<size_t>(row * Columns + col)]; }
  // Writes only inside the grid: a save with more rows than the grid holds loses the excess.
  void Set(int row, int col, std::string text);
  void SetWidths(std::initializer_list<int> widths);  // from column 0 on
};

// A drop-down list, list box or check-list box.
struct ListModel {
  std::string Name;
  std::vector<std::string> Items;
  int Selected = -1;                // -1: nothing selected
  int DropDownCount = 0;            // lines the opened list shows; 0 keeps the toolkit's default
  std::vector<bool> Checked;        // check-list boxes only, one per item
  std::vector<Colour> ItemColours;  // owner-drawn lists only, one per item
};

struct RichTextLine {
  Colour LineColour = Black;
  std::string Text;
};

struct RichTextModel {
  std::string Name;
  std::vector<RichTextLine> Lines;
};

struct CheckBoxModel {
  std::string Name;
  bool Checked = false;
};

struct AxisRange {
  double Min = 0;
  double Max = 0;
};

struct ChartSeries {
  int32_t Item = 0;  // the check-list item (player row) the line draws
  Colour LineColour = Black;
  std::vector<std::pair<int32_t, int32_t>> Points;  // (turn, value)
};

struct ChartModel {
  std::string Name;
  std::vector<ChartSeries> Series;  // series 0, 1, ... in the chart's order; unused ones omitted
  AxisRange Bottom;
  AxisRange Left;
};

using ControlModel = std::variant<EditValue, GridModel, ListModel, RichTextModel, CheckBoxModel, ChartModel>;

const std::string& ControlName(const ControlModel& control);

// One tab sheet: its visibility and its controls in the order they are filled.
struct TabModel {
  std::string Sheet;  // "BaseTab", "LeadersTab", ...
  bool Visible = true;
  std::vector<ControlModel> Controls;

  // The returned reference is valid until the next control is added.
  EditValue& AddEdit(std::string name, std::string text, std::string hint = {});
  template <typename T>
  T& Add(T control) {
    Controls.emplace_back(std::move(control));
    return std::get<T>(Controls.back());
  }

  // The control of that name and kind, or nullptr. Not on a temporary tab, whose controls
  // would be gone before the pointer is used.
  template <typename T>
  const T* Find(std::string_view name) const& {
    for (const ControlModel& control : Controls) {
      if (const T* found = std::get_if<T>(&control); found && found->Name == name) return found;
    }
    return nullptr;
  }
  template <typename T>
  const T* Find(std::string_view name) const&& = delete;
  // The text of an edit field, or an empty text when there is none of that name.
  std::string Text(std::string_view name) const;
};

// The selections a view depends on. Indexes are item indexes of the window's selectors; the
// player selectors list the rows of the player table, so Player is a row.
struct ViewSelection {
  int32_t Player = -1;                  // -1: nothing selected, the views show row 0
  int32_t City = -1;                    // item of `CityBox`
  int32_t Agent = -1;                   // item of `AgentSelect`
  int32_t Dataset = 0;                  // item of `GraphSelect`
  int32_t Language = 0;                 // item of `StatsLangSelect`: 0 English, 1 Russian
  std::vector<bool> GraphChecks;        // check marks of `CheckListBox1`; empty: as after a load
  std::optional<AxisRange> BottomAxis;  // the chart's bottom axis; empty: as after a load
  bool ZoomResetPending = true;         // the first fit after a load or an undone zoom
};

}  // namespace orv5
